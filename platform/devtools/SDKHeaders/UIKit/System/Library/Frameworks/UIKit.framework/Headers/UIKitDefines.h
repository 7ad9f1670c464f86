/* UIKitDefines.h: the declaration macros of UIKit. */
#import <Availability.h>
#import <TargetConditionals.h>
#import <Foundation/Foundation.h>

#if defined(__cplusplus)
#define UIKIT_EXTERN extern "C" __attribute__((visibility("default")))
#else
#define UIKIT_EXTERN extern __attribute__((visibility("default")))
#endif
#define UIKIT_STATIC_INLINE static inline
/* Structures that @(...) boxes into an NSValue. */
#define UIKIT_BOXABLE __attribute__((objc_boxable))
#define UIKIT_EXTERN_CLASS __attribute__((visibility("default")))
#define UIKIT_CLASS_AVAILABLE_IOS_ONLY(_vers) UIKIT_EXTERN_CLASS __IOS_AVAILABLE(_vers)
#define UIKIT_AVAILABLE_IOS_ONLY(_vers) __IOS_AVAILABLE(_vers)
#define UIKIT_SWIFT_FORWARD_DECLARE(_type)
#define UIKIT_REQUIRES_PASSED_ARGUMENT
#define UIKIT_SWIFT_UI_ACTOR
#define UIKIT_STATIC_INLINE static inline
#define UIKIT_EXTERN_C_BEGIN __BEGIN_DECLS
#define UIKIT_EXTERN_C_END __END_DECLS
#define UI_APPEARANCE_SELECTOR __attribute__((annotate("ui_appearance_selector")))
#import <UIKit/UINibDeclarations.h>
