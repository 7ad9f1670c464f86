/*
 * CFString.h: Unicode strings (bridged to NSString and NSMutableString): creation from C strings and bytes,
 * constant strings (CFSTR), access, comparison, searching and editing.
 */
#ifndef __COREFOUNDATION_CFSTRING__
#define __COREFOUNDATION_CFSTRING__

#include <CoreFoundation/CFBase.h>
#include <CoreFoundation/CFArray.h>
#include <CoreFoundation/CFData.h>
#include <CoreFoundation/CFDictionary.h>
#include <stdarg.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef UInt32 CFStringEncoding;

typedef CF_ENUM(CFStringEncoding, CFStringBuiltInEncodings) {
    kCFStringEncodingMacRoman = 0,
    kCFStringEncodingWindowsLatin1 = 0x0500,
    kCFStringEncodingISOLatin1 = 0x0201,
    kCFStringEncodingNextStepLatin = 0x0B01,
    kCFStringEncodingASCII = 0x0600,
    kCFStringEncodingUnicode = 0x0100,
    kCFStringEncodingUTF8 = 0x08000100,
    kCFStringEncodingNonLossyASCII = 0x0BFF,
    kCFStringEncodingUTF16 = 0x0100,
    kCFStringEncodingUTF16BE = 0x10000100,
    kCFStringEncodingUTF16LE = 0x14000100,
    kCFStringEncodingUTF32 = 0x0c000100,
    kCFStringEncodingUTF32BE = 0x18000100,
    kCFStringEncodingUTF32LE = 0x1c000100
};
#define kCFStringEncodingInvalidId (0xffffffffU)

typedef CF_OPTIONS(CFOptionFlags, CFStringCompareFlags) {
    kCFCompareCaseInsensitive = 1,
    kCFCompareBackwards = 4,
    kCFCompareAnchored = 8,
    kCFCompareNonliteral = 16,
    kCFCompareLocalized = 32,
    kCFCompareNumerically = 64,
    kCFCompareDiacriticInsensitive = 128,
    kCFCompareWidthInsensitive = 256,
    kCFCompareForcedOrdering = 512
};

/*
 * A constant string made by the compiler from a string literal; it needs no release. The empty pieces make the
 * argument a literal (CFSTR("a" "b") works, a variable does not compile).
 */
#define CFSTR(cStr) ((CFStringRef)__builtin___CFStringMakeConstantString("" cStr ""))

CF_EXPORT CFTypeID CFStringGetTypeID(void);

CF_EXPORT CFStringRef _Nullable CFStringCreateWithCString(CFAllocatorRef _Nullable alloc, const char *cStr,
                                                          CFStringEncoding encoding);
CF_EXPORT CFStringRef _Nullable CFStringCreateWithBytes(CFAllocatorRef _Nullable alloc, const UInt8 *bytes,
                                                        CFIndex numBytes, CFStringEncoding encoding,
                                                        Boolean isExternalRepresentation);
CF_EXPORT CFStringRef CFStringCreateWithCharacters(CFAllocatorRef _Nullable alloc, const UniChar *chars,
                                                   CFIndex numChars);
CF_EXPORT CFStringRef _Nullable CFStringCreateWithCStringNoCopy(CFAllocatorRef _Nullable alloc, const char *cStr,
                                                                CFStringEncoding encoding,
                                                                CFAllocatorRef _Nullable contentsDeallocator);
CF_EXPORT CFStringRef CFStringCreateWithSubstring(CFAllocatorRef _Nullable alloc, CFStringRef str, CFRange range);
CF_EXPORT CFStringRef CFStringCreateCopy(CFAllocatorRef _Nullable alloc, CFStringRef theString);
CF_EXPORT CFStringRef CFStringCreateWithFormat(CFAllocatorRef _Nullable alloc, CFDictionaryRef _Nullable formatOptions,
                                               CFStringRef format, ...) CF_FORMAT_FUNCTION(3, 4);
CF_EXPORT CFStringRef CFStringCreateWithFormatAndArguments(CFAllocatorRef _Nullable alloc,
                                                           CFDictionaryRef _Nullable formatOptions,
                                                           CFStringRef format, va_list arguments)
    CF_FORMAT_FUNCTION(3, 0);
CF_EXPORT CFMutableStringRef CFStringCreateMutable(CFAllocatorRef _Nullable alloc, CFIndex maxLength);
CF_EXPORT CFMutableStringRef CFStringCreateMutableCopy(CFAllocatorRef _Nullable alloc, CFIndex maxLength,
                                                       CFStringRef theString);
CF_EXPORT CFStringRef _Nullable CFStringCreateFromExternalRepresentation(CFAllocatorRef _Nullable alloc,
                                                                         CFDataRef data, CFStringEncoding encoding);
CF_EXPORT CFDataRef _Nullable CFStringCreateExternalRepresentation(CFAllocatorRef _Nullable alloc,
                                                                   CFStringRef theString, CFStringEncoding encoding,
                                                                   UInt8 lossByte);

