/* CGColorSpace.h: colour spaces. */
#ifndef CGCOLORSPACE_H_
#define CGCOLORSPACE_H_

#include <CoreGraphics/CGBase.h>
#include <CoreFoundation/CFString.h>
#include <CoreFoundation/CFData.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_TYPE(id) CGColorSpace *CGColorSpaceRef;

typedef CF_ENUM(int32_t, CGColorSpaceModel) {
    kCGColorSpaceModelUnknown = -1,
    kCGColorSpaceModelMonochrome,
    kCGColorSpaceModelRGB,
    kCGColorSpaceModelCMYK,
    kCGColorSpaceModelLab,
    kCGColorSpaceModelDeviceN,
    kCGColorSpaceModelIndexed,
    kCGColorSpaceModelPattern,
    kCGColorSpaceModelXYZ
};

typedef CF_ENUM(int32_t, CGColorRenderingIntent) {
    kCGRenderingIntentDefault,
    kCGRenderingIntentAbsoluteColorimetric,
    kCGRenderingIntentRelativeColorimetric,
    kCGRenderingIntentPerceptual,
    kCGRenderingIntentSaturation
};

/* The names of the standard colour spaces, for CGColorSpaceCreateWithName. */
CG_EXTERN const CFStringRef kCGColorSpaceGenericGray API_AVAILABLE(macos(10.4), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceGenericRGB API_AVAILABLE(macos(10.4), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceGenericCMYK API_AVAILABLE(macos(10.4), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceGenericRGBLinear API_AVAILABLE(macos(10.5), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceAdobeRGB1998 API_AVAILABLE(macos(10.5), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceSRGB API_AVAILABLE(macos(10.5), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceGenericGrayGamma2_2 API_AVAILABLE(macos(10.6), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceDisplayP3 API_AVAILABLE(macos(10.11.2), ios(9.3));
CG_EXTERN const CFStringRef kCGColorSpaceDCIP3 API_AVAILABLE(macos(10.11), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceITUR_709 API_AVAILABLE(macos(10.11), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceITUR_2020 API_AVAILABLE(macos(10.11), ios(9.0));
CG_EXTERN const CFStringRef kCGColorSpaceLinearSRGB API_AVAILABLE(macos(10.12), ios(10.0));
CG_EXTERN const CFStringRef kCGColorSpaceExtendedSRGB API_AVAILABLE(macos(10.12), ios(10.0));
CG_EXTERN const CFStringRef kCGColorSpaceExtendedLinearSRGB API_AVAILABLE(macos(10.12), ios(10.0));
CG_EXTERN const CFStringRef kCGColorSpaceExtendedGray API_AVAILABLE(macos(10.12), ios(10.0));
CG_EXTERN const CFStringRef kCGColorSpaceLinearGray API_AVAILABLE(macos(10.12), ios(10.0));
CG_EXTERN const CFStringRef kCGColorSpaceExtendedLinearGray API_AVAILABLE(macos(10.12), ios(10.0));
CG_EXTERN const CFStringRef kCGColorSpaceExtendedDisplayP3 API_AVAILABLE(macos(11.0), ios(14.0));
CG_EXTERN const CFStringRef kCGColorSpaceExtendedLinearDisplayP3 API_AVAILABLE(macos(10.14.3), ios(12.3));
CG_EXTERN const CFStringRef kCGColorSpaceExtendedLinearITUR_2020 API_AVAILABLE(macos(10.14.3), ios(12.3));
CG_EXTERN const CFStringRef kCGColorSpaceDisplayP3_HLG API_AVAILABLE(macos(10.14.6), ios(12.6));
CG_EXTERN const CFStringRef kCGColorSpaceDisplayP3_PQ API_AVAILABLE(macos(10.15.4), ios(13.4));
CG_EXTERN const CFStringRef kCGColorSpaceITUR_2100_HLG API_AVAILABLE(macos(11.0), ios(14.0));
CG_EXTERN const CFStringRef kCGColorSpaceITUR_2100_PQ API_AVAILABLE(macos(11.0), ios(14.0));

CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateDeviceRGB(void);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateDeviceGray(void);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateWithName(CFStringRef _Nullable name);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceRetain(CGColorSpaceRef _Nullable space);
CG_EXTERN void CGColorSpaceRelease(CGColorSpaceRef _Nullable space);
CG_EXTERN size_t CGColorSpaceGetNumberOfComponents(CGColorSpaceRef _Nullable space);
CG_EXTERN CGColorSpaceModel CGColorSpaceGetModel(CGColorSpaceRef _Nullable space);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateDeviceCMYK(void);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreatePattern(CGColorSpaceRef _Nullable baseSpace);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateIndexed(CGColorSpaceRef _Nullable baseSpace, size_t lastIndex,
                                                              const unsigned char *_Nullable colorTable);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateWithICCData(CFTypeRef _Nullable data)
    API_AVAILABLE(macos(10.12), ios(10.0));
CG_EXTERN CFDataRef _Nullable CGColorSpaceCopyICCData(CGColorSpaceRef _Nullable space)
    API_AVAILABLE(macos(10.12), ios(10.0));
CG_EXTERN CFStringRef _Nullable CGColorSpaceCopyName(CGColorSpaceRef _Nullable space)
    API_AVAILABLE(macos(10.6), ios(10.0));
CG_EXTERN CFStringRef _Nullable CGColorSpaceGetName(CGColorSpaceRef _Nullable space)
    API_AVAILABLE(macos(10.6), ios(10.0));
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceGetBaseColorSpace(CGColorSpaceRef _Nullable space);
CG_EXTERN bool CGColorSpaceIsWideGamutRGB(CGColorSpaceRef _Nullable space) API_AVAILABLE(macos(10.12), ios(10.0));
CG_EXTERN bool CGColorSpaceIsHDR(CGColorSpaceRef _Nullable space)
    API_DEPRECATED("use CGColorSpaceUsesITUR_2100TF", macos(10.15, 11.0), ios(13.0, 14.0));
CG_EXTERN bool CGColorSpaceUsesITUR_2100TF(CGColorSpaceRef _Nullable space) API_AVAILABLE(macos(11.0), ios(14.0));
CG_EXTERN bool CGColorSpaceUsesExtendedRange(CGColorSpaceRef _Nullable space) API_AVAILABLE(macos(10.15), ios(13.0));
CG_EXTERN bool CGColorSpaceSupportsOutput(CGColorSpaceRef _Nullable space) API_AVAILABLE(macos(10.13), ios(11.0));
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateLinearized(CGColorSpaceRef _Nullable space)
    API_AVAILABLE(macos(11.0), ios(14.0));
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateExtended(CGColorSpaceRef _Nullable space)
    API_AVAILABLE(macos(11.0), ios(14.0));
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateExtendedLinearized(CGColorSpaceRef _Nullable space)
    API_AVAILABLE(macos(12.0), ios(15.0));
CG_EXTERN CFTypeID CGColorSpaceGetTypeID(void);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGCOLORSPACE_H_ */
