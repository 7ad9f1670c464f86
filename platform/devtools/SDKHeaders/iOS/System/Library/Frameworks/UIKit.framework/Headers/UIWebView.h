/* UIWebView.h: the legacy web view of iOS (deprecated since iOS 12 for WebKit's WKWebView) and its delegate. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIView.h>
#import <UIKit/UIScrollView.h>
#import <UIKit/UIDataDetectors.h>

@protocol UIWebViewDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, UIWebViewNavigationType) {
    UIWebViewNavigationTypeLinkClicked,
    UIWebViewNavigationTypeFormSubmitted,
    UIWebViewNavigationTypeBackForward,
    UIWebViewNavigationTypeReload,
    UIWebViewNavigationTypeFormResubmitted,
    UIWebViewNavigationTypeOther
} API_UNAVAILABLE(tvos);

typedef NS_ENUM(NSInteger, UIWebPaginationMode) {
    UIWebPaginationModeUnpaginated,
    UIWebPaginationModeLeftToRight,
    UIWebPaginationModeTopToBottom,
    UIWebPaginationModeBottomToTop,
    UIWebPaginationModeRightToLeft
} API_UNAVAILABLE(tvos);

typedef NS_ENUM(NSInteger, UIWebPaginationBreakingMode) {
    UIWebPaginationBreakingModePage,
    UIWebPaginationBreakingModeColumn
} API_UNAVAILABLE(tvos);

API_DEPRECATED("No longer supported; please adopt WKWebView.", ios(2.0, 12.0)) API_UNAVAILABLE(tvos)
@interface UIWebView : UIView <NSCoding, UIScrollViewDelegate>
@property (nullable, nonatomic, assign) id<UIWebViewDelegate> delegate;
@property (nonatomic, readonly, strong) UIScrollView *scrollView API_AVAILABLE(ios(5.0));
- (void)loadRequest:(NSURLRequest *)request;
- (void)loadHTMLString:(NSString *)string baseURL:(nullable NSURL *)baseURL;
- (void)loadData:(NSData *)data
            MIMEType:(NSString *)MIMEType
    textEncodingName:(NSString *)textEncodingName
             baseURL:(NSURL *)baseURL;
@property (nullable, nonatomic, readonly, strong) NSURLRequest *request;
- (void)reload;
- (void)stopLoading;
- (void)goBack;
- (void)goForward;
@property (nonatomic, readonly, getter=canGoBack) BOOL canGoBack;
@property (nonatomic, readonly, getter=canGoForward) BOOL canGoForward;
@property (nonatomic, readonly, getter=isLoading) BOOL loading;
- (nullable NSString *)stringByEvaluatingJavaScriptFromString:(NSString *)script;
@property (nonatomic) BOOL scalesPageToFit;
@property (nonatomic) UIDataDetectorTypes dataDetectorTypes API_AVAILABLE(ios(3.0));
@property (nonatomic) BOOL allowsInlineMediaPlayback API_AVAILABLE(ios(4.0));
@property (nonatomic) BOOL mediaPlaybackRequiresUserAction API_AVAILABLE(ios(4.0));
@property (nonatomic) BOOL keyboardDisplayRequiresUserAction API_AVAILABLE(ios(6.0));
@property (nonatomic) UIWebPaginationMode paginationMode API_AVAILABLE(ios(7.0));
@property (nonatomic) UIWebPaginationBreakingMode paginationBreakingMode API_AVAILABLE(ios(7.0));
@property (nonatomic) CGFloat pageLength API_AVAILABLE(ios(7.0));
@property (nonatomic) CGFloat gapBetweenPages API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly) NSUInteger pageCount API_AVAILABLE(ios(7.0));
@end

API_DEPRECATED("No longer supported.", ios(2.0, 12.0)) API_UNAVAILABLE(tvos)
@protocol UIWebViewDelegate <NSObject>
@optional
- (BOOL)webView:(UIWebView *)webView
    shouldStartLoadWithRequest:(NSURLRequest *)request
                navigationType:(UIWebViewNavigationType)navigationType;
- (void)webViewDidStartLoad:(UIWebView *)webView;
- (void)webViewDidFinishLoad:(UIWebView *)webView;
- (void)webView:(UIWebView *)webView didFailLoadWithError:(NSError *)error;
@end

NS_ASSUME_NONNULL_END
