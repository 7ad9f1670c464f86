/* UIColor.h: colours: by components, named system colours, catalogue colours and their Core Graphics form. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <CoreImage/CIColor.h>

@class UIImage, UITraitCollection;

NS_ASSUME_NONNULL_BEGIN

@interface UIColor : NSObject <NSSecureCoding, NSCopying>

+ (UIColor *)colorWithWhite:(CGFloat)white alpha:(CGFloat)alpha;
+ (UIColor *)colorWithHue:(CGFloat)hue saturation:(CGFloat)saturation brightness:(CGFloat)brightness alpha:(CGFloat)alpha;
+ (UIColor *)colorWithRed:(CGFloat)red green:(CGFloat)green blue:(CGFloat)blue alpha:(CGFloat)alpha;
+ (UIColor *)colorWithDisplayP3Red:(CGFloat)displayP3Red
                             green:(CGFloat)green
                              blue:(CGFloat)blue
                             alpha:(CGFloat)alpha API_AVAILABLE(ios(10.0));
+ (UIColor *)colorWithCGColor:(CGColorRef)cgColor;
+ (UIColor *)colorWithPatternImage:(UIImage *)image;
+ (nullable UIColor *)colorNamed:(NSString *)name API_AVAILABLE(ios(11.0));
+ (nullable UIColor *)colorNamed:(NSString *)name
                        inBundle:(nullable NSBundle *)bundle
   compatibleWithTraitCollection:(nullable UITraitCollection *)traitCollection API_AVAILABLE(ios(11.0));
#if defined(__BLOCKS__)
+ (UIColor *)colorWithDynamicProvider:(UIColor * (^)(UITraitCollection *traitCollection))dynamicProvider
    API_AVAILABLE(ios(13.0));
#endif

- (UIColor *)initWithWhite:(CGFloat)white alpha:(CGFloat)alpha;
- (UIColor *)initWithRed:(CGFloat)red green:(CGFloat)green blue:(CGFloat)blue alpha:(CGFloat)alpha;
- (UIColor *)initWithCGColor:(CGColorRef)cgColor;

@property (class, nonatomic, readonly) UIColor *blackColor;
@property (class, nonatomic, readonly) UIColor *darkGrayColor;
@property (class, nonatomic, readonly) UIColor *lightGrayColor;
@property (class, nonatomic, readonly) UIColor *whiteColor;
@property (class, nonatomic, readonly) UIColor *grayColor;
@property (class, nonatomic, readonly) UIColor *redColor;
@property (class, nonatomic, readonly) UIColor *greenColor;
@property (class, nonatomic, readonly) UIColor *blueColor;
@property (class, nonatomic, readonly) UIColor *cyanColor;
@property (class, nonatomic, readonly) UIColor *yellowColor;
@property (class, nonatomic, readonly) UIColor *magentaColor;
@property (class, nonatomic, readonly) UIColor *orangeColor;
@property (class, nonatomic, readonly) UIColor *purpleColor;
@property (class, nonatomic, readonly) UIColor *brownColor;
@property (class, nonatomic, readonly) UIColor *clearColor;

@property (class, nonatomic, readonly) UIColor *systemRedColor API_AVAILABLE(ios(7.0));
@property (class, nonatomic, readonly) UIColor *systemGreenColor API_AVAILABLE(ios(7.0));
@property (class, nonatomic, readonly) UIColor *systemBlueColor API_AVAILABLE(ios(7.0));
@property (class, nonatomic, readonly) UIColor *systemOrangeColor API_AVAILABLE(ios(7.0));
@property (class, nonatomic, readonly) UIColor *systemYellowColor API_AVAILABLE(ios(7.0));
@property (class, nonatomic, readonly) UIColor *systemGrayColor API_AVAILABLE(ios(7.0));
@property (class, nonatomic, readonly) UIColor *systemPinkColor API_AVAILABLE(ios(7.0));
@property (class, nonatomic, readonly) UIColor *systemPurpleColor API_AVAILABLE(ios(9.0));
@property (class, nonatomic, readonly) UIColor *systemTealColor API_AVAILABLE(ios(7.0));
@property (class, nonatomic, readonly) UIColor *systemIndigoColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *systemBrownColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *systemMintColor API_AVAILABLE(ios(15.0));
@property (class, nonatomic, readonly) UIColor *systemCyanColor API_AVAILABLE(ios(15.0));
@property (class, nonatomic, readonly) UIColor *systemGray2Color API_AVAILABLE(ios(13.0)) API_UNAVAILABLE(tvos);
@property (class, nonatomic, readonly) UIColor *systemGray3Color API_AVAILABLE(ios(13.0)) API_UNAVAILABLE(tvos);
@property (class, nonatomic, readonly) UIColor *systemGray4Color API_AVAILABLE(ios(13.0)) API_UNAVAILABLE(tvos);
@property (class, nonatomic, readonly) UIColor *systemGray5Color API_AVAILABLE(ios(13.0)) API_UNAVAILABLE(tvos);
@property (class, nonatomic, readonly) UIColor *systemGray6Color API_AVAILABLE(ios(13.0)) API_UNAVAILABLE(tvos);
@property (class, nonatomic, readonly) UIColor *quaternaryLabelColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *placeholderTextColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *opaqueSeparatorColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *tertiarySystemBackgroundColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *secondarySystemGroupedBackgroundColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *tertiarySystemGroupedBackgroundColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *systemFillColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *secondarySystemFillColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *tertiarySystemFillColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *quaternarySystemFillColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *lightTextColor API_UNAVAILABLE(tvos);
@property (class, nonatomic, readonly) UIColor *darkTextColor API_UNAVAILABLE(tvos);
@property (class, nonatomic, readonly) UIColor *groupTableViewBackgroundColor
    API_DEPRECATED_WITH_REPLACEMENT("systemGroupedBackgroundColor", ios(2.0, 13.0));
@property (class, nonatomic, readonly) UIColor *labelColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *secondaryLabelColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *tertiaryLabelColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *linkColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *separatorColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *systemBackgroundColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *secondarySystemBackgroundColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *systemGroupedBackgroundColor API_AVAILABLE(ios(13.0));
@property (class, nonatomic, readonly) UIColor *tintColor API_AVAILABLE(ios(15.0));

- (void)set;
- (void)setFill;
- (void)setStroke;
- (BOOL)getWhite:(nullable CGFloat *)white alpha:(nullable CGFloat *)alpha API_AVAILABLE(ios(5.0));
- (BOOL)getHue:(nullable CGFloat *)hue
    saturation:(nullable CGFloat *)saturation
    brightness:(nullable CGFloat *)brightness
         alpha:(nullable CGFloat *)alpha API_AVAILABLE(ios(5.0));
- (BOOL)getRed:(nullable CGFloat *)red
         green:(nullable CGFloat *)green
          blue:(nullable CGFloat *)blue
         alpha:(nullable CGFloat *)alpha API_AVAILABLE(ios(5.0));
- (UIColor *)colorWithAlphaComponent:(CGFloat)alpha;
- (UIColor *)resolvedColorWithTraitCollection:(UITraitCollection *)traitCollection API_AVAILABLE(ios(13.0));

@property (nonatomic, readonly) CGColorRef CGColor;
- (CGColorRef)CGColor NS_RETURNS_INNER_POINTER CF_RETURNS_NOT_RETAINED;

@end

@interface UIColor (UIColorCIColor)
+ (UIColor *)colorWithCIColor:(CIColor *)ciColor API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(watchos);
- (UIColor *)initWithCIColor:(CIColor *)ciColor API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(watchos);
@property (nonatomic, readonly) CIColor *CIColor API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(watchos);
@end

@interface CIColor (UIKitAdditions)
- (instancetype)initWithColor:(UIColor *)color API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(watchos);
@end

NS_ASSUME_NONNULL_END
