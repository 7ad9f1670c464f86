/* MKMapView.h: the view that shows a map: its region and camera, annotations, overlays, the user's location, and
   its delegate. */
#import <MapKit/MKFoundation.h>
#import <MapKit/MKAnnotation.h>
#import <MapKit/MKAnnotationView.h>
#import <MapKit/MKGeometry.h>
#import <MapKit/MKOverlay.h>
#import <MapKit/MKUserLocation.h>

@protocol MKMapViewDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, MKMapType) {
    MKMapTypeStandard = 0,
    MKMapTypeSatellite,
    MKMapTypeHybrid,
    MKMapTypeSatelliteFlyover API_AVAILABLE(macos(10.11), ios(9.0)),
    MKMapTypeHybridFlyover API_AVAILABLE(macos(10.11), ios(9.0)),
    MKMapTypeMutedStandard API_AVAILABLE(macos(10.13), ios(11.0)),
};

typedef NS_ENUM(NSInteger, MKUserTrackingMode) {
    MKUserTrackingModeNone = 0,
    MKUserTrackingModeFollow,
    MKUserTrackingModeFollowWithHeading API_UNAVAILABLE(macos),
} API_AVAILABLE(macos(11.0), ios(5.0));

typedef NS_ENUM(NSInteger, MKOverlayLevel) {
    MKOverlayLevelAboveRoads = 0,
    MKOverlayLevelAboveLabels
} API_AVAILABLE(macos(10.9), ios(7.0));

API_AVAILABLE(macos(10.9), ios(3.0)) API_UNAVAILABLE(watchos)
#if TARGET_OS_IPHONE
@interface MKMapView : UIView <NSCoding>
#else
@interface MKMapView : NSView <NSCoding>
#endif
@property (nonatomic, weak, nullable) id<MKMapViewDelegate> delegate;
@property (nonatomic) MKMapType mapType;
@property (nonatomic) MKCoordinateRegion region;
- (void)setRegion:(MKCoordinateRegion)region animated:(BOOL)animated;
@property (nonatomic) CLLocationCoordinate2D centerCoordinate;
- (void)setCenterCoordinate:(CLLocationCoordinate2D)coordinate animated:(BOOL)animated;
- (MKCoordinateRegion)regionThatFits:(MKCoordinateRegion)region;
@property (nonatomic) MKMapRect visibleMapRect;
- (void)setVisibleMapRect:(MKMapRect)mapRect animated:(BOOL)animate;
#if TARGET_OS_IPHONE
- (void)setVisibleMapRect:(MKMapRect)mapRect edgePadding:(UIEdgeInsets)insets animated:(BOOL)animate;
- (CGPoint)convertCoordinate:(CLLocationCoordinate2D)coordinate toPointToView:(nullable UIView *)view;
- (CLLocationCoordinate2D)convertPoint:(CGPoint)point toCoordinateFromView:(nullable UIView *)view;
- (CGRect)convertRegion:(MKCoordinateRegion)region toRectToView:(nullable UIView *)view;
- (MKCoordinateRegion)convertRect:(CGRect)rect toRegionFromView:(nullable UIView *)view;
#else
- (void)setVisibleMapRect:(MKMapRect)mapRect edgePadding:(NSEdgeInsets)insets animated:(BOOL)animate;
- (CGPoint)convertCoordinate:(CLLocationCoordinate2D)coordinate toPointToView:(nullable NSView *)view;
- (CLLocationCoordinate2D)convertPoint:(CGPoint)point toCoordinateFromView:(nullable NSView *)view;
- (CGRect)convertRegion:(MKCoordinateRegion)region toRectToView:(nullable NSView *)view;
- (MKCoordinateRegion)convertRect:(CGRect)rect toRegionFromView:(nullable NSView *)view;
#endif
@property (nonatomic, getter=isZoomEnabled) BOOL zoomEnabled;
@property (nonatomic, getter=isScrollEnabled) BOOL scrollEnabled;
@property (nonatomic, getter=isRotateEnabled) BOOL rotateEnabled API_AVAILABLE(macos(10.9), ios(7.0));
@property (nonatomic, getter=isPitchEnabled) BOOL pitchEnabled API_AVAILABLE(macos(10.9), ios(7.0));
@property (nonatomic) BOOL showsCompass API_AVAILABLE(macos(10.9), ios(9.0));
@property (nonatomic) BOOL showsScale API_AVAILABLE(macos(10.10), ios(9.0));
@property (nonatomic) BOOL showsPointsOfInterest API_DEPRECATED("use pointOfInterestFilter", macos(10.9, 13.0), ios(7.0, 13.0));
@property (nonatomic) BOOL showsBuildings API_AVAILABLE(macos(10.9), ios(7.0));
@property (nonatomic) BOOL showsTraffic API_AVAILABLE(macos(10.11), ios(9.0));
@property (nonatomic) BOOL showsUserLocation;
@property (nonatomic, readonly) MKUserLocation *userLocation;
@property (nonatomic) MKUserTrackingMode userTrackingMode API_AVAILABLE(macos(11.0), ios(5.0));
- (void)setUserTrackingMode:(MKUserTrackingMode)mode animated:(BOOL)animated API_AVAILABLE(macos(11.0), ios(5.0));
@property (nonatomic, readonly, getter=isUserLocationVisible) BOOL userLocationVisible;
- (void)addAnnotation:(id<MKAnnotation>)annotation;
- (void)addAnnotations:(NSArray<id<MKAnnotation>> *)annotations;
- (void)removeAnnotation:(id<MKAnnotation>)annotation;
- (void)removeAnnotations:(NSArray<id<MKAnnotation>> *)annotations;
@property (nonatomic, readonly) NSArray<id<MKAnnotation>> *annotations;
- (NSSet<id<MKAnnotation>> *)annotationsInMapRect:(MKMapRect)mapRect API_AVAILABLE(macos(10.9), ios(4.2));
- (nullable MKAnnotationView *)viewForAnnotation:(id<MKAnnotation>)annotation;
- (nullable __kindof MKAnnotationView *)dequeueReusableAnnotationViewWithIdentifier:(NSString *)identifier;
- (__kindof MKAnnotationView *)dequeueReusableAnnotationViewWithIdentifier:(NSString *)identifier
                                                             forAnnotation:(id<MKAnnotation>)annotation
    API_AVAILABLE(macos(10.13), ios(11.0));
