/* CFPropertyList.h: property lists (dictionaries, arrays, strings, numbers, dates, data) read from and written to
 * their XML, binary and OpenStep forms. */
#ifndef __COREFOUNDATION_CFPROPERTYLIST__
#define __COREFOUNDATION_CFPROPERTYLIST__

#include <CoreFoundation/CFBase.h>
#include <CoreFoundation/CFData.h>
#include <CoreFoundation/CFError.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef CF_OPTIONS(CFOptionFlags, CFPropertyListMutabilityOptions) {
    kCFPropertyListImmutable = 0,
    kCFPropertyListMutableContainers = 1 << 0,
    kCFPropertyListMutableContainersAndLeaves = 1 << 1
};

typedef CF_ENUM(CFIndex, CFPropertyListFormat) {
    kCFPropertyListOpenStepFormat = 1,
    kCFPropertyListXMLFormat_v1_0 = 100,
    kCFPropertyListBinaryFormat_v1_0 = 200
};

CF_EXPORT Boolean CFPropertyListIsValid(CFPropertyListRef plist, CFPropertyListFormat format);
CF_EXPORT CFPropertyListRef _Nullable CFPropertyListCreateWithData(CFAllocatorRef _Nullable allocator, CFDataRef data,
                                                                   CFOptionFlags options,
                                                                   CFPropertyListFormat *_Nullable format,
                                                                   CFErrorRef _Nullable *_Nullable error)
    API_AVAILABLE(macos(10.6), ios(4.0), watchos(2.0), tvos(9.0));
CF_EXPORT CFDataRef _Nullable CFPropertyListCreateData(CFAllocatorRef _Nullable allocator,
                                                       CFPropertyListRef propertyList, CFPropertyListFormat format,
                                                       CFOptionFlags options, CFErrorRef _Nullable *_Nullable error)
    API_AVAILABLE(macos(10.6), ios(4.0), watchos(2.0), tvos(9.0));
CF_EXPORT CFPropertyListRef CFPropertyListCreateDeepCopy(CFAllocatorRef _Nullable allocator,
                                                         CFPropertyListRef propertyList, CFOptionFlags mutabilityOption);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFPROPERTYLIST__ */
