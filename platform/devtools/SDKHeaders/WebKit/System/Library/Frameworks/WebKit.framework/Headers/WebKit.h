/* WebKit.h: web views that load and show web content, and their navigation. */
#import <WebKit/WKFoundation.h>
#import <WebKit/WKNavigation.h>
#import <WebKit/WKNavigationAction.h>
#import <WebKit/WKNavigationResponse.h>
#import <WebKit/WKNavigationDelegate.h>
#import <WebKit/WKPreferences.h>
#import <WebKit/WKWebViewConfiguration.h>
#import <WebKit/WKWebView.h>
#if TARGET_OS_OSX
#import <WebKit/WebView.h>
#import <WebKit/WebFrame.h>
#import <WebKit/WebPreferences.h>
#import <WebKit/WebFrameLoadDelegate.h>
#import <WebKit/WebPolicyDelegate.h>
#import <WebKit/WebUIDelegate.h>
#import <WebKit/WebResourceLoadDelegate.h>
#import <WebKit/WebArchive.h>
#endif
