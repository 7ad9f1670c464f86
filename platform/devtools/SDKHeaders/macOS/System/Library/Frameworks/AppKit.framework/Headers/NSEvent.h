/* NSEvent.h: input events: mouse, keyboard, scroll, gesture and application events, their masks and modifier flags,
   and event monitors. The names of the types and masks before macOS 10.12 are kept for the code that still uses them. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>

@class NSWindow, NSGraphicsContext, NSTrackingArea;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSEventType) {
    NSEventTypeLeftMouseDown = 1,
    NSEventTypeLeftMouseUp = 2,
    NSEventTypeRightMouseDown = 3,
    NSEventTypeRightMouseUp = 4,
    NSEventTypeMouseMoved = 5,
    NSEventTypeLeftMouseDragged = 6,
    NSEventTypeRightMouseDragged = 7,
    NSEventTypeMouseEntered = 8,
    NSEventTypeMouseExited = 9,
    NSEventTypeKeyDown = 10,
    NSEventTypeKeyUp = 11,
    NSEventTypeFlagsChanged = 12,
    NSEventTypeAppKitDefined = 13,
    NSEventTypeSystemDefined = 14,
    NSEventTypeApplicationDefined = 15,
    NSEventTypePeriodic = 16,
    NSEventTypeCursorUpdate = 17,
    NSEventTypeScrollWheel = 22,
    NSEventTypeTabletPoint = 23,
    NSEventTypeTabletProximity = 24,
    NSEventTypeOtherMouseDown = 25,
    NSEventTypeOtherMouseUp = 26,
    NSEventTypeOtherMouseDragged = 27,
    NSEventTypeGesture API_AVAILABLE(macos(10.5)) = 29,
    NSEventTypeMagnify API_AVAILABLE(macos(10.5)) = 30,
    NSEventTypeSwipe API_AVAILABLE(macos(10.5)) = 31,
    NSEventTypeRotate API_AVAILABLE(macos(10.5)) = 18,
    NSEventTypeBeginGesture API_AVAILABLE(macos(10.5)) = 19,
    NSEventTypeEndGesture API_AVAILABLE(macos(10.5)) = 20,
    NSEventTypeSmartMagnify API_AVAILABLE(macos(10.8)) = 32,
    NSEventTypeQuickLook API_AVAILABLE(macos(10.8)) = 33,
    NSEventTypePressure API_AVAILABLE(macos(10.10.3)) = 34,
    NSEventTypeDirectTouch API_AVAILABLE(macos(10.10)) = 37,
    NSEventTypeChangeMode API_AVAILABLE(macos(10.15)) = 38,
};

static const NSEventType NSLeftMouseDown API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeLeftMouseDown", macos(10.0, 10.12)) = NSEventTypeLeftMouseDown;
static const NSEventType NSLeftMouseUp API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeLeftMouseUp", macos(10.0, 10.12)) = NSEventTypeLeftMouseUp;
static const NSEventType NSRightMouseDown API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeRightMouseDown", macos(10.0, 10.12)) = NSEventTypeRightMouseDown;
static const NSEventType NSRightMouseUp API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeRightMouseUp", macos(10.0, 10.12)) = NSEventTypeRightMouseUp;
static const NSEventType NSMouseMoved API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeMouseMoved", macos(10.0, 10.12)) = NSEventTypeMouseMoved;
static const NSEventType NSLeftMouseDragged API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeLeftMouseDragged", macos(10.0, 10.12)) = NSEventTypeLeftMouseDragged;
static const NSEventType NSRightMouseDragged API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeRightMouseDragged", macos(10.0, 10.12)) = NSEventTypeRightMouseDragged;
static const NSEventType NSMouseEntered API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeMouseEntered", macos(10.0, 10.12)) = NSEventTypeMouseEntered;
static const NSEventType NSMouseExited API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeMouseExited", macos(10.0, 10.12)) = NSEventTypeMouseExited;
static const NSEventType NSKeyDown API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeKeyDown", macos(10.0, 10.12)) = NSEventTypeKeyDown;
static const NSEventType NSKeyUp API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeKeyUp", macos(10.0, 10.12)) = NSEventTypeKeyUp;
static const NSEventType NSFlagsChanged API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeFlagsChanged", macos(10.0, 10.12)) = NSEventTypeFlagsChanged;
static const NSEventType NSAppKitDefined API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeAppKitDefined", macos(10.0, 10.12)) = NSEventTypeAppKitDefined;
static const NSEventType NSSystemDefined API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeSystemDefined", macos(10.0, 10.12)) = NSEventTypeSystemDefined;
static const NSEventType NSApplicationDefined API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeApplicationDefined", macos(10.0, 10.12)) = NSEventTypeApplicationDefined;
static const NSEventType NSPeriodic API_DEPRECATED_WITH_REPLACEMENT("NSEventTypePeriodic", macos(10.0, 10.12)) = NSEventTypePeriodic;
static const NSEventType NSCursorUpdate API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeCursorUpdate", macos(10.0, 10.12)) = NSEventTypeCursorUpdate;
static const NSEventType NSScrollWheel API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeScrollWheel", macos(10.0, 10.12)) = NSEventTypeScrollWheel;
static const NSEventType NSOtherMouseDown API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeOtherMouseDown", macos(10.0, 10.12)) = NSEventTypeOtherMouseDown;
static const NSEventType NSOtherMouseUp API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeOtherMouseUp", macos(10.0, 10.12)) = NSEventTypeOtherMouseUp;
static const NSEventType NSOtherMouseDragged API_DEPRECATED_WITH_REPLACEMENT("NSEventTypeOtherMouseDragged", macos(10.0, 10.12)) = NSEventTypeOtherMouseDragged;

typedef NS_OPTIONS(unsigned long long, NSEventMask) {
    NSEventMaskLeftMouseDown = 1ULL << NSEventTypeLeftMouseDown,
    NSEventMaskLeftMouseUp = 1ULL << NSEventTypeLeftMouseUp,
    NSEventMaskRightMouseDown = 1ULL << NSEventTypeRightMouseDown,
    NSEventMaskRightMouseUp = 1ULL << NSEventTypeRightMouseUp,
    NSEventMaskMouseMoved = 1ULL << NSEventTypeMouseMoved,
    NSEventMaskLeftMouseDragged = 1ULL << NSEventTypeLeftMouseDragged,
    NSEventMaskRightMouseDragged = 1ULL << NSEventTypeRightMouseDragged,
    NSEventMaskMouseEntered = 1ULL << NSEventTypeMouseEntered,
    NSEventMaskMouseExited = 1ULL << NSEventTypeMouseExited,
    NSEventMaskKeyDown = 1ULL << NSEventTypeKeyDown,
    NSEventMaskKeyUp = 1ULL << NSEventTypeKeyUp,
    NSEventMaskFlagsChanged = 1ULL << NSEventTypeFlagsChanged,
    NSEventMaskAppKitDefined = 1ULL << NSEventTypeAppKitDefined,
    NSEventMaskSystemDefined = 1ULL << NSEventTypeSystemDefined,
    NSEventMaskApplicationDefined = 1ULL << NSEventTypeApplicationDefined,
    NSEventMaskPeriodic = 1ULL << NSEventTypePeriodic,
    NSEventMaskCursorUpdate = 1ULL << NSEventTypeCursorUpdate,
    NSEventMaskScrollWheel = 1ULL << NSEventTypeScrollWheel,
    NSEventMaskTabletPoint = 1ULL << NSEventTypeTabletPoint,
    NSEventMaskTabletProximity = 1ULL << NSEventTypeTabletProximity,
    NSEventMaskOtherMouseDown = 1ULL << NSEventTypeOtherMouseDown,
    NSEventMaskOtherMouseUp = 1ULL << NSEventTypeOtherMouseUp,
    NSEventMaskOtherMouseDragged = 1ULL << NSEventTypeOtherMouseDragged,
    NSEventMaskGesture API_AVAILABLE(macos(10.5)) = 1ULL << NSEventTypeGesture,
    NSEventMaskMagnify API_AVAILABLE(macos(10.5)) = 1ULL << NSEventTypeMagnify,
    NSEventMaskSwipe API_AVAILABLE(macos(10.5)) = 1ULL << NSEventTypeSwipe,
    NSEventMaskRotate API_AVAILABLE(macos(10.5)) = 1ULL << NSEventTypeRotate,
    NSEventMaskBeginGesture API_AVAILABLE(macos(10.5)) = 1ULL << NSEventTypeBeginGesture,
    NSEventMaskEndGesture API_AVAILABLE(macos(10.5)) = 1ULL << NSEventTypeEndGesture,
    NSEventMaskSmartMagnify API_AVAILABLE(macos(10.8)) = 1ULL << NSEventTypeSmartMagnify,
    NSEventMaskPressure API_AVAILABLE(macos(10.10.3)) = 1ULL << NSEventTypePressure,
    NSEventMaskAny = NSUIntegerMax,
};

static const NSEventMask NSLeftMouseDownMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskLeftMouseDown", macos(10.0, 10.12)) = NSEventMaskLeftMouseDown;
static const NSEventMask NSLeftMouseUpMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskLeftMouseUp", macos(10.0, 10.12)) = NSEventMaskLeftMouseUp;
static const NSEventMask NSRightMouseDownMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskRightMouseDown", macos(10.0, 10.12)) = NSEventMaskRightMouseDown;
static const NSEventMask NSRightMouseUpMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskRightMouseUp", macos(10.0, 10.12)) = NSEventMaskRightMouseUp;
static const NSEventMask NSMouseMovedMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskMouseMoved", macos(10.0, 10.12)) = NSEventMaskMouseMoved;
static const NSEventMask NSLeftMouseDraggedMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskLeftMouseDragged", macos(10.0, 10.12)) = NSEventMaskLeftMouseDragged;
static const NSEventMask NSRightMouseDraggedMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskRightMouseDragged", macos(10.0, 10.12)) = NSEventMaskRightMouseDragged;
static const NSEventMask NSMouseEnteredMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskMouseEntered", macos(10.0, 10.12)) = NSEventMaskMouseEntered;
static const NSEventMask NSMouseExitedMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskMouseExited", macos(10.0, 10.12)) = NSEventMaskMouseExited;
static const NSEventMask NSKeyDownMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskKeyDown", macos(10.0, 10.12)) = NSEventMaskKeyDown;
static const NSEventMask NSKeyUpMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskKeyUp", macos(10.0, 10.12)) = NSEventMaskKeyUp;
static const NSEventMask NSFlagsChangedMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskFlagsChanged", macos(10.0, 10.12)) = NSEventMaskFlagsChanged;
static const NSEventMask NSAppKitDefinedMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskAppKitDefined", macos(10.0, 10.12)) = NSEventMaskAppKitDefined;
static const NSEventMask NSSystemDefinedMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskSystemDefined", macos(10.0, 10.12)) = NSEventMaskSystemDefined;
static const NSEventMask NSApplicationDefinedMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskApplicationDefined", macos(10.0, 10.12)) = NSEventMaskApplicationDefined;
static const NSEventMask NSPeriodicMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskPeriodic", macos(10.0, 10.12)) = NSEventMaskPeriodic;
static const NSEventMask NSCursorUpdateMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskCursorUpdate", macos(10.0, 10.12)) = NSEventMaskCursorUpdate;
static const NSEventMask NSScrollWheelMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskScrollWheel", macos(10.0, 10.12)) = NSEventMaskScrollWheel;
static const NSEventMask NSOtherMouseDownMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskOtherMouseDown", macos(10.0, 10.12)) = NSEventMaskOtherMouseDown;
static const NSEventMask NSOtherMouseUpMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskOtherMouseUp", macos(10.0, 10.12)) = NSEventMaskOtherMouseUp;
static const NSEventMask NSOtherMouseDraggedMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskOtherMouseDragged", macos(10.0, 10.12)) = NSEventMaskOtherMouseDragged;
static const NSEventMask NSAnyEventMask API_DEPRECATED_WITH_REPLACEMENT("NSEventMaskAny", macos(10.0, 10.12)) = NSUIntegerMax;

NS_INLINE NSEventMask NSEventMaskFromType(NSEventType type) { return (1ULL << type); }

typedef NS_OPTIONS(NSUInteger, NSEventModifierFlags) {
    NSEventModifierFlagCapsLock = 1 << 16,
    NSEventModifierFlagShift = 1 << 17,
    NSEventModifierFlagControl = 1 << 18,
    NSEventModifierFlagOption = 1 << 19,
    NSEventModifierFlagCommand = 1 << 20,
    NSEventModifierFlagNumericPad = 1 << 21,
    NSEventModifierFlagHelp = 1 << 22,
    NSEventModifierFlagFunction = 1 << 23,
    NSEventModifierFlagDeviceIndependentFlagsMask = 0xffff0000UL
};

static const NSEventModifierFlags NSAlphaShiftKeyMask API_DEPRECATED_WITH_REPLACEMENT("NSEventModifierFlagCapsLock", macos(10.0, 10.12)) = NSEventModifierFlagCapsLock;
static const NSEventModifierFlags NSShiftKeyMask API_DEPRECATED_WITH_REPLACEMENT("NSEventModifierFlagShift", macos(10.0, 10.12)) = NSEventModifierFlagShift;
static const NSEventModifierFlags NSControlKeyMask API_DEPRECATED_WITH_REPLACEMENT("NSEventModifierFlagControl", macos(10.0, 10.12)) = NSEventModifierFlagControl;
static const NSEventModifierFlags NSAlternateKeyMask API_DEPRECATED_WITH_REPLACEMENT("NSEventModifierFlagOption", macos(10.0, 10.12)) = NSEventModifierFlagOption;
static const NSEventModifierFlags NSCommandKeyMask API_DEPRECATED_WITH_REPLACEMENT("NSEventModifierFlagCommand", macos(10.0, 10.12)) = NSEventModifierFlagCommand;
static const NSEventModifierFlags NSNumericPadKeyMask API_DEPRECATED_WITH_REPLACEMENT("NSEventModifierFlagNumericPad", macos(10.0, 10.12)) = NSEventModifierFlagNumericPad;
static const NSEventModifierFlags NSHelpKeyMask API_DEPRECATED_WITH_REPLACEMENT("NSEventModifierFlagHelp", macos(10.0, 10.12)) = NSEventModifierFlagHelp;
static const NSEventModifierFlags NSFunctionKeyMask API_DEPRECATED_WITH_REPLACEMENT("NSEventModifierFlagFunction", macos(10.0, 10.12)) = NSEventModifierFlagFunction;
static const NSEventModifierFlags NSDeviceIndependentModifierFlagsMask API_DEPRECATED_WITH_REPLACEMENT("NSEventModifierFlagDeviceIndependentFlagsMask", macos(10.0, 10.12)) = NSEventModifierFlagDeviceIndependentFlagsMask;

typedef NS_ENUM(NSUInteger, NSPointingDeviceType) {
    NSPointingDeviceTypeUnknown = 0,
    NSPointingDeviceTypePen = 1,
    NSPointingDeviceTypeCursor = 2,
    NSPointingDeviceTypeEraser = 3
};

typedef NS_OPTIONS(NSUInteger, NSEventPhase) {
    NSEventPhaseNone = 0,
    NSEventPhaseBegan = 0x1 << 0,
    NSEventPhaseStationary = 0x1 << 1,
    NSEventPhaseChanged = 0x1 << 2,
    NSEventPhaseEnded = 0x1 << 3,
    NSEventPhaseCancelled = 0x1 << 4,
    NSEventPhaseMayBegin = 0x1 << 5,
} API_AVAILABLE(macos(10.7));

typedef NS_ENUM(NSInteger, NSEventGestureAxis) {
    NSEventGestureAxisNone = 0,
    NSEventGestureAxisHorizontal,
    NSEventGestureAxisVertical
} API_AVAILABLE(macos(10.7));

typedef NS_OPTIONS(NSUInteger, NSEventSwipeTrackingOptions) {
    NSEventSwipeTrackingLockDirection = 0x1 << 0,
    NSEventSwipeTrackingClampGestureAmount = 0x1 << 1
} API_AVAILABLE(macos(10.7));

typedef NS_ENUM(NSInteger, NSEventSubtype) {
    NSEventSubtypeWindowExposed = 0,
    NSEventSubtypeApplicationActivated = 1,
    NSEventSubtypeApplicationDeactivated = 2,
    NSEventSubtypeWindowMoved = 4,
    NSEventSubtypeScreenChanged = 8,
    NSEventSubtypePowerOff = 1,
    NSEventSubtypeMouseEvent = 0,
    NSEventSubtypeTabletPoint = 1,
    NSEventSubtypeTabletProximity = 2,
    NSEventSubtypeTouch API_AVAILABLE(macos(10.6)) = 3
};

@interface NSEvent : NSObject <NSCopying, NSCoding>
@property (readonly) NSEventType type;
@property (readonly) NSEventModifierFlags modifierFlags;
@property (readonly) NSTimeInterval timestamp;
@property (nullable, readonly, weak) NSWindow *window;
@property (readonly) NSInteger windowNumber;
@property (nullable, readonly, strong) NSGraphicsContext *context API_DEPRECATED("", macos(10.0, 10.12));
@property (readonly) NSInteger clickCount;
@property (readonly) NSInteger buttonNumber;
@property (readonly) NSInteger eventNumber;
@property (readonly) float pressure;
@property (readonly) NSPoint locationInWindow;
@property (readonly) CGFloat deltaX;
@property (readonly) CGFloat deltaY;
@property (readonly) CGFloat deltaZ;
@property (readonly) BOOL hasPreciseScrollingDeltas API_AVAILABLE(macos(10.7));
@property (readonly) CGFloat scrollingDeltaX API_AVAILABLE(macos(10.7));
@property (readonly) CGFloat scrollingDeltaY API_AVAILABLE(macos(10.7));
@property (readonly) NSEventPhase momentumPhase API_AVAILABLE(macos(10.7));
@property (readonly, getter=isDirectionInvertedFromDevice) BOOL directionInvertedFromDevice API_AVAILABLE(macos(10.7));
@property (nullable, readonly, copy) NSString *characters;
@property (nullable, readonly, copy) NSString *charactersIgnoringModifiers;
- (nullable NSString *)charactersByApplyingModifiers:(NSEventModifierFlags)modifiers API_AVAILABLE(macos(10.15));
@property (getter=isARepeat, readonly) BOOL ARepeat;
@property (readonly) unsigned short keyCode;
@property (readonly) NSInteger trackingNumber;
@property (nullable, readonly) void *userData NS_RETURNS_INNER_POINTER;
@property (nullable, readonly, strong) NSTrackingArea *trackingArea API_AVAILABLE(macos(10.5));
@property (readonly) short subtype;
@property (readonly) NSInteger data1;
@property (readonly) NSInteger data2;
@property (nullable, readonly) const void *eventRef NS_RETURNS_INNER_POINTER API_AVAILABLE(macos(10.5));
+ (nullable NSEvent *)eventWithEventRef:(const void *)eventRef API_AVAILABLE(macos(10.5));
@property (nullable, readonly) CGEventRef CGEvent API_AVAILABLE(macos(10.5));
+ (nullable NSEvent *)eventWithCGEvent:(CGEventRef)cgEvent API_AVAILABLE(macos(10.5));
@property (readonly) CGFloat magnification API_AVAILABLE(macos(10.5));
@property (readonly) float rotation API_AVAILABLE(macos(10.5));
@property (readonly) NSEventPhase phase API_AVAILABLE(macos(10.7));
@property (readonly) NSPointingDeviceType pointingDeviceType;
@property (readonly) NSUInteger deviceID;
@property (class, getter=isMouseCoalescingEnabled) BOOL mouseCoalescingEnabled;
@property (class, readonly) NSPoint mouseLocation;
@property (class, readonly) NSEventModifierFlags modifierFlags API_AVAILABLE(macos(10.6));
@property (class, readonly) NSUInteger pressedMouseButtons API_AVAILABLE(macos(10.6));
@property (class, readonly) NSTimeInterval doubleClickInterval API_AVAILABLE(macos(10.6));
@property (class, readonly) NSTimeInterval keyRepeatDelay API_AVAILABLE(macos(10.6));
@property (class, readonly) NSTimeInterval keyRepeatInterval API_AVAILABLE(macos(10.6));
+ (nullable NSEvent *)keyEventWithType:(NSEventType)type
                              location:(NSPoint)location
                         modifierFlags:(NSEventModifierFlags)flags
                             timestamp:(NSTimeInterval)time
                          windowNumber:(NSInteger)wNum
                               context:(nullable NSGraphicsContext *)unusedPassNil
                            characters:(NSString *)keys
           charactersIgnoringModifiers:(NSString *)ukeys
                             isARepeat:(BOOL)flag
                               keyCode:(unsigned short)code;
+ (nullable NSEvent *)mouseEventWithType:(NSEventType)type
                                location:(NSPoint)location
                           modifierFlags:(NSEventModifierFlags)flags
                               timestamp:(NSTimeInterval)time
                            windowNumber:(NSInteger)wNum
                                 context:(nullable NSGraphicsContext *)unusedPassNil
                             eventNumber:(NSInteger)eNum
                              clickCount:(NSInteger)cNum
                                pressure:(float)pressure;
+ (nullable NSEvent *)otherEventWithType:(NSEventType)type
                                location:(NSPoint)location
                           modifierFlags:(NSEventModifierFlags)flags
                               timestamp:(NSTimeInterval)time
                            windowNumber:(NSInteger)wNum
                                 context:(nullable NSGraphicsContext *)unusedPassNil
                                 subtype:(short)subtype
                                   data1:(NSInteger)d1
                                   data2:(NSInteger)d2;
+ (void)startPeriodicEventsAfterDelay:(NSTimeInterval)delay withPeriod:(NSTimeInterval)period;
+ (void)stopPeriodicEvents;
#if defined(__BLOCKS__)
+ (nullable id)addGlobalMonitorForEventsMatchingMask:(NSEventMask)mask
                                             handler:(void (^)(NSEvent *event))block API_AVAILABLE(macos(10.6));
+ (nullable id)addLocalMonitorForEventsMatchingMask:(NSEventMask)mask
                                            handler:(NSEvent *_Nullable (^)(NSEvent *event))block
    API_AVAILABLE(macos(10.6));
+ (void)removeMonitor:(id)eventMonitor API_AVAILABLE(macos(10.6));
#endif
@end

enum {
    NSUpArrowFunctionKey = 0xF700,
    NSDownArrowFunctionKey = 0xF701,
    NSLeftArrowFunctionKey = 0xF702,
    NSRightArrowFunctionKey = 0xF703,
    NSF1FunctionKey = 0xF704,
    NSF2FunctionKey = 0xF705,
    NSF3FunctionKey = 0xF706,
    NSF4FunctionKey = 0xF707,
    NSF5FunctionKey = 0xF708,
    NSF6FunctionKey = 0xF709,
    NSF7FunctionKey = 0xF70A,
    NSF8FunctionKey = 0xF70B,
    NSF9FunctionKey = 0xF70C,
    NSF10FunctionKey = 0xF70D,
    NSF11FunctionKey = 0xF70E,
    NSF12FunctionKey = 0xF70F,
    NSF13FunctionKey = 0xF710,
    NSF14FunctionKey = 0xF711,
    NSF15FunctionKey = 0xF712,
    NSF16FunctionKey = 0xF713,
    NSF17FunctionKey = 0xF714,
    NSF18FunctionKey = 0xF715,
    NSF19FunctionKey = 0xF716,
    NSF20FunctionKey = 0xF717,
    NSInsertFunctionKey = 0xF727,
    NSDeleteFunctionKey = 0xF728,
    NSHomeFunctionKey = 0xF729,
    NSBeginFunctionKey = 0xF72A,
    NSEndFunctionKey = 0xF72B,
    NSPageUpFunctionKey = 0xF72C,
    NSPageDownFunctionKey = 0xF72D,
    NSPrintScreenFunctionKey = 0xF72E,
    NSScrollLockFunctionKey = 0xF72F,
    NSPauseFunctionKey = 0xF730,
    NSClearLineFunctionKey = 0xF739,
    NSHelpFunctionKey = 0xF746,
    NSModeSwitchFunctionKey = 0xF747
};

NS_ASSUME_NONNULL_END
