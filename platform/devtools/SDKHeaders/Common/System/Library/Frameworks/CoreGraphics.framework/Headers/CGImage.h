/* CGImage.h: bitmap images and image masks: how their pixels are laid out, how they are made and what they hold. */
#ifndef CGIMAGE_H_
#define CGIMAGE_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGColorSpace.h>
#include <CoreGraphics/CGDataProvider.h>
#include <CoreGraphics/CGGeometry.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGImage *CGImageRef;

typedef CF_ENUM(uint32_t, CGImageAlphaInfo) {
    kCGImageAlphaNone,
    kCGImageAlphaPremultipliedLast,
    kCGImageAlphaPremultipliedFirst,
    kCGImageAlphaLast,
    kCGImageAlphaFirst,
    kCGImageAlphaNoneSkipLast,
    kCGImageAlphaNoneSkipFirst,
    kCGImageAlphaOnly
};

typedef CF_ENUM(uint32_t, CGImageByteOrderInfo) {
    kCGImageByteOrderMask = 0x7000,
    kCGImageByteOrderDefault = (0 << 12),
    kCGImageByteOrder16Little = (1 << 12),
    kCGImageByteOrder32Little = (2 << 12),
    kCGImageByteOrder16Big = (3 << 12),
    kCGImageByteOrder32Big = (4 << 12)
} API_AVAILABLE(macos(10.0), ios(2.0));

typedef CF_ENUM(uint32_t, CGImagePixelFormatInfo) {
    kCGImagePixelFormatMask = 0xF0000,
    kCGImagePixelFormatPacked = (0 << 16),
    kCGImagePixelFormatRGB555 = (1 << 16),
    kCGImagePixelFormatRGB565 = (2 << 16),
    kCGImagePixelFormatRGB101010 = (3 << 16),
    kCGImagePixelFormatRGBCIF10 = (4 << 16)
} API_AVAILABLE(macos(10.14), ios(12.0));

typedef CF_OPTIONS(uint32_t, CGBitmapInfo) {
    kCGBitmapAlphaInfoMask = 0x1F,
    kCGBitmapFloatInfoMask = 0xF00,
    kCGBitmapFloatComponents = (1 << 8),
    kCGBitmapByteOrderMask = kCGImageByteOrderMask,
    kCGBitmapByteOrderDefault = kCGImageByteOrderDefault,
    kCGBitmapByteOrder16Little = kCGImageByteOrder16Little,
    kCGBitmapByteOrder32Little = kCGImageByteOrder32Little,
    kCGBitmapByteOrder16Big = kCGImageByteOrder16Big,
    kCGBitmapByteOrder32Big = kCGImageByteOrder32Big
} API_AVAILABLE(macos(10.0), ios(2.0));

#if defined(__BIG_ENDIAN__)
#define kCGBitmapByteOrder16Host kCGBitmapByteOrder16Big
#define kCGBitmapByteOrder32Host kCGBitmapByteOrder32Big
#else
#define kCGBitmapByteOrder16Host kCGBitmapByteOrder16Little
#define kCGBitmapByteOrder32Host kCGBitmapByteOrder32Little
#endif

CG_EXTERN CFTypeID CGImageGetTypeID(void);

CG_EXTERN CGImageRef _Nullable CGImageCreate(size_t width, size_t height, size_t bitsPerComponent, size_t bitsPerPixel,
                                             size_t bytesPerRow, CGColorSpaceRef _Nullable space,
                                             CGBitmapInfo bitmapInfo, CGDataProviderRef _Nullable provider,
                                             const CGFloat *_Nullable decode, bool shouldInterpolate,
                                             CGColorRenderingIntent intent);
CG_EXTERN CGImageRef _Nullable CGImageMaskCreate(size_t width, size_t height, size_t bitsPerComponent,
                                                 size_t bitsPerPixel, size_t bytesPerRow,
                                                 CGDataProviderRef _Nullable provider,
                                                 const CGFloat *_Nullable decode, bool shouldInterpolate);
