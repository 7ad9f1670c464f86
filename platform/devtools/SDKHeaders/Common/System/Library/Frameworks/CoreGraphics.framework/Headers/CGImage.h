/* CGImage.h: bitmap images. */
#ifndef CGIMAGE_H_
#define CGIMAGE_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGColorSpace.h>
#include <CoreGraphics/CGGeometry.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGImage *CGImageRef;

CG_EXTERN CGImageRef _Nullable CGImageRetain(CGImageRef _Nullable image);
CG_EXTERN void CGImageRelease(CGImageRef _Nullable image);
CG_EXTERN size_t CGImageGetWidth(CGImageRef _Nullable image);
CG_EXTERN size_t CGImageGetHeight(CGImageRef _Nullable image);
CG_EXTERN size_t CGImageGetBitsPerComponent(CGImageRef _Nullable image);
CG_EXTERN size_t CGImageGetBytesPerRow(CGImageRef _Nullable image);
CG_EXTERN CGColorSpaceRef _Nullable CGImageGetColorSpace(CGImageRef _Nullable image);
CG_EXTERN CGImageRef _Nullable CGImageCreateWithImageInRect(CGImageRef _Nullable image, CGRect rect);
CG_EXTERN CFTypeID CGImageGetTypeID(void);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGIMAGE_H_ */
