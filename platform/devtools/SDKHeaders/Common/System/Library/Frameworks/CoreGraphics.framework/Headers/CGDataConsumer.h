/* CGDataConsumer.h: destinations of the bytes that Core Graphics and Image I/O write: data objects, files, callbacks. */
#ifndef CGDATACONSUMER_H_
#define CGDATACONSUMER_H_

#include <CoreGraphics/CGBase.h>
#include <CoreFoundation/CFData.h>
#include <CoreFoundation/CFURL.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGDataConsumer *CGDataConsumerRef;

typedef size_t (*CGDataConsumerPutBytesCallback)(void *_Nullable info, const void *buffer, size_t count);
typedef void (*CGDataConsumerReleaseInfoCallback)(void *_Nullable info);

struct CGDataConsumerCallbacks {
    CGDataConsumerPutBytesCallback _Nullable putBytes;
    CGDataConsumerReleaseInfoCallback _Nullable releaseConsumer;
};
typedef struct CGDataConsumerCallbacks CGDataConsumerCallbacks;

CG_EXTERN CFTypeID CGDataConsumerGetTypeID(void);
CG_EXTERN CGDataConsumerRef _Nullable CGDataConsumerCreate(void *_Nullable info,
                                                           const CGDataConsumerCallbacks *_Nullable cbks);
CG_EXTERN CGDataConsumerRef _Nullable CGDataConsumerCreateWithURL(CFURLRef _Nullable url);
CG_EXTERN CGDataConsumerRef _Nullable CGDataConsumerCreateWithCFData(CFMutableDataRef _Nullable data);
CG_EXTERN CGDataConsumerRef _Nullable CGDataConsumerRetain(CGDataConsumerRef _Nullable consumer);
CG_EXTERN void CGDataConsumerRelease(CGDataConsumerRef _Nullable consumer);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGDATACONSUMER_H_ */
