/* CVBuffer.h: the buffers of Core Video and the attachments they carry. */
#ifndef __COREVIDEO_CVBUFFER_H__
#define __COREVIDEO_CVBUFFER_H__

#include <CoreVideo/CVBase.h>
#include <CoreVideo/CVReturn.h>
#include <CoreFoundation/CFDictionary.h>

CF_ASSUME_NONNULL_BEGIN

typedef struct CV_BRIDGED_TYPE(id) __CVBuffer *CVBufferRef;
typedef CVBufferRef CVImageBufferRef;

typedef CF_ENUM(uint32_t, CVAttachmentMode) {
    kCVAttachmentMode_ShouldNotPropagate = 0,
    kCVAttachmentMode_ShouldPropagate = 1
};

CV_EXPORT CVBufferRef _Nullable CVBufferRetain(CVBufferRef _Nullable buffer) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT void CVBufferRelease(CF_RELEASES_ARGUMENT CVBufferRef _Nullable buffer) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT void CVBufferSetAttachment(CVBufferRef buffer, CFStringRef key, CFTypeRef value,
                                     CVAttachmentMode attachmentMode) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT void CVBufferRemoveAttachment(CVBufferRef buffer, CFStringRef key) API_AVAILABLE(macos(10.4), ios(4.0));
CV_EXPORT void CVBufferRemoveAllAttachments(CVBufferRef buffer) API_AVAILABLE(macos(10.4), ios(4.0));

CF_ASSUME_NONNULL_END

#endif /* __COREVIDEO_CVBUFFER_H__ */
