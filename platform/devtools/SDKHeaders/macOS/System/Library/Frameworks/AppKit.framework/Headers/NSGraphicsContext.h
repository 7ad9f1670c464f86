/* NSGraphicsContext.h: AppKit's drawing destinations: the current context, its state and its Core Graphics form. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSGraphics.h>

@class NSBitmapImageRep, NSWindow;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSGraphicsContextAttributeKey NS_TYPED_ENUM;
APPKIT_EXTERN NSGraphicsContextAttributeKey const NSGraphicsContextDestinationAttributeName;
APPKIT_EXTERN NSGraphicsContextAttributeKey const NSGraphicsContextRepresentationFormatAttributeName;

typedef NS_ENUM(NSUInteger, NSImageInterpolation) {
    NSImageInterpolationDefault = 0,
    NSImageInterpolationNone = 1,
    NSImageInterpolationLow = 2,
    NSImageInterpolationMedium API_AVAILABLE(macos(10.6)) = 4,
    NSImageInterpolationHigh = 3
};

@interface NSGraphicsContext : NSObject
+ (nullable NSGraphicsContext *)graphicsContextWithAttributes:(NSDictionary<NSGraphicsContextAttributeKey, id> *)attributes;
+ (NSGraphicsContext *)graphicsContextWithWindow:(NSWindow *)window;
+ (nullable NSGraphicsContext *)graphicsContextWithBitmapImageRep:(NSBitmapImageRep *)bitmapRep;
+ (NSGraphicsContext *)graphicsContextWithCGContext:(CGContextRef)graphicsPort
                                            flipped:(BOOL)initialFlippedState API_AVAILABLE(macos(10.10));
@property (class, nullable, strong) NSGraphicsContext *currentContext;
+ (BOOL)currentContextDrawingToScreen;
+ (void)saveGraphicsState;
+ (void)restoreGraphicsState;
@property (nullable, readonly) NSDictionary<NSGraphicsContextAttributeKey, id> *attributes;
@property (readonly, getter=isDrawingToScreen) BOOL drawingToScreen;
- (void)saveGraphicsState;
- (void)restoreGraphicsState;
- (void)flushGraphics;
@property (readonly) CGContextRef CGContext API_AVAILABLE(macos(10.10));
@property (readonly, getter=isFlipped) BOOL flipped API_AVAILABLE(macos(10.6));
@property BOOL shouldAntialias;
@property NSImageInterpolation imageInterpolation;
@property NSPoint patternPhase;
@property NSCompositingOperation compositingOperation;
@property NSColorRenderingIntent colorRenderingIntent API_AVAILABLE(macos(10.5));
@end

NS_ASSUME_NONNULL_END
