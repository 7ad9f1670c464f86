/* CVPixelBufferPool.h: pools that recycle pixel buffers of one format. */
#ifndef __COREVIDEO_CVPIXELBUFFERPOOL_H__
#define __COREVIDEO_CVPIXELBUFFERPOOL_H__

#include <CoreVideo/CVBase.h>
#include <CoreVideo/CVReturn.h>
#include <CoreVideo/CVPixelBuffer.h>

CF_ASSUME_NONNULL_BEGIN

typedef struct CV_BRIDGED_TYPE(id) __CVPixelBufferPool *CVPixelBufferPoolRef;

CV_EXPORT const CFStringRef kCVPixelBufferPoolMinimumBufferCountKey API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT const CFStringRef kCVPixelBufferPoolMaximumBufferAgeKey API_AVAILABLE(macos(10.4), ios(4.0));

CV_EXPORT CVPixelBufferPoolRef _Nullable CVPixelBufferPoolRetain(CVPixelBufferPoolRef _Nullable pixelBufferPool)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT void CVPixelBufferPoolRelease(CF_RELEASES_ARGUMENT CVPixelBufferPoolRef _Nullable pixelBufferPool)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT CVReturn CVPixelBufferPoolCreate(CFAllocatorRef _Nullable allocator,
                                           CFDictionaryRef _Nullable poolAttributes,
                                           CFDictionaryRef _Nullable pixelBufferAttributes,
                                           CV_RETURNS_RETAINED_PARAMETER CVPixelBufferPoolRef _Nullable *_Nonnull poolOut)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT CFDictionaryRef _Nullable CVPixelBufferPoolGetAttributes(CVPixelBufferPoolRef pool)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT CFDictionaryRef _Nullable CVPixelBufferPoolGetPixelBufferAttributes(CVPixelBufferPoolRef pool)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT CVReturn CVPixelBufferPoolCreatePixelBuffer(
    CFAllocatorRef _Nullable allocator, CVPixelBufferPoolRef _Nonnull pixelBufferPool,
    CV_RETURNS_RETAINED_PARAMETER CVPixelBufferRef _Nullable *_Nonnull pixelBufferOut)
    API_AVAILABLE(macos(10.4), ios(4.0));

CF_ASSUME_NONNULL_END

#endif /* __COREVIDEO_CVPIXELBUFFERPOOL_H__ */
