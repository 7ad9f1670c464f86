/* MKPointAnnotation.h: an annotation at a single coordinate. */
#import <MapKit/MKShape.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.9), ios(4.0))
@interface MKPointAnnotation : MKShape
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithCoordinate:(CLLocationCoordinate2D)coordinate API_AVAILABLE(macos(13.0), ios(16.0));
@property (nonatomic, assign) CLLocationCoordinate2D coordinate;
@end

NS_ASSUME_NONNULL_END
