/*
 * SCNetworkReachability.h: whether a host name or address can be reached over the current network configuration,
 * and notification when that changes, on a run loop or a dispatch queue.
 */
#ifndef _SCNETWORKREACHABILITY_H
#define _SCNETWORKREACHABILITY_H

#include <Availability.h>
#include <sys/cdefs.h>
#include <sys/types.h>
#include <sys/socket.h>
#include <CoreFoundation/CoreFoundation.h>
#include <SystemConfiguration/SCNetwork.h>
#include <dispatch/dispatch.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __SCNetworkReachability *SCNetworkReachabilityRef;

typedef struct {
    CFIndex version;
    void *_Nullable info;
    const void *_Nonnull (*_Nullable retain)(const void *info);
    void (*_Nullable release)(const void *info);
    CFStringRef _Nonnull (*_Nullable copyDescription)(const void *info);
} SCNetworkReachabilityContext;

typedef CF_OPTIONS(uint32_t, SCNetworkReachabilityFlags) {
    kSCNetworkReachabilityFlagsTransientConnection = 1 << 0,
    kSCNetworkReachabilityFlagsReachable = 1 << 1,
    kSCNetworkReachabilityFlagsConnectionRequired = 1 << 2,
    kSCNetworkReachabilityFlagsConnectionOnTraffic = 1 << 3,
    kSCNetworkReachabilityFlagsInterventionRequired = 1 << 4,
    kSCNetworkReachabilityFlagsConnectionOnDemand = 1 << 5,
    kSCNetworkReachabilityFlagsIsLocalAddress = 1 << 16,
    kSCNetworkReachabilityFlagsIsDirect = 1 << 17,
#if TARGET_OS_IPHONE
    kSCNetworkReachabilityFlagsIsWWAN = 1 << 18,
#endif
    kSCNetworkReachabilityFlagsConnectionAutomatic = kSCNetworkReachabilityFlagsConnectionOnTraffic
};

typedef void (*SCNetworkReachabilityCallBack)(SCNetworkReachabilityRef target, SCNetworkReachabilityFlags flags,
                                              void *_Nullable info);

__BEGIN_DECLS

SCNetworkReachabilityRef _Nullable SCNetworkReachabilityCreateWithAddress(CFAllocatorRef _Nullable allocator,
                                                                          const struct sockaddr *address)
    API_AVAILABLE(macos(10.3), ios(2.0)) API_UNAVAILABLE(watchos);
SCNetworkReachabilityRef _Nullable SCNetworkReachabilityCreateWithAddressPair(
    CFAllocatorRef _Nullable allocator, const struct sockaddr *_Nullable localAddress,
    const struct sockaddr *_Nullable remoteAddress) API_AVAILABLE(macos(10.3), ios(2.0)) API_UNAVAILABLE(watchos);
SCNetworkReachabilityRef _Nullable SCNetworkReachabilityCreateWithName(CFAllocatorRef _Nullable allocator,
                                                                       const char *nodename)
    API_AVAILABLE(macos(10.3), ios(2.0)) API_UNAVAILABLE(watchos);
CFTypeID SCNetworkReachabilityGetTypeID(void) API_AVAILABLE(macos(10.3), ios(2.0)) API_UNAVAILABLE(watchos);
Boolean SCNetworkReachabilityGetFlags(SCNetworkReachabilityRef target, SCNetworkReachabilityFlags *flags)
    API_AVAILABLE(macos(10.3), ios(2.0)) API_UNAVAILABLE(watchos);
Boolean SCNetworkReachabilitySetCallback(SCNetworkReachabilityRef target,
                                         SCNetworkReachabilityCallBack _Nullable callout,
                                         SCNetworkReachabilityContext *_Nullable context)
    API_AVAILABLE(macos(10.3), ios(2.0)) API_UNAVAILABLE(watchos);
Boolean SCNetworkReachabilityScheduleWithRunLoop(SCNetworkReachabilityRef target, CFRunLoopRef runLoop,
                                                 CFStringRef runLoopMode)
    API_AVAILABLE(macos(10.3), ios(2.0)) API_UNAVAILABLE(watchos);
Boolean SCNetworkReachabilityUnscheduleFromRunLoop(SCNetworkReachabilityRef target, CFRunLoopRef runLoop,
                                                   CFStringRef runLoopMode)
    API_AVAILABLE(macos(10.3), ios(2.0)) API_UNAVAILABLE(watchos);
Boolean SCNetworkReachabilitySetDispatchQueue(SCNetworkReachabilityRef target, dispatch_queue_t _Nullable queue)
    API_AVAILABLE(macos(10.6), ios(4.0)) API_UNAVAILABLE(watchos);

__END_DECLS

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* _SCNETWORKREACHABILITY_H */
