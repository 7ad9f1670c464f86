/* NSPanel.h: panels: auxiliary windows that float, become key only when needed and hide when the application deactivates. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSWindow.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSPanel : NSWindow
@property (getter=isFloatingPanel) BOOL floatingPanel;
@property BOOL becomesKeyOnlyIfNeeded;
@property BOOL worksWhenModal;
@end

APPKIT_EXTERN NSInteger NSRunAlertPanel(NSString *title, NSString *msgFormat, NSString *_Nullable defaultButton, NSString *_Nullable alternateButton, NSString *_Nullable otherButton, ...) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));
APPKIT_EXTERN NSInteger NSRunInformationalAlertPanel(NSString *title, NSString *msgFormat, NSString *_Nullable defaultButton, NSString *_Nullable alternateButton, NSString *_Nullable otherButton, ...) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));
APPKIT_EXTERN NSInteger NSRunCriticalAlertPanel(NSString *title, NSString *msgFormat, NSString *_Nullable defaultButton, NSString *_Nullable alternateButton, NSString *_Nullable otherButton, ...) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));
APPKIT_EXTERN void NSBeginAlertSheet(NSString *title, NSString *_Nullable defaultButton, NSString *_Nullable alternateButton, NSString *_Nullable otherButton, NSWindow *docWindow, id _Nullable modalDelegate, SEL _Nullable didEndSelector, SEL _Nullable didDismissSelector, void *_Nullable contextInfo, NSString *msgFormat, ...) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));

APPKIT_EXTERN void NSBeginInformationalAlertSheet(NSString *title, NSString *_Nullable defaultButton, NSString *_Nullable alternateButton, NSString *_Nullable otherButton, NSWindow *docWindow, id _Nullable modalDelegate, SEL _Nullable didEndSelector, SEL _Nullable didDismissSelector, void *_Nullable contextInfo, NSString *msgFormat, ...) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));
APPKIT_EXTERN void NSBeginCriticalAlertSheet(NSString *title, NSString *_Nullable defaultButton, NSString *_Nullable alternateButton, NSString *_Nullable otherButton, NSWindow *docWindow, id _Nullable modalDelegate, SEL _Nullable didEndSelector, SEL _Nullable didDismissSelector, void *_Nullable contextInfo, NSString *msgFormat, ...) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));
APPKIT_EXTERN id NSGetAlertPanel(NSString *title, NSString *msgFormat, NSString *_Nullable defaultButton, NSString *_Nullable alternateButton, NSString *_Nullable otherButton, ...) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));
APPKIT_EXTERN id NSGetInformationalAlertPanel(NSString *title, NSString *msgFormat, NSString *_Nullable defaultButton, NSString *_Nullable alternateButton, NSString *_Nullable otherButton, ...) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));
APPKIT_EXTERN id NSGetCriticalAlertPanel(NSString *title, NSString *msgFormat, NSString *_Nullable defaultButton, NSString *_Nullable alternateButton, NSString *_Nullable otherButton, ...) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));
APPKIT_EXTERN void NSReleaseAlertPanel(id _Nullable panel) API_DEPRECATED("Use NSAlert instead", macos(10.0, 10.10));
enum {
    NSAlertDefaultReturn = 1,
    NSAlertAlternateReturn = 0,
    NSAlertOtherReturn = -1,
    NSAlertErrorReturn = -2
};
enum {
    NSOKButton = 1,
    NSCancelButton = 0
};

NS_ASSUME_NONNULL_END
