/* CGDirectDisplay.h: the displays of a Mac: their identifiers, bounds and display modes (macOS only). */
#ifndef CGDIRECTDISPLAY_H_
#define CGDIRECTDISPLAY_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGError.h>
#include <CoreGraphics/CGGeometry.h>
#include <CoreGraphics/CGImage.h>
#include <CoreFoundation/CFArray.h>
#include <CoreFoundation/CFDictionary.h>
#include <CoreGraphics/CGColorSpace.h>
#include <mach/mach_types.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef uint32_t CGDirectDisplayID;
typedef struct CF_BRIDGED_TYPE(id) CGDisplayMode *CGDisplayModeRef;
typedef double CGRefreshRate;
typedef uint32_t CGDisplayCount;
typedef CGError CGDisplayErr;
typedef float CGGammaValue;

#define kCGNullDirectDisplay ((CGDirectDisplayID)0)

CG_EXTERN CGDirectDisplayID CGMainDisplayID(void) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGGetActiveDisplayList(uint32_t maxDisplays, CGDirectDisplayID *_Nullable activeDisplays,
                                         uint32_t *_Nullable displayCount) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGGetOnlineDisplayList(uint32_t maxDisplays, CGDirectDisplayID *_Nullable onlineDisplays,
                                         uint32_t *_Nullable displayCount) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGRect CGDisplayBounds(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN size_t CGDisplayPixelsWide(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN size_t CGDisplayPixelsHigh(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGImageRef _Nullable CGDisplayCreateImage(CGDirectDisplayID displayID)
    API_DEPRECATED("use ScreenCaptureKit", macos(10.6, 14.0)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGDisplayModeRef _Nullable CGDisplayCopyDisplayMode(CGDirectDisplayID display)
    API_AVAILABLE(macos(10.6)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CFArrayRef _Nullable CGDisplayCopyAllDisplayModes(CGDirectDisplayID display,
                                                            CFDictionaryRef _Nullable options)
    API_AVAILABLE(macos(10.6)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN size_t CGDisplayModeGetWidth(CGDisplayModeRef _Nullable mode)
    API_AVAILABLE(macos(10.6)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN size_t CGDisplayModeGetHeight(CGDisplayModeRef _Nullable mode)
    API_AVAILABLE(macos(10.6)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN size_t CGDisplayModeGetPixelWidth(CGDisplayModeRef _Nullable mode)
    API_AVAILABLE(macos(10.8)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN size_t CGDisplayModeGetPixelHeight(CGDisplayModeRef _Nullable mode)
    API_AVAILABLE(macos(10.8)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN double CGDisplayModeGetRefreshRate(CGDisplayModeRef _Nullable mode)
    API_AVAILABLE(macos(10.6)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGDisplayModeRef _Nullable CGDisplayModeRetain(CGDisplayModeRef _Nullable mode)
    API_AVAILABLE(macos(10.6)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN void CGDisplayModeRelease(CGDisplayModeRef _Nullable mode)
    API_AVAILABLE(macos(10.6)) API_UNAVAILABLE(ios, tvos, watchos);

CG_EXTERN CGError CGGetDisplaysWithPoint(CGPoint point, uint32_t maxDisplays,
                                         CGDirectDisplayID *_Nullable displays, uint32_t *_Nullable matchingDisplayCount)
    API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGGetDisplaysWithRect(CGRect rect, uint32_t maxDisplays, CGDirectDisplayID *_Nullable displays,
                                        uint32_t *_Nullable matchingDisplayCount) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN boolean_t CGDisplayIsActive(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN boolean_t CGDisplayIsAsleep(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN boolean_t CGDisplayIsOnline(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN boolean_t CGDisplayIsMain(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN boolean_t CGDisplayIsBuiltin(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN boolean_t CGDisplayIsInMirrorSet(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN boolean_t CGDisplayIsAlwaysInMirrorSet(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN boolean_t CGDisplayIsInHWMirrorSet(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGDirectDisplayID CGDisplayMirrorsDisplay(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGDirectDisplayID CGDisplayPrimaryDisplay(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN uint32_t CGDisplayUnitNumber(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN uint32_t CGDisplayVendorNumber(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN uint32_t CGDisplayModelNumber(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN uint32_t CGDisplaySerialNumber(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN double CGDisplayRotation(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGSize CGDisplayScreenSize(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGColorSpaceRef CGDisplayCopyColorSpace(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN uint32_t CGDisplayIOServicePort(CGDirectDisplayID display)
    API_DEPRECATED("No longer supported", macos(10.2, 10.9)) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGDisplaySetDisplayMode(CGDirectDisplayID display, CGDisplayModeRef _Nullable mode,
                                          CFDictionaryRef _Nullable options) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN uint32_t CGDisplayModeGetIOFlags(CGDisplayModeRef _Nullable mode) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN int32_t CGDisplayModeGetIODisplayModeID(CGDisplayModeRef _Nullable mode)
    API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN bool CGDisplayModeIsUsableForDesktopGUI(CGDisplayModeRef _Nullable mode)
    API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CFTypeID CGDisplayModeGetTypeID(void) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGSetDisplayTransferByFormula(CGDirectDisplayID display, CGGammaValue redMin, CGGammaValue redMax,
                                                CGGammaValue redGamma, CGGammaValue greenMin, CGGammaValue greenMax,
                                                CGGammaValue greenGamma, CGGammaValue blueMin, CGGammaValue blueMax,
                                                CGGammaValue blueGamma) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGGetDisplayTransferByFormula(CGDirectDisplayID display, CGGammaValue *redMin,
                                                CGGammaValue *redMax, CGGammaValue *redGamma,
                                                CGGammaValue *greenMin, CGGammaValue *greenMax,
                                                CGGammaValue *greenGamma, CGGammaValue *blueMin,
                                                CGGammaValue *blueMax, CGGammaValue *blueGamma)
    API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN uint32_t CGDisplayGammaTableCapacity(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGSetDisplayTransferByTable(CGDirectDisplayID display, uint32_t tableSize,
                                              const CGGammaValue *_Nullable redTable,
                                              const CGGammaValue *_Nullable greenTable,
                                              const CGGammaValue *_Nullable blueTable)
    API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGGetDisplayTransferByTable(CGDirectDisplayID display, uint32_t capacity,
                                              CGGammaValue *_Nullable redTable, CGGammaValue *_Nullable greenTable,
                                              CGGammaValue *_Nullable blueTable, uint32_t *_Nullable sampleCount)
    API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN void CGDisplayRestoreColorSyncSettings(void) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGDisplayCapture(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGDisplayRelease(CGDirectDisplayID display) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGCaptureAllDisplays(void) API_UNAVAILABLE(ios, tvos, watchos);
CG_EXTERN CGError CGReleaseAllDisplays(void) API_UNAVAILABLE(ios, tvos, watchos);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGDIRECTDISPLAY_H_ */
