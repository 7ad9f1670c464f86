/* CGWindow.h: the windows on the screen: their lists, descriptions and images (macOS only). */
#ifndef CGWINDOW_H_
#define CGWINDOW_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGGeometry.h>
#include <CoreGraphics/CGImage.h>
#include <CoreFoundation/CFArray.h>
#include <CoreFoundation/CFDictionary.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef uint32_t CGWindowID;

typedef CF_ENUM(uint32_t, CGWindowSharingType) {
    kCGWindowSharingNone = 0,
    kCGWindowSharingReadOnly = 1,
    kCGWindowSharingReadWrite = 2
};

typedef CF_ENUM(uint32_t, CGWindowBackingType) {
    kCGBackingStoreRetained = 0,
    kCGBackingStoreNonretained = 1,
    kCGBackingStoreBuffered = 2
};

typedef CF_OPTIONS(uint32_t, CGWindowListOption) {
    kCGWindowListOptionAll = 0,
    kCGWindowListOptionOnScreenOnly = (1 << 0),
    kCGWindowListOptionOnScreenAboveWindow = (1 << 1),
    kCGWindowListOptionOnScreenBelowWindow = (1 << 2),
    kCGWindowListOptionIncludingWindow = (1 << 3),
    kCGWindowListExcludeDesktopElements = (1 << 4)
};

typedef CF_OPTIONS(uint32_t, CGWindowImageOption) {
    kCGWindowImageDefault = 0,
    kCGWindowImageBoundsIgnoreFraming = (1 << 0),
    kCGWindowImageShouldBeOpaque = (1 << 1),
    kCGWindowImageOnlyShadows = (1 << 2),
    kCGWindowImageBestResolution = (1 << 3),
    kCGWindowImageNominalResolution = (1 << 4)
};

#define kCGNullWindowID ((CGWindowID)0)

CG_EXTERN const CFStringRef kCGWindowNumber;
CG_EXTERN const CFStringRef kCGWindowStoreType;
CG_EXTERN const CFStringRef kCGWindowLayer;
CG_EXTERN const CFStringRef kCGWindowBounds;
CG_EXTERN const CFStringRef kCGWindowSharingState;
CG_EXTERN const CFStringRef kCGWindowAlpha;
CG_EXTERN const CFStringRef kCGWindowOwnerPID;
CG_EXTERN const CFStringRef kCGWindowMemoryUsage;
CG_EXTERN const CFStringRef kCGWindowWorkspace;
CG_EXTERN const CFStringRef kCGWindowOwnerName;
CG_EXTERN const CFStringRef kCGWindowName;
CG_EXTERN const CFStringRef kCGWindowIsOnscreen;
CG_EXTERN const CFStringRef kCGWindowBackingLocationVideoMemory;

CG_EXTERN CFArrayRef _Nullable CGWindowListCopyWindowInfo(CGWindowListOption option, CGWindowID relativeToWindow);
CG_EXTERN CFArrayRef _Nullable CGWindowListCreate(CGWindowListOption option, CGWindowID relativeToWindow);
CG_EXTERN CFArrayRef _Nullable CGWindowListCreateDescriptionFromArray(CFArrayRef _Nullable windowArray);
CG_EXTERN CGImageRef _Nullable CGWindowListCreateImage(CGRect screenBounds, CGWindowListOption listOption,
                                                       CGWindowID windowID, CGWindowImageOption imageOption)
    API_DEPRECATED("use ScreenCaptureKit", macos(10.5, 14.0));
CG_EXTERN CGImageRef _Nullable CGWindowListCreateImageFromArray(CGRect screenBounds, CFArrayRef windowArray,
                                                                CGWindowImageOption imageOption)
    API_DEPRECATED("use ScreenCaptureKit", macos(10.5, 14.0));
CG_EXTERN bool CGPreflightScreenCaptureAccess(void) API_AVAILABLE(macos(10.15));
CG_EXTERN bool CGRequestScreenCaptureAccess(void) API_AVAILABLE(macos(10.15));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGWINDOW_H_ */
