/* NSBezierPath.h: paths of lines, curves, rectangles, ovals and arcs, and their stroking, filling and clipping. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>

@class NSAffineTransform;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSLineCapStyle) {
    NSLineCapStyleButt = 0,
    NSLineCapStyleRound = 1,
    NSLineCapStyleSquare = 2,
} API_AVAILABLE(macos(10.0));

typedef NS_ENUM(NSUInteger, NSLineJoinStyle) {
    NSLineJoinStyleMiter = 0,
    NSLineJoinStyleRound = 1,
    NSLineJoinStyleBevel = 2,
} API_AVAILABLE(macos(10.0));

typedef NS_ENUM(NSUInteger, NSWindingRule) {
    NSWindingRuleNonZero = 0,
    NSWindingRuleEvenOdd = 1,
} API_AVAILABLE(macos(10.0));

typedef NS_ENUM(NSUInteger, NSBezierPathElement) {
    NSBezierPathElementMoveTo,
    NSBezierPathElementLineTo,
    NSBezierPathElementCubicCurveTo API_AVAILABLE(macos(14.0)),
    NSBezierPathElementClosePath,
    NSBezierPathElementQuadraticCurveTo API_AVAILABLE(macos(14.0)),
    NSBezierPathElementCurveTo API_DEPRECATED_WITH_REPLACEMENT("NSBezierPathElementCubicCurveTo", macos(10.0, 14.0)) = 2,
};

@interface NSBezierPath : NSObject <NSCopying, NSSecureCoding>
+ (NSBezierPath *)bezierPath;
+ (NSBezierPath *)bezierPathWithRect:(NSRect)rect;
+ (NSBezierPath *)bezierPathWithOvalInRect:(NSRect)rect;
+ (NSBezierPath *)bezierPathWithRoundedRect:(NSRect)rect xRadius:(CGFloat)xRadius yRadius:(CGFloat)yRadius
    API_AVAILABLE(macos(10.5));
+ (NSBezierPath *)bezierPathWithCGPath:(CGPathRef)cgPath API_AVAILABLE(macos(14.0));
@property (readonly) CGPathRef CGPath API_AVAILABLE(macos(14.0));
+ (void)fillRect:(NSRect)rect;
+ (void)strokeRect:(NSRect)rect;
+ (void)clipRect:(NSRect)rect;
+ (void)strokeLineFromPoint:(NSPoint)point1 toPoint:(NSPoint)point2;
@property (class) CGFloat defaultMiterLimit;
@property (class) CGFloat defaultFlatness;
@property (class) NSWindingRule defaultWindingRule;
@property (class) NSLineCapStyle defaultLineCapStyle;
@property (class) NSLineJoinStyle defaultLineJoinStyle;
@property (class) CGFloat defaultLineWidth;
- (void)moveToPoint:(NSPoint)point;
- (void)lineToPoint:(NSPoint)point;
- (void)curveToPoint:(NSPoint)endPoint controlPoint1:(NSPoint)controlPoint1 controlPoint2:(NSPoint)controlPoint2;
- (void)curveToPoint:(NSPoint)endPoint controlPoint:(NSPoint)controlPoint API_AVAILABLE(macos(14.0));
- (void)closePath;
- (void)removeAllPoints;
- (void)relativeMoveToPoint:(NSPoint)point;
- (void)relativeLineToPoint:(NSPoint)point;
- (void)relativeCurveToPoint:(NSPoint)endPoint
               controlPoint1:(NSPoint)controlPoint1
               controlPoint2:(NSPoint)controlPoint2;
@property CGFloat lineWidth;
@property NSLineCapStyle lineCapStyle;
@property NSLineJoinStyle lineJoinStyle;
@property NSWindingRule windingRule;
@property CGFloat miterLimit;
@property CGFloat flatness;
- (void)getLineDash:(nullable CGFloat *)pattern count:(nullable NSInteger *)count phase:(nullable CGFloat *)phase;
- (void)setLineDash:(nullable const CGFloat *)pattern count:(NSInteger)count phase:(CGFloat)phase;
- (void)stroke;
- (void)fill;
- (void)addClip;
- (void)setClip;
@property (readonly, copy) NSBezierPath *bezierPathByFlatteningPath;
@property (readonly, copy) NSBezierPath *bezierPathByReversingPath;
- (void)transformUsingAffineTransform:(NSAffineTransform *)transform;
@property (readonly, getter=isEmpty) BOOL empty;
@property (readonly) NSPoint currentPoint;
@property (readonly) NSRect controlPointBounds;
@property (readonly) NSRect bounds;
@property (readonly) NSInteger elementCount;
- (BOOL)containsPoint:(NSPoint)point;
- (void)appendBezierPath:(NSBezierPath *)path;
- (void)appendBezierPathWithRect:(NSRect)rect;
- (void)appendBezierPathWithPoints:(NSPointArray)points count:(NSInteger)count;
- (void)appendBezierPathWithOvalInRect:(NSRect)rect;
- (void)appendBezierPathWithArcWithCenter:(NSPoint)center
                                   radius:(CGFloat)radius
                               startAngle:(CGFloat)startAngle
                                 endAngle:(CGFloat)endAngle
                                clockwise:(BOOL)clockwise;
- (void)appendBezierPathWithArcWithCenter:(NSPoint)center
                                   radius:(CGFloat)radius
                               startAngle:(CGFloat)startAngle
                                 endAngle:(CGFloat)endAngle;
- (void)appendBezierPathWithArcFromPoint:(NSPoint)point1 toPoint:(NSPoint)point2 radius:(CGFloat)radius;
- (void)appendBezierPathWithRoundedRect:(NSRect)rect xRadius:(CGFloat)xRadius yRadius:(CGFloat)yRadius
    API_AVAILABLE(macos(10.5));
@end

NS_ASSUME_NONNULL_END
