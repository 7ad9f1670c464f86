/* CGBitmapContext.h: graphics contexts that draw into memory of a given pixel layout, and the images made from them. */
#ifndef CGBITMAPCONTEXT_H_
#define CGBITMAPCONTEXT_H_

#include <CoreGraphics/CGContext.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef void (*CGBitmapContextReleaseDataCallback)(void *_Nullable releaseInfo, void *_Nullable data);

CG_EXTERN CGContextRef _Nullable CGBitmapContextCreateWithData(
    void *_Nullable data, size_t width, size_t height, size_t bitsPerComponent, size_t bytesPerRow,
    CGColorSpaceRef _Nullable space, uint32_t bitmapInfo, CGBitmapContextReleaseDataCallback _Nullable releaseCallback,
    void *_Nullable releaseInfo) API_AVAILABLE(macos(10.6), ios(4.0));
CG_EXTERN CGContextRef _Nullable CGBitmapContextCreate(void *_Nullable data, size_t width, size_t height,
                                                       size_t bitsPerComponent, size_t bytesPerRow,
                                                       CGColorSpaceRef _Nullable space, uint32_t bitmapInfo);
CG_EXTERN void *_Nullable CGBitmapContextGetData(CGContextRef _Nullable context);
CG_EXTERN size_t CGBitmapContextGetWidth(CGContextRef _Nullable context);
CG_EXTERN size_t CGBitmapContextGetHeight(CGContextRef _Nullable context);
CG_EXTERN size_t CGBitmapContextGetBitsPerComponent(CGContextRef _Nullable context);
CG_EXTERN size_t CGBitmapContextGetBitsPerPixel(CGContextRef _Nullable context);
CG_EXTERN size_t CGBitmapContextGetBytesPerRow(CGContextRef _Nullable context);
CG_EXTERN CGColorSpaceRef _Nullable CGBitmapContextGetColorSpace(CGContextRef _Nullable context);
CG_EXTERN CGImageAlphaInfo CGBitmapContextGetAlphaInfo(CGContextRef _Nullable context);
CG_EXTERN CGBitmapInfo CGBitmapContextGetBitmapInfo(CGContextRef _Nullable context);
CG_EXTERN CGImageRef _Nullable CGBitmapContextCreateImage(CGContextRef _Nullable context);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGBITMAPCONTEXT_H_ */
