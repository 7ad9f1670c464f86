/* CFMachPort.h: Mach ports as Core Foundation objects, with run loop sources that deliver their messages. */
#ifndef __COREFOUNDATION_CFMACHPORT__
#define __COREFOUNDATION_CFMACHPORT__ 1

#include <CoreFoundation/CFRunLoop.h>
#include <mach/port.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_MUTABLE_TYPE(NSMachPort) __CFMachPort *CFMachPortRef;

typedef struct {
    CFIndex version;
    void *_Nullable info;
    const void *_Nonnull (*_Nullable retain)(const void *info);
    void (*_Nullable release)(const void *info);
    CFStringRef _Nonnull (*_Nullable copyDescription)(const void *info);
} CFMachPortContext;

typedef void (*CFMachPortCallBack)(CFMachPortRef port, void *msg, CFIndex size, void *_Nullable info);
typedef void (*CFMachPortInvalidationCallBack)(CFMachPortRef port, void *_Nullable info);

CF_EXPORT CFTypeID CFMachPortGetTypeID(void);
CF_EXPORT CFMachPortRef _Nullable CFMachPortCreate(CFAllocatorRef _Nullable allocator, CFMachPortCallBack callout,
                                                   CFMachPortContext *_Nullable context,
                                                   Boolean *_Nullable shouldFreeInfo);
CF_EXPORT CFMachPortRef _Nullable CFMachPortCreateWithPort(CFAllocatorRef _Nullable allocator, mach_port_t portNum,
                                                           CFMachPortCallBack _Nullable callout,
                                                           CFMachPortContext *_Nullable context,
                                                           Boolean *_Nullable shouldFreeInfo);
CF_EXPORT mach_port_t CFMachPortGetPort(CFMachPortRef port);
CF_EXPORT void CFMachPortGetContext(CFMachPortRef port, CFMachPortContext *context);
CF_EXPORT void CFMachPortInvalidate(CFMachPortRef port);
CF_EXPORT Boolean CFMachPortIsValid(CFMachPortRef port);
CF_EXPORT CFRunLoopSourceRef _Nullable CFMachPortCreateRunLoopSource(CFAllocatorRef _Nullable allocator,
                                                                     CFMachPortRef port, CFIndex order);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFMACHPORT__ */
