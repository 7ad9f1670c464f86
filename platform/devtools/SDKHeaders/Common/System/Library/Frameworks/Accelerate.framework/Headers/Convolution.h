/* Convolution.h: box, tent and general convolution of vImage buffers. */
#ifndef VIMAGE_CONVOLUTION_H
#define VIMAGE_CONVOLUTION_H

#include <Accelerate/vImage_Types.h>

VIMAGE_PF vImage_Error vImageBoxConvolve_ARGB8888(const vImage_Buffer *_Nonnull src, const vImage_Buffer *_Nonnull dest,
                                                  void *_Nullable tempBuffer, vImagePixelCount srcOffsetToROI_X,
                                                  vImagePixelCount srcOffsetToROI_Y, uint32_t kernel_height,
                                                  uint32_t kernel_width, const Pixel_8888 _Nullable backgroundColor,
                                                  vImage_Flags flags)
    API_AVAILABLE(macos(10.4), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF vImage_Error vImageTentConvolve_ARGB8888(const vImage_Buffer *_Nonnull src, const vImage_Buffer *_Nonnull dest,
                                                   void *_Nullable tempBuffer, vImagePixelCount srcOffsetToROI_X,
                                                   vImagePixelCount srcOffsetToROI_Y, uint32_t kernel_height,
                                                   uint32_t kernel_width, const Pixel_8888 _Nullable backgroundColor,
                                                   vImage_Flags flags)
    API_AVAILABLE(macos(10.4), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF vImage_Error vImageConvolve_ARGB8888(const vImage_Buffer *_Nonnull src, const vImage_Buffer *_Nonnull dest,
                                               void *_Nullable tempBuffer, vImagePixelCount srcOffsetToROI_X,
                                               vImagePixelCount srcOffsetToROI_Y, const int16_t *_Nonnull kernel,
                                               uint32_t kernel_height, uint32_t kernel_width, int32_t divisor,
                                               const Pixel_8888 _Nullable backgroundColor, vImage_Flags flags)
    API_AVAILABLE(macos(10.3), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2, 6);
VIMAGE_PF vImage_Error vImageMatrixMultiply_ARGB8888(const vImage_Buffer *_Nonnull src,
                                                     const vImage_Buffer *_Nonnull dest, const int16_t matrix[_Nonnull 16],
                                                     int32_t divisor, const int16_t *_Nullable pre_bias,
                                                     const int32_t *_Nullable post_bias, vImage_Flags flags)
    API_AVAILABLE(macos(10.4), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2, 3);

#endif /* VIMAGE_CONVOLUTION_H */
