/* CGContext.h: drawing destinations: graphics state, transformations, paths, colours and drawing. */
#ifndef CGCONTEXT_H_
#define CGCONTEXT_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGAffineTransform.h>
#include <CoreGraphics/CGColor.h>
#include <CoreGraphics/CGColorSpace.h>
#include <CoreGraphics/CGGeometry.h>
#include <CoreGraphics/CGImage.h>
#include <CoreGraphics/CGPath.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGContext *CGContextRef;

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

typedef CF_ENUM(int32_t, CGPathDrawingMode) {
    kCGPathFill,
    kCGPathEOFill,
    kCGPathStroke,
    kCGPathFillStroke,
    kCGPathEOFillStroke
};

typedef CF_ENUM(int32_t, CGBlendMode) {
    kCGBlendModeNormal,
    kCGBlendModeMultiply,
    kCGBlendModeScreen,
    kCGBlendModeOverlay
};

CG_EXTERN CGContextRef _Nullable CGContextRetain(CGContextRef _Nullable c);
CG_EXTERN void CGContextRelease(CGContextRef _Nullable c);
CG_EXTERN void CGContextSaveGState(CGContextRef _Nullable c);
CG_EXTERN void CGContextRestoreGState(CGContextRef _Nullable c);
CG_EXTERN void CGContextScaleCTM(CGContextRef _Nullable c, CGFloat sx, CGFloat sy);
CG_EXTERN void CGContextTranslateCTM(CGContextRef _Nullable c, CGFloat tx, CGFloat ty);
CG_EXTERN void CGContextRotateCTM(CGContextRef _Nullable c, CGFloat angle);
CG_EXTERN void CGContextConcatCTM(CGContextRef _Nullable c, CGAffineTransform transform);
CG_EXTERN CGAffineTransform CGContextGetCTM(CGContextRef _Nullable c);
CG_EXTERN void CGContextSetLineWidth(CGContextRef _Nullable c, CGFloat width);
CG_EXTERN void CGContextSetLineCap(CGContextRef _Nullable c, CGLineCap cap);
CG_EXTERN void CGContextSetLineJoin(CGContextRef _Nullable c, CGLineJoin join);
CG_EXTERN void CGContextSetAlpha(CGContextRef _Nullable c, CGFloat alpha);
CG_EXTERN void CGContextSetBlendMode(CGContextRef _Nullable c, CGBlendMode mode);
CG_EXTERN void CGContextBeginPath(CGContextRef _Nullable c);
CG_EXTERN void CGContextMoveToPoint(CGContextRef _Nullable c, CGFloat x, CGFloat y);
CG_EXTERN void CGContextAddLineToPoint(CGContextRef _Nullable c, CGFloat x, CGFloat y);
CG_EXTERN void CGContextAddCurveToPoint(CGContextRef _Nullable c, CGFloat cp1x, CGFloat cp1y, CGFloat cp2x,
                                        CGFloat cp2y, CGFloat x, CGFloat y);
CG_EXTERN void CGContextClosePath(CGContextRef _Nullable c);
CG_EXTERN void CGContextAddRect(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN void CGContextAddEllipseInRect(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN void CGContextAddArc(CGContextRef _Nullable c, CGFloat x, CGFloat y, CGFloat radius, CGFloat startAngle,
                               CGFloat endAngle, int clockwise);
CG_EXTERN void CGContextAddPath(CGContextRef _Nullable c, CGPathRef _Nullable path);
CG_EXTERN void CGContextDrawPath(CGContextRef _Nullable c, CGPathDrawingMode mode);
CG_EXTERN void CGContextFillPath(CGContextRef _Nullable c);
CG_EXTERN void CGContextEOFillPath(CGContextRef _Nullable c);
CG_EXTERN void CGContextStrokePath(CGContextRef _Nullable c);
CG_EXTERN void CGContextFillRect(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN void CGContextStrokeRect(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN void CGContextStrokeRectWithWidth(CGContextRef _Nullable c, CGRect rect, CGFloat width);
CG_EXTERN void CGContextClearRect(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN void CGContextFillEllipseInRect(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN void CGContextStrokeEllipseInRect(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN void CGContextClip(CGContextRef _Nullable c);
CG_EXTERN void CGContextClipToRect(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN void CGContextSetFillColorWithColor(CGContextRef _Nullable c, CGColorRef _Nullable color);
CG_EXTERN void CGContextSetStrokeColorWithColor(CGContextRef _Nullable c, CGColorRef _Nullable color);
CG_EXTERN void CGContextSetRGBFillColor(CGContextRef _Nullable c, CGFloat red, CGFloat green, CGFloat blue,
                                        CGFloat alpha);
CG_EXTERN void CGContextSetRGBStrokeColor(CGContextRef _Nullable c, CGFloat red, CGFloat green, CGFloat blue,
                                          CGFloat alpha);
CG_EXTERN void CGContextSetGrayFillColor(CGContextRef _Nullable c, CGFloat gray, CGFloat alpha);
CG_EXTERN void CGContextSetShadow(CGContextRef _Nullable c, CGSize offset, CGFloat blur);
CG_EXTERN void CGContextSetShadowWithColor(CGContextRef _Nullable c, CGSize offset, CGFloat blur,
                                           CGColorRef _Nullable color);
CG_EXTERN void CGContextDrawImage(CGContextRef _Nullable c, CGRect rect, CGImageRef _Nullable image);
CG_EXTERN CGRect CGContextGetClipBoundingBox(CGContextRef _Nullable c);
CG_EXTERN CFTypeID CGContextGetTypeID(void);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGCONTEXT_H_ */
