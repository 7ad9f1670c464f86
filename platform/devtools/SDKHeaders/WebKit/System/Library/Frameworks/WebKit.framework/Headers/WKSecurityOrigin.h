/* WKSecurityOrigin.h: the origin (protocol, host and port) of a frame's content. */
#import <WebKit/WKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.11), ios(9.0))
@interface WKSecurityOrigin : NSObject
- (instancetype)init NS_UNAVAILABLE;
@property (nonatomic, readonly, copy) NSString *protocol;
@property (nonatomic, readonly, copy) NSString *host;
@property (nonatomic, readonly) NSInteger port;
@end

NS_ASSUME_NONNULL_END
