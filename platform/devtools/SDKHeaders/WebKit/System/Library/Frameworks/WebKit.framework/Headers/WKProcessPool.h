/* WKProcessPool.h: the pool of web content processes that web views share. */
#import <WebKit/WKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKProcessPool : NSObject <NSSecureCoding>
@end

NS_ASSUME_NONNULL_END
