/* MKGeometry.h: regions of coordinates, and the points, sizes and rectangles of the flat map projection. */
#import <MapKit/MKFoundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef struct {
    CLLocationDegrees latitudeDelta;
    CLLocationDegrees longitudeDelta;
} MKCoordinateSpan;

typedef struct {
    CLLocationCoordinate2D center;
    MKCoordinateSpan span;
} MKCoordinateRegion;

typedef struct {
    double x;
    double y;
} MKMapPoint;

typedef struct {
    double width;
    double height;
} MKMapSize;

typedef struct {
    MKMapPoint origin;
    MKMapSize size;
} MKMapRect;

typedef CGFloat MKZoomScale;

NS_INLINE MKCoordinateSpan MKCoordinateSpanMake(CLLocationDegrees latitudeDelta, CLLocationDegrees longitudeDelta) {
    MKCoordinateSpan span;
    span.latitudeDelta = latitudeDelta;
    span.longitudeDelta = longitudeDelta;
    return span;
}

NS_INLINE MKCoordinateRegion MKCoordinateRegionMake(CLLocationCoordinate2D centerCoordinate, MKCoordinateSpan span) {
    MKCoordinateRegion region;
    region.center = centerCoordinate;
    region.span = span;
    return region;
}

MK_EXTERN MKCoordinateRegion MKCoordinateRegionMakeWithDistance(CLLocationCoordinate2D centerCoordinate,
                                                                CLLocationDistance latitudinalMeters,
                                                                CLLocationDistance longitudinalMeters);
MK_EXTERN MKCoordinateRegion MKCoordinateRegionForMapRect(MKMapRect rect);

MK_EXTERN const MKMapSize MKMapSizeWorld API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN const MKMapRect MKMapRectWorld API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN const MKMapRect MKMapRectNull API_AVAILABLE(macos(10.9), ios(4.0));

MK_EXTERN MKMapPoint MKMapPointForCoordinate(CLLocationCoordinate2D coordinate) API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN CLLocationCoordinate2D MKCoordinateForMapPoint(MKMapPoint mapPoint) API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN CLLocationDistance MKMetersBetweenMapPoints(MKMapPoint a, MKMapPoint b) API_AVAILABLE(macos(10.9), ios(4.0));

NS_INLINE MKMapPoint MKMapPointMake(double x, double y) {
    return (MKMapPoint){x, y};
}

NS_INLINE MKMapSize MKMapSizeMake(double width, double height) {
    return (MKMapSize){width, height};
}

NS_INLINE MKMapRect MKMapRectMake(double x, double y, double width, double height) {
    return (MKMapRect){MKMapPointMake(x, y), MKMapSizeMake(width, height)};
}

NS_INLINE double MKMapRectGetMinX(MKMapRect rect) { return rect.origin.x; }
NS_INLINE double MKMapRectGetMinY(MKMapRect rect) { return rect.origin.y; }
NS_INLINE double MKMapRectGetMidX(MKMapRect rect) { return rect.origin.x + rect.size.width / 2.0; }
NS_INLINE double MKMapRectGetMidY(MKMapRect rect) { return rect.origin.y + rect.size.height / 2.0; }
NS_INLINE double MKMapRectGetMaxX(MKMapRect rect) { return rect.origin.x + rect.size.width; }
NS_INLINE double MKMapRectGetMaxY(MKMapRect rect) { return rect.origin.y + rect.size.height; }
NS_INLINE double MKMapRectGetWidth(MKMapRect rect) { return rect.size.width; }
NS_INLINE double MKMapRectGetHeight(MKMapRect rect) { return rect.size.height; }

MK_EXTERN BOOL MKMapRectIsNull(MKMapRect rect) API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN BOOL MKMapRectIsEmpty(MKMapRect rect) API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN BOOL MKMapRectContainsPoint(MKMapRect rect, MKMapPoint point) API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN BOOL MKMapRectContainsRect(MKMapRect rect1, MKMapRect rect2) API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN BOOL MKMapRectIntersectsRect(MKMapRect rect1, MKMapRect rect2) API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN MKMapRect MKMapRectUnion(MKMapRect rect1, MKMapRect rect2) API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN MKMapRect MKMapRectIntersection(MKMapRect rect1, MKMapRect rect2) API_AVAILABLE(macos(10.9), ios(4.0));
MK_EXTERN MKMapRect MKMapRectInset(MKMapRect rect, double dx, double dy) API_AVAILABLE(macos(10.9), ios(4.0));

@interface NSValue (NSValueMapKitGeometryExtensions)
+ (NSValue *)valueWithMKCoordinate:(CLLocationCoordinate2D)coordinate;
+ (NSValue *)valueWithMKCoordinateSpan:(MKCoordinateSpan)span;
@property (readonly) CLLocationCoordinate2D MKCoordinateValue;
@property (readonly) MKCoordinateSpan MKCoordinateSpanValue;
@end

NS_ASSUME_NONNULL_END