CF_EXPORT CFIndex CFStringGetLength(CFStringRef theString);
CF_EXPORT UniChar CFStringGetCharacterAtIndex(CFStringRef theString, CFIndex idx);
CF_EXPORT void CFStringGetCharacters(CFStringRef theString, CFRange range, UniChar *buffer);
CF_EXPORT Boolean CFStringGetCString(CFStringRef theString, char *buffer, CFIndex bufferSize,
                                     CFStringEncoding encoding);
CF_EXPORT const char *_Nullable CFStringGetCStringPtr(CFStringRef theString, CFStringEncoding encoding);
CF_EXPORT const UniChar *_Nullable CFStringGetCharactersPtr(CFStringRef theString);
CF_EXPORT CFIndex CFStringGetBytes(CFStringRef theString, CFRange range, CFStringEncoding encoding, UInt8 lossByte,
                                   Boolean isExternalRepresentation, UInt8 *_Nullable buffer, CFIndex maxBufLen,
                                   CFIndex *_Nullable usedBufLen);
CF_EXPORT CFIndex CFStringGetMaximumSizeForEncoding(CFIndex length, CFStringEncoding encoding);
CF_EXPORT CFStringEncoding CFStringGetSystemEncoding(void);
CF_EXPORT SInt32 CFStringGetIntValue(CFStringRef str);
CF_EXPORT double CFStringGetDoubleValue(CFStringRef str);

CF_EXPORT CFComparisonResult CFStringCompare(CFStringRef theString1, CFStringRef theString2,
                                             CFStringCompareFlags compareOptions);
CF_EXPORT CFComparisonResult CFStringCompareWithOptions(CFStringRef theString1, CFStringRef theString2,
                                                        CFRange rangeToCompare, CFStringCompareFlags compareOptions);
CF_EXPORT Boolean CFStringHasPrefix(CFStringRef theString, CFStringRef prefix);
CF_EXPORT Boolean CFStringHasSuffix(CFStringRef theString, CFStringRef suffix);
CF_EXPORT CFRange CFStringFind(CFStringRef theString, CFStringRef stringToFind, CFStringCompareFlags compareOptions);
CF_EXPORT Boolean CFStringFindWithOptions(CFStringRef theString, CFStringRef stringToFind, CFRange rangeToSearch,
                                          CFStringCompareFlags searchOptions, CFRange *_Nullable result);
CF_EXPORT CFArrayRef _Nullable CFStringCreateArrayBySeparatingStrings(CFAllocatorRef _Nullable alloc,
                                                                      CFStringRef theString,
                                                                      CFStringRef separatorString);
CF_EXPORT CFStringRef CFStringCreateByCombiningStrings(CFAllocatorRef _Nullable alloc, CFArrayRef theArray,
                                                       CFStringRef separatorString);

CF_EXPORT void CFStringAppend(CFMutableStringRef theString, CFStringRef appendedString);
CF_EXPORT void CFStringAppendCString(CFMutableStringRef theString, const char *cStr, CFStringEncoding encoding);
CF_EXPORT void CFStringAppendFormat(CFMutableStringRef theString, CFDictionaryRef _Nullable formatOptions,
                                    CFStringRef format, ...) CF_FORMAT_FUNCTION(3, 4);
CF_EXPORT void CFStringInsert(CFMutableStringRef str, CFIndex idx, CFStringRef insertedStr);
CF_EXPORT void CFStringDelete(CFMutableStringRef theString, CFRange range);
CF_EXPORT void CFStringReplace(CFMutableStringRef theString, CFRange range, CFStringRef replacement);
CF_EXPORT void CFStringReplaceAll(CFMutableStringRef theString, CFStringRef replacement);
CF_EXPORT CFIndex CFStringFindAndReplace(CFMutableStringRef theString, CFStringRef stringToFind,
                                         CFStringRef replacementString, CFRange rangeToSearch,
                                         CFStringCompareFlags compareOptions);
CF_EXPORT void CFStringTrimWhitespace(CFMutableStringRef theString);
CF_EXPORT void CFStringLowercase(CFMutableStringRef theString, CFTypeRef _Nullable locale);
CF_EXPORT void CFStringUppercase(CFMutableStringRef theString, CFTypeRef _Nullable locale);

CF_EXPORT CFStringRef _Nullable CFStringCreateWithBytesNoCopy(CFAllocatorRef _Nullable alloc, const UInt8 *bytes,
                                                              CFIndex numBytes, CFStringEncoding encoding,
                                                              Boolean isExternalRepresentation,
                                                              CFAllocatorRef _Nullable contentsDeallocator);
CF_EXPORT void CFStringAppendCharacters(CFMutableStringRef theString, const UniChar *chars, CFIndex numChars);
CF_EXPORT Boolean CFStringTransform(CFMutableStringRef string, CFRange *_Nullable range, CFStringRef transform,
                                    Boolean reverse);
