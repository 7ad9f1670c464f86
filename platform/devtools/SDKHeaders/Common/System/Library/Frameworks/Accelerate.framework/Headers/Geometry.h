/* Geometry.h: scaling, rotation, reflection and affine warps of vImage buffers. */
#ifndef VIMAGE_GEOMETRY_H
#define VIMAGE_GEOMETRY_H

#include <Accelerate/vImage_Types.h>

#define __VIMAGE_SCALE(name)                                                                                         \
    VIMAGE_PF vImage_Error name(const vImage_Buffer *_Nonnull src, const vImage_Buffer *_Nonnull dest,               \
                                void *_Nullable tempBuffer, vImage_Flags flags)                                      \
        API_AVAILABLE(macos(10.3), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2);

__VIMAGE_SCALE(vImageScale_Planar8)
__VIMAGE_SCALE(vImageScale_Planar16U)
__VIMAGE_SCALE(vImageScale_PlanarF)
__VIMAGE_SCALE(vImageScale_ARGB8888)
__VIMAGE_SCALE(vImageScale_ARGB16U)
__VIMAGE_SCALE(vImageScale_ARGB16S)
__VIMAGE_SCALE(vImageScale_ARGBFFFF)
__VIMAGE_SCALE(vImageScale_CbCr8)

#undef __VIMAGE_SCALE

enum {
    kRotate0DegreesClockwise = 0,
    kRotate90DegreesClockwise = 3,
    kRotate180DegreesClockwise = 2,
    kRotate270DegreesClockwise = 1,
    kRotate0DegreesCounterClockwise = 0,
    kRotate90DegreesCounterClockwise = 1,
    kRotate180DegreesCounterClockwise = 2,
    kRotate270DegreesCounterClockwise = 3
};

VIMAGE_PF vImage_Error vImageRotate90_ARGB8888(const vImage_Buffer *_Nonnull src, const vImage_Buffer *_Nonnull dest,
                                               uint8_t rotationConstant, const Pixel_8888 _Nonnull backColor,
                                               vImage_Flags flags)
    API_AVAILABLE(macos(10.3), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF vImage_Error vImageRotate_ARGB8888(const vImage_Buffer *_Nonnull src, const vImage_Buffer *_Nonnull dest,
                                             void *_Nullable tempBuffer, float angleInRadians,
                                             const Pixel_8888 _Nonnull backColor, vImage_Flags flags)
    API_AVAILABLE(macos(10.3), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF vImage_Error vImageHorizontalReflect_ARGB8888(const vImage_Buffer *_Nonnull src,
                                                        const vImage_Buffer *_Nonnull dest, vImage_Flags flags)
    API_AVAILABLE(macos(10.3), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF vImage_Error vImageVerticalReflect_ARGB8888(const vImage_Buffer *_Nonnull src,
                                                      const vImage_Buffer *_Nonnull dest, vImage_Flags flags)
    API_AVAILABLE(macos(10.3), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2);
VIMAGE_PF vImage_Error vImageAffineWarp_ARGB8888(const vImage_Buffer *_Nonnull src, const vImage_Buffer *_Nonnull dest,
                                                 void *_Nullable tempBuffer,
                                                 const vImage_AffineTransform *_Nonnull transform,
                                                 const Pixel_8888 _Nonnull backColor, vImage_Flags flags)
    API_AVAILABLE(macos(10.3), ios(5.0), watchos(1.0), tvos(5.0)) VIMAGE_NONNULL(1, 2, 4);

#endif /* VIMAGE_GEOMETRY_H */
