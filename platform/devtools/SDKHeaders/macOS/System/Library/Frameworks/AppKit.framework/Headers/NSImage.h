/* NSImage.h: images: by name from the bundle or asset catalogue, from files and data; sizes and drawing. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSGraphics.h>

@class NSColor;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSImageName NS_TYPED_EXTENSIBLE_ENUM;

APPKIT_EXTERN NSImageName const NSImageNameApplicationIcon;
APPKIT_EXTERN NSImageName const NSImageNameFolder;
APPKIT_EXTERN NSImageName const NSImageNameActionTemplate;
APPKIT_EXTERN NSImageName const NSImageNameAddTemplate;
APPKIT_EXTERN NSImageName const NSImageNameRemoveTemplate;

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

@end

@interface NSBundle (NSBundleImageExtension)
- (nullable NSImage *)imageForResource:(NSImageName)name API_AVAILABLE(macos(10.7));
@end

NS_ASSUME_NONNULL_END
