/* NSGraphics.h: the basic drawing types and functions of AppKit. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSImage;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSCompositingOperation) {
    NSCompositingOperationClear = 0,
    NSCompositingOperationCopy = 1,
    NSCompositingOperationSourceOver = 2,
    NSCompositingOperationSourceIn = 3,
    NSCompositingOperationSourceOut = 4,
    NSCompositingOperationSourceAtop = 5,
    NSCompositingOperationDestinationOver = 6,
    NSCompositingOperationDestinationIn = 7,
    NSCompositingOperationDestinationOut = 8,
    NSCompositingOperationDestinationAtop = 9,
    NSCompositingOperationXOR = 10,
    NSCompositingOperationPlusDarker = 11,
    NSCompositingOperationPlusLighter = 13,
    NSCompositingOperationMultiply API_AVAILABLE(macos(10.10)) = 14,
    NSCompositingOperationScreen API_AVAILABLE(macos(10.10)) = 15,
    NSCompositingOperationOverlay API_AVAILABLE(macos(10.10)) = 16,
    NSCompositingOperationDarken API_AVAILABLE(macos(10.10)) = 17,
    NSCompositingOperationLighten API_AVAILABLE(macos(10.10)) = 18,
    NSCompositingOperationColorDodge API_AVAILABLE(macos(10.10)) = 19,
    NSCompositingOperationColorBurn API_AVAILABLE(macos(10.10)) = 20,
    NSCompositingOperationSoftLight API_AVAILABLE(macos(10.10)) = 21,
    NSCompositingOperationHardLight API_AVAILABLE(macos(10.10)) = 22,
    NSCompositingOperationDifference API_AVAILABLE(macos(10.10)) = 23,
    NSCompositingOperationExclusion API_AVAILABLE(macos(10.10)) = 24,
    NSCompositingOperationHue API_AVAILABLE(macos(10.10)) = 25,
    NSCompositingOperationSaturation API_AVAILABLE(macos(10.10)) = 26,
    NSCompositingOperationColor API_AVAILABLE(macos(10.10)) = 27,
    NSCompositingOperationLuminosity API_AVAILABLE(macos(10.10)) = 28,
};

typedef NS_ENUM(NSInteger, NSColorRenderingIntent) {
    NSColorRenderingIntentDefault,
    NSColorRenderingIntentAbsoluteColorimetric,
    NSColorRenderingIntentRelativeColorimetric,
    NSColorRenderingIntentPerceptual,
    NSColorRenderingIntentSaturation
} API_AVAILABLE(macos(10.5));

typedef NSString *NSColorSpaceName NS_TYPED_ENUM;
APPKIT_EXTERN NSColorSpaceName const NSCalibratedWhiteColorSpace;
APPKIT_EXTERN NSColorSpaceName const NSCalibratedRGBColorSpace;
APPKIT_EXTERN NSColorSpaceName const NSDeviceWhiteColorSpace;
APPKIT_EXTERN NSColorSpaceName const NSDeviceRGBColorSpace;
APPKIT_EXTERN NSColorSpaceName const NSDeviceCMYKColorSpace;
APPKIT_EXTERN NSColorSpaceName const NSNamedColorSpace;
APPKIT_EXTERN NSColorSpaceName const NSPatternColorSpace;
APPKIT_EXTERN NSColorSpaceName const NSCustomColorSpace;

typedef NS_ENUM(NSUInteger, NSBackingStoreType) {
    NSBackingStoreRetained API_DEPRECATED_WITH_REPLACEMENT("NSBackingStoreBuffered", macos(10.0, 10.13)) = 0,
    NSBackingStoreNonretained API_DEPRECATED_WITH_REPLACEMENT("NSBackingStoreBuffered", macos(10.0, 10.13)) = 1,
    NSBackingStoreBuffered = 2,
};

typedef NS_ENUM(NSInteger, NSWindowOrderingMode) {
    NSWindowAbove = 1,
    NSWindowBelow = -1,
    NSWindowOut = 0
};

APPKIT_EXTERN void NSRectFill(NSRect rect);
APPKIT_EXTERN void NSFrameRect(NSRect rect);
APPKIT_EXTERN void NSBeep(void);

enum {
    NSCompositeClear API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationClear", macos(10.0, 10.14)) = NSCompositingOperationClear,
    NSCompositeCopy API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationCopy", macos(10.0, 10.14)) = NSCompositingOperationCopy,
    NSCompositeSourceOver API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationSourceOver", macos(10.0, 10.14)) = NSCompositingOperationSourceOver,
    NSCompositeSourceIn API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationSourceIn", macos(10.0, 10.14)) = NSCompositingOperationSourceIn,
    NSCompositeSourceOut API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationSourceOut", macos(10.0, 10.14)) = NSCompositingOperationSourceOut,
    NSCompositeSourceAtop API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationSourceAtop", macos(10.0, 10.14)) = NSCompositingOperationSourceAtop,
    NSCompositeDestinationOver API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationDestinationOver", macos(10.0, 10.14)) = NSCompositingOperationDestinationOver,
    NSCompositeDestinationIn API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationDestinationIn", macos(10.0, 10.14)) = NSCompositingOperationDestinationIn,
    NSCompositeDestinationOut API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationDestinationOut", macos(10.0, 10.14)) = NSCompositingOperationDestinationOut,
    NSCompositeDestinationAtop API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationDestinationAtop", macos(10.0, 10.14)) = NSCompositingOperationDestinationAtop,
    NSCompositeXOR API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationXOR", macos(10.0, 10.14)) = NSCompositingOperationXOR,
    NSCompositePlusDarker API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationPlusDarker", macos(10.0, 10.14)) = NSCompositingOperationPlusDarker,
    NSCompositePlusLighter API_DEPRECATED_WITH_REPLACEMENT("NSCompositingOperationPlusLighter", macos(10.0, 10.14)) = NSCompositingOperationPlusLighter
};

typedef NS_ENUM(NSUInteger, NSFocusRingType) {
    NSFocusRingTypeDefault = 0,
    NSFocusRingTypeNone = 1,
    NSFocusRingTypeExterior = 2
};

APPKIT_EXTERN void NSRectFill(NSRect rect);
APPKIT_EXTERN void NSRectFillUsingOperation(NSRect rect, NSCompositingOperation op);
APPKIT_EXTERN void NSRectFillList(const NSRect *rects, NSInteger count);
APPKIT_EXTERN void NSFrameRect(NSRect rect);
APPKIT_EXTERN void NSFrameRectWithWidth(NSRect rect, CGFloat frameWidth);
APPKIT_EXTERN void NSRectClip(NSRect rect);
APPKIT_EXTERN void NSEraseRect(NSRect rect);
APPKIT_EXTERN void NSBeep(void);
APPKIT_EXTERN void NSDrawThreePartImage(NSRect frame, NSImage *_Nullable startCap, NSImage *_Nullable centerFill, NSImage *_Nullable endCap, BOOL vertical, NSCompositingOperation op, CGFloat alphaFraction, BOOL flipped);
APPKIT_EXTERN void NSDisableScreenUpdates(void) API_DEPRECATED("Use +[NSAnimationContext runAnimationGroup:] or other batch updating", macos(10.0, 10.11));
APPKIT_EXTERN void NSEnableScreenUpdates(void) API_DEPRECATED("Use +[NSAnimationContext runAnimationGroup:] or other batch updating", macos(10.0, 10.11));

NS_ASSUME_NONNULL_END
