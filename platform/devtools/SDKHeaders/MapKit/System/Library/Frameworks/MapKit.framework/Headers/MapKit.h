/* MapKit.h: maps, their annotations and the views that show them. */
#import <MapKit/MKFoundation.h>
#import <MapKit/MKAnnotation.h>
#import <MapKit/MKShape.h>
#import <MapKit/MKPointAnnotation.h>
#import <MapKit/MKUserLocation.h>
#import <MapKit/MKAnnotationView.h>
