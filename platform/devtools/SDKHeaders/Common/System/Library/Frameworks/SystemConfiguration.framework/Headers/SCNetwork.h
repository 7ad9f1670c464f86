/* SCNetwork.h: the connection flags that describe whether and how a network address can be reached. */
#ifndef _SCNETWORK_H
#define _SCNETWORK_H

#include <Availability.h>
#include <sys/cdefs.h>
#include <sys/types.h>
#include <sys/socket.h>
#include <CoreFoundation/CoreFoundation.h>

typedef CF_OPTIONS(uint32_t, SCNetworkConnectionFlags) {
    kSCNetworkFlagsTransientConnection = 1 << 0,
    kSCNetworkFlagsReachable = 1 << 1,
    kSCNetworkFlagsConnectionRequired = 1 << 2,
    kSCNetworkFlagsConnectionAutomatic = 1 << 3,
    kSCNetworkFlagsInterventionRequired = 1 << 4,
    kSCNetworkFlagsIsLocalAddress = 1 << 16,
    kSCNetworkFlagsIsDirect = 1 << 17,
};

#endif /* _SCNETWORK_H */
