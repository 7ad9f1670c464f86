/* CIVector.h: vectors of floating-point values that filters take as points, rects and transforms. */
#import <CoreImage/CoreImageDefines.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.4), ios(5.0))
@interface CIVector : NSObject <NSCopying, NSSecureCoding>
+ (instancetype)vectorWithValues:(const CGFloat *)values count:(size_t)count;
+ (instancetype)vectorWithX:(CGFloat)x;
+ (instancetype)vectorWithX:(CGFloat)x Y:(CGFloat)y;
+ (instancetype)vectorWithX:(CGFloat)x Y:(CGFloat)y Z:(CGFloat)z;
+ (instancetype)vectorWithX:(CGFloat)x Y:(CGFloat)y Z:(CGFloat)z W:(CGFloat)w;
+ (instancetype)vectorWithCGPoint:(CGPoint)p API_AVAILABLE(macos(10.9), ios(5.0));
+ (instancetype)vectorWithCGRect:(CGRect)r API_AVAILABLE(macos(10.9), ios(5.0));
+ (instancetype)vectorWithCGAffineTransform:(CGAffineTransform)t API_AVAILABLE(macos(10.9), ios(5.0));
+ (instancetype)vectorWithString:(NSString *)representation;
- (instancetype)initWithValues:(const CGFloat *)values count:(size_t)count NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithX:(CGFloat)x;
- (instancetype)initWithX:(CGFloat)x Y:(CGFloat)y;
- (instancetype)initWithX:(CGFloat)x Y:(CGFloat)y Z:(CGFloat)z;
- (instancetype)initWithX:(CGFloat)x Y:(CGFloat)y Z:(CGFloat)z W:(CGFloat)w;
- (instancetype)initWithCGPoint:(CGPoint)p API_AVAILABLE(macos(10.9), ios(5.0));
- (instancetype)initWithCGRect:(CGRect)r API_AVAILABLE(macos(10.9), ios(5.0));
- (instancetype)initWithString:(NSString *)representation;
- (CGFloat)valueAtIndex:(size_t)index;
@property (readonly) size_t count;
@property (readonly) CGFloat X;
@property (readonly) CGFloat Y;
@property (readonly) CGFloat Z;
@property (readonly) CGFloat W;
@property (readonly) CGPoint CGPointValue API_AVAILABLE(macos(10.9), ios(5.0));
@property (readonly) CGRect CGRectValue API_AVAILABLE(macos(10.9), ios(5.0));
@property (readonly) CGAffineTransform CGAffineTransformValue API_AVAILABLE(macos(10.9), ios(5.0));
@property (readonly) NSString *stringRepresentation;
@end

NS_ASSUME_NONNULL_END
