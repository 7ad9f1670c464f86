/* MKUserLocation.h: the annotation of the device's own location on a map. */
#import <MapKit/MKFoundation.h>
#import <MapKit/MKAnnotation.h>

@class CLLocation, CLHeading;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.9), ios(3.0))
@interface MKUserLocation : NSObject <MKAnnotation>
@property (readonly, nonatomic, getter=isUpdating) BOOL updating;
@property (readonly, nonatomic, nullable) CLLocation *location;
@property (readonly, nonatomic, nullable) CLHeading *heading API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(macos);
@property (nonatomic, copy, nullable) NSString *title;
@property (nonatomic, copy, nullable) NSString *subtitle;
@end

NS_ASSUME_NONNULL_END
