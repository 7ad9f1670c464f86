/* UNNotificationAttachment.h: the media files a notification shows. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.14), ios(10.0), watchos(3.0)) API_UNAVAILABLE(tvos)
@interface UNNotificationAttachment : NSObject <NSCopying, NSSecureCoding>
@property (readonly, copy) NSString *identifier;
@property (readonly, copy) NSURL *URL;
@property (readonly, copy) NSString *type;
+ (nullable instancetype)attachmentWithIdentifier:(NSString *)identifier
                                              URL:(NSURL *)URL
                                          options:(nullable NSDictionary *)options
                                            error:(NSError *__autoreleasing *)error;
- (instancetype)init NS_UNAVAILABLE;
@end

FOUNDATION_EXPORT NSString *const UNNotificationAttachmentOptionsTypeHintKey API_AVAILABLE(macos(10.14), ios(10.0));
FOUNDATION_EXPORT NSString *const UNNotificationAttachmentOptionsThumbnailHiddenKey
    API_AVAILABLE(macos(10.14), ios(10.0));

NS_ASSUME_NONNULL_END
