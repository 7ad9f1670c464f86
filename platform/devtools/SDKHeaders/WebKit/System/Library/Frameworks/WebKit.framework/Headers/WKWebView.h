/* WKWebView.h: a view that loads and shows web content, navigates its history and runs JavaScript. */
#import <WebKit/WKFoundation.h>
#import <WebKit/WKNavigation.h>
#import <Security/Security.h>
#if TARGET_OS_IPHONE
#import <UIKit/UIKit.h>
#else
#import <AppKit/AppKit.h>
#endif

@class WKNavigation, WKWebViewConfiguration, WKBackForwardList, WKBackForwardListItem, WKSnapshotConfiguration;
@protocol WKNavigationDelegate, WKUIDelegate;

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
#if TARGET_OS_IPHONE
@interface WKWebView : UIView
#else
@interface WKWebView : NSView
#endif
@property (nonatomic, readonly, copy) WKWebViewConfiguration *configuration;
@property (nullable, nonatomic, weak) id<WKNavigationDelegate> navigationDelegate;
@property (nullable, nonatomic, weak) id<WKUIDelegate> UIDelegate;
@property (nonatomic, readonly, strong) WKBackForwardList *backForwardList;
- (nullable WKNavigation *)goToBackForwardListItem:(WKBackForwardListItem *)item;
+ (BOOL)handlesURLScheme:(NSString *)urlScheme API_AVAILABLE(macos(10.13), ios(11.0));
@property (nullable, nonatomic, readonly) SecTrustRef serverTrust API_AVAILABLE(macos(10.12), ios(10.0));
@property (nonatomic) CGFloat pageZoom API_AVAILABLE(macos(11.0), ios(14.0));
@property (nonatomic) CGFloat magnification API_AVAILABLE(macos(10.10)) API_UNAVAILABLE(ios);
@property (nonatomic) BOOL allowsMagnification API_AVAILABLE(macos(10.10)) API_UNAVAILABLE(ios);
- (void)setMagnification:(CGFloat)magnification centeredAtPoint:(CGPoint)point API_AVAILABLE(macos(10.10)) API_UNAVAILABLE(ios);
- (instancetype)initWithFrame:(CGRect)frame
                configuration:(WKWebViewConfiguration *)configuration NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (nullable WKNavigation *)loadRequest:(NSURLRequest *)request;
- (nullable WKNavigation *)loadFileURL:(NSURL *)URL
               allowingReadAccessToURL:(NSURL *)readAccessURL API_AVAILABLE(macos(10.11), ios(9.0));
- (nullable WKNavigation *)loadHTMLString:(NSString *)string baseURL:(nullable NSURL *)baseURL;
- (nullable WKNavigation *)loadData:(NSData *)data
                           MIMEType:(NSString *)MIMEType
              characterEncodingName:(NSString *)characterEncodingName
                            baseURL:(NSURL *)baseURL API_AVAILABLE(macos(10.11), ios(9.0));
@property (nullable, nonatomic, readonly, copy) NSString *title;
@property (nullable, nonatomic, readonly, copy) NSURL *URL;
@property (nonatomic, readonly, getter=isLoading) BOOL loading;
@property (nonatomic, readonly) double estimatedProgress;
@property (nonatomic, readonly) BOOL hasOnlySecureContent;
@property (nonatomic, readonly) BOOL canGoBack;
@property (nonatomic, readonly) BOOL canGoForward;
- (nullable WKNavigation *)goBack;
- (nullable WKNavigation *)goForward;
- (nullable WKNavigation *)reload;
- (nullable WKNavigation *)reloadFromOrigin;
- (void)stopLoading;
- (nullable WKNavigation *)loadFileRequest:(NSURLRequest *)request allowingReadAccessToURL:(NSURL *)readAccessURL API_AVAILABLE(macos(12.0), ios(15.0));
#if defined(__BLOCKS__)
- (void)evaluateJavaScript:(NSString *)javaScriptString
         completionHandler:(void (^_Nullable)(_Nullable id, NSError *_Nullable error))completionHandler;
#endif
@property (nonatomic) BOOL allowsBackForwardNavigationGestures;
@property (nullable, nonatomic, copy) NSString *customUserAgent API_AVAILABLE(macos(10.11), ios(9.0));
@property (nonatomic) BOOL allowsLinkPreview API_AVAILABLE(macos(10.11), ios(9.0));
#if TARGET_OS_IPHONE
@property (nonatomic, readonly, strong) UIScrollView *scrollView;
#endif
@property (nonatomic, getter=isInspectable) BOOL inspectable API_AVAILABLE(macos(13.3), ios(16.4));
@end

NS_ASSUME_NONNULL_END
