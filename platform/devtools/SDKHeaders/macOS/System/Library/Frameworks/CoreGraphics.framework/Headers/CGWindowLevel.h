/* CGWindowLevel.h: the levels windows are ordered in (macOS only). */
#ifndef CGWINDOWLEVEL_H_
#define CGWINDOWLEVEL_H_

#include <CoreGraphics/CGBase.h>

typedef int32_t CGWindowLevel;

typedef CF_ENUM(int32_t, CGWindowLevelKey) {
    kCGBaseWindowLevelKey = 0,
    kCGMinimumWindowLevelKey,
    kCGDesktopWindowLevelKey,
    kCGBackstopMenuLevelKey,
    kCGNormalWindowLevelKey,
    kCGFloatingWindowLevelKey,
    kCGTornOffMenuWindowLevelKey,
    kCGDockWindowLevelKey,
    kCGMainMenuWindowLevelKey,
    kCGStatusWindowLevelKey,
    kCGModalPanelWindowLevelKey,
    kCGPopUpMenuWindowLevelKey,
    kCGDraggingWindowLevelKey,
    kCGScreenSaverWindowLevelKey,
    kCGMaximumWindowLevelKey,
    kCGOverlayWindowLevelKey,
    kCGHelpWindowLevelKey,
    kCGUtilityWindowLevelKey,
    kCGDesktopIconWindowLevelKey,
    kCGCursorWindowLevelKey,
    kCGAssistiveTechHighWindowLevelKey,
    kCGNumberOfWindowLevelKeys
};

CG_EXTERN CGWindowLevel CGWindowLevelForKey(CGWindowLevelKey key);

#define kCGNumReservedWindowLevels (16)
#define kCGBaseWindowLevel INT32_MIN
#define kCGMinimumWindowLevel (kCGBaseWindowLevel + kCGNumReservedWindowLevels)
#define kCGMaximumWindowLevel (INT32_MAX - kCGNumReservedWindowLevels)
#define kCGDesktopWindowLevel CGWindowLevelForKey(kCGDesktopWindowLevelKey)
#define kCGDesktopIconWindowLevel CGWindowLevelForKey(kCGDesktopIconWindowLevelKey)
#define kCGBackstopMenuLevel CGWindowLevelForKey(kCGBackstopMenuLevelKey)
#define kCGNormalWindowLevel CGWindowLevelForKey(kCGNormalWindowLevelKey)
#define kCGFloatingWindowLevel CGWindowLevelForKey(kCGFloatingWindowLevelKey)
#define kCGTornOffMenuWindowLevel CGWindowLevelForKey(kCGTornOffMenuWindowLevelKey)
#define kCGModalPanelWindowLevel CGWindowLevelForKey(kCGModalPanelWindowLevelKey)
#define kCGUtilityWindowLevel CGWindowLevelForKey(kCGUtilityWindowLevelKey)
#define kCGDockWindowLevel CGWindowLevelForKey(kCGDockWindowLevelKey)
#define kCGMainMenuWindowLevel CGWindowLevelForKey(kCGMainMenuWindowLevelKey)
#define kCGStatusWindowLevel CGWindowLevelForKey(kCGStatusWindowLevelKey)
#define kCGPopUpMenuWindowLevel CGWindowLevelForKey(kCGPopUpMenuWindowLevelKey)
#define kCGOverlayWindowLevel CGWindowLevelForKey(kCGOverlayWindowLevelKey)
#define kCGHelpWindowLevel CGWindowLevelForKey(kCGHelpWindowLevelKey)
#define kCGDraggingWindowLevel CGWindowLevelForKey(kCGDraggingWindowLevelKey)
#define kCGScreenSaverWindowLevel CGWindowLevelForKey(kCGScreenSaverWindowLevelKey)
#define kCGAssistiveTechHighWindowLevel CGWindowLevelForKey(kCGAssistiveTechHighWindowLevelKey)
#define kCGCursorWindowLevel CGWindowLevelForKey(kCGCursorWindowLevelKey)

#endif /* CGWINDOWLEVEL_H_ */
