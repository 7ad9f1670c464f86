/* CAReplicatorLayer.h: a layer that draws copies of its sublayers, each transformed and tinted from the last. */
#import <QuartzCore/CALayer.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.6), ios(3.0))
@interface CAReplicatorLayer : CALayer
@property NSInteger instanceCount;
@property BOOL preservesDepth;
@property CFTimeInterval instanceDelay;
@property CATransform3D instanceTransform;
@property (nullable) CGColorRef instanceColor;
@property float instanceRedOffset;
@property float instanceGreenOffset;
@property float instanceBlueOffset;
@property float instanceAlphaOffset;
@end

NS_ASSUME_NONNULL_END
