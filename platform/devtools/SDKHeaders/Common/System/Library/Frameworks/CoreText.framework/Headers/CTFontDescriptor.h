/* CTFontDescriptor.h: descriptions of fonts by attributes, used to find and create fonts. */
#ifndef __CTFONTDESCRIPTOR__
#define __CTFONTDESCRIPTOR__

#include <CoreText/CTDefines.h>
#include <CoreText/CTFontTraits.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __CTFontDescriptor *CTFontDescriptorRef;

CT_EXPORT CFTypeID CTFontDescriptorGetTypeID(void);

CT_EXPORT const CFStringRef kCTFontURLAttribute;
CT_EXPORT const CFStringRef kCTFontNameAttribute;
CT_EXPORT const CFStringRef kCTFontDisplayNameAttribute;
CT_EXPORT const CFStringRef kCTFontFamilyNameAttribute;
CT_EXPORT const CFStringRef kCTFontStyleNameAttribute;
CT_EXPORT const CFStringRef kCTFontTraitsAttribute;
CT_EXPORT const CFStringRef kCTFontVariationAttribute;
CT_EXPORT const CFStringRef kCTFontSizeAttribute;
CT_EXPORT const CFStringRef kCTFontMatrixAttribute;
CT_EXPORT const CFStringRef kCTFontCascadeListAttribute;
CT_EXPORT const CFStringRef kCTFontCharacterSetAttribute;
CT_EXPORT const CFStringRef kCTFontLanguagesAttribute;
CT_EXPORT const CFStringRef kCTFontBaselineAdjustAttribute;
CT_EXPORT const CFStringRef kCTFontMacintoshEncodingsAttribute;
CT_EXPORT const CFStringRef kCTFontFeaturesAttribute;
CT_EXPORT const CFStringRef kCTFontFeatureSettingsAttribute;
CT_EXPORT const CFStringRef kCTFontFixedAdvanceAttribute;
CT_EXPORT const CFStringRef kCTFontOrientationAttribute;
CT_EXPORT const CFStringRef kCTFontFormatAttribute;
CT_EXPORT const CFStringRef kCTFontRegistrationScopeAttribute;
CT_EXPORT const CFStringRef kCTFontPriorityAttribute;
CT_EXPORT const CFStringRef kCTFontEnabledAttribute;
CT_EXPORT const CFStringRef kCTFontDownloadableAttribute;

typedef CF_ENUM(uint32_t, CTFontOrientation) {
    kCTFontOrientationDefault = 0,
    kCTFontOrientationHorizontal = 1,
    kCTFontOrientationVertical = 2,
    kCTFontDefaultOrientation = kCTFontOrientationDefault,
    kCTFontHorizontalOrientation = kCTFontOrientationHorizontal,
    kCTFontVerticalOrientation = kCTFontOrientationVertical
};

typedef CF_ENUM(uint32_t, CTFontFormat) {
    kCTFontFormatUnrecognized = 0,
    kCTFontFormatOpenTypePostScript = 1,
    kCTFontFormatOpenTypeTrueType = 2,
    kCTFontFormatTrueType = 3,
    kCTFontFormatPostScript = 4,
    kCTFontFormatBitmap = 5
};

typedef uint32_t CTFontPriority;

CT_EXPORT CTFontDescriptorRef CTFontDescriptorCreateWithNameAndSize(CFStringRef name, CGFloat size);
CT_EXPORT CTFontDescriptorRef CTFontDescriptorCreateWithAttributes(CFDictionaryRef attributes);
CT_EXPORT CTFontDescriptorRef CTFontDescriptorCreateCopyWithAttributes(CTFontDescriptorRef original,
                                                                      CFDictionaryRef attributes);
CT_EXPORT CTFontDescriptorRef _Nullable CTFontDescriptorCreateCopyWithFamily(CTFontDescriptorRef original,
                                                                            CFStringRef family);
CT_EXPORT CTFontDescriptorRef _Nullable CTFontDescriptorCreateCopyWithSymbolicTraits(
    CTFontDescriptorRef original, CTFontSymbolicTraits symTraitValue, CTFontSymbolicTraits symTraitMask);
CT_EXPORT CTFontDescriptorRef CTFontDescriptorCreateCopyWithVariation(CTFontDescriptorRef original,
                                                                     CFNumberRef variationIdentifier,
                                                                     CGFloat variationValue);
CT_EXPORT CTFontDescriptorRef CTFontDescriptorCreateCopyWithFeature(CTFontDescriptorRef original,
                                                                   CFNumberRef featureTypeIdentifier,
                                                                   CFNumberRef featureSelectorIdentifier);
CT_EXPORT CFArrayRef _Nullable CTFontDescriptorCreateMatchingFontDescriptors(
    CTFontDescriptorRef descriptor, CFSetRef _Nullable mandatoryAttributes);
CT_EXPORT CTFontDescriptorRef _Nullable CTFontDescriptorCreateMatchingFontDescriptor(
    CTFontDescriptorRef descriptor, CFSetRef _Nullable mandatoryAttributes);
CT_EXPORT CFDictionaryRef CTFontDescriptorCopyAttributes(CTFontDescriptorRef descriptor);
CT_EXPORT CFTypeRef _Nullable CTFontDescriptorCopyAttribute(CTFontDescriptorRef descriptor, CFStringRef attribute);
CT_EXPORT CFTypeRef _Nullable CTFontDescriptorCopyLocalizedAttribute(CTFontDescriptorRef descriptor,
                                                                     CFStringRef attribute,
                                                                     CFStringRef _Nullable *_Nullable language);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTFONTDESCRIPTOR__ */
