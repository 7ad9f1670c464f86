/* Accelerate.h: vectorised computation; here vImage, the image-processing part. */
#ifndef __ACCELERATE__
#define __ACCELERATE__

#include <Accelerate/vImage.h>

#endif /* __ACCELERATE__ */
