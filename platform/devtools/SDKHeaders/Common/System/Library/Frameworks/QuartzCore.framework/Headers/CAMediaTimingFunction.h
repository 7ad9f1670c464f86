/* CAMediaTimingFunction.h: the pacing curves of animations. */
#import <QuartzCore/CABase.h>
#import <Foundation/NSObject.h>
#import <Foundation/NSString.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *CAMediaTimingFunctionName NS_TYPED_ENUM;

API_AVAILABLE(macos(10.5), ios(2.0))
@interface CAMediaTimingFunction : NSObject <NSSecureCoding>
+ (instancetype)functionWithName:(CAMediaTimingFunctionName)name;
+ (instancetype)functionWithControlPoints:(float)c1x :(float)c1y :(float)c2x :(float)c2y;
- (instancetype)initWithControlPoints:(float)c1x :(float)c1y :(float)c2x :(float)c2y;
- (void)getControlPointAtIndex:(size_t)idx values:(float[_Nonnull 2])ptr;
@end

CA_EXTERN CAMediaTimingFunctionName const kCAMediaTimingFunctionLinear API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAMediaTimingFunctionName const kCAMediaTimingFunctionEaseIn API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAMediaTimingFunctionName const kCAMediaTimingFunctionEaseOut API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAMediaTimingFunctionName const kCAMediaTimingFunctionEaseInEaseOut API_AVAILABLE(macos(10.5), ios(2.0));
CA_EXTERN CAMediaTimingFunctionName const kCAMediaTimingFunctionDefault API_AVAILABLE(macos(10.6), ios(3.0));

NS_ASSUME_NONNULL_END
