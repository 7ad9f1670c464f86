/* OpenGL.h: the Core OpenGL (CGL) interface. */
#ifndef _OPENGL_H
#define _OPENGL_H

#include <OpenGL/CGLTypes.h>

#ifdef __cplusplus
extern "C" {
#endif

extern CGLContextObj CGLGetCurrentContext(void);
extern CGLError CGLSetCurrentContext(CGLContextObj ctx);
extern CGLContextObj CGLRetainContext(CGLContextObj ctx);
extern void CGLReleaseContext(CGLContextObj ctx);
extern CGLPixelFormatObj CGLRetainPixelFormat(CGLPixelFormatObj pix);
extern void CGLReleasePixelFormat(CGLPixelFormatObj pix);

#ifdef __cplusplus
}
#endif

#endif /* _OPENGL_H */
