/* ps/IOPowerSources.h: the power sources of the machine (batteries, UPS) and notifications of their changes. */
#ifndef _IOKIT_PS_IOPOWERSOURCES_H
#define _IOKIT_PS_IOPOWERSOURCES_H

#include <CoreFoundation/CoreFoundation.h>
#include <IOKit/ps/IOPSKeys.h>

typedef void (*IOPowerSourceCallbackType)(void *context);

typedef enum {
    kIOPSLowBatteryWarningNone = 1,
    kIOPSLowBatteryWarningEarly = 2,
    kIOPSLowBatteryWarningFinal = 3
} IOPSLowBatteryWarningLevel;

#define kIOPSTimeRemainingUnknown ((CFTimeInterval)-1.0)
#define kIOPSTimeRemainingUnlimited ((CFTimeInterval)-2.0)
#define kIOPSNotifyLowBattery "com.apple.system.powersources.lowbattery"
#define kIOPSNotifyTimeRemaining "com.apple.system.powersources.timeremaining"
#define kIOPSNotifyPowerSource "com.apple.system.powersources.source"
#define kIOPSNotifyAttach "com.apple.system.powersources.attach"
#define kIOPSNotifyAnyPowerSource "com.apple.system.powersources"

CF_EXTERN_C_BEGIN
CFTypeRef IOPSCopyPowerSourcesInfo(void);
CFArrayRef IOPSCopyPowerSourcesList(CFTypeRef blob);
CFDictionaryRef IOPSGetPowerSourceDescription(CFTypeRef blob, CFTypeRef ps);
CFStringRef IOPSGetProvidingPowerSourceType(CFTypeRef snapshot);
CFRunLoopSourceRef IOPSNotificationCreateRunLoopSource(IOPowerSourceCallbackType callback, void *context);
CFRunLoopSourceRef IOPSCreateLimitedPowerNotification(IOPowerSourceCallbackType callback, void *context);
CFDictionaryRef IOPSCopyExternalPowerAdapterDetails(void);
IOPSLowBatteryWarningLevel IOPSGetBatteryWarningLevel(void);
CFTimeInterval IOPSGetTimeRemainingEstimate(void);
CF_EXTERN_C_END

#endif /* _IOKIT_PS_IOPOWERSOURCES_H */
