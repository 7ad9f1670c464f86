/* MKOverlay.h: overlays drawn over a map (polylines, polygons, circles) and the renderers that draw them. */
#import <MapKit/MKFoundation.h>
#import <MapKit/MKAnnotation.h>
#import <MapKit/MKGeometry.h>
#import <MapKit/MKShape.h>
#if TARGET_OS_IPHONE
#import <UIKit/UIKit.h>
#else
#import <AppKit/AppKit.h>
#endif

NS_ASSUME_NONNULL_BEGIN

@protocol MKOverlay <MKAnnotation>
@property (nonatomic, readonly) CLLocationCoordinate2D coordinate;
@property (nonatomic, readonly) MKMapRect boundingMapRect;
@optional
- (BOOL)intersectsMapRect:(MKMapRect)mapRect;
- (BOOL)canReplaceMapContent;
@end

API_AVAILABLE(macos(10.9), ios(4.0))
@interface MKMultiPoint : MKShape
@property (nonatomic, readonly) MKMapPoint *points NS_RETURNS_INNER_POINTER;
@property (nonatomic, readonly) NSUInteger pointCount;
- (void)getCoordinates:(CLLocationCoordinate2D *)coords range:(NSRange)range;
@end

API_AVAILABLE(macos(10.9), ios(4.0))
@interface MKPolyline : MKMultiPoint <MKOverlay>
+ (instancetype)polylineWithPoints:(const MKMapPoint *)points count:(NSUInteger)count;
+ (instancetype)polylineWithCoordinates:(const CLLocationCoordinate2D *)coords count:(NSUInteger)count;
@end

API_AVAILABLE(macos(10.9), ios(4.0))
@interface MKPolygon : MKMultiPoint <MKOverlay>
+ (instancetype)polygonWithCoordinates:(const CLLocationCoordinate2D *)coords count:(NSUInteger)count;
@property (readonly, nullable) NSArray<MKPolygon *> *interiorPolygons;
@end

API_AVAILABLE(macos(10.9), ios(4.0))
@interface MKCircle : MKShape <MKOverlay>
+ (instancetype)circleWithCenterCoordinate:(CLLocationCoordinate2D)coord radius:(CLLocationDistance)radius;
+ (instancetype)circleWithMapRect:(MKMapRect)mapRect;
@property (nonatomic, readonly) CLLocationDistance radius;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface MKOverlayRenderer : NSObject
- (instancetype)initWithOverlay:(id<MKOverlay>)overlay;
@property (nonatomic, readonly) id<MKOverlay> overlay;
@property CGFloat alpha;
- (void)setNeedsDisplay;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface MKOverlayPathRenderer : MKOverlayRenderer
#if TARGET_OS_IPHONE
@property (strong, nullable) UIColor *fillColor;
@property (strong, nullable) UIColor *strokeColor;
#else
@property (strong, nullable) NSColor *fillColor;
@property (strong, nullable) NSColor *strokeColor;
#endif
@property CGFloat lineWidth;
@property CGLineJoin lineJoin;
@property CGLineCap lineCap;
@property (copy, nullable) NSArray<NSNumber *> *lineDashPattern;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface MKPolylineRenderer : MKOverlayPathRenderer
- (instancetype)initWithPolyline:(MKPolyline *)polyline;
@property (nonatomic, readonly) MKPolyline *polyline;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface MKPolygonRenderer : MKOverlayPathRenderer
- (instancetype)initWithPolygon:(MKPolygon *)polygon;
@property (nonatomic, readonly) MKPolygon *polygon;
@end

API_AVAILABLE(macos(10.9), ios(7.0))
@interface MKCircleRenderer : MKOverlayPathRenderer
- (instancetype)initWithCircle:(MKCircle *)circle;
@property (nonatomic, readonly) MKCircle *circle;
@end

NS_ASSUME_NONNULL_END
