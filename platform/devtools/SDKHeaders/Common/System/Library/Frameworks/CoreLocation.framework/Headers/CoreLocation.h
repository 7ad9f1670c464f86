/* CoreLocation.h: geographic coordinates and locations. */
#import <CoreLocation/CLAvailability.h>
#import <CoreLocation/CLLocation.h>
#import <CoreLocation/CLLocationManager.h>