CG_EXTERN CGImageRef _Nullable CGImageCreateCopy(CGImageRef _Nullable image);
CG_EXTERN CGImageRef _Nullable CGImageCreateWithJPEGDataProvider(CGDataProviderRef _Nullable source,
                                                                 const CGFloat *_Nullable decode,
                                                                 bool shouldInterpolate,
                                                                 CGColorRenderingIntent intent);
CG_EXTERN CGImageRef _Nullable CGImageCreateWithPNGDataProvider(CGDataProviderRef _Nullable source,
                                                                const CGFloat *_Nullable decode,
                                                                bool shouldInterpolate, CGColorRenderingIntent intent);
CG_EXTERN CGImageRef _Nullable CGImageCreateWithImageInRect(CGImageRef _Nullable image, CGRect rect);
CG_EXTERN CGImageRef _Nullable CGImageCreateWithMask(CGImageRef _Nullable image, CGImageRef _Nullable mask);
CG_EXTERN CGImageRef _Nullable CGImageCreateWithMaskingColors(CGImageRef _Nullable image,
                                                              const CGFloat *_Nullable components);
CG_EXTERN CGImageRef _Nullable CGImageCreateCopyWithColorSpace(CGImageRef _Nullable image,
                                                               CGColorSpaceRef _Nullable space);
CG_EXTERN CGImageRef _Nullable CGImageRetain(CGImageRef _Nullable image);
CG_EXTERN void CGImageRelease(CGImageRef _Nullable image);

CG_EXTERN bool CGImageIsMask(CGImageRef _Nullable image);
CG_EXTERN size_t CGImageGetWidth(CGImageRef _Nullable image);
CG_EXTERN size_t CGImageGetHeight(CGImageRef _Nullable image);
CG_EXTERN size_t CGImageGetBitsPerComponent(CGImageRef _Nullable image);
CG_EXTERN size_t CGImageGetBitsPerPixel(CGImageRef _Nullable image);
CG_EXTERN size_t CGImageGetBytesPerRow(CGImageRef _Nullable image);
CG_EXTERN CGColorSpaceRef _Nullable CGImageGetColorSpace(CGImageRef _Nullable image);
CG_EXTERN CGImageAlphaInfo CGImageGetAlphaInfo(CGImageRef _Nullable image);
CG_EXTERN CGDataProviderRef _Nullable CGImageGetDataProvider(CGImageRef _Nullable image);
CG_EXTERN const CGFloat *_Nullable CGImageGetDecode(CGImageRef _Nullable image);
CG_EXTERN bool CGImageGetShouldInterpolate(CGImageRef _Nullable image);
CG_EXTERN CGColorRenderingIntent CGImageGetRenderingIntent(CGImageRef _Nullable image);
CG_EXTERN CGBitmapInfo CGImageGetBitmapInfo(CGImageRef _Nullable image);
CG_EXTERN CGImageByteOrderInfo CGImageGetByteOrderInfo(CGImageRef _Nullable image)
    API_AVAILABLE(macos(10.14), ios(12.0));
CG_EXTERN CGImagePixelFormatInfo CGImageGetPixelFormatInfo(CGImageRef _Nullable image)
    API_AVAILABLE(macos(10.14), ios(12.0));
CG_EXTERN CFStringRef _Nullable CGImageGetUTType(CGImageRef _Nullable image) API_AVAILABLE(macos(10.11), ios(9.0));
CG_EXTERN bool CGImageShouldToneMap(CGImageRef _Nullable image)
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0), visionos(2.0));
CG_EXTERN bool CGImageContainsImageSpecificToneMappingMetadata(CGImageRef _Nullable image)
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0), visionos(2.0));
CG_EXTERN float CGImageGetContentHeadroom(CGImageRef _Nullable image)
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0), visionos(2.0));
CG_EXTERN CGImageRef _Nullable CGImageCreateCopyWithContentHeadroom(float headroom, CGImageRef _Nullable image)
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0), visionos(2.0));
CG_EXTERN const float kCGDefaultHDRImageContentHeadroom
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0), visionos(2.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGIMAGE_H_ */
