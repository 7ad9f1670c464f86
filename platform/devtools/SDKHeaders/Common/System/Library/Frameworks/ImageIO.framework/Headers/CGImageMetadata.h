/* CGImageMetadata.h: the XMP metadata of images, as tags under namespaces and paths. */
#ifndef CGIMAGEMETADATA_H_
#define CGIMAGEMETADATA_H_

#include <ImageIO/ImageIOBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) CGImageMetadata *CGImageMetadataRef;
typedef struct CF_BRIDGED_MUTABLE_TYPE(id) CGImageMetadata *CGMutableImageMetadataRef;
typedef struct CF_BRIDGED_TYPE(id) CGImageMetadataTag *CGImageMetadataTagRef;

typedef CF_ENUM(int32_t, CGImageMetadataType) {
    kCGImageMetadataTypeInvalid = -1,
    kCGImageMetadataTypeDefault = 0,
    kCGImageMetadataTypeString = 1,
    kCGImageMetadataTypeArrayUnordered = 2,
    kCGImageMetadataTypeArrayOrdered = 3,
    kCGImageMetadataTypeAlternateArray = 4,
    kCGImageMetadataTypeAlternateText = 5,
    kCGImageMetadataTypeStructure = 6
};

IMAGEIO_EXTERN const CFStringRef kCGImageMetadataNamespaceExif API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN const CFStringRef kCGImageMetadataNamespaceTIFF API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN const CFStringRef kCGImageMetadataNamespaceXMPBasic API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN const CFStringRef kCGImageMetadataPrefixExif API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN const CFStringRef kCGImageMetadataPrefixTIFF API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN const CFStringRef kCGImageMetadataPrefixXMPBasic API_AVAILABLE(macos(10.8), ios(7.0));

IMAGEIO_EXTERN CFTypeID CGImageMetadataGetTypeID(void) API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CGMutableImageMetadataRef CGImageMetadataCreateMutable(void) API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CGMutableImageMetadataRef _Nullable CGImageMetadataCreateMutableCopy(CGImageMetadataRef metadata)
    API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CFArrayRef _Nullable CGImageMetadataCopyTags(CGImageMetadataRef metadata)
    API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CGImageMetadataTagRef _Nullable CGImageMetadataCopyTagWithPath(CGImageMetadataRef metadata,
                                                                              CGImageMetadataTagRef _Nullable parent,
                                                                              CFStringRef path)
    API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CFStringRef _Nullable CGImageMetadataCopyStringValueWithPath(CGImageMetadataRef metadata,
                                                                            CGImageMetadataTagRef _Nullable parent,
                                                                            CFStringRef path)
    API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CFDataRef _Nullable CGImageMetadataCreateXMPData(CGImageMetadataRef metadata,
                                                                CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CGImageMetadataRef _Nullable CGImageMetadataCreateFromXMPData(CFDataRef data)
    API_AVAILABLE(macos(10.8), ios(7.0));

IMAGEIO_EXTERN CFTypeID CGImageMetadataTagGetTypeID(void) API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CFStringRef _Nullable CGImageMetadataTagCopyName(CGImageMetadataTagRef tag)
    API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CFTypeRef _Nullable CGImageMetadataTagCopyValue(CGImageMetadataTagRef tag)
    API_AVAILABLE(macos(10.8), ios(7.0));
IMAGEIO_EXTERN CGImageMetadataType CGImageMetadataTagGetType(CGImageMetadataTagRef tag)
    API_AVAILABLE(macos(10.8), ios(7.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGIMAGEMETADATA_H_ */
