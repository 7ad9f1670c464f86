/* CFNetworkDefs.h: the export and availability macros of CFNetwork. */
#ifndef __CFNETWORKDEFS__
#define __CFNETWORKDEFS__

#include <Availability.h>
#include <CoreFoundation/CFBase.h>

#define CFN_EXPORT extern

#define CFNETWORK_DEPRECATED(macVersion, iosVersion, message)                                                        \
    API_DEPRECATED(message, macos(10.0, macVersion), ios(2.0, iosVersion))

#endif /* __CFNETWORKDEFS__ */
