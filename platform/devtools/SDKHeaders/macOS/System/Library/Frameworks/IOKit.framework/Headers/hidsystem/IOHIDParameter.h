/* hidsystem/IOHIDParameter.h: the parameters of the HID system: acceleration, key repeat, lock states. */
#ifndef _IOKIT_IOHIDPARAMETER_H
#define _IOKIT_IOHIDPARAMETER_H

#include <IOKit/IOTypes.h>

enum {
    kIOHIDCapsLockState = 0x00000001,
    kIOHIDNumLockState = 0x00000002,
    kIOHIDActivityUserIdle = 0x00000003,
    kIOHIDActivityDisplayOn = 0x00000004
};

#define kIOHIDMouseAccelerationType "HIDMouseAcceleration"
#define kIOHIDTrackpadAccelerationType "HIDTrackpadAcceleration"
#define kIOHIDScrollAccelerationKey "HIDScrollAcceleration"
#define kIOHIDKeyRepeatKey "HIDKeyRepeat"
#define kIOHIDInitialKeyRepeatKey "HIDInitialKeyRepeat"
#define kIOHIDIdleTimeKey "HIDIdleTime"
#define kIOHIDParametersKey "HIDParameters"
#define kIOHIDFKeyModeKey "HIDFKeyMode"

#endif /* _IOKIT_IOHIDPARAMETER_H */
