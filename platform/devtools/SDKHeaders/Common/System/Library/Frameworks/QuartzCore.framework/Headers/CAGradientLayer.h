/* CAGradientLayer.h: layers that draw a colour gradient. */
#import <QuartzCore/CALayer.h>

@class NSArray<ObjectType>, NSNumber, NSString;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *CAGradientLayerType NS_TYPED_ENUM;

API_AVAILABLE(macos(10.6), ios(3.0))
@interface CAGradientLayer : CALayer
@property (nullable, copy) NSArray *colors;
@property (nullable, copy) NSArray<NSNumber *> *locations;
@property CGPoint startPoint;
@property CGPoint endPoint;
@property (copy) CAGradientLayerType type;
@end

CA_EXTERN CAGradientLayerType const kCAGradientLayerAxial API_AVAILABLE(macos(10.6), ios(3.0));
CA_EXTERN CAGradientLayerType const kCAGradientLayerRadial API_AVAILABLE(macos(10.6), ios(3.2));

NS_ASSUME_NONNULL_END
