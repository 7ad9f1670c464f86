/* NSColor.h: colours: by components, named system colours, catalogue colours and their Core Graphics form. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSGraphics.h>
#import <CoreImage/CIColor.h>

@class NSImage, NSColorSpace;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSColorName NS_TYPED_EXTENSIBLE_ENUM;

@interface NSColor : NSObject <NSCopying, NSSecureCoding>

+ (NSColor *)colorWithRed:(CGFloat)red green:(CGFloat)green blue:(CGFloat)blue alpha:(CGFloat)alpha
    API_AVAILABLE(macos(10.9));
+ (NSColor *)colorWithSRGBRed:(CGFloat)red green:(CGFloat)green blue:(CGFloat)blue alpha:(CGFloat)alpha;
+ (NSColor *)colorWithWhite:(CGFloat)white alpha:(CGFloat)alpha API_AVAILABLE(macos(10.9));
+ (NSColor *)colorWithCalibratedRed:(CGFloat)red green:(CGFloat)green blue:(CGFloat)blue alpha:(CGFloat)alpha;
+ (NSColor *)colorWithCalibratedWhite:(CGFloat)white alpha:(CGFloat)alpha;
+ (NSColor *)colorWithDeviceRed:(CGFloat)red green:(CGFloat)green blue:(CGFloat)blue alpha:(CGFloat)alpha;
+ (NSColor *)colorWithHue:(CGFloat)hue saturation:(CGFloat)saturation brightness:(CGFloat)brightness alpha:(CGFloat)alpha
    API_AVAILABLE(macos(10.9));
+ (nullable NSColor *)colorNamed:(NSColorName)name API_AVAILABLE(macos(10.13));
+ (nullable NSColor *)colorWithCGColor:(CGColorRef)cgColor API_AVAILABLE(macos(10.8));
+ (NSColor *)colorWithPatternImage:(NSImage *)image;

@property (class, strong, readonly) NSColor *blackColor;
@property (class, strong, readonly) NSColor *darkGrayColor;
@property (class, strong, readonly) NSColor *lightGrayColor;
@property (class, strong, readonly) NSColor *whiteColor;
@property (class, strong, readonly) NSColor *grayColor;
@property (class, strong, readonly) NSColor *redColor;
@property (class, strong, readonly) NSColor *greenColor;
@property (class, strong, readonly) NSColor *blueColor;
@property (class, strong, readonly) NSColor *cyanColor;
@property (class, strong, readonly) NSColor *yellowColor;
@property (class, strong, readonly) NSColor *magentaColor;
@property (class, strong, readonly) NSColor *orangeColor;
@property (class, strong, readonly) NSColor *purpleColor;
@property (class, strong, readonly) NSColor *brownColor;
@property (class, strong, readonly) NSColor *clearColor;
@property (class, strong, readonly) NSColor *labelColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *secondaryLabelColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *textColor;
@property (class, strong, readonly) NSColor *textBackgroundColor;
@property (class, strong, readonly) NSColor *windowBackgroundColor;
@property (class, strong, readonly) NSColor *controlColor;
@property (class, strong, readonly) NSColor *controlAccentColor API_AVAILABLE(macos(10.14));
@property (class, strong, readonly) NSColor *selectedContentBackgroundColor API_AVAILABLE(macos(10.14));
@property (class, strong, readonly) NSColor *systemRedColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *systemGreenColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *systemBlueColor API_AVAILABLE(macos(10.10));

- (void)set;
- (void)setFill;
- (void)setStroke;
- (NSColor *)colorWithAlphaComponent:(CGFloat)alpha;
- (nullable NSColor *)blendedColorWithFraction:(CGFloat)fraction ofColor:(NSColor *)color;
@property (readonly) CGFloat redComponent;
@property (readonly) CGFloat greenComponent;
@property (readonly) CGFloat blueComponent;
@property (readonly) CGFloat alphaComponent;
- (void)getRed:(nullable CGFloat *)red
         green:(nullable CGFloat *)green
          blue:(nullable CGFloat *)blue
         alpha:(nullable CGFloat *)alpha;
@property (readonly) CGColorRef CGColor API_AVAILABLE(macos(10.8));
@property (readonly, copy) NSColorSpaceName colorSpaceName;
- (nullable NSColor *)colorUsingColorSpaceName:(NSColorSpaceName)name;
- (nullable NSColor *)colorUsingColorSpace:(NSColorSpace *)space API_AVAILABLE(macos(10.4));
+ (NSColor *)colorWithColorSpace:(NSColorSpace *)space
                      components:(const CGFloat *)components
                           count:(NSInteger)numberOfComponents;
+ (NSColor *)colorWithDeviceWhite:(CGFloat)white alpha:(CGFloat)alpha;
+ (NSColor *)colorWithGenericGamma22White:(CGFloat)white alpha:(CGFloat)alpha API_AVAILABLE(macos(10.12));
+ (NSColor *)colorWithDisplayP3Red:(CGFloat)red green:(CGFloat)green blue:(CGFloat)blue alpha:(CGFloat)alpha
    API_AVAILABLE(macos(10.12));
@property (readonly, strong) NSColorSpace *colorSpace API_AVAILABLE(macos(10.4));
@property (readonly) NSInteger numberOfComponents;
- (void)getComponents:(CGFloat *)components;
@property (readonly) CGFloat whiteComponent;
- (void)getWhite:(nullable CGFloat *)white alpha:(nullable CGFloat *)alpha;
@property (readonly) CGFloat hueComponent API_AVAILABLE(macos(10.0));
@property (readonly) CGFloat saturationComponent API_AVAILABLE(macos(10.0));
@property (readonly) CGFloat brightnessComponent API_AVAILABLE(macos(10.0));
- (void)getHue:(nullable CGFloat *)hue
    saturation:(nullable CGFloat *)saturation
    brightness:(nullable CGFloat *)brightness
         alpha:(nullable CGFloat *)alpha;

@end

@interface NSColor (NSAppKitColorExtensions)
+ (NSColor *)colorWithCIColor:(CIColor *)color;
@end

@interface CIColor (NSAppKitAdditions)
- (nullable instancetype)initWithColor:(NSColor *)color;
@end

@class NSPasteboard;

@interface NSColor (NSSystemColors)
@property (class, strong, readonly) NSColor *controlTextColor;
@property (class, strong, readonly) NSColor *disabledControlTextColor;
@property (class, strong, readonly) NSColor *controlBackgroundColor;
@property (class, strong, readonly) NSColor *selectedControlColor;
@property (class, strong, readonly) NSColor *selectedControlTextColor;
@property (class, strong, readonly) NSColor *selectedTextColor;
@property (class, strong, readonly) NSColor *selectedTextBackgroundColor;
@property (class, strong, readonly) NSColor *selectedMenuItemTextColor;
@property (class, strong, readonly) NSColor *alternateSelectedControlColor;
@property (class, strong, readonly) NSColor *alternateSelectedControlTextColor;
@property (class, strong, readonly) NSColor *secondarySelectedControlColor;
@property (class, strong, readonly) NSColor *keyboardFocusIndicatorColor;
@property (class, strong, readonly) NSColor *gridColor;
@property (class, strong, readonly) NSColor *headerTextColor;
@property (class, strong, readonly) NSColor *headerColor;
@property (class, strong, readonly) NSColor *highlightColor;
@property (class, strong, readonly) NSColor *shadowColor;
@property (class, strong, readonly) NSColor *controlHighlightColor;
@property (class, strong, readonly) NSColor *controlLightHighlightColor;
@property (class, strong, readonly) NSColor *controlShadowColor;
@property (class, strong, readonly) NSColor *controlDarkShadowColor;
@property (class, strong, readonly) NSColor *scrollBarColor;
@property (class, strong, readonly) NSColor *knobColor;
@property (class, strong, readonly) NSColor *selectedKnobColor;
@property (class, strong, readonly) NSColor *windowFrameColor;
@property (class, strong, readonly) NSColor *windowFrameTextColor;
@property (class, strong, readonly) NSColor *tertiaryLabelColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *quaternaryLabelColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *linkColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *placeholderTextColor API_AVAILABLE(macos(10.14));
@property (class, strong, readonly) NSColor *separatorColor API_AVAILABLE(macos(10.14));
@property (class, strong, readonly) NSColor *underPageBackgroundColor API_AVAILABLE(macos(10.8));
@property (class, strong, readonly) NSColor *unemphasizedSelectedContentBackgroundColor API_AVAILABLE(macos(10.14));
@property (class, strong, readonly) NSColor *unemphasizedSelectedTextBackgroundColor API_AVAILABLE(macos(10.14));
@property (class, strong, readonly) NSColor *unemphasizedSelectedTextColor API_AVAILABLE(macos(10.14));
@property (class, strong, readonly) NSColor *systemOrangeColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *systemYellowColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *systemBrownColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *systemPinkColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *systemPurpleColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *systemGrayColor API_AVAILABLE(macos(10.10));
@property (class, strong, readonly) NSColor *systemTealColor API_AVAILABLE(macos(10.12));
@property (class, strong, readonly) NSColor *systemIndigoColor API_AVAILABLE(macos(10.15));
+ (NSColor *)colorWithDeviceHue:(CGFloat)hue saturation:(CGFloat)saturation brightness:(CGFloat)brightness alpha:(CGFloat)alpha;
+ (NSColor *)colorWithCalibratedHue:(CGFloat)hue saturation:(CGFloat)saturation brightness:(CGFloat)brightness alpha:(CGFloat)alpha;
+ (nullable NSColor *)colorFromPasteboard:(NSPasteboard *)pasteBoard;
- (void)writeToPasteboard:(NSPasteboard *)pasteBoard;
- (nullable NSColor *)highlightWithLevel:(CGFloat)val;
- (nullable NSColor *)shadowWithLevel:(CGFloat)val;
- (void)drawSwatchInRect:(NSRect)rect;
@end

NS_ASSUME_NONNULL_END
