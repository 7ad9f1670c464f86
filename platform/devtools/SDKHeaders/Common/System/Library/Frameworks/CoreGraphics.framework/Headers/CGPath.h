/* CGPath.h: graphics paths made of lines, curves, rectangles and ellipses. */
#ifndef CGPATH_H_
#define CGPATH_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGAffineTransform.h>
#include <CoreGraphics/CGGeometry.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_MUTABLE_TYPE(id) CGPath *CGMutablePathRef;
typedef const struct CF_BRIDGED_TYPE(id) CGPath *CGPathRef;

typedef CF_ENUM(int32_t, CGLineCap) {
    kCGLineCapButt,
    kCGLineCapRound,
    kCGLineCapSquare
};

typedef CF_ENUM(int32_t, CGLineJoin) {
    kCGLineJoinMiter,
    kCGLineJoinRound,
    kCGLineJoinBevel
};

CG_EXTERN CGMutablePathRef CGPathCreateMutable(void);
CG_EXTERN CGPathRef _Nullable CGPathCreateCopy(CGPathRef _Nullable path);
CG_EXTERN CGMutablePathRef _Nullable CGPathCreateMutableCopy(CGPathRef _Nullable path);
CG_EXTERN CGPathRef CGPathCreateWithRect(CGRect rect, const CGAffineTransform *_Nullable transform);
CG_EXTERN CGPathRef CGPathCreateWithEllipseInRect(CGRect rect, const CGAffineTransform *_Nullable transform);
CG_EXTERN CGPathRef _Nullable CGPathRetain(CGPathRef _Nullable path);
CG_EXTERN void CGPathRelease(CGPathRef _Nullable path);
CG_EXTERN void CGPathMoveToPoint(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m, CGFloat x,
                                 CGFloat y);
CG_EXTERN void CGPathAddLineToPoint(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m, CGFloat x,
                                    CGFloat y);
CG_EXTERN void CGPathAddCurveToPoint(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m,
                                     CGFloat cp1x, CGFloat cp1y, CGFloat cp2x, CGFloat cp2y, CGFloat x, CGFloat y);
CG_EXTERN void CGPathAddRect(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m, CGRect rect);
CG_EXTERN void CGPathAddEllipseInRect(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m,
                                      CGRect rect);
CG_EXTERN void CGPathAddArc(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m, CGFloat x,
                            CGFloat y, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise);
CG_EXTERN void CGPathAddQuadCurveToPoint(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m,
                                         CGFloat cpx, CGFloat cpy, CGFloat x, CGFloat y);
CG_EXTERN void CGPathAddRoundedRect(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable transform,
                                    CGRect rect, CGFloat cornerWidth, CGFloat cornerHeight)
    API_AVAILABLE(macos(10.9), ios(7.0));
CG_EXTERN CGPathRef CGPathCreateWithRoundedRect(CGRect rect, CGFloat cornerWidth, CGFloat cornerHeight,
                                                const CGAffineTransform *_Nullable transform)
    API_AVAILABLE(macos(10.9), ios(7.0));
CG_EXTERN void CGPathAddArcToPoint(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m, CGFloat x1,
                                   CGFloat y1, CGFloat x2, CGFloat y2, CGFloat radius);
CG_EXTERN void CGPathAddPath(CGMutablePathRef _Nullable path1, const CGAffineTransform *_Nullable m,
                             CGPathRef _Nullable path2);
CG_EXTERN void CGPathAddLines(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m,
                              const CGPoint *_Nullable points, size_t count);
CG_EXTERN void CGPathCloseSubpath(CGMutablePathRef _Nullable path);
CG_EXTERN CGPoint CGPathGetCurrentPoint(CGPathRef _Nullable path);
CG_EXTERN CGRect CGPathGetPathBoundingBox(CGPathRef _Nullable path);
CG_EXTERN bool CGPathEqualToPath(CGPathRef _Nullable path1, CGPathRef _Nullable path2);
CG_EXTERN CFTypeID CGPathGetTypeID(void);
CG_EXTERN bool CGPathIsEmpty(CGPathRef _Nullable path);
CG_EXTERN CGRect CGPathGetBoundingBox(CGPathRef _Nullable path);
CG_EXTERN bool CGPathContainsPoint(CGPathRef _Nullable path, const CGAffineTransform *_Nullable m, CGPoint point,
                                   bool eoFill);

CG_EXTERN bool CGPathIsRect(CGPathRef _Nullable path, CGRect *_Nullable rect);
CG_EXTERN CGPathRef _Nullable CGPathCreateCopyByTransformingPath(CGPathRef _Nullable path,
                                                                 const CGAffineTransform *_Nullable transform);
CG_EXTERN CGMutablePathRef _Nullable CGPathCreateMutableCopyByTransformingPath(
    CGPathRef _Nullable path, const CGAffineTransform *_Nullable transform);
CG_EXTERN CGPathRef _Nullable CGPathCreateCopyByStrokingPath(CGPathRef _Nullable path,
                                                             const CGAffineTransform *_Nullable transform,
                                                             CGFloat lineWidth, CGLineCap lineCap,
                                                             CGLineJoin lineJoin, CGFloat miterLimit);
CG_EXTERN CGPathRef _Nullable CGPathCreateCopyByDashingPath(CGPathRef _Nullable path,
                                                            const CGAffineTransform *_Nullable transform,
                                                            CGFloat phase, const CGFloat *_Nullable lengths,
                                                            size_t count);
CG_EXTERN void CGPathAddRelativeArc(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable matrix,
                                    CGFloat x, CGFloat y, CGFloat radius, CGFloat startAngle, CGFloat delta);
CG_EXTERN void CGPathAddRects(CGMutablePathRef _Nullable path, const CGAffineTransform *_Nullable m,
                              const CGRect *_Nullable rects, size_t count);

/* Walking a path element by element. */
typedef CF_ENUM(int32_t, CGPathElementType) {
    kCGPathElementMoveToPoint,
    kCGPathElementAddLineToPoint,
    kCGPathElementAddQuadCurveToPoint,
    kCGPathElementAddCurveToPoint,
    kCGPathElementCloseSubpath
};
struct CGPathElement {
    CGPathElementType type;
    CGPoint *points;
};
typedef struct CGPathElement CGPathElement;
typedef void (*CGPathApplierFunction)(void *_Nullable info, const CGPathElement *element);
CG_EXTERN void CGPathApply(CGPathRef _Nullable path, void *_Nullable info, CGPathApplierFunction _Nullable function);
#if defined(__BLOCKS__)
typedef void (^CGPathApplyBlock)(const CGPathElement *element);
CG_EXTERN void CGPathApplyWithBlock(CGPathRef path, CGPathApplyBlock CF_NOESCAPE block)
    API_AVAILABLE(macos(10.13), ios(11.0));
#endif
CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGPATH_H_ */
