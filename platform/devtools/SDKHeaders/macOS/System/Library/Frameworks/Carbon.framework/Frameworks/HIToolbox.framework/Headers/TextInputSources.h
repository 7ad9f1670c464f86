/* TextInputSources.h: keyboard layouts and input methods: finding, selecting and describing them. */
#ifndef __TEXTINPUTSOURCES__
#define __TEXTINPUTSOURCES__

#include <CoreFoundation/CoreFoundation.h>
#include <MacTypes.h>

typedef struct CF_BRIDGED_TYPE(id) __TISInputSource *TISInputSourceRef;

CF_EXTERN_C_BEGIN
extern const CFStringRef kTISPropertyInputSourceCategory;
extern const CFStringRef kTISPropertyInputSourceType;
extern const CFStringRef kTISPropertyInputSourceIsASCIICapable;
extern const CFStringRef kTISPropertyInputSourceIsEnableCapable;
extern const CFStringRef kTISPropertyInputSourceIsSelectCapable;
extern const CFStringRef kTISPropertyInputSourceIsEnabled;
extern const CFStringRef kTISPropertyInputSourceIsSelected;
extern const CFStringRef kTISPropertyInputSourceID;
extern const CFStringRef kTISPropertyBundleID;
extern const CFStringRef kTISPropertyInputModeID;
extern const CFStringRef kTISPropertyLocalizedName;
extern const CFStringRef kTISPropertyInputSourceLanguages;
extern const CFStringRef kTISPropertyUnicodeKeyLayoutData;
extern const CFStringRef kTISPropertyIconRef;
extern const CFStringRef kTISPropertyIconImageURL;
extern const CFStringRef kTISCategoryKeyboardInputSource;
extern const CFStringRef kTISCategoryPaletteInputSource;
extern const CFStringRef kTISCategoryInkInputSource;
extern const CFStringRef kTISTypeKeyboardLayout;
extern const CFStringRef kTISTypeKeyboardInputMethodWithoutModes;
extern const CFStringRef kTISTypeKeyboardInputMethodModeEnabled;
extern const CFStringRef kTISTypeKeyboardInputMode;
extern const CFStringRef kTISNotifySelectedKeyboardInputSourceChanged;
extern const CFStringRef kTISNotifyEnabledKeyboardInputSourcesChanged;

CFTypeID TISInputSourceGetTypeID(void);
void *TISGetInputSourceProperty(TISInputSourceRef inputSource, CFStringRef propertyKey);
CFArrayRef TISCreateInputSourceList(CFDictionaryRef properties, Boolean includeAllInstalled);
TISInputSourceRef TISCopyCurrentKeyboardInputSource(void);
TISInputSourceRef TISCopyCurrentKeyboardLayoutInputSource(void);
TISInputSourceRef TISCopyCurrentASCIICapableKeyboardInputSource(void);
TISInputSourceRef TISCopyCurrentASCIICapableKeyboardLayoutInputSource(void);
TISInputSourceRef TISCopyInputSourceForLanguage(CFStringRef language);
CFArrayRef TISCreateASCIICapableInputSourceList(void);
OSStatus TISSelectInputSource(TISInputSourceRef inputSource);
OSStatus TISDeselectInputSource(TISInputSourceRef inputSource);
OSStatus TISEnableInputSource(TISInputSourceRef inputSource);
OSStatus TISDisableInputSource(TISInputSourceRef inputSource);
OSStatus TISSetInputMethodKeyboardLayoutOverride(TISInputSourceRef keyboardLayout);
TISInputSourceRef TISCopyInputMethodKeyboardLayoutOverride(void);
UInt8 LMGetKbdType(void);
CF_EXTERN_C_END

#endif /* __TEXTINPUTSOURCES__ */