CF_EXPORT const CFStringRef kCFStringTransformStripCombiningMarks;
CF_EXPORT const CFStringRef kCFStringTransformToLatin;
CF_EXPORT const CFStringRef kCFStringTransformFullwidthHalfwidth;
CF_EXPORT const CFStringRef kCFStringTransformLatinKatakana;
CF_EXPORT const CFStringRef kCFStringTransformLatinHiragana;
CF_EXPORT const CFStringRef kCFStringTransformHiraganaKatakana;
CF_EXPORT const CFStringRef kCFStringTransformMandarinLatin;
CF_EXPORT const CFStringRef kCFStringTransformLatinHangul;
CF_EXPORT const CFStringRef kCFStringTransformLatinArabic;
CF_EXPORT const CFStringRef kCFStringTransformLatinHebrew;
CF_EXPORT const CFStringRef kCFStringTransformLatinThai;
CF_EXPORT const CFStringRef kCFStringTransformLatinCyrillic;
CF_EXPORT const CFStringRef kCFStringTransformLatinGreek;
CF_EXPORT const CFStringRef kCFStringTransformToXMLHex;
CF_EXPORT const CFStringRef kCFStringTransformToUnicodeName;
CF_EXPORT const CFStringRef kCFStringTransformStripDiacritics API_AVAILABLE(macos(10.5), ios(2.0));
CF_EXPORT void CFStringNormalize(CFMutableStringRef theString, CFIndex theForm);
CF_EXPORT void CFStringFold(CFMutableStringRef theString, CFStringCompareFlags theFlags,
                            CFTypeRef _Nullable theLocale);
CF_EXPORT void CFStringCapitalize(CFMutableStringRef theString, CFTypeRef _Nullable locale);
CF_EXPORT Boolean CFStringIsEncodingAvailable(CFStringEncoding encoding);
CF_EXPORT CFStringRef _Nullable CFStringGetNameOfEncoding(CFStringEncoding encoding);
CF_EXPORT unsigned long CFStringConvertEncodingToNSStringEncoding(CFStringEncoding encoding);
CF_EXPORT CFStringEncoding CFStringConvertNSStringEncodingToEncoding(unsigned long encoding);
CF_EXPORT UInt32 CFStringConvertEncodingToWindowsCodepage(CFStringEncoding encoding);
CF_EXPORT CFStringEncoding CFStringConvertWindowsCodepageToEncoding(UInt32 codepage);
CF_EXPORT CFStringEncoding CFStringConvertIANACharSetNameToEncoding(CFStringRef theString);
CF_EXPORT CFStringRef _Nullable CFStringConvertEncodingToIANACharSetName(CFStringEncoding encoding);
CF_EXPORT CFStringEncoding CFStringGetMostCompatibleMacStringEncoding(CFStringEncoding encoding);

/* Reading the characters of a string quickly, through a buffer filled in parts. */
#define __kCFStringInlineBufferLength 64
typedef struct {
    UniChar buffer[__kCFStringInlineBufferLength];
    CFStringRef theString;
    const UniChar *directUniCharBuffer;
    const char *directCStringBuffer;
    CFRange rangeToBuffer;
    CFIndex bufferedRangeStart;
    CFIndex bufferedRangeEnd;
} CFStringInlineBuffer;

CF_INLINE void CFStringInitInlineBuffer(CFStringRef str, CFStringInlineBuffer *buf, CFRange range) {
    buf->theString = str;
    buf->rangeToBuffer = range;
    buf->directCStringBuffer = (buf->directUniCharBuffer = CFStringGetCharactersPtr(str)) ? NULL
                                   : CFStringGetCStringPtr(str, kCFStringEncodingASCII);
    buf->bufferedRangeStart = buf->bufferedRangeEnd = 0;
}

CF_INLINE UniChar CFStringGetCharacterFromInlineBuffer(CFStringInlineBuffer *buf, CFIndex idx) {
    if (idx < 0 || idx >= buf->rangeToBuffer.length) {
        return 0;
    }
    if (buf->directUniCharBuffer) {
        return buf->directUniCharBuffer[idx + buf->rangeToBuffer.location];
    }
    if (buf->directCStringBuffer) {
        return (UniChar)(buf->directCStringBuffer[idx + buf->rangeToBuffer.location]);
    }
    if (idx >= buf->bufferedRangeEnd || idx < buf->bufferedRangeStart) {
        if ((buf->bufferedRangeStart = idx - 4) < 0) {
            buf->bufferedRangeStart = 0;
        }
        buf->bufferedRangeEnd = buf->bufferedRangeStart + __kCFStringInlineBufferLength;
        if (buf->bufferedRangeEnd > buf->rangeToBuffer.length) {
            buf->bufferedRangeEnd = buf->rangeToBuffer.length;
        }
        CFStringGetCharacters(buf->theString,
                              CFRangeMake(buf->rangeToBuffer.location + buf->bufferedRangeStart,
                                          buf->bufferedRangeEnd - buf->bufferedRangeStart),
                              buf->buffer);
    }
    return buf->buffer[idx - buf->bufferedRangeStart];
}

CF_EXPORT void CFShow(CFTypeRef obj);
CF_EXPORT void CFShowStr(CFStringRef str);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFSTRING__ */
