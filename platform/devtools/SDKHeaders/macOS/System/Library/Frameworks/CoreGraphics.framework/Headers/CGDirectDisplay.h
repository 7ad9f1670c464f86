/* CGDirectDisplay.h: the displays of a Mac: their identifiers, bounds and display modes (macOS only). */
#ifndef CGDIRECTDISPLAY_H_
#define CGDIRECTDISPLAY_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGError.h>
#include <CoreGraphics/CGGeometry.h>
#include <CoreGraphics/CGImage.h>
#include <CoreFoundation/CFArray.h>
#include <CoreFoundation/CFDictionary.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef uint32_t CGDirectDisplayID;
typedef struct CF_BRIDGED_TYPE(id) CGDisplayMode *CGDisplayModeRef;
typedef double CGRefreshRate;

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

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGDIRECTDISPLAY_H_ */
