/* MKPinAnnotationView.h: the pin that marks an annotation on a map. */
#import <MapKit/MKAnnotationView.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, MKPinAnnotationColor) {
    MKPinAnnotationColorRed = 0,
    MKPinAnnotationColorGreen,
    MKPinAnnotationColorPurple
} API_DEPRECATED("use MKPinAnnotationView's pinTintColor", macos(10.9, 10.11), ios(3.0, 9.0));

API_AVAILABLE(macos(10.9), ios(3.0)) API_UNAVAILABLE(watchos)
@interface MKPinAnnotationView : MKAnnotationView
#if TARGET_OS_IPHONE
@property (nonatomic, strong, null_resettable) UIColor *pinTintColor API_AVAILABLE(ios(9.0));
+ (UIColor *)redPinColor API_AVAILABLE(ios(9.0));
+ (UIColor *)greenPinColor API_AVAILABLE(ios(9.0));
+ (UIColor *)purplePinColor API_AVAILABLE(ios(9.0));
#else
@property (nonatomic, strong, null_resettable) NSColor *pinTintColor API_AVAILABLE(macos(10.11));
#endif
@property (nonatomic) BOOL animatesDrop;
@property (nonatomic) MKPinAnnotationColor pinColor
    API_DEPRECATED_WITH_REPLACEMENT("pinTintColor", macos(10.9, 10.11), ios(3.0, 9.0));
@end

NS_ASSUME_NONNULL_END
