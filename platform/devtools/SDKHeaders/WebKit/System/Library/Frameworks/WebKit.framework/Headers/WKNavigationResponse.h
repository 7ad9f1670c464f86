/* WKNavigationResponse.h: the response a navigation received, before the web view shows it. */
#import <WebKit/WKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKNavigationResponse : NSObject
@property (nonatomic, readonly, getter=isForMainFrame) BOOL forMainFrame;
@property (nonatomic, readonly, copy) NSURLResponse *response;
@property (nonatomic, readonly) BOOL canShowMIMEType;
@end

NS_ASSUME_NONNULL_END
