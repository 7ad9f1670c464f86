/* NSAffineTransform.h: affine transformations of the plane (translation, rotation, scaling) and their matrices. */
#import <Foundation/NSGeometry.h>
#import <Foundation/NSObject.h>

NS_ASSUME_NONNULL_BEGIN

typedef struct {
    CGFloat m11, m12, m21, m22;
    CGFloat tX, tY;
} NSAffineTransformStruct;

@interface NSAffineTransform : NSObject <NSCopying, NSSecureCoding>
+ (NSAffineTransform *)transform;
- (instancetype)initWithTransform:(NSAffineTransform *)transform;
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (void)translateXBy:(CGFloat)deltaX yBy:(CGFloat)deltaY;
- (void)rotateByDegrees:(CGFloat)angle;
- (void)rotateByRadians:(CGFloat)angle;
- (void)scaleBy:(CGFloat)scale;
- (void)scaleXBy:(CGFloat)scaleX yBy:(CGFloat)scaleY;
- (void)invert;
- (void)appendTransform:(NSAffineTransform *)transform;
- (void)prependTransform:(NSAffineTransform *)transform;
- (NSPoint)transformPoint:(NSPoint)aPoint;
- (NSSize)transformSize:(NSSize)aSize;
@property NSAffineTransformStruct transformStruct;
@end

NS_ASSUME_NONNULL_END
