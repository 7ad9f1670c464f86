/* CMSampleBuffer.h: buffers of media samples: their timing, image or block buffer, format and attachments. */
#ifndef CMSAMPLEBUFFER_H
#define CMSAMPLEBUFFER_H

#include <CoreMedia/CMBase.h>
#include <CoreMedia/CMTime.h>
#include <CoreMedia/CMFormatDescription.h>
#include <CoreMedia/CMBlockBuffer.h>
#include <CoreVideo/CoreVideo.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CM_BRIDGED_TYPE(id) opaqueCMSampleBuffer *CMSampleBufferRef;

typedef struct {
    CMTime duration;
    CMTime presentationTimeStamp;
    CMTime decodeTimeStamp;
} CMSampleTimingInfo;

CM_EXPORT const CMSampleTimingInfo kCMTimingInfoInvalid API_AVAILABLE(macos(10.7), ios(4.0));

typedef CF_ENUM(uint32_t, CMAttachmentMode) {
    kCMAttachmentMode_ShouldNotPropagate = 0,
    kCMAttachmentMode_ShouldPropagate = 1
};

typedef CFTypeRef CMAttachmentBearerRef;

CM_EXPORT Boolean CMSampleBufferIsValid(CMSampleBufferRef sbuf) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT Boolean CMSampleBufferDataIsReady(CMSampleBufferRef sbuf) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT OSStatus CMSampleBufferInvalidate(CMSampleBufferRef sbuf) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMItemCount CMSampleBufferGetNumSamples(CMSampleBufferRef sbuf) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMSampleBufferGetDuration(CMSampleBufferRef sbuf) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMSampleBufferGetPresentationTimeStamp(CMSampleBufferRef sbuf) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMSampleBufferGetDecodeTimeStamp(CMSampleBufferRef sbuf) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMTime CMSampleBufferGetOutputPresentationTimeStamp(CMSampleBufferRef sbuf) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT OSStatus CMSampleBufferGetSampleTimingInfoArray(CMSampleBufferRef sbuf, CMItemCount numSampleTimingEntries,
                                                          CMSampleTimingInfo *CM_NULLABLE timingArrayOut,
                                                          CMItemCount *CM_NULLABLE timingArrayEntriesNeededOut)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT size_t CMSampleBufferGetTotalSampleSize(CMSampleBufferRef sbuf) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CVImageBufferRef CM_NULLABLE CMSampleBufferGetImageBuffer(CMSampleBufferRef sbuf)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMBlockBufferRef CM_NULLABLE CMSampleBufferGetDataBuffer(CMSampleBufferRef sbuf)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CMFormatDescriptionRef CM_NULLABLE CMSampleBufferGetFormatDescription(CMSampleBufferRef sbuf)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CFArrayRef CM_NULLABLE CMSampleBufferGetSampleAttachmentsArray(CMSampleBufferRef sbuf,
                                                                         Boolean createIfNecessary)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT OSStatus CMSampleBufferCreateForImageBuffer(
    CFAllocatorRef CM_NULLABLE allocator, CVImageBufferRef imageBuffer, Boolean dataReady,
    void *CM_NULLABLE makeDataReadyCallback, void *CM_NULLABLE makeDataReadyRefcon,
    CMVideoFormatDescriptionRef formatDescription, const CMSampleTimingInfo *sampleTiming,
    CM_RETURNS_RETAINED_PARAMETER CMSampleBufferRef CM_NULLABLE *CM_NONNULL sampleBufferOut)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT OSStatus CMSampleBufferCreateCopy(CFAllocatorRef CM_NULLABLE allocator, CMSampleBufferRef sbuf,
                                            CM_RETURNS_RETAINED_PARAMETER CMSampleBufferRef CM_NULLABLE *CM_NONNULL
                                                sampleBufferOut) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT OSStatus CMSampleBufferCreateCopyWithNewTiming(
    CFAllocatorRef CM_NULLABLE allocator, CMSampleBufferRef originalSBuf, CMItemCount numSampleTimingEntries,
    const CMSampleTimingInfo *CM_NULLABLE sampleTimingArray,
    CM_RETURNS_RETAINED_PARAMETER CMSampleBufferRef CM_NULLABLE *CM_NONNULL sampleBufferOut)
    API_AVAILABLE(macos(10.7), ios(4.0));

CM_EXPORT CFTypeRef CM_NULLABLE CMGetAttachment(CMAttachmentBearerRef target, CFStringRef key,
                                                CMAttachmentMode *CM_NULLABLE attachmentModeOut)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT void CMSetAttachment(CMAttachmentBearerRef target, CFStringRef key, CFTypeRef CM_NULLABLE value,
                               CMAttachmentMode attachmentMode) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT CFDictionaryRef CM_NULLABLE CMCopyDictionaryOfAttachments(CFAllocatorRef CM_NULLABLE allocator,
                                                                     CMAttachmentBearerRef target,
                                                                     CMAttachmentMode attachmentMode)
    CF_RETURNS_RETAINED API_AVAILABLE(macos(10.7), ios(4.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CMSAMPLEBUFFER_H */
