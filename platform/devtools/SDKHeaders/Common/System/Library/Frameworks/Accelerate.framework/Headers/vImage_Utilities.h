/* vImage_Utilities.h: buffers made and read from Core Graphics images, and converters between image formats. */
#ifndef VIMAGE_UTILITIES_H
#define VIMAGE_UTILITIES_H

#include <Accelerate/vImage_Types.h>
#include <CoreGraphics/CoreGraphics.h>

typedef struct vImage_CGImageFormat {
    uint32_t bitsPerComponent;
    uint32_t bitsPerPixel;
    CGColorSpaceRef _Nullable colorSpace;
    CGBitmapInfo bitmapInfo;
    uint32_t version;
    const CGFloat *_Nullable decode;
    CGColorRenderingIntent renderingIntent;
} vImage_CGImageFormat;

typedef void (*VIMAGE_CGImageReleaseCallback)(void *_Nullable userData, void *_Nullable buf_data);

VIMAGE_PF vImage_Error vImageBuffer_Init(vImage_Buffer *_Nonnull buf, vImagePixelCount height, vImagePixelCount width,
                                         uint32_t pixelBits, vImage_Flags flags)
    API_AVAILABLE(macos(10.10), ios(8.0), watchos(1.0), tvos(8.0)) VIMAGE_NONNULL(1);
VIMAGE_PF vImage_Error vImageBuffer_InitWithCGImage(vImage_Buffer *_Nonnull buf,
                                                    vImage_CGImageFormat *_Nonnull format,
                                                    const CGFloat *_Nullable backgroundColor,
                                                    CGImageRef _Nonnull image, vImage_Flags flags)
    API_AVAILABLE(macos(10.9), ios(7.0), watchos(1.0), tvos(7.0)) VIMAGE_NONNULL(1, 2, 4);
VIMAGE_PF CGImageRef _Nullable vImageCreateCGImageFromBuffer(const vImage_Buffer *_Nonnull buf,
                                                             const vImage_CGImageFormat *_Nonnull format,
                                                             VIMAGE_CGImageReleaseCallback _Nullable callback,
                                                             void *_Nullable userData, vImage_Flags flags,
                                                             vImage_Error *_Nullable error)
    API_AVAILABLE(macos(10.9), ios(7.0), watchos(1.0), tvos(7.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF vImage_Error vImageCopyBuffer(const vImage_Buffer *_Nonnull src, const vImage_Buffer *_Nonnull dest,
                                        size_t pixelSize, vImage_Flags flags)
    API_AVAILABLE(macos(10.10), ios(8.0), watchos(1.0), tvos(8.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF vImageConverterRef _Nullable vImageConverter_CreateWithCGImageFormat(
    const vImage_CGImageFormat *_Nonnull srcFormat, const vImage_CGImageFormat *_Nonnull destFormat,
    const CGFloat *_Nullable backgroundColor, vImage_Flags flags, vImage_Error *_Nullable error)
    API_AVAILABLE(macos(10.9), ios(7.0), watchos(1.0), tvos(7.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF void vImageConverter_Release(vImageConverterRef _Nullable converter)
    API_AVAILABLE(macos(10.9), ios(7.0), watchos(1.0), tvos(7.0));
VIMAGE_PF vImage_Error vImageConvert_AnyToAny(const vImageConverterRef _Nonnull converter,
                                              const vImage_Buffer *_Nonnull srcs, const vImage_Buffer *_Nonnull dests,
                                              void *_Nullable tempBuffer, vImage_Flags flags)
    API_AVAILABLE(macos(10.9), ios(7.0), watchos(1.0), tvos(7.0)) VIMAGE_NONNULL(1, 2, 3);

#endif /* VIMAGE_UTILITIES_H */
