/* graphics/IOGraphicsLib.h: displays as I/O Kit services: their information dictionaries and parameters. */
#ifndef _IOKIT_IOGRAPHICSLIB_H
#define _IOKIT_IOGRAPHICSLIB_H

#include <IOKit/IOKitLib.h>
#include <CoreGraphics/CoreGraphics.h>

#define kIODisplayBrightnessKey "brightness"
#define kIODisplayContrastKey "contrast"
#define kIODisplayLinearBrightnessKey "linear-brightness"
#define kIODisplayUsableLinearBrightnessKey "usable-linear-brightness"
#define kIODisplayParametersKey "IODisplayParameters"
#define kIODisplayProductNameKey "DisplayProductName"
#define kIODisplayVendorIDKey "DisplayVendorID"
#define kIODisplayProductIDKey "DisplayProductID"
#define kIODisplaySerialNumberKey "DisplaySerialNumber"
#define kIODisplayEDIDKey "IODisplayEDID"
#define kDisplayVendorID "DisplayVendorID"
#define kDisplayProductID "DisplayProductID"
#define kDisplaySerialNumber "DisplaySerialNumber"
#define kDisplayProductName "DisplayProductName"

enum {
    kIODisplayMatchingInfo = 0x00000100,
    kIODisplayOnlyPreferredName = 0x00000200,
    kIODisplayNoProductName = 0x00000400
};

__BEGIN_DECLS
CFDictionaryRef IODisplayCreateInfoDictionary(io_service_t framebuffer, IOOptionBits options);
IOReturn IODisplayGetFloatParameter(io_service_t service, IOOptionBits options, CFStringRef parameterName,
                                    float *value);
IOReturn IODisplaySetFloatParameter(io_service_t service, IOOptionBits options, CFStringRef parameterName,
                                    float value);
IOReturn IODisplayGetIntegerRangeParameter(io_service_t service, IOOptionBits options, CFStringRef parameterName,
                                           SInt32 *value, SInt32 *min, SInt32 *max);
IOReturn IODisplaySetIntegerParameter(io_service_t service, IOOptionBits options, CFStringRef parameterName,
                                      SInt32 value);
IOReturn IODisplayCopyParameters(io_service_t service, IOOptionBits options, CFDictionaryRef *params);
__END_DECLS

#endif /* _IOKIT_IOGRAPHICSLIB_H */
