/* Conversion.h: conversions of vImage buffers between pixel formats, and premultiplication of alpha. */
#ifndef VIMAGE_CONVERSION_H
#define VIMAGE_CONVERSION_H

#include <Accelerate/vImage_Types.h>

#define __VIMAGE_CONVERT(name)                                                                                       \
    VIMAGE_PF vImage_Error name(const vImage_Buffer *_Nonnull src, const vImage_Buffer *_Nonnull dest,               \
                                vImage_Flags flags) API_AVAILABLE(macos(10.3), ios(5.0), watchos(1.0), tvos(5.0))    \
        VIMAGE_NONNULL(1, 2);

__VIMAGE_CONVERT(vImageConvert_ARGB8888toRGB888)
__VIMAGE_CONVERT(vImageConvert_RGBA8888toRGB888)
__VIMAGE_CONVERT(vImageConvert_BGRA8888toRGB888)
__VIMAGE_CONVERT(vImageConvert_ARGB16UtoRGB16U)
__VIMAGE_CONVERT(vImageConvert_RGBA16UtoRGB16U)
__VIMAGE_CONVERT(vImageConvert_ARGBFFFFtoRGBFFF)
__VIMAGE_CONVERT(vImageConvert_RGBAFFFFtoRGBFFF)
__VIMAGE_CONVERT(vImageConvert_Planar8toPlanarF)
__VIMAGE_CONVERT(vImagePremultiplyData_ARGB8888)
__VIMAGE_CONVERT(vImagePremultiplyData_RGBA8888)
__VIMAGE_CONVERT(vImageUnpremultiplyData_ARGB8888)
__VIMAGE_CONVERT(vImageUnpremultiplyData_RGBA8888)
__VIMAGE_CONVERT(vImageUnpremultiplyData_BGRA8888)

#undef __VIMAGE_CONVERT

VIMAGE_PF vImage_Error vImagePermuteChannels_ARGB8888(const vImage_Buffer *_Nonnull src,
                                                      const vImage_Buffer *_Nonnull dest, const uint8_t permuteMap[_Nonnull 4],
                                                      vImage_Flags flags)
    API_AVAILABLE(macos(10.4), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF vImage_Error vImageOverwriteChannelsWithScalar_ARGB8888(Pixel_8 scalar, const vImage_Buffer *_Nonnull src,
                                                                  const vImage_Buffer *_Nonnull dest,
                                                                  uint8_t copyMask, vImage_Flags flags)
    API_AVAILABLE(macos(10.4), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(2, 3);

#endif /* VIMAGE_CONVERSION_H */
