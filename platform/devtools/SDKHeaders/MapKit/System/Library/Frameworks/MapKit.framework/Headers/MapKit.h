/* MapKit.h: maps, their geometry, annotations, overlays and the views that show them. */
#import <MapKit/MKFoundation.h>
#import <MapKit/MKGeometry.h>
#import <MapKit/MKAnnotation.h>
#import <MapKit/MKShape.h>
#import <MapKit/MKPointAnnotation.h>
#import <MapKit/MKUserLocation.h>
#import <MapKit/MKAnnotationView.h>
#import <MapKit/MKPinAnnotationView.h>
#import <MapKit/MKOverlay.h>
#import <MapKit/MKMapView.h>
