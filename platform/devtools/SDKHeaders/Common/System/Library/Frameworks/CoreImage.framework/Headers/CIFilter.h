/* CIFilter.h: image filters by name: their input and output keys, attributes and categories. */
#import <CoreImage/CoreImageDefines.h>
#import <CoreImage/CIImage.h>

NS_ASSUME_NONNULL_BEGIN

CORE_IMAGE_EXPORT NSString *const kCIAttributeFilterName;
CORE_IMAGE_EXPORT NSString *const kCIAttributeFilterDisplayName;
CORE_IMAGE_EXPORT NSString *const kCIAttributeFilterCategories;
CORE_IMAGE_EXPORT NSString *const kCIAttributeClass;
CORE_IMAGE_EXPORT NSString *const kCIAttributeType;
CORE_IMAGE_EXPORT NSString *const kCIAttributeMin;
CORE_IMAGE_EXPORT NSString *const kCIAttributeMax;
CORE_IMAGE_EXPORT NSString *const kCIAttributeDefault;
CORE_IMAGE_EXPORT NSString *const kCICategoryDistortionEffect;
CORE_IMAGE_EXPORT NSString *const kCICategoryGeometryAdjustment;
CORE_IMAGE_EXPORT NSString *const kCICategoryCompositeOperation;
CORE_IMAGE_EXPORT NSString *const kCICategoryColorAdjustment;
CORE_IMAGE_EXPORT NSString *const kCICategoryColorEffect;
CORE_IMAGE_EXPORT NSString *const kCICategoryBlur;
CORE_IMAGE_EXPORT NSString *const kCICategorySharpen;
CORE_IMAGE_EXPORT NSString *const kCICategoryGenerator;
CORE_IMAGE_EXPORT NSString *const kCICategoryStillImage;
CORE_IMAGE_EXPORT NSString *const kCICategoryBuiltIn;

CORE_IMAGE_EXPORT NSString *const kCIOutputImageKey API_AVAILABLE(macos(10.5), ios(5.0));
CORE_IMAGE_EXPORT NSString *const kCIInputBackgroundImageKey API_AVAILABLE(macos(10.5), ios(5.0));
CORE_IMAGE_EXPORT NSString *const kCIInputImageKey API_AVAILABLE(macos(10.5), ios(5.0));
CORE_IMAGE_EXPORT NSString *const kCIInputDepthImageKey API_AVAILABLE(macos(10.13), ios(11.0));
CORE_IMAGE_EXPORT NSString *const kCIInputTimeKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputTransformKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputScaleKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputAspectRatioKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputCenterKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputRadiusKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputAngleKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputRefractionKey API_AVAILABLE(macos(10.5), ios(9.0));
CORE_IMAGE_EXPORT NSString *const kCIInputWidthKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputSharpnessKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputIntensityKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputEVKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputSaturationKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputColorKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputBrightnessKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputContrastKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputBiasKey API_AVAILABLE(macos(10.5), ios(9.0));
CORE_IMAGE_EXPORT NSString *const kCIInputWeightsKey API_AVAILABLE(macos(10.5), ios(9.0));
CORE_IMAGE_EXPORT NSString *const kCIInputGradientImageKey API_AVAILABLE(macos(10.5), ios(9.0));
CORE_IMAGE_EXPORT NSString *const kCIInputMaskImageKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputShadingImageKey API_AVAILABLE(macos(10.5), ios(9.0));
CORE_IMAGE_EXPORT NSString *const kCIInputTargetImageKey API_AVAILABLE(macos(10.5), ios(9.0));
CORE_IMAGE_EXPORT NSString *const kCIInputExtentKey API_AVAILABLE(macos(10.5), ios(7.0));
CORE_IMAGE_EXPORT NSString *const kCIInputVersionKey API_AVAILABLE(macos(10.11), ios(6.0));

API_AVAILABLE(macos(10.4), ios(5.0))
@interface CIFilter : NSObject <NSSecureCoding, NSCopying>
@property (readonly, nonatomic, nullable) CIImage *outputImage API_AVAILABLE(macos(10.10), ios(5.0));
@property (nonatomic, copy) NSString *name;
@property (getter=isEnabled) BOOL enabled API_AVAILABLE(macos(10.5)) API_UNAVAILABLE(ios, tvos);
@property (nonatomic, readonly) NSArray<NSString *> *inputKeys;
@property (nonatomic, readonly) NSArray<NSString *> *outputKeys;
- (void)setDefaults;
@property (nonatomic, readonly) NSDictionary<NSString *, id> *attributes;
+ (nullable CIFilter *)filterWithName:(NSString *)name;
+ (nullable CIFilter *)filterWithName:(NSString *)name keysAndValues:(nullable id)key0, ... NS_REQUIRES_NIL_TERMINATION;
+ (nullable CIFilter *)filterWithName:(NSString *)name
                  withInputParameters:(nullable NSDictionary<NSString *, id> *)params API_AVAILABLE(macos(10.10), ios(8.0));
+ (NSArray<NSString *> *)filterNamesInCategory:(nullable NSString *)category;
+ (NSArray<NSString *> *)filterNamesInCategories:(nullable NSArray<NSString *> *)categories;
@end

NS_ASSUME_NONNULL_END
