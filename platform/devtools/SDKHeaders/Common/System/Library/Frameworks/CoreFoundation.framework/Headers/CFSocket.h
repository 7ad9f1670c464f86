/* CFSocket.h: BSD sockets as Core Foundation objects, with run loop sources that report their activity. */
#ifndef __COREFOUNDATION_CFSOCKET__
#define __COREFOUNDATION_CFSOCKET__ 1

#include <CoreFoundation/CFRunLoop.h>
#include <CoreFoundation/CFData.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef int CFSocketNativeHandle;
typedef struct CF_BRIDGED_MUTABLE_TYPE(id) __CFSocket *CFSocketRef;

typedef CF_ENUM(CFIndex, CFSocketError) {
    kCFSocketSuccess = 0,
    kCFSocketError = -1L,
    kCFSocketTimeout = -2L
};

typedef struct {
    SInt32 protocolFamily;
    SInt32 socketType;
    SInt32 protocol;
    CFDataRef address;
} CFSocketSignature;

typedef CF_OPTIONS(CFOptionFlags, CFSocketCallBackType) {
    kCFSocketNoCallBack = 0,
    kCFSocketReadCallBack = 1,
    kCFSocketAcceptCallBack = 2,
    kCFSocketDataCallBack = 3,
    kCFSocketConnectCallBack = 4,
    kCFSocketWriteCallBack = 8
};

CF_ENUM(CFOptionFlags) {
    kCFSocketAutomaticallyReenableReadCallBack = 1,
    kCFSocketAutomaticallyReenableAcceptCallBack = 2,
    kCFSocketAutomaticallyReenableDataCallBack = 3,
    kCFSocketAutomaticallyReenableWriteCallBack = 8,
    kCFSocketLeaveErrors = 64,
    kCFSocketCloseOnInvalidate = 128
};

typedef void (*CFSocketCallBack)(CFSocketRef _Nullable s, CFSocketCallBackType type, CFDataRef _Nullable address,
                                 const void *_Nullable data, void *_Nullable info);

typedef struct {
    CFIndex version;
    void *_Nullable info;
    const void *_Nullable (*_Nullable retain)(const void *_Nullable info);
    void (*_Nullable release)(const void *_Nullable info);
    CFStringRef _Nullable (*_Nullable copyDescription)(const void *_Nullable info);
} CFSocketContext;

CF_EXPORT CFTypeID CFSocketGetTypeID(void);
CF_EXPORT CFSocketRef _Nullable CFSocketCreate(CFAllocatorRef _Nullable allocator, SInt32 protocolFamily,
                                               SInt32 socketType, SInt32 protocol, CFOptionFlags callBackTypes,
                                               CFSocketCallBack _Nullable callout,
                                               const CFSocketContext *_Nullable context);
CF_EXPORT CFSocketRef _Nullable CFSocketCreateWithNative(CFAllocatorRef _Nullable allocator,
                                                         CFSocketNativeHandle sock, CFOptionFlags callBackTypes,
                                                         CFSocketCallBack _Nullable callout,
                                                         const CFSocketContext *_Nullable context);
CF_EXPORT CFSocketRef _Nullable CFSocketCreateWithSocketSignature(CFAllocatorRef _Nullable allocator,
                                                                  const CFSocketSignature *signature,
                                                                  CFOptionFlags callBackTypes,
                                                                  CFSocketCallBack _Nullable callout,
                                                                  const CFSocketContext *_Nullable context);
CF_EXPORT CFSocketError CFSocketSetAddress(CFSocketRef s, CFDataRef address);
CF_EXPORT CFSocketError CFSocketConnectToAddress(CFSocketRef s, CFDataRef address, CFTimeInterval timeout);
CF_EXPORT void CFSocketInvalidate(CFSocketRef s);
CF_EXPORT Boolean CFSocketIsValid(CFSocketRef s);
CF_EXPORT CFDataRef _Nullable CFSocketCopyAddress(CFSocketRef s);
CF_EXPORT CFDataRef _Nullable CFSocketCopyPeerAddress(CFSocketRef s);
CF_EXPORT void CFSocketGetContext(CFSocketRef s, CFSocketContext *context);
CF_EXPORT CFSocketNativeHandle CFSocketGetNative(CFSocketRef s);
CF_EXPORT CFRunLoopSourceRef _Nullable CFSocketCreateRunLoopSource(CFAllocatorRef _Nullable allocator, CFSocketRef s,
                                                                   CFIndex order);
CF_EXPORT CFOptionFlags CFSocketGetSocketFlags(CFSocketRef s);
CF_EXPORT void CFSocketSetSocketFlags(CFSocketRef s, CFOptionFlags flags);
CF_EXPORT void CFSocketDisableCallBacks(CFSocketRef s, CFOptionFlags callBackTypes);
CF_EXPORT void CFSocketEnableCallBacks(CFSocketRef s, CFOptionFlags callBackTypes);
CF_EXPORT CFSocketError CFSocketSendData(CFSocketRef s, CFDataRef _Nullable address, CFDataRef data,
                                        CFTimeInterval timeout);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFSOCKET__ */
