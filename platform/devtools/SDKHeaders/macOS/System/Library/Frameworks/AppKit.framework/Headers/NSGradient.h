/* NSGradient.h: colour gradients drawn linearly or radially into rectangles and paths. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

@class NSColor, NSColorSpace, NSBezierPath;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSGradientDrawingOptions) {
    NSGradientDrawsBeforeStartingLocation = (1 << 0),
    NSGradientDrawsAfterEndingLocation = (1 << 1),
};

API_AVAILABLE(macos(10.5))
@interface NSGradient : NSObject <NSCopying, NSSecureCoding>
- (nullable instancetype)initWithStartingColor:(NSColor *)startingColor endingColor:(NSColor *)endingColor;
- (nullable instancetype)initWithColors:(NSArray<NSColor *> *)colorArray;
- (nullable instancetype)initWithColorsAndLocations:(NSColor *)firstColor, ... NS_REQUIRES_NIL_TERMINATION;
- (nullable instancetype)initWithColors:(NSArray<NSColor *> *)colorArray
                            atLocations:(nullable const CGFloat *)locations
                             colorSpace:(NSColorSpace *)colorSpace NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (void)drawFromPoint:(NSPoint)startingPoint
              toPoint:(NSPoint)endingPoint
              options:(NSGradientDrawingOptions)options;
- (void)drawInRect:(NSRect)rect angle:(CGFloat)angle;
- (void)drawInBezierPath:(NSBezierPath *)path angle:(CGFloat)angle;
- (void)drawFromCenter:(NSPoint)startCenter
                radius:(CGFloat)startRadius
              toCenter:(NSPoint)endCenter
                radius:(CGFloat)endRadius
               options:(NSGradientDrawingOptions)options;
- (void)drawInRect:(NSRect)rect relativeCenterPosition:(NSPoint)relativeCenterPosition;
- (void)drawInBezierPath:(NSBezierPath *)path relativeCenterPosition:(NSPoint)relativeCenterPosition;
@property (readonly, strong) NSColorSpace *colorSpace;
@property (readonly) NSInteger numberOfColorStops;
- (void)getColor:(NSColor *_Nonnull *_Nullable)color location:(nullable CGFloat *)location atIndex:(NSInteger)index;
- (NSColor *)interpolatedColorAtLocation:(CGFloat)location;
@end

NS_ASSUME_NONNULL_END
