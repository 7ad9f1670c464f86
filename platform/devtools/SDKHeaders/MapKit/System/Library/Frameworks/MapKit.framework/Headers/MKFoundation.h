/* MKFoundation.h: the declaration macros of MapKit, and the frameworks it stands on. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <CoreLocation/CoreLocation.h>
#import <TargetConditionals.h>

#if defined(__cplusplus)
#define MK_EXTERN extern "C" __attribute__((visibility("default")))
#else
#define MK_EXTERN extern __attribute__((visibility("default")))
#endif
#define MK_CLASS_AVAILABLE(macos_version, ios_version) __attribute__((visibility("default")))
#define MK_SWIFT_UI_ACTOR
