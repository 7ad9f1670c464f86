/* WebUIDelegate.h: the windows, panels, menus and status that a legacy web view asks its host for. */
#import <Cocoa/Cocoa.h>

@class WebView, WebFrame;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, WebDragDestinationAction) {
    WebDragDestinationActionNone = 0,
    WebDragDestinationActionDHTML = 1,
    WebDragDestinationActionEdit = 2,
    WebDragDestinationActionLoad = 4,
    WebDragDestinationActionAny = NSUIntegerMax
};

typedef NS_OPTIONS(NSUInteger, WebDragSourceAction) {
    WebDragSourceActionNone = 0,
    WebDragSourceActionDHTML = 1,
    WebDragSourceActionImage = 2,
    WebDragSourceActionLink = 4,
    WebDragSourceActionSelection = 8,
    WebDragSourceActionAny = NSUIntegerMax
};

enum {
    WebMenuItemTagOpenLinkInNewWindow = 1,
    WebMenuItemTagDownloadLinkToDisk,
    WebMenuItemTagCopyLinkToClipboard,
    WebMenuItemTagOpenImageInNewWindow,
    WebMenuItemTagDownloadImageToDisk,
    WebMenuItemTagCopyImageToClipboard,
    WebMenuItemTagOpenFrameInNewWindow,
    WebMenuItemTagCopy,
    WebMenuItemTagGoBack,
    WebMenuItemTagGoForward,
    WebMenuItemTagStop,
    WebMenuItemTagReload,
    WebMenuItemTagCut,
    WebMenuItemTagPaste,
    WebMenuItemTagSpellingGuess,
    WebMenuItemTagNoGuessesFound,
    WebMenuItemTagIgnoreSpelling,
    WebMenuItemTagLearnSpelling,
    WebMenuItemTagOther,
    WebMenuItemTagSearchInSpotlight,
    WebMenuItemTagSearchWeb,
    WebMenuItemTagLookUpInDictionary,
    WebMenuItemTagOpenWithDefaultApplication,
    WebMenuItemPDFActualSize,
    WebMenuItemPDFZoomIn,
    WebMenuItemPDFZoomOut,
    WebMenuItemPDFAutoSize,
    WebMenuItemPDFSinglePage,
    WebMenuItemPDFFacingPages,
    WebMenuItemPDFContinuous,
    WebMenuItemPDFNextPage,
    WebMenuItemPDFPreviousPage
};

@protocol WebOpenPanelResultListener <NSObject>
- (void)chooseFilename:(NSString *)fileName;
- (void)chooseFilenames:(NSArray<NSString *> *)fileNames;
- (void)cancel;
@end

@protocol WebUIDelegate <NSObject>
@optional
- (nullable WebView *)webView:(WebView *)sender createWebViewWithRequest:(nullable NSURLRequest *)request;
- (void)webViewShow:(WebView *)sender;
- (void)webViewClose:(WebView *)sender;
- (void)webViewFocus:(WebView *)sender;
- (void)webViewUnfocus:(WebView *)sender;
- (void)webView:(WebView *)sender setStatusText:(NSString *)text;
- (void)webView:(WebView *)sender mouseDidMoveOverElement:(NSDictionary *)elementInformation modifierFlags:(NSUInteger)modifierFlags;
- (nullable NSArray *)webView:(WebView *)sender contextMenuItemsForElement:(NSDictionary *)element defaultMenuItems:(NSArray *)defaultMenuItems;
- (void)webView:(WebView *)sender runJavaScriptAlertPanelWithMessage:(NSString *)message initiatedByFrame:(WebFrame *)frame;
- (BOOL)webView:(WebView *)sender runJavaScriptConfirmPanelWithMessage:(NSString *)message initiatedByFrame:(WebFrame *)frame;
- (nullable NSString *)webView:(WebView *)sender runJavaScriptTextInputPanelWithPrompt:(NSString *)prompt defaultText:(nullable NSString *)defaultText initiatedByFrame:(WebFrame *)frame;
- (BOOL)webView:(WebView *)sender runBeforeUnloadConfirmPanelWithMessage:(NSString *)message initiatedByFrame:(WebFrame *)frame;
- (void)webView:(WebView *)sender runOpenPanelForFileButtonWithResultListener:(id<WebOpenPanelResultListener>)resultListener;
- (void)webView:(WebView *)sender runOpenPanelForFileButtonWithResultListener:(id<WebOpenPanelResultListener>)resultListener allowMultipleFiles:(BOOL)allowMultipleFiles;
- (NSUInteger)webView:(WebView *)webView dragDestinationActionMaskForDraggingInfo:(id<NSDraggingInfo>)draggingInfo;
- (NSUInteger)webView:(WebView *)webView dragSourceActionMaskForPoint:(NSPoint)point;
- (BOOL)webView:(WebView *)webView validateUserInterfaceItem:(id)item defaultValidation:(BOOL)defaultValidation;
- (void)webView:(WebView *)sender printFrameView:(id)frameView;
@end

NS_ASSUME_NONNULL_END
