/* NSNib.h: nib files loaded from a bundle or data, instantiated with an owner; and NSBundle's nib loading. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSNibName NS_SWIFT_BRIDGED_TYPEDEF;

@interface NSNib : NSObject <NSCoding>
- (nullable instancetype)initWithNibNamed:(NSNibName)nibName bundle:(nullable NSBundle *)bundle;
- (instancetype)initWithNibData:(NSData *)nibData bundle:(nullable NSBundle *)bundle API_AVAILABLE(macos(10.8));
- (BOOL)instantiateWithOwner:(nullable id)owner
             topLevelObjects:(NSArray *_Nullable *_Nullable)topLevelObjects API_AVAILABLE(macos(10.8));
- (nullable id)initWithContentsOfURL:(NSURL *)nibFileURL API_DEPRECATED("", macos(10.0, 10.8));
- (BOOL)instantiateNibWithOwner:(nullable id)owner
                topLevelObjects:(NSArray *_Nullable *_Nullable)topLevelObjects API_DEPRECATED("", macos(10.3, 10.8));
@end

@interface NSBundle (NSNibLoading)
- (BOOL)loadNibNamed:(NSNibName)nibName
               owner:(nullable id)owner
     topLevelObjects:(NSArray *_Nullable *_Nullable)topLevelObjects API_AVAILABLE(macos(10.8));
+ (BOOL)loadNibNamed:(NSString *)nibName owner:(nullable id)owner API_DEPRECATED("", macos(10.0, 10.8));
+ (BOOL)loadNibFile:(NSString *)fileName
    externalNameTable:(nullable NSDictionary *)context
             withZone:(nullable NSZone *)zone API_DEPRECATED("", macos(10.0, 10.8));
- (BOOL)loadNibFile:(NSString *)fileName
    externalNameTable:(nullable NSDictionary *)context
             withZone:(nullable NSZone *)zone API_DEPRECATED("", macos(10.0, 10.8));
@end

APPKIT_EXTERN NSString *const NSNibOwner API_DEPRECATED("", macos(10.0, 10.8));
APPKIT_EXTERN NSString *const NSNibTopLevelObjects API_DEPRECATED("", macos(10.0, 10.8));

NS_ASSUME_NONNULL_END