- (void)registerClass:(nullable Class)viewClass forAnnotationViewWithReuseIdentifier:(NSString *)identifier
    API_AVAILABLE(macos(10.13), ios(11.0));
- (void)selectAnnotation:(id<MKAnnotation>)annotation animated:(BOOL)animated;
- (void)deselectAnnotation:(nullable id<MKAnnotation>)annotation animated:(BOOL)animated;
@property (nonatomic, copy) NSArray<id<MKAnnotation>> *selectedAnnotations;
- (void)showAnnotations:(NSArray<id<MKAnnotation>> *)annotations animated:(BOOL)animated API_AVAILABLE(macos(10.9), ios(7.0));
@property (nonatomic, readonly) NSArray<id<MKOverlay>> *overlays API_AVAILABLE(macos(10.9), ios(4.0));
- (void)addOverlay:(id<MKOverlay>)overlay API_AVAILABLE(macos(10.9), ios(4.0));
- (void)addOverlays:(NSArray<id<MKOverlay>> *)overlays API_AVAILABLE(macos(10.9), ios(4.0));
- (void)addOverlay:(id<MKOverlay>)overlay level:(MKOverlayLevel)level API_AVAILABLE(macos(10.9), ios(7.0));
- (void)removeOverlay:(id<MKOverlay>)overlay API_AVAILABLE(macos(10.9), ios(4.0));
- (void)removeOverlays:(NSArray<id<MKOverlay>> *)overlays API_AVAILABLE(macos(10.9), ios(4.0));
- (nullable MKOverlayRenderer *)rendererForOverlay:(id<MKOverlay>)overlay API_AVAILABLE(macos(10.9), ios(7.0));
@end

@protocol MKMapViewDelegate <NSObject>
@optional
- (void)mapView:(MKMapView *)mapView regionWillChangeAnimated:(BOOL)animated;
- (void)mapView:(MKMapView *)mapView regionDidChangeAnimated:(BOOL)animated;
- (void)mapViewDidChangeVisibleRegion:(MKMapView *)mapView API_AVAILABLE(macos(11.0), ios(11.0));
- (void)mapViewWillStartLoadingMap:(MKMapView *)mapView;
- (void)mapViewDidFinishLoadingMap:(MKMapView *)mapView;
- (void)mapViewDidFailLoadingMap:(MKMapView *)mapView withError:(NSError *)error;
- (void)mapViewWillStartLocatingUser:(MKMapView *)mapView API_AVAILABLE(macos(10.9), ios(4.0));
- (void)mapViewDidStopLocatingUser:(MKMapView *)mapView API_AVAILABLE(macos(10.9), ios(4.0));
- (void)mapView:(MKMapView *)mapView didUpdateUserLocation:(MKUserLocation *)userLocation API_AVAILABLE(macos(10.9), ios(4.0));
- (void)mapView:(MKMapView *)mapView didFailToLocateUserWithError:(NSError *)error API_AVAILABLE(macos(10.9), ios(4.0));
- (nullable MKAnnotationView *)mapView:(MKMapView *)mapView viewForAnnotation:(id<MKAnnotation>)annotation;
- (void)mapView:(MKMapView *)mapView didAddAnnotationViews:(NSArray<MKAnnotationView *> *)views;
#if TARGET_OS_IPHONE
- (void)mapView:(MKMapView *)mapView annotationView:(MKAnnotationView *)view
    calloutAccessoryControlTapped:(UIControl *)control API_UNAVAILABLE(macos);
#endif
- (void)mapView:(MKMapView *)mapView didSelectAnnotationView:(MKAnnotationView *)view API_AVAILABLE(macos(10.9), ios(4.0));
- (void)mapView:(MKMapView *)mapView didDeselectAnnotationView:(MKAnnotationView *)view API_AVAILABLE(macos(10.9), ios(4.0));
- (void)mapView:(MKMapView *)mapView annotationView:(MKAnnotationView *)view
    didChangeDragState:(MKAnnotationViewDragState)newState fromOldState:(MKAnnotationViewDragState)oldState
    API_AVAILABLE(macos(10.9), ios(4.0));
- (MKOverlayRenderer *)mapView:(MKMapView *)mapView rendererForOverlay:(id<MKOverlay>)overlay API_AVAILABLE(macos(10.9), ios(7.0));
- (void)mapView:(MKMapView *)mapView didChangeUserTrackingMode:(MKUserTrackingMode)mode animated:(BOOL)animated
    API_AVAILABLE(macos(11.0), ios(5.0));
@end

NS_ASSUME_NONNULL_END
