/*
 * CFNetServices.h: Bonjour services in Core Foundation: registering and resolving services, browsing, monitoring
 * their TXT records, and the TXT record data itself.
 */
#ifndef __CFNETSERVICES__
#define __CFNETSERVICES__

#include <CFNetwork/CFNetworkDefs.h>
#include <CoreFoundation/CoreFoundation.h>

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_MUTABLE_TYPE(id) __CFNetService *CFNetServiceRef;
typedef struct CF_BRIDGED_MUTABLE_TYPE(id) __CFNetServiceMonitor *CFNetServiceMonitorRef;
typedef struct CF_BRIDGED_MUTABLE_TYPE(id) __CFNetServiceBrowser *CFNetServiceBrowserRef;

CFN_EXPORT const SInt32 kCFStreamErrorDomainMach API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const SInt32 kCFStreamErrorDomainNetServices API_AVAILABLE(macos(10.2), ios(2.0));

typedef CF_ENUM(int, CFNetServicesError) {
    kCFNetServicesErrorUnknown = -72000L,
    kCFNetServicesErrorCollision = -72001L,
    kCFNetServicesErrorNotFound = -72002L,
    kCFNetServicesErrorInProgress = -72003L,
    kCFNetServicesErrorBadArgument = -72004L,
    kCFNetServicesErrorCancel = -72005L,
    kCFNetServicesErrorInvalid = -72006L,
    kCFNetServicesErrorTimeout = -72007L,
    kCFNetServicesErrorMissingRequiredConfiguration = -72008L,
};

typedef CF_ENUM(int, CFNetServiceMonitorType) {
    kCFNetServiceMonitorTXT = 1
};

typedef CF_OPTIONS(CFOptionFlags, CFNetServiceRegisterFlags) {
    kCFNetServiceFlagNoAutoRename = 1
};

typedef CF_OPTIONS(CFOptionFlags, CFNetServiceBrowserFlags) {
    kCFNetServiceFlagMoreComing = 1,
    kCFNetServiceFlagIsDomain = 2,
    kCFNetServiceFlagIsDefault = 4,
    kCFNetServiceFlagIsRegistrationDomain = 4,
    kCFNetServiceFlagRemove = 8
};

struct CFNetServiceClientContext {
    CFIndex version;
    void *_Nullable info;
    CFAllocatorRetainCallBack _Nullable retain;
    CFAllocatorReleaseCallBack _Nullable release;
    CFAllocatorCopyDescriptionCallBack _Nullable copyDescription;
};
typedef struct CFNetServiceClientContext CFNetServiceClientContext;

typedef void (*CFNetServiceClientCallBack)(CFNetServiceRef theService, CFStreamError *_Nullable error,
                                           void *_Nullable info);
typedef void (*CFNetServiceMonitorClientCallBack)(CFNetServiceMonitorRef theMonitor,
                                                  CFNetServiceRef _Nullable theService,
                                                  CFNetServiceMonitorType typeInfo, CFDataRef _Nullable rdata,
                                                  CFStreamError *_Nullable error, void *_Nullable info);
typedef void (*CFNetServiceBrowserClientCallBack)(CFNetServiceBrowserRef browser, CFOptionFlags flags,
                                                  CFTypeRef _Nullable domainOrService,
                                                  CFStreamError *_Nullable error, void *_Nullable info);

#define CFNETSERVICES_DEPRECATED                                                                                     \
    API_DEPRECATED("use nw_browser_t or nw_listener_t in Network framework instead", macos(10.2, 12.0),            \
                   ios(2.0, 15.0))

CFN_EXPORT CFTypeID CFNetServiceGetTypeID(void) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFTypeID CFNetServiceMonitorGetTypeID(void) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFTypeID CFNetServiceBrowserGetTypeID(void) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFNetServiceRef CFNetServiceCreate(CFAllocatorRef _Nullable alloc, CFStringRef domain,
                                              CFStringRef serviceType, CFStringRef name, SInt32 port)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFNetServiceRef CFNetServiceCreateCopy(CFAllocatorRef _Nullable alloc, CFNetServiceRef service)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFStringRef CFNetServiceGetDomain(CFNetServiceRef theService) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFStringRef CFNetServiceGetType(CFNetServiceRef theService) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFStringRef CFNetServiceGetName(CFNetServiceRef theService) CFNETSERVICES_DEPRECATED;
