/* MKAnnotation.h: the protocol of the objects that a map marks at a coordinate. */
#import <MapKit/MKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

@protocol MKAnnotation <NSObject>
@property (nonatomic, readonly) CLLocationCoordinate2D coordinate;
@optional
@property (nonatomic, readonly, copy, nullable) NSString *title;
@property (nonatomic, readonly, copy, nullable) NSString *subtitle;
- (void)setCoordinate:(CLLocationCoordinate2D)newCoordinate API_AVAILABLE(macos(10.9), ios(4.0));
@end

NS_ASSUME_NONNULL_END
