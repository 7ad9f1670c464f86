/* SystemConfiguration.h: the network configuration of the system: status codes, errors and reachability. */
#ifndef _SYSTEMCONFIGURATION_H
#define _SYSTEMCONFIGURATION_H

#include <Availability.h>
#include <sys/cdefs.h>
#include <CoreFoundation/CoreFoundation.h>

enum {
    kSCStatusOK = 0,
    kSCStatusFailed = 1001,
    kSCStatusInvalidArgument = 1002,
    kSCStatusAccessError = 1003,
    kSCStatusNoKey = 1004,
    kSCStatusKeyExists = 1005,
    kSCStatusLocked = 1006,
    kSCStatusNeedLock = 1007,
    kSCStatusNoStoreSession = 2001,
    kSCStatusNoStoreServer = 2002,
    kSCStatusNotifierActive = 2003,
    kSCStatusNoPrefsSession = 3001,
    kSCStatusPrefsBusy = 3002,
    kSCStatusNoConfigFile = 3003,
    kSCStatusNoLink = 3004,
    kSCStatusStale = 3005,
    kSCStatusMaxLink = 3006,
    kSCStatusReachabilityUnknown = 4001,
    kSCStatusConnectionNoService = 5001,
    kSCStatusConnectionIgnore = 5002
};

CF_ASSUME_NONNULL_BEGIN

extern const CFStringRef kCFErrorDomainSystemConfiguration API_AVAILABLE(macos(10.5), ios(2.0));

__BEGIN_DECLS
CFErrorRef _Nullable SCCopyLastError(void) API_AVAILABLE(macos(10.5), ios(2.0));
int SCError(void) API_AVAILABLE(macos(10.1), ios(2.0));
const char *SCErrorString(int status) API_AVAILABLE(macos(10.1), ios(2.0));
__END_DECLS

CF_ASSUME_NONNULL_END

#include <SystemConfiguration/SCNetwork.h>
#include <SystemConfiguration/SCNetworkReachability.h>

#endif /* _SYSTEMCONFIGURATION_H */
