/* AXValue.h: accessibility values that wrap points, sizes, rectangles, ranges and errors. */
#ifndef __AXVALUE__
#define __AXVALUE__

#include <CoreFoundation/CoreFoundation.h>

typedef CF_ENUM(UInt32, AXValueType) {
    kAXValueTypeCGPoint = 1,
    kAXValueTypeCGSize = 2,
    kAXValueTypeCGRect = 3,
    kAXValueTypeCFRange = 4,
    kAXValueTypeAXError = 5,
    kAXValueTypeIllegal = 0
};

#define kAXValueCGPointType kAXValueTypeCGPoint
#define kAXValueCGSizeType kAXValueTypeCGSize
#define kAXValueCGRectType kAXValueTypeCGRect
#define kAXValueCFRangeType kAXValueTypeCFRange
#define kAXValueAXErrorType kAXValueTypeAXError
#define kAXValueIllegalType kAXValueTypeIllegal

typedef const struct CF_BRIDGED_TYPE(id) __AXValue *AXValueRef;

CF_EXTERN_C_BEGIN
CFTypeID AXValueGetTypeID(void);
AXValueRef AXValueCreate(AXValueType theType, const void *valuePtr);
AXValueType AXValueGetType(AXValueRef value);
Boolean AXValueGetValue(AXValueRef value, AXValueType theType, void *valuePtr);
CF_EXTERN_C_END

#endif /* __AXVALUE__ */
