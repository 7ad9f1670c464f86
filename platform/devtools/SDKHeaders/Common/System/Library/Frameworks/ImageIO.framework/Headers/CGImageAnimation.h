/* CGImageAnimation.h: playing the frames of animated GIF, APNG and HEICS images through a block. */
#ifndef CGIMAGEANIMATION_H_
#define CGIMAGEANIMATION_H_

#include <ImageIO/ImageIOBase.h>
#include <CoreGraphics/CoreGraphics.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

IMAGEIO_EXTERN const CFStringRef kCGImageAnimationStartIndex API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImageAnimationDelayTime API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImageAnimationLoopCount API_AVAILABLE(macos(10.15), ios(13.0));

typedef CF_ENUM(OSStatus, CGImageAnimationStatus) {
    kCGImageAnimationMalformed = -59,
    kCGImageAnimationBusy = -60
};

#if defined(__BLOCKS__)
typedef void (^CGImageSourceAnimationBlock)(size_t index, CGImageRef image, bool *stop);
IMAGEIO_EXTERN OSStatus CGAnimateImageAtURLWithBlock(CFURLRef url, CFDictionaryRef _Nullable options,
                                                     CGImageSourceAnimationBlock block)
    API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN OSStatus CGAnimateImageDataWithBlock(CFDataRef data, CFDictionaryRef _Nullable options,
                                                    CGImageSourceAnimationBlock block)
    API_AVAILABLE(macos(10.15), ios(13.0));
#endif

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGIMAGEANIMATION_H_ */
