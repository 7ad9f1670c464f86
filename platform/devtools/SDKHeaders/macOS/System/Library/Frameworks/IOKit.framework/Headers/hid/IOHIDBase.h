/* hid/IOHIDBase.h: the object types of the HID interface: devices, elements, values, managers, transactions. */
#ifndef _IOKIT_HID_IOHIDBASE_H_
#define _IOKIT_HID_IOHIDBASE_H_

#include <CoreFoundation/CoreFoundation.h>
#include <IOKit/IOReturn.h>
#include <IOKit/hid/IOHIDKeys.h>

typedef struct CF_BRIDGED_TYPE(id) __IOHIDDevice *IOHIDDeviceRef;
typedef struct CF_BRIDGED_TYPE(id) __IOHIDElement *IOHIDElementRef;
typedef struct CF_BRIDGED_TYPE(id) __IOHIDValue *IOHIDValueRef;

typedef void (*IOHIDCallback)(void *context, IOReturn result, void *sender);
typedef void (*IOHIDReportCallback)(void *context, IOReturn result, void *sender, IOHIDReportType type,
                                    uint32_t reportID, uint8_t *report, CFIndex reportLength);
typedef void (*IOHIDValueCallback)(void *context, IOReturn result, void *sender, IOHIDValueRef value);
typedef void (*IOHIDDeviceCallback)(void *context, IOReturn result, void *sender, IOHIDDeviceRef device);

#endif /* _IOKIT_HID_IOHIDBASE_H_ */
