/* CAOpenGLLayer.h: layers whose content is drawn with OpenGL. */
#import <QuartzCore/CALayer.h>
#import <CoreVideo/CoreVideo.h>
#import <OpenGL/OpenGL.h>

NS_ASSUME_NONNULL_BEGIN

API_DEPRECATED("OpenGL is deprecated", macos(10.5, 10.14))
@interface CAOpenGLLayer : CALayer
@property (getter=isAsynchronous) BOOL asynchronous;
- (BOOL)canDrawInCGLContext:(CGLContextObj)ctx
                pixelFormat:(CGLPixelFormatObj)pf
               forLayerTime:(CFTimeInterval)t
                displayTime:(nullable const CVTimeStamp *)ts;
- (void)drawInCGLContext:(CGLContextObj)ctx
             pixelFormat:(CGLPixelFormatObj)pf
            forLayerTime:(CFTimeInterval)t
             displayTime:(nullable const CVTimeStamp *)ts;
- (CGLPixelFormatObj)copyCGLPixelFormatForDisplayMask:(uint32_t)mask;
- (void)releaseCGLPixelFormat:(CGLPixelFormatObj)pf;
- (CGLContextObj)copyCGLContextForPixelFormat:(CGLPixelFormatObj)pf;
- (void)releaseCGLContext:(CGLContextObj)ctx;
@end

NS_ASSUME_NONNULL_END
