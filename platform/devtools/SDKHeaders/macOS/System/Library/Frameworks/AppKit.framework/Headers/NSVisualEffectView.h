/* NSVisualEffectView.h: views with the translucent, vibrant materials of sidebars, menus, popovers and title bars. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>

@class NSImage;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSVisualEffectMaterial) {
    NSVisualEffectMaterialTitlebar = 3,
    NSVisualEffectMaterialSelection = 4,
    NSVisualEffectMaterialMenu API_AVAILABLE(macos(10.11)) = 5,
    NSVisualEffectMaterialPopover API_AVAILABLE(macos(10.11)) = 6,
    NSVisualEffectMaterialSidebar API_AVAILABLE(macos(10.11)) = 7,
    NSVisualEffectMaterialHeaderView API_AVAILABLE(macos(10.14)) = 10,
    NSVisualEffectMaterialSheet API_AVAILABLE(macos(10.14)) = 11,
    NSVisualEffectMaterialWindowBackground API_AVAILABLE(macos(10.14)) = 12,
    NSVisualEffectMaterialHUDWindow API_AVAILABLE(macos(10.14)) = 13,
    NSVisualEffectMaterialFullScreenUI API_AVAILABLE(macos(10.14)) = 15,
    NSVisualEffectMaterialToolTip API_AVAILABLE(macos(10.14)) = 17,
    NSVisualEffectMaterialContentBackground API_AVAILABLE(macos(10.14)) = 18,
    NSVisualEffectMaterialUnderWindowBackground API_AVAILABLE(macos(10.14)) = 21,
    NSVisualEffectMaterialUnderPageBackground API_AVAILABLE(macos(10.14)) = 22,
    NSVisualEffectMaterialAppearanceBased API_DEPRECATED("", macos(10.10, 10.14)) = 0,
    NSVisualEffectMaterialLight API_DEPRECATED("", macos(10.10, 10.14)) = 1,
    NSVisualEffectMaterialDark API_DEPRECATED("", macos(10.10, 10.14)) = 2,
    NSVisualEffectMaterialMediumLight API_DEPRECATED("", macos(10.11, 10.14)) = 8,
    NSVisualEffectMaterialUltraDark API_DEPRECATED("", macos(10.11, 10.14)) = 9,
} API_AVAILABLE(macos(10.10));

typedef NS_ENUM(NSInteger, NSVisualEffectBlendingMode) {
    NSVisualEffectBlendingModeBehindWindow,
    NSVisualEffectBlendingModeWithinWindow,
} API_AVAILABLE(macos(10.10));

typedef NS_ENUM(NSInteger, NSVisualEffectState) {
    NSVisualEffectStateFollowsWindowActiveState,
    NSVisualEffectStateActive,
    NSVisualEffectStateInactive,
} API_AVAILABLE(macos(10.10));

API_AVAILABLE(macos(10.10))
@interface NSVisualEffectView : NSView
@property NSVisualEffectMaterial material;
@property (readonly) NSBackgroundStyle interiorBackgroundStyle;
@property NSVisualEffectBlendingMode blendingMode;
@property NSVisualEffectState state;
@property (nullable, retain) NSImage *maskImage;
@property (getter=isEmphasized) BOOL emphasized API_AVAILABLE(macos(10.12));
- (void)viewDidMoveToWindow NS_REQUIRES_SUPER;
- (void)viewWillMoveToWindow:(nullable NSWindow *)newWindow NS_REQUIRES_SUPER;
@end

NS_ASSUME_NONNULL_END
