/* Gestalt.h: the old way of asking about the system (its version above all), deprecated since macOS 10.8. */
#ifndef __GESTALT__
#define __GESTALT__

#include <MacTypes.h>
#include <CoreFoundation/CFAvailability.h>

enum {
    gestaltSystemVersion = 'sysv',
    gestaltSystemVersionMajor = 'sys1',
    gestaltSystemVersionMinor = 'sys2',
    gestaltSystemVersionBugFix = 'sys3',
    gestaltPhysicalRAMSize = 'ram ',
    gestaltPhysicalRAMSizeInMegabytes = 'ramm'
};

CF_EXTERN_C_BEGIN
OSErr Gestalt(OSType selector, SInt32 *response) API_DEPRECATED("Use NSProcessInfo's operatingSystemVersion property instead.", macos(10.0, 10.8));
CF_EXTERN_C_END

#endif /* __GESTALT__ */
