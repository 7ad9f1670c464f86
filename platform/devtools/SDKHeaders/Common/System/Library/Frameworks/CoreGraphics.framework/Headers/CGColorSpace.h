/* CGColorSpace.h: colour spaces. */
#ifndef CGCOLORSPACE_H_
#define CGCOLORSPACE_H_

#include <CoreGraphics/CGBase.h>
#include <CoreFoundation/CFString.h>

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

CG_EXTERN const CFStringRef kCGColorSpaceSRGB;
CG_EXTERN const CFStringRef kCGColorSpaceGenericRGB;
CG_EXTERN const CFStringRef kCGColorSpaceDisplayP3;
CG_EXTERN const CFStringRef kCGColorSpaceGenericGray;

CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateDeviceRGB(void);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateDeviceGray(void);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceCreateWithName(CFStringRef _Nullable name);
CG_EXTERN CGColorSpaceRef _Nullable CGColorSpaceRetain(CGColorSpaceRef _Nullable space);
CG_EXTERN void CGColorSpaceRelease(CGColorSpaceRef _Nullable space);
CG_EXTERN size_t CGColorSpaceGetNumberOfComponents(CGColorSpaceRef _Nullable space);
CG_EXTERN CGColorSpaceModel CGColorSpaceGetModel(CGColorSpaceRef _Nullable space);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGCOLORSPACE_H_ */
