/* CFStringTokenizer.h: splitting text into words, sentences, paragraphs and line breaks, for a locale. */
#ifndef __COREFOUNDATION_CFSTRINGTOKENIZER__
#define __COREFOUNDATION_CFSTRINGTOKENIZER__

#include <CoreFoundation/CFBase.h>
#include <CoreFoundation/CFString.h>
#include <CoreFoundation/CFLocale.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef struct CF_BRIDGED_MUTABLE_TYPE(id) __CFStringTokenizer *CFStringTokenizerRef;

enum {
    kCFStringTokenizerUnitWord = 0,
    kCFStringTokenizerUnitSentence = 1,
    kCFStringTokenizerUnitParagraph = 2,
    kCFStringTokenizerUnitLineBreak = 3,
    kCFStringTokenizerUnitWordBoundary = 4,
    kCFStringTokenizerAttributeLatinTranscription = 1UL << 16,
    kCFStringTokenizerAttributeLanguage = 1UL << 17,
};

typedef CF_OPTIONS(CFOptionFlags, CFStringTokenizerTokenType) {
    kCFStringTokenizerTokenNone = 0,
    kCFStringTokenizerTokenNormal = 1UL << 0,
    kCFStringTokenizerTokenHasSubTokensMask = 1UL << 1,
    kCFStringTokenizerTokenHasDerivedSubTokensMask = 1UL << 2,
    kCFStringTokenizerTokenHasHasNumbersMask = 1UL << 3,
    kCFStringTokenizerTokenHasNonLettersMask = 1UL << 4,
    kCFStringTokenizerTokenIsCJWordMask = 1UL << 5
};

CF_EXPORT CFStringRef _Nullable CFStringTokenizerCopyBestStringLanguage(CFStringRef string, CFRange range)
    API_AVAILABLE(macos(10.5), ios(3.0));
CF_EXPORT CFTypeID CFStringTokenizerGetTypeID(void) API_AVAILABLE(macos(10.5), ios(3.0));
CF_EXPORT CFStringTokenizerRef CFStringTokenizerCreate(CFAllocatorRef _Nullable alloc, CFStringRef string,
                                                       CFRange range, CFOptionFlags options,
                                                       CFLocaleRef _Nullable locale)
    API_AVAILABLE(macos(10.5), ios(3.0));
CF_EXPORT void CFStringTokenizerSetString(CFStringTokenizerRef tokenizer, CFStringRef string, CFRange range)
    API_AVAILABLE(macos(10.5), ios(3.0));
CF_EXPORT CFStringTokenizerTokenType CFStringTokenizerGoToTokenAtIndex(CFStringTokenizerRef tokenizer, CFIndex index)
    API_AVAILABLE(macos(10.5), ios(3.0));
CF_EXPORT CFStringTokenizerTokenType CFStringTokenizerAdvanceToNextToken(CFStringTokenizerRef tokenizer)
    API_AVAILABLE(macos(10.5), ios(3.0));
CF_EXPORT CFRange CFStringTokenizerGetCurrentTokenRange(CFStringTokenizerRef tokenizer)
    API_AVAILABLE(macos(10.5), ios(3.0));
CF_EXPORT CFTypeRef _Nullable CFStringTokenizerCopyCurrentTokenAttribute(CFStringTokenizerRef tokenizer,
                                                                         CFOptionFlags attribute)
    API_AVAILABLE(macos(10.5), ios(3.0));

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFSTRINGTOKENIZER__ */
