/* NSImage.h: images: by name from the bundle or asset catalogue, from files and data; sizes and drawing. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSGraphics.h>
#import <AppKit/NSImageRep.h>
#import <AppKit/NSBitmapImageRep.h>

@class NSColor, NSGraphicsContext;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSImageName NS_TYPED_EXTENSIBLE_ENUM;

APPKIT_EXTERN NSImageName const NSImageNameApplicationIcon;
APPKIT_EXTERN NSImageName const NSImageNameFolder;
APPKIT_EXTERN NSImageName const NSImageNameActionTemplate;
APPKIT_EXTERN NSImageName const NSImageNameAddTemplate;
APPKIT_EXTERN NSImageName const NSImageNameRemoveTemplate;

typedef NS_ENUM(NSUInteger, NSImageCacheMode) {
    NSImageCacheDefault,
    NSImageCacheAlways,
    NSImageCacheBySize,
    NSImageCacheNever
};

typedef NS_ENUM(NSInteger, NSImageResizingMode) {
    NSImageResizingModeTile,
    NSImageResizingModeStretch
} API_AVAILABLE(macos(10.10));

typedef NS_ENUM(NSInteger, NSImageDynamicRange) {
    NSImageDynamicRangeUnspecified = -1,
    NSImageDynamicRangeStandard = 0,
    NSImageDynamicRangeConstrainedHigh = 1,
    NSImageDynamicRangeHigh = 2,
} API_AVAILABLE(macos(14.0));

@interface NSImage : NSObject <NSCopying, NSSecureCoding>

+ (nullable NSImage *)imageNamed:(NSImageName)name;
+ (nullable instancetype)imageWithSystemSymbolName:(NSString *)name
                          accessibilityDescription:(nullable NSString *)description API_AVAILABLE(macos(11.0));
- (instancetype)initWithSize:(NSSize)size NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithData:(NSData *)data;
- (nullable instancetype)initWithContentsOfFile:(NSString *)fileName;
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url;
- (nullable instancetype)initByReferencingFile:(NSString *)fileName;
- (instancetype)initWithCGImage:(CGImageRef)cgImage size:(NSSize)size API_AVAILABLE(macos(10.6));
#if defined(__BLOCKS__)
+ (instancetype)imageWithSize:(NSSize)size
                      flipped:(BOOL)drawingHandlerShouldBeCalledWithFlippedContext
               drawingHandler:(BOOL (^)(NSRect dstRect))drawingHandler API_AVAILABLE(macos(10.8));
#endif

@property NSSize size;
/* The template flag, as methods: its property name is a C++ keyword. */
- (BOOL)isTemplate API_AVAILABLE(macos(10.5));
- (void)setTemplate:(BOOL)isTemplate API_AVAILABLE(macos(10.5));
@property (nullable, copy) NSString *accessibilityDescription API_AVAILABLE(macos(10.6));
@property (readonly, getter=isValid) BOOL valid;
@property NSImageCacheMode cacheMode;
@property NSEdgeInsets capInsets API_AVAILABLE(macos(10.10));
@property NSImageResizingMode resizingMode API_AVAILABLE(macos(10.10));
@property NSRect alignmentRect API_AVAILABLE(macos(10.7));
@property (copy) NSColor *backgroundColor;
@property BOOL matchesOnMultipleResolution;
@property BOOL matchesOnlyOnBestFittingAxis API_AVAILABLE(macos(10.7));
@property BOOL usesEPSOnResolutionMismatch;
@property BOOL prefersColorMatch;
- (void)recache;
@property (readonly, copy) NSArray<NSImageRep *> *representations;
- (void)addRepresentations:(NSArray<NSImageRep *> *)imageReps;
- (void)addRepresentation:(NSImageRep *)imageRep;
- (void)removeRepresentation:(NSImageRep *)imageRep;
- (nullable NSImageRep *)bestRepresentationForRect:(NSRect)rect
                                           context:(nullable NSGraphicsContext *)referenceContext
                                             hints:(nullable NSDictionary<NSImageHintKey, id> *)hints
    API_AVAILABLE(macos(10.6));
