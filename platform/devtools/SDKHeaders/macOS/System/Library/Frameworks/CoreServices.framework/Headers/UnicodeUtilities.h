/* UnicodeUtilities.h: translating virtual key codes into Unicode text with a keyboard layout. */
#ifndef __UNICODEUTILITIES__
#define __UNICODEUTILITIES__

#include <MacTypes.h>
#include <CoreFoundation/CFBase.h>

typedef struct UCKeyboardLayout UCKeyboardLayout;

enum {
    kUCKeyActionDown = 0,
    kUCKeyActionUp = 1,
    kUCKeyActionAutoKey = 2,
    kUCKeyActionDisplay = 3
};

enum {
    kUCKeyTranslateNoDeadKeysBit = 0,
    kUCKeyTranslateNoDeadKeysMask = 1UL << kUCKeyTranslateNoDeadKeysBit
};

CF_EXTERN_C_BEGIN
OSStatus UCKeyTranslate(const UCKeyboardLayout *keyLayoutPtr, UInt16 virtualKeyCode, UInt16 keyAction,
                        UInt32 modifierKeyState, UInt32 keyboardType, OptionBits keyTranslateOptions,
                        UInt32 *deadKeyState, UniCharCount maxStringLength, UniCharCount *actualStringLength,
                        UniChar unicodeString[]);
CF_EXTERN_C_END

#endif /* __UNICODEUTILITIES__ */
