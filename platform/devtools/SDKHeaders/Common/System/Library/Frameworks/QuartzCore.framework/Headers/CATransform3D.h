/* CATransform3D.h: three-dimensional homogeneous transformations of layers. */
#ifndef CATRANSFORM_H
#define CATRANSFORM_H

#include <QuartzCore/CABase.h>

#if defined(__OBJC__)
#import <Foundation/NSValue.h>
#endif

struct CATransform3D {
    CGFloat m11, m12, m13, m14;
    CGFloat m21, m22, m23, m24;
    CGFloat m31, m32, m33, m34;
    CGFloat m41, m42, m43, m44;
};
typedef struct CATransform3D CATransform3D;

CA_EXTERN_C_BEGIN

CA_EXTERN const CATransform3D CATransform3DIdentity API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN bool CATransform3DIsIdentity(CATransform3D t) API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN bool CATransform3DEqualToTransform(CATransform3D a, CATransform3D b) API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransform3D CATransform3DMakeTranslation(CGFloat tx, CGFloat ty, CGFloat tz)
    API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransform3D CATransform3DMakeScale(CGFloat sx, CGFloat sy, CGFloat sz) API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransform3D CATransform3DMakeRotation(CGFloat angle, CGFloat x, CGFloat y, CGFloat z)
    API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransform3D CATransform3DTranslate(CATransform3D t, CGFloat tx, CGFloat ty, CGFloat tz)
    API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransform3D CATransform3DScale(CATransform3D t, CGFloat sx, CGFloat sy, CGFloat sz)
    API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransform3D CATransform3DRotate(CATransform3D t, CGFloat angle, CGFloat x, CGFloat y, CGFloat z)
    API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransform3D CATransform3DConcat(CATransform3D a, CATransform3D b) API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransform3D CATransform3DInvert(CATransform3D t) API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CATransform3D CATransform3DMakeAffineTransform(CGAffineTransform m) API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN bool CATransform3DIsAffine(CATransform3D t) API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CGAffineTransform CATransform3DGetAffineTransform(CATransform3D t) API_AVAILABLE(macos(10.5), ios(2.0));

CA_EXTERN_C_END

#if defined(__OBJC__)
NS_ASSUME_NONNULL_BEGIN
@interface NSValue (CATransform3DAdditions)
+ (NSValue *)valueWithCATransform3D:(CATransform3D)t;
@property (readonly) CATransform3D CATransform3DValue;
@end
NS_ASSUME_NONNULL_END
#endif

#endif /* CATRANSFORM_H */
