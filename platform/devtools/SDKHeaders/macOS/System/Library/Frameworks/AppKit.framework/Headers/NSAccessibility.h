/* NSAccessibility.h: the accessibility of AppKit objects: the older attribute-based informal protocol, notifications
   to assistive applications, and the display settings users choose. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSAccessibilityConstants.h>
#import <AppKit/NSAccessibilityProtocols.h>
#import <AppKit/NSWorkspace.h>
#import <AppKit/NSView.h>
#import <AppKit/NSWindow.h>
#import <AppKit/NSCell.h>
#import <AppKit/NSApplication.h>
#import <AppKit/NSMenu.h>
#import <AppKit/NSMenuItem.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSObject (NSAccessibility)
- (NSArray<NSAccessibilityAttributeName> *)accessibilityAttributeNames API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
- (nullable id)accessibilityAttributeValue:(NSAccessibilityAttributeName)attribute API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
- (BOOL)accessibilityIsAttributeSettable:(NSAccessibilityAttributeName)attribute API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
- (void)accessibilitySetValue:(nullable id)value forAttribute:(NSAccessibilityAttributeName)attribute API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
- (NSArray<NSAccessibilityParameterizedAttributeName> *)accessibilityParameterizedAttributeNames API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
- (nullable id)accessibilityAttributeValue:(NSAccessibilityParameterizedAttributeName)attribute forParameter:(nullable id)parameter API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
- (NSArray<NSAccessibilityActionName> *)accessibilityActionNames API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
- (nullable NSString *)accessibilityActionDescription:(NSAccessibilityActionName)action API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
- (void)accessibilityPerformAction:(NSAccessibilityActionName)action API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
- (BOOL)accessibilityIsIgnored API_DEPRECATED("Use isAccessibilityElement", macos(10.1, 10.10));
- (nullable id)accessibilityHitTest:(NSPoint)point;
@property (nullable, readonly, strong) id accessibilityFocusedUIElement;
- (NSUInteger)accessibilityIndexOfChild:(id)child;
- (NSUInteger)accessibilityArrayAttributeCount:(NSAccessibilityAttributeName)attribute;
- (NSArray *)accessibilityArrayAttributeValues:(NSAccessibilityAttributeName)attribute index:(NSUInteger)index maxCount:(NSUInteger)maxCount;
@property (readonly) BOOL accessibilityNotifiesWhenDestroyed API_AVAILABLE(macos(10.9));
@end

@interface NSObject (NSAccessibilityAdditions)
- (BOOL)accessibilitySetOverrideValue:(nullable id)value forAttribute:(NSAccessibilityAttributeName)attribute API_DEPRECATED("Use the NSAccessibility protocol", macos(10.1, 10.10));
@end

@interface NSWorkspace (NSWorkspaceAccessibilityDisplay)
@property (readonly) BOOL accessibilityDisplayShouldIncreaseContrast API_AVAILABLE(macos(10.10));
@property (readonly) BOOL accessibilityDisplayShouldDifferentiateWithoutColor API_AVAILABLE(macos(10.10));
@property (readonly) BOOL accessibilityDisplayShouldReduceTransparency API_AVAILABLE(macos(10.10));
@property (readonly) BOOL accessibilityDisplayShouldReduceMotion API_AVAILABLE(macos(10.12));
@property (readonly) BOOL accessibilityDisplayShouldInvertColors API_AVAILABLE(macos(10.12));
@property (readonly, getter=isVoiceOverEnabled) BOOL voiceOverEnabled API_AVAILABLE(macos(10.13));
@property (readonly, getter=isSwitchControlEnabled) BOOL switchControlEnabled API_AVAILABLE(macos(10.13));
@end

APPKIT_EXTERN NSNotificationName const NSWorkspaceAccessibilityDisplayOptionsDidChangeNotification API_AVAILABLE(macos(10.10));

APPKIT_EXTERN NSString *NSAccessibilityRoleDescription(NSAccessibilityRole role, NSAccessibilitySubrole _Nullable subrole);
APPKIT_EXTERN NSString *_Nullable NSAccessibilityRoleDescriptionForUIElement(id element);
APPKIT_EXTERN NSString *_Nullable NSAccessibilityActionDescription(NSAccessibilityActionName action);
APPKIT_EXTERN void NSAccessibilityRaiseBadArgumentException(id _Nullable element, NSString *_Nullable attribute, id _Nullable value);
APPKIT_EXTERN id _Nullable NSAccessibilityUnignoredAncestor(id element);
APPKIT_EXTERN id _Nullable NSAccessibilityUnignoredDescendant(id element);
APPKIT_EXTERN NSArray *NSAccessibilityUnignoredChildren(NSArray *originalChildren);
APPKIT_EXTERN NSArray *NSAccessibilityUnignoredChildrenForOnlyChild(id originalChild);
APPKIT_EXTERN void NSAccessibilityPostNotification(id element, NSAccessibilityNotificationName notification);
APPKIT_EXTERN void NSAccessibilityPostNotificationWithUserInfo(id element, NSAccessibilityNotificationName notification, NSDictionary<NSAccessibilityNotificationUserInfoKey, id> *_Nullable userInfo);
APPKIT_EXTERN NSRect NSAccessibilityFrameInView(NSView *parentView, NSRect frame) API_AVAILABLE(macos(10.10));
APPKIT_EXTERN NSPoint NSAccessibilityPointInView(NSView *parentView, NSPoint point) API_AVAILABLE(macos(10.10));
APPKIT_EXTERN BOOL NSAccessibilitySetMayContainProtectedContent(BOOL flag) API_AVAILABLE(macos(10.9));

APPKIT_EXTERN NSString *const NSAccessibilityException;

@interface NSView (NSAccessibilityAdoption) <NSAccessibility, NSAccessibilityElement>
@end
@interface NSWindow (NSAccessibilityAdoption) <NSAccessibility, NSAccessibilityElement>
@end
@interface NSCell (NSAccessibilityAdoption) <NSAccessibility, NSAccessibilityElement>
@end
@interface NSApplication (NSAccessibilityAdoption) <NSAccessibility, NSAccessibilityElement>
@end
@interface NSMenu (NSAccessibilityAdoption) <NSAccessibility, NSAccessibilityElement>
@end
@interface NSMenuItem (NSAccessibilityAdoption) <NSAccessibility, NSAccessibilityElement>
@end

NS_ASSUME_NONNULL_END
