/* CALayer.h: layers: the rendered, animatable content behind views: geometry, appearance, sublayers, animations. */
#import <QuartzCore/CABase.h>
#import <QuartzCore/CAMediaTiming.h>
#import <QuartzCore/CATransform3D.h>
#import <Foundation/NSObject.h>
#import <Foundation/NSArray.h>
#import <Foundation/NSDictionary.h>
#import <Foundation/NSNull.h>

@class NSEnumerator, CAAnimation, NSString;
@protocol CAAction, CALayerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *CALayerContentsGravity NS_TYPED_ENUM;
typedef NSString *CALayerCornerCurve NS_TYPED_ENUM;
typedef NSString *CALayerContentsFilter NS_TYPED_ENUM;
typedef NSString *CALayerContentsFormat NS_TYPED_ENUM;

typedef NS_OPTIONS(unsigned int, CAEdgeAntialiasingMask) {
    kCALayerLeftEdge = 1U << 0,
    kCALayerRightEdge = 1U << 1,
    kCALayerBottomEdge = 1U << 2,
    kCALayerTopEdge = 1U << 3,
};

typedef NS_OPTIONS(unsigned int, CAAutoresizingMask) {
    kCALayerNotSizable = 0,
    kCALayerMinXMargin = 1U << 0,
    kCALayerWidthSizable = 1U << 1,
    kCALayerMaxXMargin = 1U << 2,
    kCALayerMinYMargin = 1U << 3,
    kCALayerHeightSizable = 1U << 4,
    kCALayerMaxYMargin = 1U << 5
};

typedef NS_OPTIONS(NSUInteger, CACornerMask) {
    kCALayerMinXMinYCorner = 1U << 0,
    kCALayerMaxXMinYCorner = 1U << 1,
    kCALayerMinXMaxYCorner = 1U << 2,
    kCALayerMaxXMaxYCorner = 1U << 3,
};

API_AVAILABLE(macos(10.5), ios(2.0))
@interface CALayer : NSObject <NSSecureCoding, CAMediaTiming>

+ (instancetype)layer;
- (instancetype)init;
- (instancetype)initWithLayer:(id)layer;
- (nullable instancetype)presentationLayer;
- (instancetype)modelLayer;

+ (nullable id)defaultValueForKey:(NSString *)key;
+ (BOOL)needsDisplayForKey:(NSString *)key;

@property CGRect bounds;
@property CGPoint position;
@property CGFloat zPosition;
@property CGPoint anchorPoint;
@property CATransform3D transform;
- (CGAffineTransform)affineTransform;
- (void)setAffineTransform:(CGAffineTransform)m;
@property CGRect frame;
@property (getter=isHidden) BOOL hidden;
@property (getter=isDoubleSided) BOOL doubleSided;
@property (getter=isGeometryFlipped) BOOL geometryFlipped;

@property (nullable, readonly) CALayer *superlayer;
- (void)removeFromSuperlayer;
@property (nullable, copy) NSArray<__kindof CALayer *> *sublayers;
- (void)addSublayer:(CALayer *)layer;
- (void)insertSublayer:(CALayer *)layer atIndex:(unsigned)idx;
- (void)insertSublayer:(CALayer *)layer below:(nullable CALayer *)sibling;
- (void)insertSublayer:(CALayer *)layer above:(nullable CALayer *)sibling;
- (void)replaceSublayer:(CALayer *)oldLayer with:(CALayer *)newLayer;
@property CATransform3D sublayerTransform;
@property (nullable, strong) __kindof CALayer *mask;
@property BOOL masksToBounds;

- (CGPoint)convertPoint:(CGPoint)p fromLayer:(nullable CALayer *)l;
- (CGPoint)convertPoint:(CGPoint)p toLayer:(nullable CALayer *)l;
- (CGRect)convertRect:(CGRect)r fromLayer:(nullable CALayer *)l;
- (CGRect)convertRect:(CGRect)r toLayer:(nullable CALayer *)l;
- (nullable __kindof CALayer *)hitTest:(CGPoint)p;
- (BOOL)containsPoint:(CGPoint)p;

@property (nullable, strong) id contents;
@property CGRect contentsRect;
@property (copy) CALayerContentsGravity contentsGravity;
@property CGFloat contentsScale API_AVAILABLE(macos(10.7), ios(4.0));
@property CGRect contentsCenter;
@property (copy) CALayerContentsFormat contentsFormat API_AVAILABLE(macos(10.12), ios(10.0));
@property (copy) CALayerContentsFilter minificationFilter;
@property (copy) CALayerContentsFilter magnificationFilter;
@property float minificationFilterBias;
@property CAEdgeAntialiasingMask edgeAntialiasingMask;
@property BOOL allowsEdgeAntialiasing API_AVAILABLE(macos(10.10), ios(2.0));
@property unsigned int autoresizingMask API_AVAILABLE(macos(10.5)) API_UNAVAILABLE(ios);
@property (nullable, copy) NSArray *filters API_AVAILABLE(macos(10.5));
@property (nullable, strong) id compositingFilter;
@property (nullable, copy) NSArray *backgroundFilters API_AVAILABLE(macos(10.5));

