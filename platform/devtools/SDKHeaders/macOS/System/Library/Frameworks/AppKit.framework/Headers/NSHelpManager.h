/* NSHelpManager.h: the application's help book: opening it at an anchor, searching it, and context help. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSApplication.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSHelpBookName NS_SWIFT_BRIDGED_TYPEDEF;
typedef NSString *NSHelpAnchorName NS_SWIFT_BRIDGED_TYPEDEF;
typedef NSString *NSHelpManagerContextHelpKey NS_SWIFT_BRIDGED_TYPEDEF;

@interface NSHelpManager : NSObject
@property (class, readonly, strong) NSHelpManager *sharedHelpManager;
@property (class, getter=isContextHelpModeActive) BOOL contextHelpModeActive;
- (void)setContextHelp:(NSAttributedString *)attrString forObject:(id)object;
- (void)removeContextHelpForObject:(id)object;
- (nullable NSAttributedString *)contextHelpForObject:(id)object;
- (BOOL)showContextHelpForObject:(id)object locationHint:(NSPoint)pt;
- (void)openHelpAnchor:(NSHelpAnchorName)anchor inBook:(nullable NSHelpBookName)book;
- (void)findString:(NSString *)query inBook:(nullable NSHelpBookName)book;
- (BOOL)registerBooksInBundle:(NSBundle *)bundle API_AVAILABLE(macos(10.6));
@end

APPKIT_EXTERN NSNotificationName NSContextHelpModeDidActivateNotification;
APPKIT_EXTERN NSNotificationName NSContextHelpModeDidDeactivateNotification;

@interface NSBundle (NSBundleHelpExtension)
- (nullable NSAttributedString *)contextHelpForKey:(NSHelpManagerContextHelpKey)key;
@end

@interface NSApplication (NSApplicationHelpExtension)
- (void)activateContextHelpMode:(nullable id)sender;
- (void)showHelp:(nullable id)sender;
@end

NS_ASSUME_NONNULL_END
