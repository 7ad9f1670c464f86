/* CVDisplayLink.h: display links, which call back in time with the refresh of a display (macOS only). */
#ifndef __COREVIDEO_CVDISPLAYLINK_H__
#define __COREVIDEO_CVDISPLAYLINK_H__

#include <CoreVideo/CVBase.h>
#include <CoreVideo/CVReturn.h>
#include <CoreGraphics/CoreGraphics.h>

CF_ASSUME_NONNULL_BEGIN

#define __CVDISPLAYLINK_DEPRECATED                                                                                   \
    API_DEPRECATED("use NSView.displayLink(target:selector:), NSWindow.displayLink(target:selector:), or "          \
                   "NSScreen.displayLink(target:selector:)",                                                        \
                   macos(10.4, 15.0)) API_UNAVAILABLE(ios, tvos, watchos)

typedef struct CV_BRIDGED_TYPE(id) __CVDisplayLink *CVDisplayLinkRef;

typedef CVReturn (*CVDisplayLinkOutputCallback)(CVDisplayLinkRef displayLink, const CVTimeStamp *inNow,
                                                const CVTimeStamp *inOutputTime, CVOptionFlags flagsIn,
                                                CVOptionFlags *flagsOut, void *_Nullable displayLinkContext);

CV_EXPORT CFTypeID CVDisplayLinkGetTypeID(void) __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVReturn CVDisplayLinkCreateWithCGDisplays(CGDirectDisplayID *displayArray, CFIndex count,
                                                     CV_RETURNS_RETAINED_PARAMETER CVDisplayLinkRef _Nullable
                                                         *_Nonnull displayLinkOut) __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVReturn CVDisplayLinkCreateWithCGDisplay(CGDirectDisplayID displayID,
                                                    CV_RETURNS_RETAINED_PARAMETER CVDisplayLinkRef _Nullable
                                                        *_Nonnull displayLinkOut) __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVReturn CVDisplayLinkCreateWithActiveCGDisplays(CV_RETURNS_RETAINED_PARAMETER CVDisplayLinkRef _Nullable
                                                               *_Nonnull displayLinkOut) __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVReturn CVDisplayLinkSetCurrentCGDisplay(CVDisplayLinkRef displayLink, CGDirectDisplayID displayID)
    __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CGDirectDisplayID CVDisplayLinkGetCurrentCGDisplay(CVDisplayLinkRef displayLink) __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVReturn CVDisplayLinkSetOutputCallback(CVDisplayLinkRef displayLink,
                                                  CVDisplayLinkOutputCallback _Nullable callback,
                                                  void *_Nullable userInfo) __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVReturn CVDisplayLinkStart(CVDisplayLinkRef displayLink) __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVReturn CVDisplayLinkStop(CVDisplayLinkRef displayLink) __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT Boolean CVDisplayLinkIsRunning(CVDisplayLinkRef displayLink) __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVTime CVDisplayLinkGetNominalOutputVideoRefreshPeriod(CVDisplayLinkRef displayLink)
    __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT double CVDisplayLinkGetActualOutputVideoRefreshPeriod(CVDisplayLinkRef displayLink)
    __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVReturn CVDisplayLinkGetCurrentTime(CVDisplayLinkRef displayLink, CVTimeStamp *outTime)
    __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT CVDisplayLinkRef _Nullable CVDisplayLinkRetain(CVDisplayLinkRef _Nullable displayLink)
    __CVDISPLAYLINK_DEPRECATED;
CV_EXPORT void CVDisplayLinkRelease(CF_RELEASES_ARGUMENT CVDisplayLinkRef _Nullable displayLink)
    __CVDISPLAYLINK_DEPRECATED;

CF_ASSUME_NONNULL_END

#endif /* __COREVIDEO_CVDISPLAYLINK_H__ */
