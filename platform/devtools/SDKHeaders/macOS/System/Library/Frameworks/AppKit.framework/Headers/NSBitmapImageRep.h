/* NSBitmapImageRep.h: bitmap image representations: pixel data, file formats and their properties. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSImageRep.h>

@class CIImage, NSColor, NSColorSpace;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSTIFFCompression) {
    NSTIFFCompressionNone = 1,
    NSTIFFCompressionCCITTFAX3 = 3,
    NSTIFFCompressionCCITTFAX4 = 4,
    NSTIFFCompressionLZW = 5,
    NSTIFFCompressionJPEG = 6,
    NSTIFFCompressionNEXT = 32766,
    NSTIFFCompressionPackBits = 32773,
    NSTIFFCompressionOldJPEG = 32865
};

typedef NS_ENUM(NSUInteger, NSBitmapImageFileType) {
    NSBitmapImageFileTypeTIFF,
    NSBitmapImageFileTypeBMP,
    NSBitmapImageFileTypeGIF,
    NSBitmapImageFileTypeJPEG,
    NSBitmapImageFileTypePNG,
    NSBitmapImageFileTypeJPEG2000
};
static const NSBitmapImageFileType NSTIFFFileType API_DEPRECATED_WITH_REPLACEMENT("NSBitmapImageFileTypeTIFF", macos(10.0, 10.12)) = NSBitmapImageFileTypeTIFF;
static const NSBitmapImageFileType NSBMPFileType API_DEPRECATED_WITH_REPLACEMENT("NSBitmapImageFileTypeBMP", macos(10.0, 10.12)) = NSBitmapImageFileTypeBMP;
static const NSBitmapImageFileType NSGIFFileType API_DEPRECATED_WITH_REPLACEMENT("NSBitmapImageFileTypeGIF", macos(10.0, 10.12)) = NSBitmapImageFileTypeGIF;
static const NSBitmapImageFileType NSJPEGFileType API_DEPRECATED_WITH_REPLACEMENT("NSBitmapImageFileTypeJPEG", macos(10.0, 10.12)) = NSBitmapImageFileTypeJPEG;
static const NSBitmapImageFileType NSPNGFileType API_DEPRECATED_WITH_REPLACEMENT("NSBitmapImageFileTypePNG", macos(10.0, 10.12)) = NSBitmapImageFileTypePNG;
static const NSBitmapImageFileType NSJPEG2000FileType API_DEPRECATED_WITH_REPLACEMENT("NSBitmapImageFileTypeJPEG2000", macos(10.0, 10.12)) = NSBitmapImageFileTypeJPEG2000;

typedef NS_ENUM(NSInteger, NSImageRepLoadStatus) {
    NSImageRepLoadStatusUnknownType = -1,
    NSImageRepLoadStatusReadingHeader = -2,
    NSImageRepLoadStatusWillNeedAllData = -3,
    NSImageRepLoadStatusInvalidData = -4,
    NSImageRepLoadStatusUnexpectedEOF = -5,
    NSImageRepLoadStatusCompleted = -6
};

typedef NS_OPTIONS(NSUInteger, NSBitmapFormat) {
    NSBitmapFormatAlphaFirst = 1 << 0,
    NSBitmapFormatAlphaNonpremultiplied = 1 << 1,
    NSBitmapFormatFloatingPointSamples = 1 << 2,
    NSBitmapFormatSixteenBitLittleEndian API_AVAILABLE(macos(10.10)) = (1 << 8),
    NSBitmapFormatThirtyTwoBitLittleEndian API_AVAILABLE(macos(10.10)) = (1 << 9),
    NSBitmapFormatSixteenBitBigEndian API_AVAILABLE(macos(10.10)) = (1 << 10),
    NSBitmapFormatThirtyTwoBitBigEndian API_AVAILABLE(macos(10.10)) = (1 << 11)
};

typedef NSString *NSBitmapImageRepPropertyKey NS_TYPED_EXTENSIBLE_ENUM;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageCompressionMethod;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageCompressionFactor;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageDitherTransparency;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageRGBColorTable;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageInterlaced;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageColorSyncProfileData;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageFrameCount;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageCurrentFrame;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageCurrentFrameDuration;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageLoopCount;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageGamma;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageProgressive;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageEXIFData;
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageIPTCData API_AVAILABLE(macos(10.13.4));
APPKIT_EXTERN NSBitmapImageRepPropertyKey NSImageFallbackBackgroundColor API_AVAILABLE(macos(10.5));

@interface NSBitmapImageRep : NSImageRep <NSSecureCoding>
- (nullable instancetype)initWithBitmapDataPlanes:(unsigned char *_Nullable *_Nullable)planes
                                       pixelsWide:(NSInteger)width
                                       pixelsHigh:(NSInteger)height
                                    bitsPerSample:(NSInteger)bps
                                  samplesPerPixel:(NSInteger)spp
                                         hasAlpha:(BOOL)alpha
                                         isPlanar:(BOOL)isPlanar
                                   colorSpaceName:(NSColorSpaceName)colorSpaceName
                                      bytesPerRow:(NSInteger)rBytes
                                     bitsPerPixel:(NSInteger)pBits;
- (nullable instancetype)initWithBitmapDataPlanes:(unsigned char *_Nullable *_Nullable)planes
                                       pixelsWide:(NSInteger)width
                                       pixelsHigh:(NSInteger)height
                                    bitsPerSample:(NSInteger)bps
                                  samplesPerPixel:(NSInteger)spp
                                         hasAlpha:(BOOL)alpha
                                         isPlanar:(BOOL)isPlanar
                                   colorSpaceName:(NSColorSpaceName)colorSpaceName
                                     bitmapFormat:(NSBitmapFormat)bitmapFormat
                                      bytesPerRow:(NSInteger)rBytes
                                     bitsPerPixel:(NSInteger)pBits;
- (instancetype)initWithCGImage:(CGImageRef)cgImage API_AVAILABLE(macos(10.5));
- (instancetype)initWithCIImage:(CIImage *)ciImage API_AVAILABLE(macos(10.5));
+ (NSArray<NSImageRep *> *)imageRepsWithData:(NSData *)data;
+ (nullable instancetype)imageRepWithData:(NSData *)data;
- (nullable instancetype)initWithData:(NSData *)data;
@property (nullable, readonly) unsigned char *bitmapData NS_RETURNS_INNER_POINTER;
- (void)getBitmapDataPlanes:(unsigned char *_Nullable *_Nonnull)data;
@property (readonly, getter=isPlanar) BOOL planar;
@property (readonly) NSInteger samplesPerPixel;
@property (readonly) NSInteger bitsPerPixel;
@property (readonly) NSInteger bytesPerRow;
@property (readonly) NSInteger bytesPerPlane;
@property (readonly) NSInteger numberOfPlanes;
@property (readonly) NSBitmapFormat bitmapFormat;
- (void)getCompression:(nullable NSTIFFCompression *)compression factor:(nullable float *)factor;
- (void)setCompression:(NSTIFFCompression)compression factor:(float)factor;
@property (nullable, readonly, copy) NSData *TIFFRepresentation;
- (nullable NSData *)TIFFRepresentationUsingCompression:(NSTIFFCompression)comp factor:(float)factor;
+ (nullable NSData *)TIFFRepresentationOfImageRepsInArray:(NSArray<NSImageRep *> *)array;
+ (nullable NSData *)representationOfImageRepsInArray:(NSArray<NSImageRep *> *)imageReps
                                            usingType:(NSBitmapImageFileType)storageType
                                           properties:(NSDictionary<NSBitmapImageRepPropertyKey, id> *)properties;
- (nullable NSData *)representationUsingType:(NSBitmapImageFileType)storageType
                                  properties:(NSDictionary<NSBitmapImageRepPropertyKey, id> *)properties;
- (void)setProperty:(NSBitmapImageRepPropertyKey)property withValue:(nullable id)value;
- (nullable id)valueForProperty:(NSBitmapImageRepPropertyKey)property;
@property (nullable, readonly) CGImageRef CGImage API_AVAILABLE(macos(10.5));
@property (readonly, strong) NSColorSpace *colorSpace API_AVAILABLE(macos(10.6));
- (nullable NSBitmapImageRep *)bitmapImageRepByConvertingToColorSpace:(NSColorSpace *)targetSpace
                                                      renderingIntent:(NSColorRenderingIntent)renderingIntent
    API_AVAILABLE(macos(10.6));
- (nullable NSBitmapImageRep *)bitmapImageRepByRetaggingWithColorSpace:(NSColorSpace *)newSpace
    API_AVAILABLE(macos(10.6));
- (nullable NSColor *)colorAtX:(NSInteger)x y:(NSInteger)y;
- (void)setColor:(NSColor *)color atX:(NSInteger)x y:(NSInteger)y;
- (void)getPixel:(NSUInteger[_Nonnull])p atX:(NSInteger)x y:(NSInteger)y;
- (void)setPixel:(NSUInteger[_Nonnull])p atX:(NSInteger)x y:(NSInteger)y;
- (NSImageRepLoadStatus)incrementalLoadFromData:(NSData *)data complete:(BOOL)complete;
- (instancetype)initForIncrementalLoad;
@end

NS_ASSUME_NONNULL_END
