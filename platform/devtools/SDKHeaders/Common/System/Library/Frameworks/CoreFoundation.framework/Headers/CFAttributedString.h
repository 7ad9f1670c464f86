/* CFAttributedString.h: strings with attributes over ranges (bridged to NSAttributedString). */
#ifndef __COREFOUNDATION_CFATTRIBUTEDSTRING__
#define __COREFOUNDATION_CFATTRIBUTEDSTRING__

#include <CoreFoundation/CFBase.h>
#include <CoreFoundation/CFString.h>
#include <CoreFoundation/CFDictionary.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(NSAttributedString) __CFAttributedString *CFAttributedStringRef;
typedef struct CF_BRIDGED_MUTABLE_TYPE(NSMutableAttributedString) __CFAttributedString *CFMutableAttributedStringRef;

CF_EXPORT CFTypeID CFAttributedStringGetTypeID(void);
CF_EXPORT CFAttributedStringRef _Nullable CFAttributedStringCreate(CFAllocatorRef _Nullable alloc, CFStringRef str,
                                                                   CFDictionaryRef _Nullable attributes);
CF_EXPORT CFAttributedStringRef _Nullable CFAttributedStringCreateWithSubstring(CFAllocatorRef _Nullable alloc,
                                                                                CFAttributedStringRef aStr,
                                                                                CFRange range);
CF_EXPORT CFAttributedStringRef _Nullable CFAttributedStringCreateCopy(CFAllocatorRef _Nullable alloc,
                                                                       CFAttributedStringRef aStr);
CF_EXPORT CFStringRef CFAttributedStringGetString(CFAttributedStringRef aStr);
CF_EXPORT CFIndex CFAttributedStringGetLength(CFAttributedStringRef aStr);
CF_EXPORT CFDictionaryRef _Nullable CFAttributedStringGetAttributes(CFAttributedStringRef aStr, CFIndex loc,
                                                                    CFRange *_Nullable effectiveRange);
CF_EXPORT CFTypeRef _Nullable CFAttributedStringGetAttribute(CFAttributedStringRef aStr, CFIndex loc,
                                                             CFStringRef attrName, CFRange *_Nullable effectiveRange);
CF_EXPORT CFDictionaryRef _Nullable CFAttributedStringGetAttributesAndLongestEffectiveRange(
    CFAttributedStringRef aStr, CFIndex loc, CFRange inRange, CFRange *_Nullable longestEffectiveRange);
CF_EXPORT CFTypeRef _Nullable CFAttributedStringGetAttributeAndLongestEffectiveRange(
    CFAttributedStringRef aStr, CFIndex loc, CFStringRef attrName, CFRange inRange,
    CFRange *_Nullable longestEffectiveRange);
CF_EXPORT CFMutableAttributedStringRef _Nullable CFAttributedStringCreateMutableCopy(CFAllocatorRef _Nullable alloc,
                                                                                     CFIndex maxLength,
                                                                                     CFAttributedStringRef aStr);
CF_EXPORT CFMutableAttributedStringRef _Nullable CFAttributedStringCreateMutable(CFAllocatorRef _Nullable alloc,
                                                                                 CFIndex maxLength);
CF_EXPORT void CFAttributedStringReplaceString(CFMutableAttributedStringRef aStr, CFRange range,
                                               CFStringRef replacement);
CF_EXPORT CFMutableStringRef _Nullable CFAttributedStringGetMutableString(CFMutableAttributedStringRef aStr);
CF_EXPORT void CFAttributedStringSetAttributes(CFMutableAttributedStringRef aStr, CFRange range,
                                               CFDictionaryRef _Nullable replacement, Boolean clearOtherAttributes);
CF_EXPORT void CFAttributedStringSetAttribute(CFMutableAttributedStringRef aStr, CFRange range, CFStringRef attrName,
                                              CFTypeRef value);
CF_EXPORT void CFAttributedStringRemoveAttribute(CFMutableAttributedStringRef aStr, CFRange range,
                                                 CFStringRef attrName);
CF_EXPORT void CFAttributedStringReplaceAttributedString(CFMutableAttributedStringRef aStr, CFRange range,
                                                         CFAttributedStringRef replacement);
CF_EXPORT void CFAttributedStringBeginEditing(CFMutableAttributedStringRef aStr);
CF_EXPORT void CFAttributedStringEndEditing(CFMutableAttributedStringRef aStr);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFATTRIBUTEDSTRING__ */
