/*
 * UTType.h: the C interface of uniform type identifiers: conversion from and to file name extensions and MIME
 * types, conformance and declarations. Replaced by the UTType class of UniformTypeIdentifiers.
 */
#ifndef __UTTYPE__
#define __UTTYPE__

#include <Availability.h>
#include <CoreFoundation/CoreFoundation.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

#define __UTTYPE_DEPRECATED                                                                                          \
    API_DEPRECATED("Use the UTType class instead.", macos(10.3, 12.0), ios(3.0, 15.0), watchos(1.0, 8.0),            \
                   tvos(9.0, 15.0))

extern const CFStringRef kUTExportedTypeDeclarationsKey __UTTYPE_DEPRECATED;
extern const CFStringRef kUTImportedTypeDeclarationsKey __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTypeIdentifierKey __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTypeTagSpecificationKey __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTypeConformsToKey __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTypeDescriptionKey __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTypeIconFileKey __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTypeReferenceURLKey __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTypeVersionKey __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTagClassFilenameExtension __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTagClassMIMEType __UTTYPE_DEPRECATED;
#if TARGET_OS_OSX
extern const CFStringRef kUTTagClassNSPboardType __UTTYPE_DEPRECATED;
extern const CFStringRef kUTTagClassOSType __UTTYPE_DEPRECATED;
#endif

extern CFStringRef _Nullable UTTypeCreatePreferredIdentifierForTag(CFStringRef inTagClass, CFStringRef inTag,
                                                                   CFStringRef _Nullable inConformingToUTI)
    __UTTYPE_DEPRECATED;
extern CFArrayRef _Nullable UTTypeCreateAllIdentifiersForTag(CFStringRef inTagClass, CFStringRef inTag,
                                                             CFStringRef _Nullable inConformingToUTI)
    __UTTYPE_DEPRECATED;
extern CFStringRef _Nullable UTTypeCopyPreferredTagWithClass(CFStringRef inUTI, CFStringRef inTagClass)
    __UTTYPE_DEPRECATED;
extern CFArrayRef _Nullable UTTypeCopyAllTagsWithClass(CFStringRef inUTI, CFStringRef inTagClass)
    __UTTYPE_DEPRECATED;
extern Boolean UTTypeEqual(CFStringRef inUTI1, CFStringRef inUTI2) __UTTYPE_DEPRECATED;
extern Boolean UTTypeConformsTo(CFStringRef inUTI, CFStringRef inConformsToUTI) __UTTYPE_DEPRECATED;
extern CFStringRef _Nullable UTTypeCopyDescription(CFStringRef inUTI) __UTTYPE_DEPRECATED;
extern Boolean UTTypeIsDeclared(CFStringRef inUTI) __UTTYPE_DEPRECATED;
extern Boolean UTTypeIsDynamic(CFStringRef inUTI) __UTTYPE_DEPRECATED;
extern CFDictionaryRef _Nullable UTTypeCopyDeclaration(CFStringRef inUTI) __UTTYPE_DEPRECATED;
extern CFURLRef _Nullable UTTypeCopyDeclaringBundleURL(CFStringRef inUTI) __UTTYPE_DEPRECATED;

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __UTTYPE__ */
