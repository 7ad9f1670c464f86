/* CIContext.h: the evaluation contexts that render Core Image images into Core Graphics images, bitmaps and data. */
#import <CoreImage/CoreImageDefines.h>
#import <CoreImage/CIImage.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *CIContextOption NS_TYPED_ENUM;
CORE_IMAGE_EXPORT CIContextOption const kCIContextOutputColorSpace;
CORE_IMAGE_EXPORT CIContextOption const kCIContextWorkingColorSpace;
CORE_IMAGE_EXPORT CIContextOption const kCIContextWorkingFormat API_AVAILABLE(macos(10.4), ios(8.0));
CORE_IMAGE_EXPORT CIContextOption const kCIContextHighQualityDownsample API_AVAILABLE(macos(10.11), ios(9.0));
CORE_IMAGE_EXPORT CIContextOption const kCIContextOutputPremultiplied API_AVAILABLE(macos(10.4), ios(10.0));
CORE_IMAGE_EXPORT CIContextOption const kCIContextCacheIntermediates API_AVAILABLE(macos(10.12), ios(10.0));
CORE_IMAGE_EXPORT CIContextOption const kCIContextUseSoftwareRenderer;
CORE_IMAGE_EXPORT CIContextOption const kCIContextPriorityRequestLow API_AVAILABLE(macos(10.13), ios(8.0));
CORE_IMAGE_EXPORT CIContextOption const kCIContextAllowLowPower API_AVAILABLE(macos(10.16), ios(13.0));
CORE_IMAGE_EXPORT CIContextOption const kCIContextName API_AVAILABLE(macos(11.0), ios(14.0));

typedef NSString *CIImageRepresentationOption NS_TYPED_ENUM;

API_AVAILABLE(macos(10.4), ios(5.0))
@interface CIContext : NSObject
+ (CIContext *)contextWithCGContext:(CGContextRef)cgctx
                            options:(nullable NSDictionary<CIContextOption, id> *)options API_AVAILABLE(macos(10.4), ios(9.0));
+ (CIContext *)contextWithOptions:(nullable NSDictionary<CIContextOption, id> *)options;
+ (CIContext *)context API_AVAILABLE(macos(10.11), ios(9.0));
- (instancetype)initWithOptions:(nullable NSDictionary<CIContextOption, id> *)options API_AVAILABLE(macos(10.11), ios(9.0));
- (instancetype)init API_AVAILABLE(macos(10.11), ios(9.0));
@property (nullable, nonatomic, readonly) CGColorSpaceRef workingColorSpace API_AVAILABLE(macos(10.11), ios(9.0));
@property (nonatomic, readonly) CIFormat workingFormat API_AVAILABLE(macos(10.11), ios(9.0));
- (void)drawImage:(CIImage *)image inRect:(CGRect)inRect fromRect:(CGRect)fromRect API_AVAILABLE(macos(10.4), ios(6.0));
- (nullable CGImageRef)createCGImage:(CIImage *)image fromRect:(CGRect)fromRect CF_RETURNS_RETAINED;
- (nullable CGImageRef)createCGImage:(CIImage *)image
                            fromRect:(CGRect)fromRect
                              format:(CIFormat)format
                          colorSpace:(nullable CGColorSpaceRef)colorSpace CF_RETURNS_RETAINED;
- (nullable CGImageRef)createCGImage:(CIImage *)image
                            fromRect:(CGRect)fromRect
                              format:(CIFormat)format
                          colorSpace:(nullable CGColorSpaceRef)colorSpace
                            deferred:(BOOL)deferred CF_RETURNS_RETAINED API_AVAILABLE(macos(10.12), ios(10.0));
- (void)render:(CIImage *)image
      toBitmap:(void *)data
      rowBytes:(ptrdiff_t)rowBytes
        bounds:(CGRect)bounds
        format:(CIFormat)format
    colorSpace:(nullable CGColorSpaceRef)colorSpace;
- (void)clearCaches API_AVAILABLE(macos(10.4), ios(10.0));
- (CGSize)inputImageMaximumSize API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(macos);
- (CGSize)outputImageMaximumSize API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(macos);
@end

@interface CIContext (ImageRepresentation)
- (nullable NSData *)TIFFRepresentationOfImage:(CIImage *)image
                                        format:(CIFormat)format
                                    colorSpace:(CGColorSpaceRef)colorSpace
                                       options:(NSDictionary<CIImageRepresentationOption, id> *)options
    API_AVAILABLE(macos(10.12), ios(10.0));
- (nullable NSData *)JPEGRepresentationOfImage:(CIImage *)image
                                    colorSpace:(CGColorSpaceRef)colorSpace
                                       options:(NSDictionary<CIImageRepresentationOption, id> *)options
    API_AVAILABLE(macos(10.12), ios(10.0));
- (nullable NSData *)PNGRepresentationOfImage:(CIImage *)image
                                       format:(CIFormat)format
                                   colorSpace:(CGColorSpaceRef)colorSpace
                                      options:(NSDictionary<CIImageRepresentationOption, id> *)options
    API_AVAILABLE(macos(10.13), ios(11.0));
@end

NS_ASSUME_NONNULL_END
