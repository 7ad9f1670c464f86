/* NSFontPanel.h: the font panel, and the protocol of the responders whose font it changes. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSPanel.h>

@class NSFont, NSFontManager, NSView;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSFontPanelModeMask) {
    NSFontPanelModeMaskFace = 1 << 0,
    NSFontPanelModeMaskSize = 1 << 1,
    NSFontPanelModeMaskCollection = 1 << 2,
    NSFontPanelModeMaskUnderlineEffect = 1 << 8,
    NSFontPanelModeMaskStrikethroughEffect = 1 << 9,
    NSFontPanelModeMaskTextColorEffect = 1 << 10,
    NSFontPanelModeMaskDocumentColorEffect = 1 << 11,
    NSFontPanelModeMaskShadowEffect = 1 << 12,
    NSFontPanelModeMaskAllEffects = 0xFFF00,
    NSFontPanelModesMaskStandardModes = 0xFFFF,
    NSFontPanelModesMaskAllModes = 0xFFFFFFFF
};

enum {
    NSFontPanelFaceModeMask = 1 << 0,
    NSFontPanelSizeModeMask = 1 << 1,
    NSFontPanelCollectionModeMask = 1 << 2,
    NSFontPanelUnderlineEffectModeMask = 1 << 8,
    NSFontPanelStrikethroughEffectModeMask = 1 << 9,
    NSFontPanelTextColorEffectModeMask = 1 << 10,
    NSFontPanelDocumentColorEffectModeMask = 1 << 11,
    NSFontPanelShadowEffectModeMask = 1 << 12,
    NSFontPanelAllEffectsModeMask = 0xFFF00,
    NSFontPanelStandardModesMask = 0xFFFF,
    NSFontPanelAllModesMask = 0xFFFFFFFF
};

@protocol NSFontChanging <NSObject>
@optional
- (void)changeFont:(nullable NSFontManager *)sender;
- (NSFontPanelModeMask)validModesForFontPanel:(NSFontPanel *)fontPanel;
@end

@interface NSObject (NSFontPanelValidationAdditions)
- (NSFontPanelModeMask)validModesForFontPanel:(NSFontPanel *)fontPanel API_DEPRECATED("Use NSFontChanging", macos(10.3, 10.14));
@end

@interface NSFontPanel : NSPanel
@property (class, readonly, strong) NSFontPanel *sharedFontPanel;
@property (class, readonly) BOOL sharedFontPanelExists;
@property (nullable, strong) NSView *accessoryView;
- (void)setPanelFont:(NSFont *)fontObj isMultiple:(BOOL)flag;
- (NSFont *)panelConvertFont:(NSFont *)fontObj;
@property (getter=isEnabled) BOOL enabled;
- (void)reloadDefaultFontFamilies;
@end

NS_ASSUME_NONNULL_END
