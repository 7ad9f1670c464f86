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
#include <CoreGraphics/CGGradient.h>
#include <CoreGraphics/CGPDFPage.h>
#include <CoreGraphics/CGFont.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGContext *CGContextRef;

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
    kCGBlendModeOverlay,
    kCGBlendModeDarken,
    kCGBlendModeLighten,
    kCGBlendModeColorDodge,
    kCGBlendModeColorBurn,
    kCGBlendModeSoftLight,
    kCGBlendModeHardLight,
    kCGBlendModeDifference,
    kCGBlendModeExclusion,
    kCGBlendModeHue,
    kCGBlendModeSaturation,
    kCGBlendModeColor,
    kCGBlendModeLuminosity,
    kCGBlendModeClear,
    kCGBlendModeCopy,
    kCGBlendModeSourceIn,
    kCGBlendModeSourceOut,
    kCGBlendModeSourceAtop,
    kCGBlendModeDestinationOver,
    kCGBlendModeDestinationIn,
    kCGBlendModeDestinationOut,
    kCGBlendModeDestinationAtop,
    kCGBlendModeXOR,
    kCGBlendModePlusDarker,
    kCGBlendModePlusLighter
};

typedef CF_ENUM(int32_t, CGInterpolationQuality) {
    kCGInterpolationDefault = 0,
    kCGInterpolationNone = 1,
    kCGInterpolationLow = 2,
    kCGInterpolationMedium = 4,
    kCGInterpolationHigh = 3
};

