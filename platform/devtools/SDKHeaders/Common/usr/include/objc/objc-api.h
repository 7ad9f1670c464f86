/* objc/objc-api.h: the declaration macros of the Objective-C runtime's headers. */
#ifndef _OBJC_OBJC_API_H_
#define _OBJC_OBJC_API_H_

#include <Availability.h>
#include <TargetConditionals.h>

#if !defined(OBJC_OLD_DISPATCH_PROTOTYPES)
#define OBJC_OLD_DISPATCH_PROTOTYPES 1
#endif

#if defined(__cplusplus)
#define OBJC_EXTERN extern "C"
#else
#define OBJC_EXTERN extern
#endif
#define OBJC_VISIBLE __attribute__((visibility("default")))
#define OBJC_EXPORT OBJC_EXTERN OBJC_VISIBLE
#define OBJC_IMPORT extern
#define OBJC_INLINE __inline

#define OBJC_ROOT_CLASS __attribute__((objc_root_class))
#define OBJC_DEPRECATED(_msg) __attribute__((deprecated(_msg)))
#define OBJC_UNAVAILABLE(_msg) __attribute__((unavailable(_msg)))
#if __has_feature(objc_arc)
#define OBJC_ARC_UNAVAILABLE __attribute__((unavailable("not available in automatic reference counting mode")))
#else
#define OBJC_ARC_UNAVAILABLE
#endif
#define OBJC_SWIFT_UNAVAILABLE(_msg) __attribute__((availability(swift, unavailable, message = _msg)))
#define OBJC_ISA_AVAILABILITY __attribute__((deprecated))
#define OBJC_DESIGNATED_INITIALIZER __attribute__((objc_designated_initializer))
#if defined(__OBJC__)
#define OBJC_RETURNS_RETAINED __attribute__((ns_returns_retained))
#else
#define OBJC_RETURNS_RETAINED
#endif
#define OBJC_NOESCAPE __attribute__((noescape))
#define OBJC_BOXABLE __attribute__((objc_boxable))
#define OBJC_WARN_UNUSED_RESULT __attribute__((warn_unused_result))
#define OBJC_AVAILABLE(x, i, t, w, b)                                                                                \
    __attribute__((availability(macos, introduced = x))) __attribute__((availability(ios, introduced = i)))          \
    __attribute__((availability(tvos, introduced = t))) __attribute__((availability(watchos, introduced = w)))
#define OBJC_OSX_DEPRECATED_OTHERS_UNAVAILABLE(introduced_version, deprecated_version, message_text)                  \
    __attribute__((availability(macos, introduced = introduced_version, deprecated = deprecated_version,              \
                                message = message_text))) __attribute__((availability(ios, unavailable)))
#define OBJC_OSX_AVAILABLE_OTHERS_UNAVAILABLE(version)                                                               \
    __attribute__((availability(macos, introduced = version))) __attribute__((availability(ios, unavailable)))

#if !defined(__unsafe_unretained) && !__has_feature(objc_arc)
#define __unsafe_unretained
#endif
#if !defined(__autoreleasing) && !__has_feature(objc_arc)
#define __autoreleasing
#endif

#endif /* _OBJC_OBJC_API_H_ */
