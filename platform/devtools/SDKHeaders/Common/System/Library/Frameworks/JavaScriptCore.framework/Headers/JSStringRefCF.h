/* JSStringRefCF.h: JavaScript strings to and from Core Foundation strings. */
#ifndef JSStringRefCF_h
#define JSStringRefCF_h

#include <CoreFoundation/CoreFoundation.h>
#include <JavaScriptCore/JSStringRef.h>

#ifdef __cplusplus
extern "C" {
#endif

JSStringRef JSStringCreateWithCFString(CFStringRef string);
CFStringRef JSStringCopyCFString(CFAllocatorRef alloc, JSStringRef string) CF_RETURNS_RETAINED;

#ifdef __cplusplus
}
#endif

#endif /* JSStringRefCF_h */
