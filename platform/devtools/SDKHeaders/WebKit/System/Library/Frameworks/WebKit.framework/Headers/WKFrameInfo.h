/* WKFrameInfo.h: the frame of a page that a navigation, script message or panel comes from. */
#import <WebKit/WKFoundation.h>
#import <WebKit/WKSecurityOrigin.h>

@class WKWebView;

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKFrameInfo : NSObject <NSCopying>
@property (nonatomic, readonly, getter=isMainFrame) BOOL mainFrame;
@property (nonatomic, readonly, copy) NSURLRequest *request;
@property (nonatomic, readonly) WKSecurityOrigin *securityOrigin API_AVAILABLE(macos(10.11), ios(9.0));
@property (nonatomic, readonly, weak, nullable) WKWebView *webView API_AVAILABLE(macos(11.0), ios(14.0));
@end

NS_ASSUME_NONNULL_END
