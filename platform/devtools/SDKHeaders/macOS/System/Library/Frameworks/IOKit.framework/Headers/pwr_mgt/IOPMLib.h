/* pwr_mgt/IOPMLib.h: power management: assertions that keep the system or display awake, sleep notifications. */
#ifndef _IOKIT_PWR_MGT_IOPMLIB_H
#define _IOKIT_PWR_MGT_IOPMLIB_H

#include <CoreFoundation/CoreFoundation.h>
#include <IOKit/IOKitLib.h>
#include <IOKit/pwr_mgt/IOPMLibDefs.h>
#include <IOKit/IOMessage.h>

typedef uint32_t IOPMAssertionID;
typedef uint32_t IOPMAssertionLevel;
enum {
    kIOPMAssertionLevelOff = 0,
    kIOPMAssertionLevelOn = 255
};
#define kIOPMNullAssertionID 0

#define kIOPMAssertionTypePreventUserIdleSystemSleep CFSTR("PreventUserIdleSystemSleep")
#define kIOPMAssertionTypePreventUserIdleDisplaySleep CFSTR("PreventUserIdleDisplaySleep")
#define kIOPMAssertionTypePreventSystemSleep CFSTR("PreventSystemSleep")
#define kIOPMAssertionTypeNoIdleSleep CFSTR("NoIdleSleepAssertion")
#define kIOPMAssertionTypeNoDisplaySleep CFSTR("NoDisplaySleepAssertion")
#define kIOPMAssertPreventUserIdleSystemSleep kIOPMAssertionTypePreventUserIdleSystemSleep
#define kIOPMAssertPreventUserIdleDisplaySleep kIOPMAssertionTypePreventUserIdleDisplaySleep
#define kIOPMAssertionNameKey CFSTR("AssertName")
#define kIOPMAssertionDetailsKey CFSTR("Details")
#define kIOPMAssertionTimeoutKey CFSTR("TimeoutSeconds")
#define kIOPMAssertionLevelKey CFSTR("AssertLevel")
#define kIOPMAssertionTypeKey CFSTR("AssertType")


__BEGIN_DECLS
IOReturn IOPMAssertionCreateWithName(CFStringRef AssertionType, IOPMAssertionLevel AssertionLevel,
                                     CFStringRef AssertionName, IOPMAssertionID *AssertionID);
IOReturn IOPMAssertionCreateWithDescription(CFStringRef AssertionType, CFStringRef Name, CFStringRef Details,
                                            CFStringRef HumanReadableReason, CFStringRef LocalizationBundlePath,
                                            CFTimeInterval Timeout, CFStringRef TimeoutAction,
                                            IOPMAssertionID *AssertionID);
IOReturn IOPMAssertionCreateWithProperties(CFDictionaryRef AssertionProperties, IOPMAssertionID *AssertionID);
IOReturn IOPMAssertionDeclareUserActivity(CFStringRef AssertionName, IOPMUserActiveType userType,
                                          IOPMAssertionID *AssertionID);
IOReturn IOPMAssertionRelease(IOPMAssertionID AssertionID);
void IOPMAssertionRetain(IOPMAssertionID theAssertion);
CFDictionaryRef IOPMAssertionCopyProperties(IOPMAssertionID theAssertion);
IOReturn IOPMAssertionSetProperty(IOPMAssertionID theAssertion, CFStringRef theProperty, CFTypeRef theValue);
IOReturn IOPMCopyAssertionsStatus(CFDictionaryRef *AssertionsStatus);
IOReturn IOPMCopyAssertionsByProcess(CFDictionaryRef *AssertionsByPID);
io_connect_t IORegisterForSystemPower(void *refcon, IONotificationPortRef *thePortRef,
                                      IOServiceInterestCallback callback, io_object_t *notifier);
IOReturn IODeregisterForSystemPower(io_object_t *notifier);
IOReturn IOAllowPowerChange(io_connect_t kernelPort, intptr_t notificationID);
IOReturn IOCancelPowerChange(io_connect_t kernelPort, intptr_t notificationID);
IOReturn IOPMSleepSystem(io_connect_t fb);
io_connect_t IOPMFindPowerManagement(mach_port_t main_device_port);
IOReturn IOPMSchedulePowerEvent(CFDateRef time_to_wake, CFStringRef my_id, CFStringRef type);
CFArrayRef IOPMCopyScheduledPowerEvents(void);
__END_DECLS

#endif /* _IOKIT_PWR_MGT_IOPMLIB_H */
