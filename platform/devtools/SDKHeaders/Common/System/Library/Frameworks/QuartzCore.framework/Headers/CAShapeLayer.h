/* CAShapeLayer.h: layers that draw a path: fill and stroke colours, line width, dashes and stroke range. */
#import <QuartzCore/CALayer.h>

@class NSArray<ObjectType>, NSNumber, NSString;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *CAShapeLayerFillRule NS_TYPED_ENUM;
typedef NSString *CAShapeLayerLineJoin NS_TYPED_ENUM;
typedef NSString *CAShapeLayerLineCap NS_TYPED_ENUM;

API_AVAILABLE(macos(10.6), ios(3.0))
@interface CAShapeLayer : CALayer
@property (nullable) CGPathRef path;
@property (nullable) CGColorRef fillColor;
@property (copy) CAShapeLayerFillRule fillRule;
@property (nullable) CGColorRef strokeColor;
@property CGFloat strokeStart;
@property CGFloat strokeEnd;
@property CGFloat lineWidth;
@property CGFloat miterLimit;
@property (copy) CAShapeLayerLineCap lineCap;
@property (copy) CAShapeLayerLineJoin lineJoin;
@property CGFloat lineDashPhase;
@property (nullable, copy) NSArray<NSNumber *> *lineDashPattern;
@end

CA_EXTERN CAShapeLayerFillRule const kCAFillRuleNonZero API_AVAILABLE(macos(10.6), ios(3.0));
CA_EXTERN CAShapeLayerFillRule const kCAFillRuleEvenOdd API_AVAILABLE(macos(10.6), ios(3.0));
CA_EXTERN CAShapeLayerLineCap const kCALineCapButt API_AVAILABLE(macos(10.6), ios(3.0));
CA_EXTERN CAShapeLayerLineCap const kCALineCapRound API_AVAILABLE(macos(10.6), ios(3.0));
CA_EXTERN CAShapeLayerLineCap const kCALineCapSquare API_AVAILABLE(macos(10.6), ios(3.0));
CA_EXTERN CAShapeLayerLineJoin const kCALineJoinMiter API_AVAILABLE(macos(10.6), ios(3.0));
CA_EXTERN CAShapeLayerLineJoin const kCALineJoinRound API_AVAILABLE(macos(10.6), ios(3.0));
CA_EXTERN CAShapeLayerLineJoin const kCALineJoinBevel API_AVAILABLE(macos(10.6), ios(3.0));

NS_ASSUME_NONNULL_END
