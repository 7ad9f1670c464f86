/* CGDataProvider.h: sources of the bytes of images, fonts and PDF documents: memory, data objects, files, callbacks. */
#ifndef CGDATAPROVIDER_H_
#define CGDATAPROVIDER_H_

#include <CoreGraphics/CGBase.h>
#include <CoreFoundation/CFData.h>
#include <CoreFoundation/CFURL.h>
#include <sys/types.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGDataProvider *CGDataProviderRef;

typedef size_t (*CGDataProviderGetBytesCallback)(void *_Nullable info, void *buffer, size_t count);
typedef off_t (*CGDataProviderSkipForwardCallback)(void *_Nullable info, off_t count);
typedef void (*CGDataProviderRewindCallback)(void *_Nullable info);
typedef void (*CGDataProviderReleaseInfoCallback)(void *_Nullable info);

struct CGDataProviderSequentialCallbacks {
    unsigned int version;
    CGDataProviderGetBytesCallback _Nullable getBytes;
    CGDataProviderSkipForwardCallback _Nullable skipForward;
    CGDataProviderRewindCallback _Nullable rewind;
    CGDataProviderReleaseInfoCallback _Nullable releaseInfo;
};
typedef struct CGDataProviderSequentialCallbacks CGDataProviderSequentialCallbacks;

typedef const void *_Nullable (*CGDataProviderGetBytePointerCallback)(void *_Nullable info);
typedef void (*CGDataProviderReleaseBytePointerCallback)(void *_Nullable info, const void *pointer);
typedef size_t (*CGDataProviderGetBytesAtPositionCallback)(void *_Nullable info, void *buffer, off_t pos, size_t cnt);

struct CGDataProviderDirectCallbacks {
    unsigned int version;
    CGDataProviderGetBytePointerCallback _Nullable getBytePointer;
    CGDataProviderReleaseBytePointerCallback _Nullable releaseBytePointer;
    CGDataProviderGetBytesAtPositionCallback _Nullable getBytesAtPosition;
    CGDataProviderReleaseInfoCallback _Nullable releaseInfo;
};
typedef struct CGDataProviderDirectCallbacks CGDataProviderDirectCallbacks;

typedef void (*CGDataProviderReleaseDataCallback)(void *_Nullable info, const void *data, size_t size);

CG_EXTERN CFTypeID CGDataProviderGetTypeID(void);
CG_EXTERN CGDataProviderRef _Nullable CGDataProviderCreateSequential(
    void *_Nullable info, const CGDataProviderSequentialCallbacks *_Nullable callbacks);
CG_EXTERN CGDataProviderRef _Nullable CGDataProviderCreateDirect(
    void *_Nullable info, off_t size, const CGDataProviderDirectCallbacks *_Nullable callbacks);
CG_EXTERN CGDataProviderRef _Nullable CGDataProviderCreateWithData(void *_Nullable info, const void *_Nullable data,
                                                                   size_t size,
                                                                   CGDataProviderReleaseDataCallback _Nullable
                                                                       releaseData);
CG_EXTERN CGDataProviderRef _Nullable CGDataProviderCreateWithCFData(CFDataRef _Nullable data);
CG_EXTERN CGDataProviderRef _Nullable CGDataProviderCreateWithURL(CFURLRef _Nullable url);
CG_EXTERN CGDataProviderRef _Nullable CGDataProviderCreateWithFilename(const char *_Nullable filename);
CG_EXTERN CGDataProviderRef _Nullable CGDataProviderRetain(CGDataProviderRef _Nullable provider);
CG_EXTERN void CGDataProviderRelease(CGDataProviderRef _Nullable provider);
CG_EXTERN CFDataRef _Nullable CGDataProviderCopyData(CGDataProviderRef _Nullable provider);
CG_EXTERN void *_Nullable CGDataProviderGetInfo(CGDataProviderRef _Nullable provider)
    API_AVAILABLE(macos(10.13), ios(11.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGDATAPROVIDER_H_ */
