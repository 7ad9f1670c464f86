/* CGImageDestination.h: writing images, with their properties, to data, URLs or data consumers in a given format. */
#ifndef CGIMAGEDESTINATION_H_
#define CGIMAGEDESTINATION_H_

#include <ImageIO/ImageIOBase.h>
#include <ImageIO/CGImageSource.h>
#include <ImageIO/CGImageMetadata.h>
#include <CoreGraphics/CoreGraphics.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGImageDestination *CGImageDestinationRef;

IMAGEIO_EXTERN const CFStringRef kCGImageDestinationLossyCompressionQuality API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationBackgroundColor API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationImageMaxPixelSize API_AVAILABLE(macos(10.10), ios(8.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationEmbedThumbnail API_AVAILABLE(macos(10.10), ios(8.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationOptimizeColorForSharing API_AVAILABLE(macos(10.12), ios(9.3));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationPreserveGainMap API_AVAILABLE(macos(11.0), ios(14.1));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationEncodeRequest
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationEncodeToSDR
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationEncodeToISOHDR
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationEncodeToISOGainmap
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationEncodeRequestOptions
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationMetadata API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationMergeMetadata API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationDateTime API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN const CFStringRef kCGImageDestinationOrientation API_AVAILABLE(macos(10.8), ios(7.0));

IMAGEIO_EXTERN CFTypeID CGImageDestinationGetTypeID(void) API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CFArrayRef CGImageDestinationCopyTypeIdentifiers(void) API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageDestinationRef _Nullable CGImageDestinationCreateWithDataConsumer(
    CGDataConsumerRef consumer, CFStringRef type, size_t count, CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageDestinationRef _Nullable CGImageDestinationCreateWithData(CFMutableDataRef data,
                                                                                CFStringRef type, size_t count,
                                                                                CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN CGImageDestinationRef _Nullable CGImageDestinationCreateWithURL(CFURLRef url, CFStringRef type,
                                                                               size_t count,
                                                                               CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN void CGImageDestinationSetProperties(CGImageDestinationRef idst, CFDictionaryRef _Nullable properties)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN void CGImageDestinationAddImage(CGImageDestinationRef idst, CGImageRef image,
                                               CFDictionaryRef _Nullable properties)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN void CGImageDestinationAddImageFromSource(CGImageDestinationRef idst, CGImageSourceRef isrc,
                                                         size_t index, CFDictionaryRef _Nullable properties)
    API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN bool CGImageDestinationFinalize(CGImageDestinationRef idst) API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN void CGImageDestinationAddImageAndMetadata(CGImageDestinationRef idst, CGImageRef image,
                                                          CGImageMetadataRef _Nullable metadata,
                                                          CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN void CGImageDestinationAddAuxiliaryDataInfo(CGImageDestinationRef idst, CFStringRef auxiliaryImageDataType,
                                                           CFDictionaryRef auxiliaryDataInfoDictionary)
    API_AVAILABLE(macos(10.13), ios(11.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGIMAGEDESTINATION_H_ */
