/* AppKitDefines.h: the declaration macros of AppKit. */
#import <Availability.h>
#import <TargetConditionals.h>
#import <Foundation/Foundation.h>

#if defined(__cplusplus)
#define APPKIT_EXTERN extern "C" __attribute__((visibility("default")))
#else
#define APPKIT_EXTERN extern __attribute__((visibility("default")))
#endif
#define APPKIT_PRIVATE_EXTERN __attribute__((visibility("hidden"))) extern
#define APPKIT_STATIC_INLINE static __inline__
#define APPKIT_EXTERN_CLASS __attribute__((visibility("default")))
#define APPKIT_SWIFT_UI_ACTOR

#import <AppKit/NSNibDeclarations.h>
