/* CGEvent.h: creating, reading, changing and posting Quartz events, and event taps (macOS only). */
#ifndef CGEVENT_H_
#define CGEVENT_H_

#include <CoreGraphics/CGEventTypes.h>
#include <CoreFoundation/CFData.h>
#include <MacTypes.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

CG_EXTERN CFTypeID CGEventGetTypeID(void);
CG_EXTERN CGEventRef _Nullable CGEventCreate(CGEventSourceRef _Nullable source);
CG_EXTERN CFDataRef _Nullable CGEventCreateData(CFAllocatorRef _Nullable allocator, CGEventRef _Nullable event);
CG_EXTERN CGEventRef _Nullable CGEventCreateFromData(CFAllocatorRef _Nullable allocator, CFDataRef _Nullable data);
CG_EXTERN CGEventRef _Nullable CGEventCreateMouseEvent(CGEventSourceRef _Nullable source, CGEventType mouseType,
                                                       CGPoint mouseCursorPosition, CGMouseButton mouseButton);
CG_EXTERN CGEventRef _Nullable CGEventCreateKeyboardEvent(CGEventSourceRef _Nullable source, CGKeyCode virtualKey,
                                                          bool keyDown);
CG_EXTERN CGEventRef _Nullable CGEventCreateScrollWheelEvent(CGEventSourceRef _Nullable source,
                                                             CGScrollEventUnit units, uint32_t wheelCount,
                                                             int32_t wheel1, ...);
CG_EXTERN CGEventRef _Nullable CGEventCreateScrollWheelEvent2(CGEventSourceRef _Nullable source,
                                                              CGScrollEventUnit units, uint32_t wheelCount,
                                                              int32_t wheel1, int32_t wheel2, int32_t wheel3)
    API_AVAILABLE(macos(10.13));
CG_EXTERN CGEventRef _Nullable CGEventCreateCopy(CGEventRef _Nullable event);
CG_EXTERN CGEventSourceRef _Nullable CGEventCreateSourceFromEvent(CGEventRef _Nullable event);
CG_EXTERN void CGEventSetSource(CGEventRef _Nullable event, CGEventSourceRef _Nullable source);
CG_EXTERN CGEventType CGEventGetType(CGEventRef _Nullable event);
CG_EXTERN void CGEventSetType(CGEventRef _Nullable event, CGEventType type);
CG_EXTERN CGEventTimestamp CGEventGetTimestamp(CGEventRef _Nullable event);
CG_EXTERN void CGEventSetTimestamp(CGEventRef _Nullable event, CGEventTimestamp timestamp);
CG_EXTERN CGPoint CGEventGetLocation(CGEventRef _Nullable event);
CG_EXTERN CGPoint CGEventGetUnflippedLocation(CGEventRef _Nullable event);
CG_EXTERN void CGEventSetLocation(CGEventRef _Nullable event, CGPoint location);
CG_EXTERN CGEventFlags CGEventGetFlags(CGEventRef _Nullable event);
CG_EXTERN void CGEventSetFlags(CGEventRef _Nullable event, CGEventFlags flags);
CG_EXTERN void CGEventKeyboardGetUnicodeString(CGEventRef _Nullable event, UniCharCount maxStringLength,
                                               UniCharCount *_Nullable actualStringLength,
                                               UniChar *_Nullable unicodeString);
CG_EXTERN void CGEventKeyboardSetUnicodeString(CGEventRef _Nullable event, UniCharCount stringLength,
                                               const UniChar *_Nullable unicodeString);
CG_EXTERN int64_t CGEventGetIntegerValueField(CGEventRef _Nullable event, CGEventField field);
CG_EXTERN void CGEventSetIntegerValueField(CGEventRef _Nullable event, CGEventField field, int64_t value);
CG_EXTERN double CGEventGetDoubleValueField(CGEventRef _Nullable event, CGEventField field);
CG_EXTERN void CGEventSetDoubleValueField(CGEventRef _Nullable event, CGEventField field, double value);
CG_EXTERN CFMachPortRef _Nullable CGEventTapCreate(CGEventTapLocation tap, CGEventTapPlacement place,
                                                   CGEventTapOptions options, CGEventMask eventsOfInterest,
                                                   CGEventTapCallBack callback, void *_Nullable userInfo);
CG_EXTERN CFMachPortRef _Nullable CGEventTapCreateForPSN(void *processSerialNumber, CGEventTapPlacement place,
                                                         CGEventTapOptions options, CGEventMask eventsOfInterest,
                                                         CGEventTapCallBack callback, void *_Nullable userInfo);
CG_EXTERN CFMachPortRef _Nullable CGEventTapCreateForPid(pid_t pid, CGEventTapPlacement place,
                                                         CGEventTapOptions options, CGEventMask eventsOfInterest,
                                                         CGEventTapCallBack callback, void *_Nullable userInfo)
    API_AVAILABLE(macos(10.11));
CG_EXTERN void CGEventTapEnable(CFMachPortRef tap, bool enable);
CG_EXTERN bool CGEventTapIsEnabled(CFMachPortRef tap);
CG_EXTERN void CGEventTapPostEvent(CGEventTapProxy _Nullable proxy, CGEventRef _Nullable event);
CG_EXTERN void CGEventPost(CGEventTapLocation tap, CGEventRef _Nullable event);
CG_EXTERN void CGEventPostToPSN(void *_Nullable processSerialNumber, CGEventRef _Nullable event);
CG_EXTERN void CGEventPostToPid(pid_t pid, CGEventRef _Nullable event) API_AVAILABLE(macos(10.11));
CG_EXTERN CGError CGGetEventTapList(uint32_t maxNumberOfTaps, CGEventTapInformation *_Nullable tapList,
                                    uint32_t *_Nullable eventTapCount);
CG_EXTERN bool CGPreflightListenEventAccess(void) API_AVAILABLE(macos(10.15));
CG_EXTERN bool CGRequestListenEventAccess(void) API_AVAILABLE(macos(10.15));
CG_EXTERN bool CGPreflightPostEventAccess(void) API_AVAILABLE(macos(10.15));
CG_EXTERN bool CGRequestPostEventAccess(void) API_AVAILABLE(macos(10.15));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGEVENT_H_ */