- (void)display;
- (void)setNeedsDisplay;
- (void)setNeedsDisplayInRect:(CGRect)r;
- (BOOL)needsDisplay;
- (void)displayIfNeeded;
@property BOOL needsDisplayOnBoundsChange;
@property BOOL drawsAsynchronously API_AVAILABLE(macos(10.8), ios(6.0));
- (void)drawInContext:(CGContextRef)ctx;
- (void)renderInContext:(CGContextRef)ctx;

@property (nullable) CGColorRef backgroundColor;
@property CGFloat cornerRadius;
@property CACornerMask maskedCorners API_AVAILABLE(macos(10.13), ios(11.0));
@property (copy) CALayerCornerCurve cornerCurve API_AVAILABLE(macos(10.15), ios(13.0));
@property CGFloat borderWidth;
@property (nullable) CGColorRef borderColor;
@property float opacity;
@property (getter=isOpaque) BOOL opaque;
@property BOOL allowsGroupOpacity API_AVAILABLE(macos(10.10), ios(7.0));
@property BOOL shouldRasterize;
@property CGFloat rasterizationScale;
@property (nullable) CGColorRef shadowColor;
@property float shadowOpacity;
@property CGSize shadowOffset;
@property CGFloat shadowRadius;
@property (nullable) CGPathRef shadowPath;

- (CGSize)preferredFrameSize;
- (void)setNeedsLayout;
- (BOOL)needsLayout;
- (void)layoutIfNeeded;
- (void)layoutSublayers;

@property (nullable, copy) NSDictionary<NSString *, id<CAAction>> *actions;
- (void)addAnimation:(CAAnimation *)anim forKey:(nullable NSString *)key;
- (void)removeAllAnimations;
- (void)removeAnimationForKey:(NSString *)key;
- (nullable NSArray<NSString *> *)animationKeys;
- (nullable __kindof CAAnimation *)animationForKey:(NSString *)key;

@property (nullable, copy) NSString *name;
@property (nullable, weak) id<CALayerDelegate> delegate;
@property (nullable, copy) NSDictionary *style;

@end

@protocol CAAction
- (void)runActionForKey:(NSString *)event object:(id)anObject arguments:(nullable NSDictionary *)dict;
@end

@interface NSNull (CAActionAdditions) <CAAction>
@end

@protocol CALayerDelegate <NSObject>
@optional
- (void)displayLayer:(CALayer *)layer;
- (void)drawLayer:(CALayer *)layer inContext:(CGContextRef)ctx;
- (void)layerWillDraw:(CALayer *)layer API_AVAILABLE(macos(10.8), ios(10.0));
- (void)layoutSublayersOfLayer:(CALayer *)layer;
- (nullable id<CAAction>)actionForLayer:(CALayer *)layer forKey:(NSString *)event;
@end

CA_EXTERN CALayerContentsGravity const kCAGravityCenter API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityResize API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityResizeAspect API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityResizeAspectFill API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityTop API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityBottom API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityLeft API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityRight API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityTopLeft API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityTopRight API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityBottomLeft API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsGravity const kCAGravityBottomRight API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsFilter const kCAFilterNearest API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsFilter const kCAFilterLinear API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CALayerContentsFilter const kCAFilterTrilinear API_AVAILABLE(macos(10.6), ios(3.0));
CA_EXTERN CALayerContentsFormat const kCAContentsFormatRGBA8Uint API_AVAILABLE(macos(10.12), ios(10.0));
CA_EXTERN CALayerContentsFormat const kCAContentsFormatRGBA16Float API_AVAILABLE(macos(10.12), ios(10.0));
CA_EXTERN CALayerContentsFormat const kCAContentsFormatGray8Uint API_AVAILABLE(macos(10.12), ios(10.0));
CA_EXTERN CALayerCornerCurve const kCACornerCurveCircular API_AVAILABLE(macos(10.15), ios(13.0));
CA_EXTERN CALayerCornerCurve const kCACornerCurveContinuous API_AVAILABLE(macos(10.15), ios(13.0));

/* The keys of the actions a layer looks up when it is added to or removed from a layer tree, or replaced. */
CA_EXTERN NSString *const kCAOnOrderIn API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN NSString *const kCAOnOrderOut API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN NSString *const kCATransition API_AVAILABLE(macos(10.5), ios(2.0));

NS_ASSUME_NONNULL_END
