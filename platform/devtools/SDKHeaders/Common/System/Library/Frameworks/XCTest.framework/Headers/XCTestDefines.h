/* XCTestDefines.h: the declaration macros of XCTest. */
#import <Foundation/Foundation.h>

#if defined(__cplusplus)
#define XCT_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define XCT_EXPORT extern __attribute__((visibility("default")))
#endif
#define XCT_NULLABLE_AVAILABLE 1
#define XCT_UI_TESTING_AVAILABLE 1
#define XCT_SWIFT_MAIN_ACTOR
#define XCT_DEPRECATED_WITH_REPLACEMENT(_rep) __attribute__((deprecated("", _rep)))
