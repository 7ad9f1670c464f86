/* CVPixelBuffer.h: pixel buffers: their pixel formats, creation, locking and the memory of their planes. */
#ifndef __COREVIDEO_CVPIXELBUFFER_H__
#define __COREVIDEO_CVPIXELBUFFER_H__

#include <CoreVideo/CVBase.h>
#include <CoreVideo/CVReturn.h>
#include <CoreVideo/CVBuffer.h>
#include <CoreFoundation/CFDictionary.h>
#include <CoreFoundation/CFArray.h>

CF_ASSUME_NONNULL_BEGIN

enum {
    kCVPixelFormatType_1Monochrome = 0x00000001,
    kCVPixelFormatType_16BE555 = 0x00000010,
    kCVPixelFormatType_16LE555 = 'L555',
    kCVPixelFormatType_16BE565 = 'B565',
    kCVPixelFormatType_16LE565 = 'L565',
    kCVPixelFormatType_24RGB = 0x00000018,
    kCVPixelFormatType_24BGR = '24BG',
    kCVPixelFormatType_32ARGB = 0x00000020,
    kCVPixelFormatType_32BGRA = 'BGRA',
    kCVPixelFormatType_32ABGR = 'ABGR',
    kCVPixelFormatType_32RGBA = 'RGBA',
    kCVPixelFormatType_64ARGB = 'b64a',
    kCVPixelFormatType_64RGBALE = 'l64r',
    kCVPixelFormatType_48RGB = 'b48r',
    kCVPixelFormatType_32AlphaGray = 'b32a',
    kCVPixelFormatType_16Gray = 'b16g',
    kCVPixelFormatType_30RGB = 'R10k',
    kCVPixelFormatType_OneComponent8 = 'L008',
    kCVPixelFormatType_OneComponent16Half = 'L00h',
    kCVPixelFormatType_OneComponent32Float = 'L00f',
    kCVPixelFormatType_64RGBAHalf = 'RGhA',
    kCVPixelFormatType_128RGBAFloat = 'RGfA',
    kCVPixelFormatType_420YpCbCr8BiPlanarVideoRange = '420v',
    kCVPixelFormatType_420YpCbCr8BiPlanarFullRange = '420f',
    kCVPixelFormatType_422YpCbCr8 = '2vuy',
};

typedef CF_OPTIONS(CVOptionFlags, CVPixelBufferLockFlags) {
    kCVPixelBufferLock_ReadOnly = 0x00000001,
};

typedef CVImageBufferRef CVPixelBufferRef;

CV_EXPORT const CFStringRef kCVPixelBufferPixelFormatTypeKey API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT const CFStringRef kCVPixelBufferWidthKey API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT const CFStringRef kCVPixelBufferHeightKey API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT const CFStringRef kCVPixelBufferBytesPerRowAlignmentKey API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT const CFStringRef kCVPixelBufferCGImageCompatibilityKey API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT const CFStringRef kCVPixelBufferCGBitmapContextCompatibilityKey API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT const CFStringRef kCVPixelBufferIOSurfacePropertiesKey API_AVAILABLE(macos(10.6), ios(4.0));
CV_EXPORT const CFStringRef kCVPixelBufferMetalCompatibilityKey API_AVAILABLE(macos(10.11), ios(8.0));

CV_EXPORT CFTypeID CVPixelBufferGetTypeID(void) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT CVPixelBufferRef _Nullable CVPixelBufferRetain(CVPixelBufferRef CF_RELEASES_ARGUMENT _Nullable texture)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT void CVPixelBufferRelease(CF_RELEASES_ARGUMENT CVPixelBufferRef _Nullable texture)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT CVReturn CVPixelBufferCreate(CFAllocatorRef _Nullable allocator, size_t width, size_t height,
                                       OSType pixelFormatType, CFDictionaryRef _Nullable pixelBufferAttributes,
                                       CV_RETURNS_RETAINED_PARAMETER CVPixelBufferRef _Nullable *_Nonnull pixelBufferOut)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT CVReturn CVPixelBufferLockBaseAddress(CVPixelBufferRef pixelBuffer, CVPixelBufferLockFlags lockFlags)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT CVReturn CVPixelBufferUnlockBaseAddress(CVPixelBufferRef pixelBuffer, CVPixelBufferLockFlags unlockFlags)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT size_t CVPixelBufferGetWidth(CVPixelBufferRef pixelBuffer) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT size_t CVPixelBufferGetHeight(CVPixelBufferRef pixelBuffer) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT OSType CVPixelBufferGetPixelFormatType(CVPixelBufferRef pixelBuffer) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT void *_Nullable CVPixelBufferGetBaseAddress(CVPixelBufferRef pixelBuffer)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT size_t CVPixelBufferGetBytesPerRow(CVPixelBufferRef pixelBuffer) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT size_t CVPixelBufferGetDataSize(CVPixelBufferRef pixelBuffer) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT Boolean CVPixelBufferIsPlanar(CVPixelBufferRef pixelBuffer) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT size_t CVPixelBufferGetPlaneCount(CVPixelBufferRef pixelBuffer) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT void *_Nullable CVPixelBufferGetBaseAddressOfPlane(CVPixelBufferRef pixelBuffer, size_t planeIndex)
    API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT size_t CVPixelBufferGetBytesPerRowOfPlane(CVPixelBufferRef pixelBuffer, size_t planeIndex)
    API_AVAILABLE(macos(10.4), ios(4.0));

CF_ASSUME_NONNULL_END

#endif /* __COREVIDEO_CVPIXELBUFFER_H__ */
