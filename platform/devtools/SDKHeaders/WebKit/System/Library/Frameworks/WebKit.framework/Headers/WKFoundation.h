/* WKFoundation.h: the declaration macros of WebKit, and the view class web views descend from. */
#import <Foundation/Foundation.h>
#import <TargetConditionals.h>

#define WK_EXTERN extern __attribute__((visibility("default")))
#define WK_API_AVAILABLE(...) API_AVAILABLE(__VA_ARGS__)
#define WK_CLASS_AVAILABLE(...) __attribute__((visibility("default"))) API_AVAILABLE(__VA_ARGS__)
#define WK_API_DEPRECATED(...) API_DEPRECATED(__VA_ARGS__)
#define WK_API_UNAVAILABLE(...) API_UNAVAILABLE(__VA_ARGS__)
#define WK_SWIFT_UI_ACTOR