typedef CF_ENUM(int32_t, CGTextDrawingMode) {
    kCGTextFill,
    kCGTextStroke,
    kCGTextFillStroke,
    kCGTextInvisible,
    kCGTextFillClip,
    kCGTextStrokeClip,
    kCGTextFillStrokeClip,
    kCGTextClip
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
CG_EXTERN void CGContextFlush(CGContextRef _Nullable c);
CG_EXTERN void CGContextSynchronize(CGContextRef _Nullable c);
CG_EXTERN void CGContextSetMiterLimit(CGContextRef _Nullable c, CGFloat limit);
CG_EXTERN void CGContextSetLineDash(CGContextRef _Nullable c, CGFloat phase, const CGFloat *_Nullable lengths,
                                    size_t count);
CG_EXTERN void CGContextSetFlatness(CGContextRef _Nullable c, CGFloat flatness);
CG_EXTERN void CGContextAddQuadCurveToPoint(CGContextRef _Nullable c, CGFloat cpx, CGFloat cpy, CGFloat x, CGFloat y);
CG_EXTERN void CGContextAddRects(CGContextRef _Nullable c, const CGRect *_Nullable rects, size_t count);
CG_EXTERN void CGContextAddLines(CGContextRef _Nullable c, const CGPoint *_Nullable points, size_t count);
CG_EXTERN void CGContextAddArcToPoint(CGContextRef _Nullable c, CGFloat x1, CGFloat y1, CGFloat x2, CGFloat y2,
                                      CGFloat radius);
CG_EXTERN void CGContextReplacePathWithStrokedPath(CGContextRef _Nullable c);
CG_EXTERN bool CGContextIsPathEmpty(CGContextRef _Nullable c);
CG_EXTERN CGPoint CGContextGetPathCurrentPoint(CGContextRef _Nullable c);
CG_EXTERN CGRect CGContextGetPathBoundingBox(CGContextRef _Nullable c);
CG_EXTERN CGPathRef _Nullable CGContextCopyPath(CGContextRef _Nullable c);
CG_EXTERN bool CGContextPathContainsPoint(CGContextRef _Nullable c, CGPoint point, CGPathDrawingMode mode);
CG_EXTERN void CGContextFillRects(CGContextRef _Nullable c, const CGRect *_Nullable rects, size_t count);
CG_EXTERN void CGContextStrokeLineSegments(CGContextRef _Nullable c, const CGPoint *_Nullable points, size_t count);
CG_EXTERN void CGContextEOClip(CGContextRef _Nullable c);
CG_EXTERN void CGContextClipToRects(CGContextRef _Nullable c, const CGRect *rects, size_t count);
CG_EXTERN void CGContextClipToMask(CGContextRef _Nullable c, CGRect rect, CGImageRef _Nullable mask);
CG_EXTERN void CGContextSetFillColorSpace(CGContextRef _Nullable c, CGColorSpaceRef _Nullable space);
CG_EXTERN void CGContextSetStrokeColorSpace(CGContextRef _Nullable c, CGColorSpaceRef _Nullable space);
CG_EXTERN void CGContextSetFillColor(CGContextRef _Nullable c, const CGFloat *_Nullable components);
CG_EXTERN void CGContextSetStrokeColor(CGContextRef _Nullable c, const CGFloat *_Nullable components);
CG_EXTERN void CGContextSetGrayStrokeColor(CGContextRef _Nullable c, CGFloat gray, CGFloat alpha);
CG_EXTERN void CGContextSetCMYKFillColor(CGContextRef _Nullable c, CGFloat cyan, CGFloat magenta, CGFloat yellow,
                                         CGFloat black, CGFloat alpha);
CG_EXTERN void CGContextSetCMYKStrokeColor(CGContextRef _Nullable c, CGFloat cyan, CGFloat magenta, CGFloat yellow,
                                           CGFloat black, CGFloat alpha);
CG_EXTERN void CGContextSetRenderingIntent(CGContextRef _Nullable c, CGColorRenderingIntent intent);
CG_EXTERN void CGContextDrawTiledImage(CGContextRef _Nullable c, CGRect rect, CGImageRef _Nullable image);
CG_EXTERN CGInterpolationQuality CGContextGetInterpolationQuality(CGContextRef _Nullable c);
CG_EXTERN void CGContextSetInterpolationQuality(CGContextRef _Nullable c, CGInterpolationQuality quality);
CG_EXTERN void CGContextDrawLinearGradient(CGContextRef _Nullable c, CGGradientRef _Nullable gradient,
                                           CGPoint startPoint, CGPoint endPoint, CGGradientDrawingOptions options);
CG_EXTERN void CGContextDrawRadialGradient(CGContextRef _Nullable c, CGGradientRef _Nullable gradient,
                                           CGPoint startCenter, CGFloat startRadius, CGPoint endCenter,
                                           CGFloat endRadius, CGGradientDrawingOptions options);
CG_EXTERN void CGContextSetCharacterSpacing(CGContextRef _Nullable c, CGFloat spacing);
CG_EXTERN void CGContextSetTextPosition(CGContextRef _Nullable c, CGFloat x, CGFloat y);
CG_EXTERN CGPoint CGContextGetTextPosition(CGContextRef _Nullable c);
CG_EXTERN void CGContextSetTextMatrix(CGContextRef _Nullable c, CGAffineTransform t);
CG_EXTERN CGAffineTransform CGContextGetTextMatrix(CGContextRef _Nullable c);
CG_EXTERN void CGContextSetTextDrawingMode(CGContextRef _Nullable c, CGTextDrawingMode mode);
CG_EXTERN void CGContextSetFontSize(CGContextRef _Nullable c, CGFloat size);
CG_EXTERN void CGContextDrawPDFPage(CGContextRef _Nullable c, CGPDFPageRef _Nullable page);
CG_EXTERN void CGContextBeginPage(CGContextRef _Nullable c, const CGRect *_Nullable mediaBox);
CG_EXTERN void CGContextEndPage(CGContextRef _Nullable c);
CG_EXTERN void CGContextSetShouldAntialias(CGContextRef _Nullable c, bool shouldAntialias);
CG_EXTERN void CGContextSetAllowsAntialiasing(CGContextRef _Nullable c, bool allowsAntialiasing);
CG_EXTERN void CGContextSetShouldSmoothFonts(CGContextRef _Nullable c, bool shouldSmoothFonts);
CG_EXTERN void CGContextSetAllowsFontSmoothing(CGContextRef _Nullable c, bool allowsFontSmoothing);
CG_EXTERN void CGContextSetShouldSubpixelPositionFonts(CGContextRef _Nullable c, bool shouldSubpixelPositionFonts);
CG_EXTERN void CGContextBeginTransparencyLayer(CGContextRef _Nullable c, CFDictionaryRef _Nullable auxiliaryInfo);
CG_EXTERN void CGContextBeginTransparencyLayerWithRect(CGContextRef _Nullable c, CGRect rect,
                                                       CFDictionaryRef _Nullable auxInfo);
CG_EXTERN void CGContextEndTransparencyLayer(CGContextRef _Nullable c);
CG_EXTERN CGAffineTransform CGContextGetUserSpaceToDeviceSpaceTransform(CGContextRef _Nullable c);
CG_EXTERN CGPoint CGContextConvertPointToDeviceSpace(CGContextRef _Nullable c, CGPoint point);
CG_EXTERN CGPoint CGContextConvertPointToUserSpace(CGContextRef _Nullable c, CGPoint point);
CG_EXTERN CGSize CGContextConvertSizeToDeviceSpace(CGContextRef _Nullable c, CGSize size);
CG_EXTERN CGSize CGContextConvertSizeToUserSpace(CGContextRef _Nullable c, CGSize size);
CG_EXTERN CGRect CGContextConvertRectToDeviceSpace(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN CGRect CGContextConvertRectToUserSpace(CGContextRef _Nullable c, CGRect rect);
CG_EXTERN CFTypeID CGContextGetTypeID(void);

/* Glyphs drawn with the context's font. */
CG_EXTERN void CGContextSetFont(CGContextRef _Nullable c, CGFontRef _Nullable font);
CG_EXTERN void CGContextShowGlyphsAtPositions(CGContextRef _Nullable c, const CGGlyph *_Nullable glyphs,
                                              const CGPoint *_Nullable Lpositions, size_t count);
CG_EXTERN void CGContextSelectFont(CGContextRef _Nullable c, const char *_Nullable name, CGFloat size,
                                   int textEncoding) API_DEPRECATED("Use Core Text", macos(10.0, 10.9),
                                                                    ios(2.0, 7.0));
CG_EXTERN void CGContextShowTextAtPoint(CGContextRef _Nullable c, CGFloat x, CGFloat y, const char *_Nullable string,
                                        size_t length) API_DEPRECATED("Use Core Text", macos(10.0, 10.9),
                                                                      ios(2.0, 7.0));
CG_EXTERN void CGContextSetPatternPhase(CGContextRef _Nullable c, CGSize phase);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGCONTEXT_H_ */
