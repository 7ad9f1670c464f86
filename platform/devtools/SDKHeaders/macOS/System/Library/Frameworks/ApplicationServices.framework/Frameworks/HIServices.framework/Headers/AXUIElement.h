/*
 * AXUIElement.h: elements of other applications' user interfaces: their attributes, actions and notifications,
 * and the trust an application needs to use them.
 */
#ifndef __AXUIELEMENT__
#define __AXUIELEMENT__

#include <CoreFoundation/CoreFoundation.h>
#include <CoreGraphics/CoreGraphics.h>
#include <HIServices/AXError.h>
#include <sys/types.h>

typedef const struct CF_BRIDGED_TYPE(id) __AXUIElement *AXUIElementRef;
typedef struct CF_BRIDGED_TYPE(id) __AXObserver *AXObserverRef;
typedef CF_OPTIONS(UInt32, AXCopyMultipleAttributeOptions) {
    kAXCopyMultipleAttributeOptionStopOnError = 0x1
};

typedef void (*AXObserverCallback)(AXObserverRef observer, AXUIElementRef element, CFStringRef notification,
                                   void *refcon);
typedef void (*AXObserverCallbackWithInfo)(AXObserverRef observer, AXUIElementRef element,
                                           CFStringRef notification, CFDictionaryRef info, void *refcon);

CF_EXTERN_C_BEGIN
extern CFStringRef kAXTrustedCheckOptionPrompt;

Boolean AXAPIEnabled(void) API_DEPRECATED("no longer supported", macos(10.0, 10.9));
Boolean AXIsProcessTrustedWithOptions(CFDictionaryRef options) API_AVAILABLE(macos(10.9));
Boolean AXIsProcessTrusted(void);
CFTypeID AXUIElementGetTypeID(void);
AXError AXUIElementCopyAttributeNames(AXUIElementRef element, CFArrayRef *names);
AXError AXUIElementCopyAttributeValue(AXUIElementRef element, CFStringRef attribute, CFTypeRef *value);
AXError AXUIElementGetAttributeValueCount(AXUIElementRef element, CFStringRef attribute, CFIndex *count);
AXError AXUIElementCopyAttributeValues(AXUIElementRef element, CFStringRef attribute, CFIndex index,
                                       CFIndex maxValues, CFArrayRef *values);
AXError AXUIElementIsAttributeSettable(AXUIElementRef element, CFStringRef attribute, Boolean *settable);
AXError AXUIElementSetAttributeValue(AXUIElementRef element, CFStringRef attribute, CFTypeRef value);
AXError AXUIElementCopyMultipleAttributeValues(AXUIElementRef element, CFArrayRef attributes,
                                               AXCopyMultipleAttributeOptions options, CFArrayRef *values);
AXError AXUIElementCopyParameterizedAttributeNames(AXUIElementRef element, CFArrayRef *names);
AXError AXUIElementCopyParameterizedAttributeValue(AXUIElementRef element, CFStringRef parameterizedAttribute,
                                                   CFTypeRef parameter, CFTypeRef *result);
AXError AXUIElementCopyActionNames(AXUIElementRef element, CFArrayRef *names);
AXError AXUIElementCopyActionDescription(AXUIElementRef element, CFStringRef action, CFStringRef *description);
AXError AXUIElementPerformAction(AXUIElementRef element, CFStringRef action);
AXError AXUIElementCopyElementAtPosition(AXUIElementRef application, float x, float y, AXUIElementRef *element);
AXUIElementRef AXUIElementCreateApplication(pid_t pid);
AXUIElementRef AXUIElementCreateSystemWide(void);
AXError AXUIElementGetPid(AXUIElementRef element, pid_t *pid);
AXError AXUIElementSetMessagingTimeout(AXUIElementRef element, float timeoutInSeconds);
AXError AXUIElementPostKeyboardEvent(AXUIElementRef application, CGCharCode keyChar, CGKeyCode virtualKey,
                                     Boolean keyDown) API_DEPRECATED("No longer supported", macos(10.0, 10.9));
CFTypeID AXObserverGetTypeID(void);
AXError AXObserverCreate(pid_t application, AXObserverCallback callback, AXObserverRef *outObserver);
AXError AXObserverCreateWithInfoCallback(pid_t application, AXObserverCallbackWithInfo callback,
                                         AXObserverRef *outObserver);
AXError AXObserverAddNotification(AXObserverRef observer, AXUIElementRef element, CFStringRef notification,
                                  void *refcon);
AXError AXObserverRemoveNotification(AXObserverRef observer, AXUIElementRef element, CFStringRef notification);
CFRunLoopSourceRef AXObserverGetRunLoopSource(AXObserverRef observer);
CF_EXTERN_C_END

#endif /* __AXUIELEMENT__ */
