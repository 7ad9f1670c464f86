/* CoreImageDefines.h: the declaration macros of Core Image. */
#ifndef COREIMAGEDEFINES_H
#define COREIMAGEDEFINES_H

#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <TargetConditionals.h>

#if defined(__cplusplus)
#define CORE_IMAGE_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define CORE_IMAGE_EXPORT extern __attribute__((visibility("default")))
#endif
#define CORE_IMAGE_CLASS_EXPORT __attribute__((visibility("default")))

#endif /* COREIMAGEDEFINES_H */
