/* NSAppearance.h: the appearances of the interface (light, dark, vibrant, high contrast) and who adopts them. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSAppearanceName NS_TYPED_EXTENSIBLE_ENUM;

API_AVAILABLE(macos(10.9))
@interface NSAppearance : NSObject <NSSecureCoding>
@property (readonly, copy) NSAppearanceName name API_AVAILABLE(macos(10.9));
@property (class, null_resettable, strong) NSAppearance *currentAppearance
    API_DEPRECATED("Use -performAsCurrentDrawingAppearance: to temporarily set the drawing appearance, or "
                   "+currentDrawingAppearance to access the currently drawing appearance.",
                   macos(10.9, 12.0));
@property (class, readonly, strong) NSAppearance *currentDrawingAppearance API_AVAILABLE(macos(11.0));
#if defined(__BLOCKS__)
- (void)performAsCurrentDrawingAppearance:(void(NS_NOESCAPE ^)(void))block API_AVAILABLE(macos(11.0));
#endif
+ (nullable NSAppearance *)appearanceNamed:(NSAppearanceName)name;
- (nullable instancetype)initWithAppearanceNamed:(NSAppearanceName)name
                                          bundle:(nullable NSBundle *)bundle NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (readonly) BOOL allowsVibrancy API_AVAILABLE(macos(10.10));
- (nullable NSAppearanceName)bestMatchFromAppearancesWithNames:(NSArray<NSAppearanceName> *)appearances
    API_AVAILABLE(macos(10.14));
@end

APPKIT_EXTERN NSAppearanceName const NSAppearanceNameAqua API_AVAILABLE(macos(10.9));
APPKIT_EXTERN NSAppearanceName const NSAppearanceNameDarkAqua API_AVAILABLE(macos(10.14));
APPKIT_EXTERN NSAppearanceName const NSAppearanceNameVibrantDark API_AVAILABLE(macos(10.10));
APPKIT_EXTERN NSAppearanceName const NSAppearanceNameVibrantLight API_AVAILABLE(macos(10.10));
APPKIT_EXTERN NSAppearanceName const NSAppearanceNameAccessibilityHighContrastAqua API_AVAILABLE(macos(10.14));
APPKIT_EXTERN NSAppearanceName const NSAppearanceNameAccessibilityHighContrastDarkAqua API_AVAILABLE(macos(10.14));

@protocol NSAppearanceCustomization <NSObject>
@property (nullable, strong) NSAppearance *appearance API_AVAILABLE(macos(10.9));
@property (readonly, strong) NSAppearance *effectiveAppearance API_AVAILABLE(macos(10.9));
@end

NS_ASSUME_NONNULL_END
