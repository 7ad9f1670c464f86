/* CLLocation.h: coordinates, distances and accuracies, and locations with their time and accuracy. */
#import <Foundation/Foundation.h>
#import <CoreLocation/CLAvailability.h>

NS_ASSUME_NONNULL_BEGIN

typedef double CLLocationDegrees;
typedef double CLLocationAccuracy;
typedef double CLLocationSpeed;
typedef double CLLocationDirection;
typedef double CLLocationDistance;

typedef struct {
    CLLocationDegrees latitude;
    CLLocationDegrees longitude;
} CLLocationCoordinate2D;

CL_EXTERN const CLLocationDistance kCLDistanceFilterNone;
CL_EXTERN const CLLocationAccuracy kCLLocationAccuracyBest;
CL_EXTERN const CLLocationAccuracy kCLLocationAccuracyNearestTenMeters;
CL_EXTERN const CLLocationAccuracy kCLLocationAccuracyKilometer;
CL_EXTERN const CLLocationDistance CLLocationDistanceMax API_AVAILABLE(macos(10.14), ios(6.0));
CL_EXTERN const CLLocationCoordinate2D kCLLocationCoordinate2DInvalid API_AVAILABLE(macos(10.7), ios(4.0));

CL_EXTERN BOOL CLLocationCoordinate2DIsValid(CLLocationCoordinate2D coord) API_AVAILABLE(macos(10.7), ios(4.0));
CL_EXTERN CLLocationCoordinate2D CLLocationCoordinate2DMake(CLLocationDegrees latitude, CLLocationDegrees longitude)
    API_AVAILABLE(macos(10.7), ios(4.0));

API_AVAILABLE(macos(10.6), ios(2.0))
@interface CLLocation : NSObject <NSCopying, NSSecureCoding>
- (instancetype)initWithLatitude:(CLLocationDegrees)latitude longitude:(CLLocationDegrees)longitude;
@property (readonly, nonatomic) CLLocationCoordinate2D coordinate;
@property (readonly, nonatomic) CLLocationDistance altitude;
@property (readonly, nonatomic) CLLocationAccuracy horizontalAccuracy;
@property (readonly, nonatomic) CLLocationAccuracy verticalAccuracy;
@property (readonly, nonatomic) CLLocationDirection course API_AVAILABLE(macos(10.7), ios(2.2));
@property (readonly, nonatomic) CLLocationSpeed speed API_AVAILABLE(macos(10.7), ios(2.2));
@property (readonly, nonatomic, copy) NSDate *timestamp;
- (CLLocationDistance)distanceFromLocation:(const CLLocation *)location API_AVAILABLE(ios(3.2), macos(10.6));
@end

NS_ASSUME_NONNULL_END
