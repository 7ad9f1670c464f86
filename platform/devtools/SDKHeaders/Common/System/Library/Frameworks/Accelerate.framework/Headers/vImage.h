/* vImage.h: image processing on buffers of pixels: formats, conversion, scaling, convolution and geometry. */
#ifndef VIMAGE_H
#define VIMAGE_H

#include <Accelerate/vImage_Types.h>
#include <Accelerate/vImage_Utilities.h>
#include <Accelerate/Conversion.h>
#include <Accelerate/Convolution.h>
#include <Accelerate/Geometry.h>

#endif /* VIMAGE_H */
