/* WKUserContentController.h: the user scripts and script message handlers of a web view's pages. */
#import <WebKit/WKFoundation.h>
#import <WebKit/WKScriptMessageHandler.h>
#import <WebKit/WKUserScript.h>

@class WKContentRuleList;

NS_ASSUME_NONNULL_BEGIN

WK_CLASS_AVAILABLE(macos(10.10), ios(8.0))
@interface WKUserContentController : NSObject <NSSecureCoding>
@property (nonatomic, readonly, copy) NSArray<WKUserScript *> *userScripts;
- (void)addUserScript:(WKUserScript *)userScript;
- (void)removeAllUserScripts;
- (void)addScriptMessageHandler:(id<WKScriptMessageHandler>)scriptMessageHandler name:(NSString *)name;
- (void)removeScriptMessageHandlerForName:(NSString *)name;
- (void)removeAllScriptMessageHandlers API_AVAILABLE(macos(11.0), ios(14.0));
- (void)addContentRuleList:(WKContentRuleList *)contentRuleList API_AVAILABLE(macos(10.13), ios(11.0));
- (void)removeContentRuleList:(WKContentRuleList *)contentRuleList API_AVAILABLE(macos(10.13), ios(11.0));
- (void)removeAllContentRuleLists API_AVAILABLE(macos(10.13), ios(11.0));
@end

NS_ASSUME_NONNULL_END
