/* hid/IOHIDUsageTables.h: the common HID usage pages and usages. */
#ifndef _IOHIDUSAGETABLES_H
#define _IOHIDUSAGETABLES_H

enum {
    kHIDPage_Undefined = 0x00,
    kHIDPage_GenericDesktop = 0x01,
    kHIDPage_Simulation = 0x02,
    kHIDPage_VR = 0x03,
    kHIDPage_Sport = 0x04,
    kHIDPage_Game = 0x05,
    kHIDPage_KeyboardOrKeypad = 0x07,
    kHIDPage_LEDs = 0x08,
    kHIDPage_Button = 0x09,
    kHIDPage_Ordinal = 0x0A,
    kHIDPage_Telephony = 0x0B,
    kHIDPage_Consumer = 0x0C,
    kHIDPage_Digitizer = 0x0D,
    kHIDPage_PID = 0x0F,
    kHIDPage_Unicode = 0x10,
    kHIDPage_VendorDefinedStart = 0xFF00
};

enum {
    kHIDUsage_GD_Pointer = 0x01,
    kHIDUsage_GD_Mouse = 0x02,
    kHIDUsage_GD_Joystick = 0x04,
    kHIDUsage_GD_GamePad = 0x05,
    kHIDUsage_GD_Keyboard = 0x06,
    kHIDUsage_GD_Keypad = 0x07,
    kHIDUsage_GD_MultiAxisController = 0x08,
    kHIDUsage_GD_X = 0x30,
    kHIDUsage_GD_Y = 0x31,
    kHIDUsage_GD_Z = 0x32,
    kHIDUsage_GD_Wheel = 0x38
};

enum {
    kHIDUsage_KeyboardErrorRollOver = 0x01,
    kHIDUsage_KeyboardA = 0x04,
    kHIDUsage_KeyboardCapsLock = 0x39,
    kHIDUsage_KeyboardLeftControl = 0xE0,
    kHIDUsage_KeyboardLeftShift = 0xE1,
    kHIDUsage_KeyboardLeftAlt = 0xE2,
    kHIDUsage_KeyboardLeftGUI = 0xE3,
    kHIDUsage_KeyboardRightControl = 0xE4,
    kHIDUsage_KeyboardRightShift = 0xE5,
    kHIDUsage_KeyboardRightAlt = 0xE6,
    kHIDUsage_KeyboardRightGUI = 0xE7
};

enum {
    kHIDUsage_LED_NumLock = 0x01,
    kHIDUsage_LED_CapsLock = 0x02,
    kHIDUsage_LED_ScrollLock = 0x03
};

#endif /* _IOHIDUSAGETABLES_H */
