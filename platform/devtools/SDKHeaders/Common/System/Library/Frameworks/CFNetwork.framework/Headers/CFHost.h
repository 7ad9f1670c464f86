/* CFHost.h: resolving host names to addresses and back, at once or on a run loop with a callback. */
#ifndef __CFHOST__
#define __CFHOST__

#include <CFNetwork/CFNetworkDefs.h>
#include <CoreFoundation/CoreFoundation.h>

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_MUTABLE_TYPE(id) __CFHost *CFHostRef;

CFN_EXPORT const SInt32 kCFStreamErrorDomainNetDB API_AVAILABLE(macos(10.3), ios(2.0));
CFN_EXPORT const SInt32 kCFStreamErrorDomainSystemConfiguration API_AVAILABLE(macos(10.3), ios(2.0));

typedef CF_ENUM(int, CFHostInfoType) {
    kCFHostAddresses = 0,
    kCFHostNames = 1,
    kCFHostReachability = 2
};

struct CFHostClientContext {
    CFIndex version;
    void *_Nullable info;
    CFAllocatorRetainCallBack _Nullable retain;
    CFAllocatorReleaseCallBack _Nullable release;
    CFAllocatorCopyDescriptionCallBack _Nullable copyDescription;
};
typedef struct CFHostClientContext CFHostClientContext;

typedef void (*CFHostClientCallBack)(CFHostRef theHost, CFHostInfoType typeInfo,
                                     const CFStreamError *_Nullable error, void *_Nullable info);

#define CFHOST_DEPRECATED API_DEPRECATED("use the Network framework", macos(10.3, 13.0), ios(2.0, 16.0))

CFN_EXPORT CFTypeID CFHostGetTypeID(void) CFHOST_DEPRECATED;
CFN_EXPORT CFHostRef CFHostCreateWithName(CFAllocatorRef _Nullable allocator, CFStringRef hostname) CFHOST_DEPRECATED;
CFN_EXPORT CFHostRef CFHostCreateWithAddress(CFAllocatorRef _Nullable allocator, CFDataRef addr) CFHOST_DEPRECATED;
CFN_EXPORT CFHostRef CFHostCreateCopy(CFAllocatorRef _Nullable alloc, CFHostRef host) CFHOST_DEPRECATED;
CFN_EXPORT Boolean CFHostStartInfoResolution(CFHostRef theHost, CFHostInfoType info,
                                             CFStreamError *_Nullable error) CFHOST_DEPRECATED;
CFN_EXPORT CFArrayRef _Nullable CFHostGetAddressing(CFHostRef theHost, Boolean *_Nullable hasBeenResolved)
    CFHOST_DEPRECATED;
CFN_EXPORT CFArrayRef _Nullable CFHostGetNames(CFHostRef theHost, Boolean *_Nullable hasBeenResolved)
    CFHOST_DEPRECATED;
CFN_EXPORT CFDataRef _Nullable CFHostGetReachability(CFHostRef theHost, Boolean *_Nullable hasBeenResolved)
    CFHOST_DEPRECATED;
CFN_EXPORT void CFHostCancelInfoResolution(CFHostRef theHost, CFHostInfoType info) CFHOST_DEPRECATED;
CFN_EXPORT Boolean CFHostSetClient(CFHostRef theHost, CFHostClientCallBack _Nullable clientCB,
                                   CFHostClientContext *_Nullable clientContext) CFHOST_DEPRECATED;
CFN_EXPORT void CFHostScheduleWithRunLoop(CFHostRef theHost, CFRunLoopRef runLoop, CFStringRef runLoopMode)
    CFHOST_DEPRECATED;
CFN_EXPORT void CFHostUnscheduleFromRunLoop(CFHostRef theHost, CFRunLoopRef runLoop, CFStringRef runLoopMode)
    CFHOST_DEPRECATED;

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __CFHOST__ */
