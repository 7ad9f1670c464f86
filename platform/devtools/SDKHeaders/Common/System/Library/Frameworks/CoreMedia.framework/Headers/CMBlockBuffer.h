/* CMBlockBuffer.h: buffers of media data made of memory blocks. */
#ifndef CMBLOCKBUFFER_H
#define CMBLOCKBUFFER_H

#include <CoreMedia/CMBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CM_BRIDGED_TYPE(id) OpaqueCMBlockBuffer *CMBlockBufferRef;
typedef uint32_t CMBlockBufferFlags;

CM_EXPORT size_t CMBlockBufferGetDataLength(CMBlockBufferRef theBuffer) API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT OSStatus CMBlockBufferGetDataPointer(CMBlockBufferRef theBuffer, size_t offset,
                                               size_t *CM_NULLABLE lengthAtOffsetOut, size_t *CM_NULLABLE totalLengthOut,
                                               char *CM_NULLABLE *CM_NULLABLE dataPointerOut)
    API_AVAILABLE(macos(10.7), ios(4.0));
CM_EXPORT OSStatus CMBlockBufferCopyDataBytes(CMBlockBufferRef theSourceBuffer, size_t offsetToData, size_t dataLength,
                                              void *destination) API_AVAILABLE(macos(10.7), ios(4.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CMBLOCKBUFFER_H */
