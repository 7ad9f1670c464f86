/* CGEventSource.h: sources of Quartz events, and the state of keys and buttons they report (macOS only). */
#ifndef CGEVENTSOURCE_H_
#define CGEVENTSOURCE_H_

#include <CoreGraphics/CGEventTypes.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

CG_EXTERN CFTypeID CGEventSourceGetTypeID(void);
CG_EXTERN CGEventSourceRef _Nullable CGEventSourceCreate(CGEventSourceStateID stateID);
CG_EXTERN int64_t CGEventSourceGetUserData(CGEventSourceRef _Nullable source);
CG_EXTERN void CGEventSourceSetUserData(CGEventSourceRef _Nullable source, int64_t userData);
CG_EXTERN CGEventSourceStateID CGEventSourceGetSourceStateID(CGEventSourceRef _Nullable source);
CG_EXTERN bool CGEventSourceButtonState(CGEventSourceStateID stateID, CGMouseButton button);
CG_EXTERN bool CGEventSourceKeyState(CGEventSourceStateID stateID, CGKeyCode key);
CG_EXTERN CGEventFlags CGEventSourceFlagsState(CGEventSourceStateID stateID);
CG_EXTERN CFTimeInterval CGEventSourceSecondsSinceLastEventType(CGEventSourceStateID stateID, CGEventType eventType);
CG_EXTERN uint32_t CGEventSourceCounterForEventType(CGEventSourceStateID stateID, CGEventType eventType);
CG_EXTERN void CGEventSourceSetLocalEventsSuppressionInterval(CGEventSourceRef _Nullable source, double seconds);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGEVENTSOURCE_H_ */
