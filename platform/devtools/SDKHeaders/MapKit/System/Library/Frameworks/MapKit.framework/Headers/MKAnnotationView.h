/* MKAnnotationView.h: the views that show annotations on a map, with their image, callout and dragging. */
#import <MapKit/MKFoundation.h>
#import <MapKit/MKAnnotation.h>
#if TARGET_OS_IPHONE
#import <UIKit/UIKit.h>
#else
#import <AppKit/AppKit.h>
#endif

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, MKAnnotationViewDragState) {
    MKAnnotationViewDragStateNone = 0,
    MKAnnotationViewDragStateStarting,
    MKAnnotationViewDragStateDragging,
    MKAnnotationViewDragStateCanceling,
    MKAnnotationViewDragStateEnding
} API_AVAILABLE(macos(10.9), ios(4.0));

MK_EXTERN NSString *const MKAnnotationViewReuseIdentifier API_AVAILABLE(macos(10.9), ios(4.0));

API_AVAILABLE(macos(10.9), ios(3.0)) API_UNAVAILABLE(watchos)
#if TARGET_OS_IPHONE
@interface MKAnnotationView : UIView
#else
@interface MKAnnotationView : NSView
#endif
- (instancetype)initWithAnnotation:(nullable id<MKAnnotation>)annotation
                   reuseIdentifier:(nullable NSString *)reuseIdentifier NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)aDecoder NS_DESIGNATED_INITIALIZER;
@property (nonatomic, readonly, nullable) NSString *reuseIdentifier;
- (void)prepareForReuse NS_REQUIRES_SUPER;
- (void)prepareForDisplay NS_REQUIRES_SUPER API_AVAILABLE(macos(10.13), ios(11.0));
@property (nonatomic, strong, nullable) id<MKAnnotation> annotation;
#if TARGET_OS_IPHONE
@property (nonatomic, strong, nullable) UIImage *image;
@property (strong, nonatomic, nullable) UIView *leftCalloutAccessoryView;
@property (strong, nonatomic, nullable) UIView *rightCalloutAccessoryView;
#else
@property (nonatomic, strong, nullable) NSImage *image;
@property (strong, nonatomic, nullable) NSView *leftCalloutAccessoryView;
@property (strong, nonatomic, nullable) NSView *rightCalloutAccessoryView;
#endif
@property (nonatomic) CGPoint centerOffset;
@property (nonatomic) CGPoint calloutOffset;
@property (nonatomic, getter=isEnabled) BOOL enabled;
@property (nonatomic, getter=isHighlighted) BOOL highlighted;
@property (nonatomic, getter=isSelected) BOOL selected;
- (void)setSelected:(BOOL)selected animated:(BOOL)animated;
@property (nonatomic) BOOL canShowCallout;
@property (nonatomic, getter=isDraggable) BOOL draggable API_AVAILABLE(macos(10.9), ios(4.0));
@property (nonatomic) MKAnnotationViewDragState dragState API_AVAILABLE(macos(10.9), ios(4.0));
- (void)setDragState:(MKAnnotationViewDragState)newDragState animated:(BOOL)animated API_AVAILABLE(macos(10.9), ios(4.2));
@property (nonatomic, copy, nullable) NSString *clusteringIdentifier API_AVAILABLE(macos(10.13), ios(11.0));
@end

NS_ASSUME_NONNULL_END
