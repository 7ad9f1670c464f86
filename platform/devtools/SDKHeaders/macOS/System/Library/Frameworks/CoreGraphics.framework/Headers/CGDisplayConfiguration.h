/* CGDisplayConfiguration.h: changing the arrangement and mirroring of displays, and learning of changes. */
#ifndef CGDISPLAYCONFIGURATION_H_
#define CGDISPLAYCONFIGURATION_H_

#include <CoreGraphics/CGDirectDisplay.h>

CF_ASSUME_NONNULL_BEGIN

typedef struct _CGDisplayConfigRef *CGDisplayConfigRef;

typedef CF_ENUM(uint32_t, CGConfigureOption) {
    kCGConfigureForAppOnly = 0,
    kCGConfigureForSession = 1,
    kCGConfigurePermanently = 2
};

typedef CF_OPTIONS(uint32_t, CGDisplayChangeSummaryFlags) {
    kCGDisplayBeginConfigurationFlag = (1 << 0),
    kCGDisplayMovedFlag = (1 << 1),
    kCGDisplaySetMainFlag = (1 << 2),
    kCGDisplaySetModeFlag = (1 << 3),
    kCGDisplayAddFlag = (1 << 4),
    kCGDisplayRemoveFlag = (1 << 5),
    kCGDisplayEnabledFlag = (1 << 8),
    kCGDisplayDisabledFlag = (1 << 9),
    kCGDisplayMirrorFlag = (1 << 10),
    kCGDisplayUnMirrorFlag = (1 << 11),
    kCGDisplayDesktopShapeChangedFlag = (1 << 12)
};

typedef void (*CGDisplayReconfigurationCallBack)(CGDirectDisplayID display, CGDisplayChangeSummaryFlags flags,
                                                 void *_Nullable userInfo);

CG_EXTERN CGError CGBeginDisplayConfiguration(CGDisplayConfigRef _Nullable *_Nullable config);
CG_EXTERN CGError CGConfigureDisplayOrigin(CGDisplayConfigRef _Nullable config, CGDirectDisplayID display, int32_t x,
                                           int32_t y);
CG_EXTERN CGError CGConfigureDisplayWithDisplayMode(CGDisplayConfigRef _Nullable config, CGDirectDisplayID display,
                                                    CGDisplayModeRef _Nullable mode,
                                                    CFDictionaryRef _Nullable options);
CG_EXTERN CGError CGConfigureDisplayMirrorOfDisplay(CGDisplayConfigRef _Nullable config, CGDirectDisplayID display,
                                                    CGDirectDisplayID primary);
CG_EXTERN CGError CGCancelDisplayConfiguration(CGDisplayConfigRef _Nullable config);
CG_EXTERN CGError CGCompleteDisplayConfiguration(CGDisplayConfigRef _Nullable config, CGConfigureOption option);
CG_EXTERN void CGRestorePermanentDisplayConfiguration(void);
CG_EXTERN CGError CGDisplayRegisterReconfigurationCallback(CGDisplayReconfigurationCallBack _Nullable callback,
                                                           void *_Nullable userInfo);
CG_EXTERN CGError CGDisplayRemoveReconfigurationCallback(CGDisplayReconfigurationCallBack _Nullable callback,
                                                         void *_Nullable userInfo);

CF_ASSUME_NONNULL_END

#endif /* CGDISPLAYCONFIGURATION_H_ */
