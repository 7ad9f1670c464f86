/* NSAlert.h: alerts: message, informative text, buttons, style, run modally or as a sheet. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSApplication.h>
#import <AppKit/NSWindow.h>

@class NSButton, NSError, NSImage, NSView, NSWindow;
@protocol NSAlertDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSAlertStyle) {
    NSAlertStyleWarning = 0,
    NSAlertStyleInformational = 1,
    NSAlertStyleCritical = 2
};

static const NSModalResponse NSAlertFirstButtonReturn = 1000;
static const NSModalResponse NSAlertSecondButtonReturn = 1001;
static const NSModalResponse NSAlertThirdButtonReturn = 1002;

@interface NSAlert : NSObject
+ (NSAlert *)alertWithError:(NSError *)error;
@property (copy) NSString *messageText;
@property (copy) NSString *informativeText;
@property (null_resettable, strong) NSImage *icon;
- (NSButton *)addButtonWithTitle:(NSString *)title;
@property (readonly, copy) NSArray<NSButton *> *buttons;
@property NSAlertStyle alertStyle;
@property BOOL showsHelp;
@property (nullable, weak) id<NSAlertDelegate> delegate;
@property (nullable, strong) NSView *accessoryView;
@property BOOL showsSuppressionButton API_AVAILABLE(macos(10.5));
@property (nullable, readonly, strong) NSButton *suppressionButton API_AVAILABLE(macos(10.5));
- (NSModalResponse)runModal;
#if defined(__BLOCKS__)
- (void)beginSheetModalForWindow:(NSWindow *)sheetWindow
               completionHandler:(void (^_Nullable)(NSModalResponse returnCode))handler API_AVAILABLE(macos(10.9));
#endif
@property (readonly, strong) NSWindow *window;
@end

@protocol NSAlertDelegate <NSObject>
@optional
- (BOOL)alertShowHelp:(NSAlert *)alert;
@end

enum {
    NSWarningAlertStyle API_DEPRECATED_WITH_REPLACEMENT("NSAlertStyleWarning", macos(10.3, 10.12)) = NSAlertStyleWarning,
    NSInformationalAlertStyle API_DEPRECATED_WITH_REPLACEMENT("NSAlertStyleInformational", macos(10.3, 10.12)) = NSAlertStyleInformational,
    NSCriticalAlertStyle API_DEPRECATED_WITH_REPLACEMENT("NSAlertStyleCritical", macos(10.3, 10.12)) = NSAlertStyleCritical
};

@interface NSAlert (NSAlertDeprecated)
- (void)beginSheetModalForWindow:(NSWindow *)window modalDelegate:(nullable id)delegate didEndSelector:(nullable SEL)didEndSelector contextInfo:(nullable void *)contextInfo API_DEPRECATED("Use -beginSheetModalForWindow:completionHandler: instead", macos(10.3, 10.10));
+ (NSAlert *)alertWithMessageText:(nullable NSString *)message defaultButton:(nullable NSString *)defaultButton alternateButton:(nullable NSString *)alternateButton otherButton:(nullable NSString *)otherButton informativeTextWithFormat:(NSString *)format, ... NS_FORMAT_FUNCTION(5, 6) API_DEPRECATED("Use -init instead", macos(10.3, 10.10));
- (void)layout;
@property (nullable, copy) NSString *helpAnchor;
@end

NS_ASSUME_NONNULL_END
