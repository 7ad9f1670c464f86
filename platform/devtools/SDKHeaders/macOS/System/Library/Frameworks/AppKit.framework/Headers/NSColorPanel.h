/* NSColorPanel.h: the colour panel: its modes, the colour it shows and the responders it changes. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSPanel.h>

@class NSColor, NSColorList, NSView;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSColorPanelMode) {
    NSColorPanelModeNone = -1,
    NSColorPanelModeGray = 0,
    NSColorPanelModeRGB,
    NSColorPanelModeCMYK,
    NSColorPanelModeHSB,
    NSColorPanelModeCustomPalette,
    NSColorPanelModeColorList,
    NSColorPanelModeWheel,
    NSColorPanelModeCrayon
};

enum {
    NSNoModeColorPanel = -1,
    NSGrayModeColorPanel = 0,
    NSRGBModeColorPanel = 1,
    NSCMYKModeColorPanel = 2,
    NSHSBModeColorPanel = 3,
    NSCustomPaletteModeColorPanel = 4,
    NSColorListModeColorPanel = 5,
    NSWheelModeColorPanel = 6,
    NSCrayonModeColorPanel = 7
};

typedef NS_OPTIONS(NSUInteger, NSColorPanelOptions) {
    NSColorPanelGrayModeMask = 0x00000001,
    NSColorPanelRGBModeMask = 0x00000002,
    NSColorPanelCMYKModeMask = 0x00000004,
    NSColorPanelHSBModeMask = 0x00000008,
    NSColorPanelCustomPaletteModeMask = 0x00000010,
    NSColorPanelColorListModeMask = 0x00000020,
    NSColorPanelWheelModeMask = 0x00000040,
    NSColorPanelCrayonModeMask = 0x00000080,
    NSColorPanelAllModesMask = 0x0000ffff
};

@interface NSColorPanel : NSPanel
@property (class, readonly, strong) NSColorPanel *sharedColorPanel;
@property (class, readonly) BOOL sharedColorPanelExists;
+ (BOOL)dragColor:(NSColor *)color withEvent:(NSEvent *)event fromView:(NSView *)sourceView;
+ (void)setPickerMask:(NSColorPanelOptions)mask;
+ (void)setPickerMode:(NSColorPanelMode)mode;
@property (nullable, strong) NSView *accessoryView;
@property (getter=isContinuous) BOOL continuous;
@property BOOL showsAlpha;
@property NSColorPanelMode mode;
@property (copy) NSColor *color;
@property (readonly) CGFloat alpha;
- (void)setAction:(nullable SEL)selector;
- (void)setTarget:(nullable id)target;
- (void)attachColorList:(NSColorList *)colorList;
- (void)detachColorList:(NSColorList *)colorList;
@end

@protocol NSColorChanging <NSObject>
- (void)changeColor:(nullable NSColorPanel *)sender;
@end

@interface NSApplication (NSColorPanel)
- (void)orderFrontColorPanel:(nullable id)sender;
@end

@interface NSObject (NSColorPanelResponderMethod)
- (void)changeColor:(nullable id)sender API_DEPRECATED("Use NSColorChanging", macos(10.0, 10.14));
@end

APPKIT_EXTERN NSNotificationName NSColorPanelColorDidChangeNotification;

NS_ASSUME_NONNULL_END
