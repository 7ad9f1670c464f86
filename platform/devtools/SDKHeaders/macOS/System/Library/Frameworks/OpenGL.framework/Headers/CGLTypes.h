/* CGLTypes.h: the opaque types of the Core OpenGL (CGL) interface. */
#ifndef _CGLTYPES_H
#define _CGLTYPES_H

#include <stdint.h>

typedef struct _CGLContextObject *CGLContextObj;
typedef struct _CGLPixelFormatObject *CGLPixelFormatObj;
typedef struct _CGLRendererInfoObject *CGLRendererInfoObj;
typedef struct _CGLPBufferObject *CGLPBufferObj;

typedef enum _CGLError {
    kCGLNoError = 0,
    kCGLBadAttribute = 10000,
    kCGLBadProperty = 10001,
    kCGLBadPixelFormat = 10002,
    kCGLBadContext = 10004
} CGLError;

#endif /* _CGLTYPES_H */
