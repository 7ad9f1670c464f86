/* CLLocationManager.h: delivering location updates, and the authorisation to do so. */
#import <Foundation/Foundation.h>
#import <CoreLocation/CLAvailability.h>
#import <CoreLocation/CLLocation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(int, CLAuthorizationStatus) {
    kCLAuthorizationStatusNotDetermined = 0,
    kCLAuthorizationStatusRestricted,
    kCLAuthorizationStatusDenied,
    kCLAuthorizationStatusAuthorizedAlways API_AVAILABLE(macos(10.12), ios(8.0)),
    kCLAuthorizationStatusAuthorizedWhenInUse API_AVAILABLE(ios(8.0)) API_UNAVAILABLE(macos),
    kCLAuthorizationStatusAuthorized API_DEPRECATED("use kCLAuthorizationStatusAuthorizedAlways", ios(2.0, 8.0))
        API_AVAILABLE(macos(10.6)) = kCLAuthorizationStatusAuthorizedAlways
};

@protocol CLLocationManagerDelegate;

API_AVAILABLE(macos(10.6), ios(2.0))
@interface CLLocationManager : NSObject
+ (BOOL)locationServicesEnabled API_AVAILABLE(ios(4.0), macos(10.7));
+ (CLAuthorizationStatus)authorizationStatus API_DEPRECATED_WITH_REPLACEMENT("-authorizationStatus", ios(4.2, 14.0), macos(10.7, 11.0));
@property (weak, nonatomic, nullable) id<CLLocationManagerDelegate> delegate;
@property (assign, nonatomic) CLLocationDistance distanceFilter;
@property (assign, nonatomic) CLLocationAccuracy desiredAccuracy;
@property (readonly, nonatomic, copy, nullable) CLLocation *location;
- (void)requestWhenInUseAuthorization API_AVAILABLE(ios(8.0), macos(10.15));
- (void)requestAlwaysAuthorization API_AVAILABLE(ios(8.0), macos(10.15));
- (void)startUpdatingLocation;
- (void)stopUpdatingLocation;
@end

@protocol CLLocationManagerDelegate <NSObject>
@optional
- (void)locationManager:(CLLocationManager *)manager didUpdateLocations:(NSArray<CLLocation *> *)locations API_AVAILABLE(ios(6.0), macos(10.9));
- (void)locationManager:(CLLocationManager *)manager didFailWithError:(NSError *)error;
@end

NS_ASSUME_NONNULL_END
