/* CoreVideo.h: video frames in pixel buffers, time stamps, and the display links of macOS. */
#include <CoreVideo/CVBase.h>
#include <CoreVideo/CVReturn.h>
#include <CoreVideo/CVBuffer.h>
#include <CoreVideo/CVPixelBuffer.h>
#include <CoreVideo/CVPixelBufferPool.h>
#if TARGET_OS_OSX
#include <CoreVideo/CVDisplayLink.h>
#endif
