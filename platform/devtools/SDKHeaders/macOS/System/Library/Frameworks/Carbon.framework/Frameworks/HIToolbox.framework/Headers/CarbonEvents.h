/*
 * CarbonEvents.h: the Carbon Event Manager as Cocoa apps still use it: event targets and handlers, event classes
 * and kinds, parameters, and system-wide hot keys.
 */
#ifndef __CARBONEVENTS__
#define __CARBONEVENTS__

#include <MacTypes.h>
#include <CoreFoundation/CoreFoundation.h>
#include <CoreServices/CoreServices.h>

typedef struct OpaqueEventRef *EventRef;
typedef struct OpaqueEventTargetRef *EventTargetRef;
typedef struct OpaqueEventHandlerRef *EventHandlerRef;
typedef struct OpaqueEventHandlerCallRef *EventHandlerCallRef;
typedef struct OpaqueEventHotKeyRef *EventHotKeyRef;
typedef struct OpaqueEventLoopRef *EventLoopRef;
typedef OSType EventParamName;
typedef OSType EventParamType;
typedef UInt32 EventClass;
typedef double EventTime;
typedef EventTime EventTimeout;
typedef UInt16 EventMouseButton;

struct EventTypeSpec {
    OSType eventClass;
    UInt32 eventKind;
};
typedef struct EventTypeSpec EventTypeSpec;

struct EventHotKeyID {
    OSType signature;
    UInt32 id;
};
typedef struct EventHotKeyID EventHotKeyID;

typedef OSStatus (*EventHandlerProcPtr)(EventHandlerCallRef inHandlerCallRef, EventRef inEvent, void *inUserData);
typedef EventHandlerProcPtr EventHandlerUPP;

enum {
    kEventClassMouse = 'mous',
    kEventClassKeyboard = 'keyb',
    kEventClassTextInput = 'text',
    kEventClassApplication = 'appl',
    kEventClassAppleEvent = 'eppc',
    kEventClassMenu = 'menu',
    kEventClassWindow = 'wind',
    kEventClassControl = 'cntl',
    kEventClassCommand = 'cmds',
    kEventClassTablet = 'tblt',
    kEventClassVolume = 'vol ',
    kEventClassAppearance = 'appm',
    kEventClassService = 'serv',
    kEventClassToolbar = 'tbar',
    kEventClassToolbarItem = 'tbit',
    kEventClassAccessibility = 'acce',
    kEventClassSystem = 'macs'
};

enum {
    kEventRawKeyDown = 1,
    kEventRawKeyRepeat = 2,
    kEventRawKeyUp = 3,
    kEventRawKeyModifiersChanged = 4,
    kEventHotKeyPressed = 5,
    kEventHotKeyReleased = 6
};

enum {
    kEventAppActivated = 1,
    kEventAppDeactivated = 2,
    kEventAppQuit = 3,
    kEventAppLaunchNotification = 4,
    kEventAppLaunched = 5,
    kEventAppTerminated = 6,
    kEventAppFrontSwitched = 7
};

enum {
    kEventParamDirectObject = '----',
    kEventParamKeyCode = 'kcod',
    kEventParamKeyMacCharCodes = 'kchr',
    kEventParamKeyModifiers = 'kmod',
    kEventParamKeyUnicodes = 'kuni',
    kEventParamKeyboardType = 'kbdt',
    kEventParamProcessID = 'psn ',
    kEventParamMouseLocation = 'mloc',
    kEventParamMouseButton = 'mbtn',
    kEventParamWindowRef = 'wind'
};

enum {
    typeEventHotKeyID = 'hkid',
    typeEventRef = 'evrf',
    typeEventTargetRef = 'etrg',
    typeHICommand = 'hcmd',
    typeHIPoint = 'hipt'
};

enum {
    kEventHotKeyNoOptions = 0,
    kEventHotKeyExclusive = 1 << 0
};

enum {
    eventAlreadyPostedErr = -9860,
    eventTargetBusyErr = -9861,
    eventClassInvalidErr = -9862,
    eventClassIncorrectErr = -9864,
    eventHandlerAlreadyInstalledErr = -9866,
    eventInternalErr = -9868,
    eventKindIncorrectErr = -9869,
    eventParameterNotFoundErr = -9870,
    eventNotHandledErr = -9874,
    eventLoopTimedOutErr = -9875,
    eventLoopQuitErr = -9876,
    eventNotInQueueErr = -9877,
    eventHotKeyExistsErr = -9878,
    eventHotKeyInvalidErr = -9879
};

#define GetEventTypeCount(t) (sizeof((t)) / sizeof(EventTypeSpec))

CF_EXTERN_C_BEGIN
EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr userRoutine);
void DisposeEventHandlerUPP(EventHandlerUPP userUPP);
EventTargetRef GetApplicationEventTarget(void);
EventTargetRef GetEventDispatcherTarget(void);
EventTargetRef GetEventMonitorTarget(void);
OSStatus InstallEventHandler(EventTargetRef inTarget, EventHandlerUPP inHandler, ItemCount inNumTypes,
                             const EventTypeSpec *inList, void *inUserData, EventHandlerRef *outRef);
#define InstallApplicationEventHandler(h, n, l, u, r) InstallEventHandler(GetApplicationEventTarget(), (h), (n), (l), (u), (r))
OSStatus RemoveEventHandler(EventHandlerRef inHandlerRef);
OSStatus AddEventTypesToHandler(EventHandlerRef inHandlerRef, ItemCount inNumTypes, const EventTypeSpec *inList);
OSStatus RemoveEventTypesFromHandler(EventHandlerRef inHandlerRef, ItemCount inNumTypes,
                                     const EventTypeSpec *inList);
OSStatus CallNextEventHandler(EventHandlerCallRef inCallRef, EventRef inEvent);
OSStatus SendEventToEventTarget(EventRef inEvent, EventTargetRef inTarget);
OSStatus GetEventParameter(EventRef inEvent, EventParamName inName, EventParamType inDesiredType,
                           EventParamType *outActualType, ByteCount inBufferSize, ByteCount *outActualSize,
                           void *outData);
OSStatus SetEventParameter(EventRef inEvent, EventParamName inName, EventParamType inType, ByteCount inSize,
                           const void *inDataPtr);
EventClass GetEventClass(EventRef inEvent);
UInt32 GetEventKind(EventRef inEvent);
EventTime GetEventTime(EventRef inEvent);
EventTime GetCurrentEventTime(void);
EventRef RetainEvent(EventRef inEvent);
void ReleaseEvent(EventRef inEvent);
OSStatus RegisterEventHotKey(UInt32 inHotKeyCode, UInt32 inHotKeyModifiers, EventHotKeyID inHotKeyID,
                             EventTargetRef inTarget, OptionBits inOptions, EventHotKeyRef *outRef);
OSStatus UnregisterEventHotKey(EventHotKeyRef inHotKey);
OSStatus CopySymbolicHotKeys(CFArrayRef *outHotKeyArray);
OSStatus PushSymbolicHotKeyMode(OptionBits inOptions);
void PopSymbolicHotKeyMode(void *inToken);
UInt32 GetCurrentEventKeyModifiers(void);
UInt32 GetCurrentButtonState(void);
CF_EXTERN_C_END

#endif /* __CARBONEVENTS__ */
