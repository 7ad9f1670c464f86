/* NSGraphics.h: the basic drawing types and functions of AppKit. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

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

NS_ASSUME_NONNULL_END
