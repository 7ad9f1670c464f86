/* WKScriptMessage.h: the messages a page's JavaScript posts to a script message handler. */
#import <WebKit/WKFoundation.h>
#import <WebKit/WKFrameInfo.h>

@class WKWebView;

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKScriptMessage : NSObject
@property (nonatomic, readonly, copy) id body;
@property (nullable, nonatomic, readonly, weak) WKWebView *webView;
@property (nonatomic, readonly, copy) WKFrameInfo *frameInfo;
@property (nonatomic, readonly, copy) NSString *name;
@end

NS_ASSUME_NONNULL_END
