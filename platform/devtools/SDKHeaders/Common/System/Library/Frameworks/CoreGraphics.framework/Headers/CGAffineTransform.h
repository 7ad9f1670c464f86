/* CGAffineTransform.h: two-dimensional affine transformations and their application to points, sizes, rects. */
#ifndef CGAFFINETRANSFORM_H_
#define CGAFFINETRANSFORM_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGGeometry.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

struct CGAffineTransform {
    CGFloat a, b, c, d;
    CGFloat tx, ty;
};
typedef struct CG_BOXABLE CGAffineTransform CGAffineTransform;

CG_EXTERN const CGAffineTransform CGAffineTransformIdentity;

CG_EXTERN CGAffineTransform CGAffineTransformMake(CGFloat a, CGFloat b, CGFloat c, CGFloat d, CGFloat tx, CGFloat ty);
CG_EXTERN CGAffineTransform CGAffineTransformMakeTranslation(CGFloat tx, CGFloat ty);
CG_EXTERN CGAffineTransform CGAffineTransformMakeScale(CGFloat sx, CGFloat sy);
CG_EXTERN CGAffineTransform CGAffineTransformMakeRotation(CGFloat angle);
CG_EXTERN bool CGAffineTransformIsIdentity(CGAffineTransform t);
CG_EXTERN CGAffineTransform CGAffineTransformTranslate(CGAffineTransform t, CGFloat tx, CGFloat ty);
CG_EXTERN CGAffineTransform CGAffineTransformScale(CGAffineTransform t, CGFloat sx, CGFloat sy);
CG_EXTERN CGAffineTransform CGAffineTransformRotate(CGAffineTransform t, CGFloat angle);
CG_EXTERN CGAffineTransform CGAffineTransformInvert(CGAffineTransform t);
CG_EXTERN CGAffineTransform CGAffineTransformConcat(CGAffineTransform t1, CGAffineTransform t2);
CG_EXTERN bool CGAffineTransformEqualToTransform(CGAffineTransform t1, CGAffineTransform t2);
CG_EXTERN CGPoint CGPointApplyAffineTransform(CGPoint point, CGAffineTransform t);
CG_EXTERN CGSize CGSizeApplyAffineTransform(CGSize size, CGAffineTransform t);
CG_EXTERN CGRect CGRectApplyAffineTransform(CGRect rect, CGAffineTransform t);

struct CGAffineTransformComponents {
    CGSize scale;
    CGFloat horizontalShear;
    CGFloat rotation;
    CGVector translation;
};
typedef struct CGAffineTransformComponents CGAffineTransformComponents;
CG_EXTERN CGAffineTransformComponents CGAffineTransformDecompose(CGAffineTransform transform)
    API_AVAILABLE(macos(13.0), ios(16.0), tvos(16.0), watchos(9.0));
CG_EXTERN CGAffineTransform CGAffineTransformMakeWithComponents(CGAffineTransformComponents components)
    API_AVAILABLE(macos(13.0), ios(16.0), tvos(16.0), watchos(9.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGAFFINETRANSFORM_H_ */
