/* WebFrame.h: a frame of a legacy web view: loading requests, strings and data, its document and children. */
#import <Cocoa/Cocoa.h>
#import <WebKit/DOM.h>
#import <JavaScriptCore/JavaScriptCore.h>

@class NSPrintInfo, NSPrintOperation, WebView, WebFrameView, WebDataSource, WebArchive, WebScriptObject;

NS_ASSUME_NONNULL_BEGIN

API_DEPRECATED("No longer supported; please adopt WKWebView.", macos(10.3, 10.14))
@interface WebFrame : NSObject
- (instancetype)initWithName:(NSString *)name webFrameView:(nullable WebFrameView *)view webView:(nullable WebView *)webView;
@property (readonly, copy) NSString *name;
@property (readonly, strong) WebView *webView;
@property (readonly, strong) WebFrameView *frameView;
@property (nullable, readonly, strong) DOMDocument *DOMDocument;
@property (nullable, readonly, strong) DOMHTMLElement *frameElement;
- (void)loadRequest:(NSURLRequest *)request;
- (void)loadData:(NSData *)data MIMEType:(NSString *)MIMEType textEncodingName:(nullable NSString *)encodingName baseURL:(nullable NSURL *)URL;
- (void)loadHTMLString:(NSString *)string baseURL:(nullable NSURL *)URL;
- (void)loadAlternateHTMLString:(NSString *)string baseURL:(nullable NSURL *)baseURL forUnreachableURL:(nullable NSURL *)unreachableURL;
- (void)loadArchive:(WebArchive *)archive;
@property (nullable, readonly, strong) WebDataSource *dataSource;
@property (nullable, readonly, strong) WebDataSource *provisionalDataSource;
- (void)stopLoading;
- (void)reload;
- (void)reloadFromOrigin;
- (nullable WebFrame *)findFrameNamed:(NSString *)name;
@property (nullable, readonly, strong) WebFrame *parentFrame;
@property (readonly, copy) NSArray<WebFrame *> *childFrames;
@property (readonly, strong) WebScriptObject *windowObject;
@property (readonly) JSGlobalContextRef globalContext;
@property (readonly, strong) JSContext *javaScriptContext;
@end

API_DEPRECATED("No longer supported; please adopt WKWebView.", macos(10.3, 10.14))
@interface WebFrameView : NSView
@property (nullable, readonly, strong) WebFrame *webFrame;
@property BOOL allowsScrolling;
@property (readonly) BOOL canPrintHeadersAndFooters;
- (NSPrintOperation *)printOperationWithPrintInfo:(NSPrintInfo *)printInfo;
@property (readonly) BOOL documentViewShouldHandlePrint;
- (void)printDocumentView;
@end

API_DEPRECATED("No longer supported; please adopt WKWebView.", macos(10.3, 10.14))
@interface WebDataSource : NSObject
- (instancetype)initWithRequest:(NSURLRequest *)request;
@property (nullable, readonly, copy) NSData *data;
@property (readonly, strong) WebFrame *webFrame;
@property (nullable, readonly, strong) NSURLRequest *initialRequest;
@property (nullable, readonly, strong) NSMutableURLRequest *request;
@property (nullable, readonly, strong) NSURLResponse *response;
@property (nullable, readonly, copy) NSString *textEncodingName;
@property (readonly, getter=isLoading) BOOL loading;
@property (nullable, readonly, copy) NSString *pageTitle;
@property (nullable, readonly, strong) NSURL *unreachableURL;
@end

NS_ASSUME_NONNULL_END