CFN_EXPORT Boolean CFNetServiceRegisterWithOptions(CFNetServiceRef theService, CFOptionFlags options,
                                                   CFStreamError *_Nullable error) CFNETSERVICES_DEPRECATED;
CFN_EXPORT Boolean CFNetServiceResolveWithTimeout(CFNetServiceRef theService, CFTimeInterval timeout,
                                                  CFStreamError *_Nullable error) CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceCancel(CFNetServiceRef theService) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFStringRef _Nullable CFNetServiceGetTargetHost(CFNetServiceRef theService) CFNETSERVICES_DEPRECATED;
CFN_EXPORT SInt32 CFNetServiceGetPortNumber(CFNetServiceRef theService) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFArrayRef _Nullable CFNetServiceGetAddressing(CFNetServiceRef theService) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFDataRef _Nullable CFNetServiceGetTXTData(CFNetServiceRef theService) CFNETSERVICES_DEPRECATED;
CFN_EXPORT Boolean CFNetServiceSetTXTData(CFNetServiceRef theService, CFDataRef txtRecord)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFDictionaryRef _Nullable CFNetServiceCreateDictionaryWithTXTData(CFAllocatorRef _Nullable alloc,
                                                                            CFDataRef txtRecord)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFDataRef _Nullable CFNetServiceCreateTXTDataWithDictionary(CFAllocatorRef _Nullable alloc,
                                                                      CFDictionaryRef keyValuePairs)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT Boolean CFNetServiceSetClient(CFNetServiceRef theService, CFNetServiceClientCallBack _Nullable clientCB,
                                         CFNetServiceClientContext *_Nullable clientContext)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceScheduleWithRunLoop(CFNetServiceRef theService, CFRunLoopRef runLoop,
                                                CFStringRef runLoopMode) CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceUnscheduleFromRunLoop(CFNetServiceRef theService, CFRunLoopRef runLoop,
                                                  CFStringRef runLoopMode) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFNetServiceMonitorRef CFNetServiceMonitorCreate(CFAllocatorRef _Nullable alloc, CFNetServiceRef theService,
                                                            CFNetServiceMonitorClientCallBack clientCB,
                                                            CFNetServiceClientContext *clientContext)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceMonitorInvalidate(CFNetServiceMonitorRef monitor) CFNETSERVICES_DEPRECATED;
CFN_EXPORT Boolean CFNetServiceMonitorStart(CFNetServiceMonitorRef monitor, CFNetServiceMonitorType recordType,
                                            CFStreamError *_Nullable error) CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceMonitorStop(CFNetServiceMonitorRef monitor, CFStreamError *_Nullable error)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceMonitorScheduleWithRunLoop(CFNetServiceMonitorRef monitor, CFRunLoopRef runLoop,
                                                       CFStringRef runLoopMode) CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceMonitorUnscheduleFromRunLoop(CFNetServiceMonitorRef monitor, CFRunLoopRef runLoop,
                                                         CFStringRef runLoopMode) CFNETSERVICES_DEPRECATED;
CFN_EXPORT CFNetServiceBrowserRef CFNetServiceBrowserCreate(CFAllocatorRef _Nullable alloc,
                                                            CFNetServiceBrowserClientCallBack clientCB,
                                                            CFNetServiceClientContext *clientContext)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceBrowserInvalidate(CFNetServiceBrowserRef browser) CFNETSERVICES_DEPRECATED;
CFN_EXPORT Boolean CFNetServiceBrowserSearchForDomains(CFNetServiceBrowserRef browser, Boolean registrationDomains,
                                                       CFStreamError *_Nullable error) CFNETSERVICES_DEPRECATED;
CFN_EXPORT Boolean CFNetServiceBrowserSearchForServices(CFNetServiceBrowserRef browser, CFStringRef domain,
                                                        CFStringRef serviceType, CFStreamError *_Nullable error)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceBrowserStopSearch(CFNetServiceBrowserRef browser, CFStreamError *_Nullable error)
    CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceBrowserScheduleWithRunLoop(CFNetServiceBrowserRef browser, CFRunLoopRef runLoop,
                                                       CFStringRef runLoopMode) CFNETSERVICES_DEPRECATED;
CFN_EXPORT void CFNetServiceBrowserUnscheduleFromRunLoop(CFNetServiceBrowserRef browser, CFRunLoopRef runLoop,
                                                         CFStringRef runLoopMode) CFNETSERVICES_DEPRECATED;

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __CFNETSERVICES__ */
