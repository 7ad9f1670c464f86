/*
 * CGImageSource.h: reading images from data, URLs or data providers: the format and number of images, their
 * properties, full images and thumbnails, incremental loading and auxiliary data such as gain maps.
 */
#ifndef CGIMAGESOURCE_H_
#define CGIMAGESOURCE_H_

#include <ImageIO/ImageIOBase.h>
#include <ImageIO/CGImageMetadata.h>
#include <CoreGraphics/CoreGraphics.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGImageSource *CGImageSourceRef;

typedef CF_ENUM(int32_t, CGImageSourceStatus) {
    kCGImageStatusUnexpectedEOF = -5,
    kCGImageStatusInvalidData = -4,
    kCGImageStatusUnknownType = -3,
    kCGImageStatusReadingHeader = -2,
    kCGImageStatusIncomplete = -1,
    kCGImageStatusComplete = 0
};

/* Options of the creation functions and of the copy functions. */
IMAGEIO_EXTERN const CFStringRef kCGImageSourceTypeIdentifierHint API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceShouldCache API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceShouldCacheImmediately API_AVAILABLE(macos(10.9), ios(7.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceShouldAllowFloat API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceCreateThumbnailFromImageIfAbsent API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceCreateThumbnailFromImageAlways API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceThumbnailMaxPixelSize API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceCreateThumbnailWithTransform API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceSubsampleFactor API_AVAILABLE(macos(10.11), ios(9.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceDecodeRequest
    API_AVAILABLE(macos(14.0), ios(17.0), tvos(17.0), watchos(10.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceDecodeToHDR
    API_AVAILABLE(macos(14.0), ios(17.0), tvos(17.0), watchos(10.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceDecodeToSDR
    API_AVAILABLE(macos(14.0), ios(17.0), tvos(17.0), watchos(10.0));
IMAGEIO_EXTERN const CFStringRef kCGImageSourceDecodeRequestOptions
    API_AVAILABLE(macos(14.0), ios(17.0), tvos(17.0), watchos(10.0));

IMAGEIO_EXTERN CFTypeID CGImageSourceGetTypeID(void) API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CFArrayRef CGImageSourceCopyTypeIdentifiers(void) API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageSourceRef _Nullable CGImageSourceCreateWithDataProvider(CGDataProviderRef provider,
                                                                              CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageSourceRef _Nullable CGImageSourceCreateWithData(CFDataRef data,
                                                                      CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageSourceRef _Nullable CGImageSourceCreateWithURL(CFURLRef url, CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CFStringRef _Nullable CGImageSourceGetType(CGImageSourceRef isrc)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN size_t CGImageSourceGetCount(CGImageSourceRef isrc) API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CFDictionaryRef _Nullable CGImageSourceCopyProperties(CGImageSourceRef isrc,
                                                                     CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CFDictionaryRef _Nullable CGImageSourceCopyPropertiesAtIndex(CGImageSourceRef isrc, size_t index,
                                                                            CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageMetadataRef _Nullable CGImageSourceCopyMetadataAtIndex(CGImageSourceRef isrc, size_t index,
                                                                             CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CGImageRef _Nullable CGImageSourceCreateImageAtIndex(CGImageSourceRef isrc, size_t index,
                                                                    CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN void CGImageSourceRemoveCacheAtIndex(CGImageSourceRef isrc, size_t index)
    API_AVAILABLE(macos(10.9), ios(7.0));
IMAGEIO_EXTERN CGImageRef _Nullable CGImageSourceCreateThumbnailAtIndex(CGImageSourceRef isrc, size_t index,
                                                                        CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageSourceRef CGImageSourceCreateIncremental(CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN void CGImageSourceUpdateData(CGImageSourceRef isrc, CFDataRef data, bool final)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN void CGImageSourceUpdateDataProvider(CGImageSourceRef isrc, CGDataProviderRef provider, bool final)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageSourceStatus CGImageSourceGetStatus(CGImageSourceRef isrc)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageSourceStatus CGImageSourceGetStatusAtIndex(CGImageSourceRef isrc, size_t index)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN size_t CGImageSourceGetPrimaryImageIndex(CGImageSourceRef isrc) API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN CFDictionaryRef _Nullable CGImageSourceCopyAuxiliaryDataInfoAtIndex(CGImageSourceRef isrc,
                                                                                   size_t index,
                                                                                   CFStringRef auxiliaryImageDataType)
    API_AVAILABLE(macos(10.13), ios(11.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGIMAGESOURCE_H_ */