- (BOOL)hitTestRect:(NSRect)testRectDestSpace
    withImageDestinationRect:(NSRect)imageRectDestSpace
                     context:(nullable NSGraphicsContext *)context
                       hints:(nullable NSDictionary<NSImageHintKey, id> *)hints
                     flipped:(BOOL)flipped API_AVAILABLE(macos(10.6));
- (CGFloat)recommendedLayerContentsScale:(CGFloat)preferredContentsScale API_AVAILABLE(macos(10.7));
- (id)layerContentsForContentsScale:(CGFloat)layerContentsScale API_AVAILABLE(macos(10.7));
- (nullable NSData *)TIFFRepresentationUsingCompression:(NSTIFFCompression)comp factor:(float)factor;
@property (class, readonly, copy) NSArray<NSString *> *imageTypes API_AVAILABLE(macos(10.5));
@property (class, readonly, copy) NSArray<NSString *> *imageUnfilteredTypes API_AVAILABLE(macos(10.5));
+ (BOOL)canInitWithData:(NSData *)data API_DEPRECATED("Use +imageUnfilteredTypes and NSImageRep instead", macos(10.0, 100000));
@property (nullable, readonly, copy) NSData *TIFFRepresentation;
- (BOOL)setName:(nullable NSImageName)string;
- (nullable NSImageName)name;
- (void)lockFocus;
- (void)unlockFocus;
- (void)drawAtPoint:(NSPoint)point
           fromRect:(NSRect)fromRect
          operation:(NSCompositingOperation)op
           fraction:(CGFloat)delta;
- (void)drawInRect:(NSRect)rect
          fromRect:(NSRect)fromRect
         operation:(NSCompositingOperation)op
          fraction:(CGFloat)delta;
- (void)drawInRect:(NSRect)rect API_AVAILABLE(macos(10.9));
- (nullable CGImageRef)CGImageForProposedRect:(nullable NSRect *)proposedDestRect
                                      context:(nullable id)referenceContext
                                        hints:(nullable NSDictionary *)hints API_AVAILABLE(macos(10.6))
    CF_RETURNS_NOT_RETAINED;

- (BOOL)drawRepresentation:(NSImageRep *)imageRep inRect:(NSRect)rect;
@end

@interface NSBundle (NSBundleImageExtension)
- (nullable NSImage *)imageForResource:(NSImageName)name API_AVAILABLE(macos(10.7));
@end

@interface NSImage (NSImageCompositing)
- (void)setScalesWhenResized:(BOOL)flag API_DEPRECATED("", macos(10.0, 10.6));
- (BOOL)scalesWhenResized API_DEPRECATED("", macos(10.0, 10.6));
- (void)compositeToPoint:(NSPoint)point operation:(NSCompositingOperation)op API_DEPRECATED("Use -drawAtPoint:... or -drawInRect:... methods instead", macos(10.0, 10.8));
- (void)compositeToPoint:(NSPoint)point fromRect:(NSRect)rect operation:(NSCompositingOperation)op fraction:(CGFloat)delta API_DEPRECATED("Use -drawAtPoint:... or -drawInRect:... methods instead", macos(10.0, 10.8));
- (void)dissolveToPoint:(NSPoint)point fraction:(CGFloat)aFloat API_DEPRECATED("Use -drawAtPoint:... or -drawInRect:... methods instead", macos(10.0, 10.8));
- (void)drawInRect:(NSRect)dstSpacePortionRect fromRect:(NSRect)srcSpacePortionRect operation:(NSCompositingOperation)op fraction:(CGFloat)requestedAlpha respectFlipped:(BOOL)respectContextIsFlipped hints:(nullable NSDictionary *)hints API_AVAILABLE(macos(10.6));
- (void)setFlipped:(BOOL)flag API_DEPRECATED("", macos(10.0, 10.6));
- (BOOL)isFlipped API_DEPRECATED("", macos(10.0, 10.6));
@end

NS_ASSUME_NONNULL_END
