/* WebView.h: the legacy web view of macOS: loading into frames, delegates, preferences, scripting and zoom. */
#import <Cocoa/Cocoa.h>
#import <WebKit/WebFrame.h>

@class WebBackForwardList, WebHistoryItem, WebPreferences, WebScriptObject, WebDataSource;

NS_ASSUME_NONNULL_BEGIN

extern NSString *WebElementDOMNodeKey;
extern NSString *WebElementFrameKey;
extern NSString *WebElementImageAltStringKey;
extern NSString *WebElementImageKey;
extern NSString *WebElementImageRectKey;
extern NSString *WebElementImageURLKey;
extern NSString *WebElementIsSelectedKey;
extern NSString *WebElementLinkURLKey;
extern NSString *WebElementLinkTargetFrameKey;
extern NSString *WebElementLinkTitleKey;
extern NSString *WebElementLinkLabelKey;

extern NSString *WebViewProgressStartedNotification;
extern NSString *WebViewProgressEstimateChangedNotification;
extern NSString *WebViewProgressFinishedNotification;

API_DEPRECATED("No longer supported; please adopt WKWebView.", macos(10.3, 10.14))
@interface WebView : NSView
+ (BOOL)canShowMIMEType:(NSString *)MIMEType;
+ (BOOL)canShowMIMETypeAsHTML:(NSString *)MIMEType;
+ (NSArray<NSString *> *)MIMETypesShownAsHTML;
+ (NSURL *)URLFromPasteboard:(NSPasteboard *)pasteboard;
- (instancetype)initWithFrame:(NSRect)frame frameName:(nullable NSString *)frameName groupName:(nullable NSString *)groupName;
- (void)close;
@property BOOL shouldCloseWithWindow;
@property (nullable, weak) id UIDelegate;
@property (nullable, weak) id resourceLoadDelegate;
@property (nullable, weak) id downloadDelegate;
@property (nullable, weak) id frameLoadDelegate;
@property (nullable, weak) id policyDelegate;
@property (readonly, strong) WebFrame *mainFrame;
@property (nullable, readonly, strong) WebFrame *selectedFrame;
@property (nullable, readonly, strong) WebBackForwardList *backForwardList;
- (void)setMaintainsBackForwardList:(BOOL)flag;
- (BOOL)goBack;
- (BOOL)goForward;
- (BOOL)goToBackForwardItem:(WebHistoryItem *)item;
@property float textSizeMultiplier;
@property (nullable, copy) NSString *applicationNameForUserAgent;
@property (nullable, copy) NSString *customUserAgent;
- (NSString *)userAgentForURL:(NSURL *)URL;
@property (readonly) BOOL supportsTextEncoding;
@property (nullable, copy) NSString *customTextEncodingName;
@property (nullable, copy) NSString *mediaStyle;
- (nullable NSString *)stringByEvaluatingJavaScriptFromString:(NSString *)script;
@property (nullable, readonly, strong) WebScriptObject *windowScriptObject;
@property (null_resettable, strong) WebPreferences *preferences;
@property (nullable, copy) NSString *preferencesIdentifier;
@property (nullable, strong) NSWindow *hostWindow;
- (BOOL)searchFor:(NSString *)string direction:(BOOL)forward caseSensitive:(BOOL)caseFlag wrap:(BOOL)wrapFlag;
+ (void)registerViewClass:(Class)viewClass representationClass:(Class)representationClass forMIMEType:(NSString *)MIMEType;
@property (nullable, copy) NSString *groupName;
@property (readonly) double estimatedProgress;
@property (readonly, getter=isLoading) BOOL loading;
- (nullable NSDictionary *)elementAtPoint:(NSPoint)point;
@property (readonly, copy) NSArray<NSString *> *pasteboardTypesForSelection;
- (void)writeSelectionWithPasteboardTypes:(NSArray<NSString *> *)types toPasteboard:(NSPasteboard *)pasteboard;
- (NSArray *)pasteboardTypesForElement:(NSDictionary *)element;
- (void)writeElement:(NSDictionary *)element withPasteboardTypes:(NSArray *)types toPasteboard:(NSPasteboard *)pasteboard;
- (void)moveDragCaretToPoint:(NSPoint)point;
- (void)removeDragCaret;
@property BOOL drawsBackground;
@property BOOL shouldUpdateWhileOffscreen;
@property (nullable, copy) NSString *mainFrameURL;
@property (nullable, readonly, copy) NSString *mainFrameTitle;
@property (nullable, readonly, strong) NSImage *mainFrameIcon;
@property (nullable, readonly, strong) DOMDocument *mainFrameDocument;
@property (getter=isEditable) BOOL editable;
- (IBAction)takeStringURLFrom:(nullable id)sender;
- (IBAction)stopLoading:(nullable id)sender;
- (IBAction)reload:(nullable id)sender;
- (IBAction)reloadFromOrigin:(nullable id)sender;
- (IBAction)goBack:(nullable id)sender;
- (IBAction)goForward:(nullable id)sender;
- (IBAction)makeTextLarger:(nullable id)sender;
- (IBAction)makeTextSmaller:(nullable id)sender;
- (IBAction)makeTextStandardSize:(nullable id)sender;
- (IBAction)toggleContinuousSpellChecking:(nullable id)sender;
- (IBAction)toggleSmartInsertDelete:(nullable id)sender;
@property (readonly) BOOL canGoBack;
@property (readonly) BOOL canGoForward;
@property (readonly) BOOL canMakeTextLarger;
@property (readonly) BOOL canMakeTextSmaller;
@property (readonly) BOOL canMakeTextStandardSize;
@end

NS_ASSUME_NONNULL_END
