/* CMFormatDescription.h: descriptions of media formats: media types, video dimensions and codecs, audio streams. */
#ifndef CMFORMATDESCRIPTION_H
#define CMFORMATDESCRIPTION_H

#include <CoreMedia/CMBase.h>
#include <CoreVideo/CoreVideo.h>
#include <CoreGraphics/CoreGraphics.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef const struct CM_BRIDGED_TYPE(id) opaqueCMFormatDescription *CMFormatDescriptionRef;
typedef CMFormatDescriptionRef CMVideoFormatDescriptionRef;
typedef CMFormatDescriptionRef CMAudioFormatDescriptionRef;

typedef FourCharCode CMMediaType;
typedef FourCharCode CMVideoCodecType;
typedef FourCharCode CMPixelFormatType;

enum {
    kCMMediaType_Video = 'vide',
    kCMMediaType_Audio = 'soun',
    kCMMediaType_Muxed = 'muxx',
    kCMMediaType_Text = 'text',
    kCMMediaType_ClosedCaption = 'clcp',
    kCMMediaType_Subtitle = 'sbtl',
    kCMMediaType_TimeCode = 'tmcd',
    kCMMediaType_Metadata = 'meta'
};

enum {
    kCMVideoCodecType_JPEG = 'jpeg',
    kCMVideoCodecType_H264 = 'avc1',
    kCMVideoCodecType_HEVC = 'hvc1',
    kCMVideoCodecType_MPEG4Video = 'mp4v',
    kCMVideoCodecType_AppleProRes422 = 'apcn',
    kCMVideoCodecType_AppleProRes4444 = 'ap4h'
};

typedef struct {
    int32_t width;
    int32_t height;
} CMVideoDimensions;

CM_EXPORT CMMediaType CMFormatDescriptionGetMediaType(CMFormatDescriptionRef desc) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT FourCharCode CMFormatDescriptionGetMediaSubType(CMFormatDescriptionRef desc)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CFDictionaryRef CM_NULLABLE CMFormatDescriptionGetExtensions(CMFormatDescriptionRef desc)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMVideoDimensions CMVideoFormatDescriptionGetDimensions(CMVideoFormatDescriptionRef videoDesc)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CGRect CMVideoFormatDescriptionGetCleanAperture(CMVideoFormatDescriptionRef videoDesc, Boolean originIsAtTopLeft)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT OSStatus CMVideoFormatDescriptionCreateForImageBuffer(
    CFAllocatorRef CM_NULLABLE allocator, CVImageBufferRef imageBuffer,
    CM_RETURNS_RETAINED_PARAMETER CMVideoFormatDescriptionRef CM_NULLABLE *CM_NONNULL formatDescriptionOut)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT Boolean CMVideoFormatDescriptionMatchesImageBuffer(CMVideoFormatDescriptionRef videoDesc,
                                                             CVImageBufferRef imageBuffer)
    API_AVAILABLE(macos(10.7), ios(4.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CMFORMATDESCRIPTION_H */
