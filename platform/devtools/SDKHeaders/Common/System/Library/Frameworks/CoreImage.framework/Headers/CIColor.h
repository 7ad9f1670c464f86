/* CIColor.h: colours as Core Image filters take them, with their components and colour space. */
#import <CoreImage/CoreImageDefines.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.4), ios(5.0))
@interface CIColor : NSObject <NSSecureCoding, NSCopying>
+ (instancetype)colorWithCGColor:(CGColorRef)color;
+ (instancetype)colorWithRed:(CGFloat)r green:(CGFloat)g blue:(CGFloat)b alpha:(CGFloat)a;
+ (instancetype)colorWithRed:(CGFloat)r green:(CGFloat)g blue:(CGFloat)b;
+ (nullable instancetype)colorWithRed:(CGFloat)r
                                green:(CGFloat)g
                                 blue:(CGFloat)b
                                alpha:(CGFloat)a
                           colorSpace:(CGColorSpaceRef)colorSpace API_AVAILABLE(macos(10.12), ios(10.0));
+ (instancetype)colorWithString:(NSString *)representation;
- (instancetype)initWithCGColor:(CGColorRef)color NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithRed:(CGFloat)r green:(CGFloat)g blue:(CGFloat)b alpha:(CGFloat)a;
- (instancetype)initWithRed:(CGFloat)r green:(CGFloat)g blue:(CGFloat)b API_AVAILABLE(macos(10.11), ios(9.0));
@property (readonly) size_t numberOfComponents;
@property (readonly) const CGFloat *components NS_RETURNS_INNER_POINTER;
@property (readonly) CGFloat alpha;
@property (readonly) CGColorSpaceRef colorSpace CF_RETURNS_NOT_RETAINED;
@property (readonly) CGFloat red;
@property (readonly) CGFloat green;
@property (readonly) CGFloat blue;
@property (readonly) NSString *stringRepresentation;
@property (class, strong, readonly) CIColor *blackColor API_AVAILABLE(macos(10.12), ios(10.0));
@property (class, strong, readonly) CIColor *whiteColor API_AVAILABLE(macos(10.12), ios(10.0));
@property (class, strong, readonly) CIColor *grayColor API_AVAILABLE(macos(10.12), ios(10.0));
@property (class, strong, readonly) CIColor *redColor API_AVAILABLE(macos(10.12), ios(10.0));
@property (class, strong, readonly) CIColor *greenColor API_AVAILABLE(macos(10.12), ios(10.0));
@property (class, strong, readonly) CIColor *blueColor API_AVAILABLE(macos(10.12), ios(10.0));
@property (class, strong, readonly) CIColor *cyanColor API_AVAILABLE(macos(10.12), ios(10.0));
@property (class, strong, readonly) CIColor *magentaColor API_AVAILABLE(macos(10.12), ios(10.0));
@property (class, strong, readonly) CIColor *yellowColor API_AVAILABLE(macos(10.12), ios(10.0));
@property (class, strong, readonly) CIColor *clearColor API_AVAILABLE(macos(10.12), ios(10.0));
@end

NS_ASSUME_NONNULL_END
