/* WKDefines.h: the declaration macros of WatchKit. */
#import <Availability.h>
#import <TargetConditionals.h>
#import <Foundation/Foundation.h>

#if defined(__cplusplus)
#define WK_EXTERN extern "C" __attribute__((visibility("default")))
#else
#define WK_EXTERN extern __attribute__((visibility("default")))
#endif
#define WK_CLASS_AVAILABLE_IOS(VERSION) __attribute__((visibility("default"))) __IOS_AVAILABLE(VERSION)
#define WK_AVAILABLE_WATCHOS_ONLY(VERSION) __WATCHOS_AVAILABLE(VERSION)
#define WK_AVAILABLE_WATCHOS_IOS(WATCHVERSION, IOSVERSION) __WATCHOS_AVAILABLE(WATCHVERSION) __IOS_AVAILABLE(IOSVERSION)
#define WK_DEPRECATED_WATCHOS(FROM, TO, MESSAGE) __WATCHOS_DEPRECATED(FROM, TO, MESSAGE)
#define WK_API_UNAVAILABLE __attribute__((unavailable))
#define WKI_API_UNAVAILABLE WK_API_UNAVAILABLE
#define WKI_UI_ACTOR
#define WK_SWIFT_UI_ACTOR
