/* WKNavigation.h: a navigation of a web view, the object that identifies it to the navigation delegate. */
#import <WebKit/WKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, WKContentMode) {
    WKContentModeRecommended,
    WKContentModeMobile,
    WKContentModeDesktop
} API_AVAILABLE(macos(10.15), ios(13.0));

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKNavigation : NSObject
@property (nonatomic, readonly) WKContentMode effectiveContentMode API_AVAILABLE(macos(10.15), ios(13.0));
@end

NS_ASSUME_NONNULL_END
