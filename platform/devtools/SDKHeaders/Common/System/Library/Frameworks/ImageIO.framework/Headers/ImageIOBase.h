/* ImageIOBase.h: the declaration macros of Image I/O. */
#ifndef __IMAGEIOBASE__
#define __IMAGEIOBASE__

#include <Availability.h>
#include <TargetConditionals.h>
#include <CoreFoundation/CoreFoundation.h>

#if defined(__cplusplus)
#define IMAGEIO_EXTERN extern "C" __attribute__((visibility("default")))
#else
#define IMAGEIO_EXTERN extern __attribute__((visibility("default")))
#endif
#define IMAGEIO_AVAILABLE_STARTING(...) __OSX_AVAILABLE_STARTING(__VA_ARGS__)
#define IMAGEIO_AVAILABLE_BUT_DEPRECATED(...) __OSX_AVAILABLE_BUT_DEPRECATED(__VA_ARGS__)
#define IIO_HAS_IOSURFACE 0

#endif /* __IMAGEIOBASE__ */
