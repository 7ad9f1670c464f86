/*
 * NSString.h: immutable and mutable Unicode strings: creation from characters, C strings, data, formats and files;
 * length and characters (UTF-16 code units); comparison, searching, conversion and editing.
 */
#import <Foundation/NSObject.h>
#import <Foundation/NSRange.h>
#include <stdarg.h>

@class NSArray<ObjectType>, NSCharacterSet, NSData, NSDictionary<KeyType, ObjectType>, NSError, NSLocale, NSURL;

NS_ASSUME_NONNULL_BEGIN

typedef unsigned short unichar;

typedef NS_OPTIONS(NSUInteger, NSStringCompareOptions) {
    NSCaseInsensitiveSearch = 1,
    NSLiteralSearch = 2,
    NSBackwardsSearch = 4,
    NSAnchoredSearch = 8,
    NSNumericSearch = 64,
    NSDiacriticInsensitiveSearch API_AVAILABLE(macos(10.5), ios(2.0)) = 128,
    NSWidthInsensitiveSearch API_AVAILABLE(macos(10.5), ios(2.0)) = 256,
    NSForcedOrderingSearch API_AVAILABLE(macos(10.5), ios(2.0)) = 512,
    NSRegularExpressionSearch API_AVAILABLE(macos(10.7), ios(3.2)) = 1024
};

typedef NSUInteger NSStringEncoding;
NS_ENUM(NSStringEncoding) {
    NSASCIIStringEncoding = 1,
    NSNEXTSTEPStringEncoding = 2,
    NSJapaneseEUCStringEncoding = 3,
    NSUTF8StringEncoding = 4,
    NSISOLatin1StringEncoding = 5,
    NSSymbolStringEncoding = 6,
    NSNonLossyASCIIStringEncoding = 7,
    NSShiftJISStringEncoding = 8,
    NSISOLatin2StringEncoding = 9,
    NSUnicodeStringEncoding = 10,
    NSWindowsCP1251StringEncoding = 11,
    NSWindowsCP1252StringEncoding = 12,
    NSWindowsCP1253StringEncoding = 13,
    NSWindowsCP1254StringEncoding = 14,
    NSWindowsCP1250StringEncoding = 15,
    NSISO2022JPStringEncoding = 21,
    NSMacOSRomanStringEncoding = 30,
    NSUTF16StringEncoding = NSUnicodeStringEncoding,
    NSUTF16BigEndianStringEncoding = 0x90000100,
    NSUTF16LittleEndianStringEncoding = 0x94000100,
    NSUTF32StringEncoding = 0x8c000100,
    NSUTF32BigEndianStringEncoding = 0x98000100,
    NSUTF32LittleEndianStringEncoding = 0x9c000100
};

typedef NS_OPTIONS(NSUInteger, NSStringEncodingConversionOptions) {
    NSStringEncodingConversionAllowLossy = 1,
    NSStringEncodingConversionExternalRepresentation = 2
};

typedef NS_OPTIONS(NSUInteger, NSStringEnumerationOptions) {
    NSStringEnumerationByLines = 0,
    NSStringEnumerationByParagraphs = 1,
    NSStringEnumerationByComposedCharacterSequences = 2,
    NSStringEnumerationByWords = 3,
    NSStringEnumerationBySentences = 4,
    NSStringEnumerationByCaretPositions API_AVAILABLE(macos(11.0), ios(14.0)) = 5,
    NSStringEnumerationByDeletionClusters API_AVAILABLE(macos(11.0), ios(14.0)) = 6,
    NSStringEnumerationReverse = 1UL << 8,
    NSStringEnumerationSubstringNotRequired = 1UL << 9,
    NSStringEnumerationLocalized = 1UL << 10
};

typedef NSString *NSStringTransform NS_TYPED_EXTENSIBLE_ENUM;

@interface NSString : NSObject <NSCopying, NSMutableCopying, NSSecureCoding>

@property (readonly) NSUInteger length;
- (unichar)characterAtIndex:(NSUInteger)index;
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

@end

@interface NSString (NSStringExtensionMethods)

- (NSString *)substringFromIndex:(NSUInteger)from;
- (NSString *)substringToIndex:(NSUInteger)to;
- (NSString *)substringWithRange:(NSRange)range;
- (void)getCharacters:(unichar *)buffer range:(NSRange)range;

- (NSComparisonResult)compare:(NSString *)string;
- (NSComparisonResult)compare:(NSString *)string options:(NSStringCompareOptions)mask;
- (NSComparisonResult)compare:(NSString *)string
                      options:(NSStringCompareOptions)mask
                        range:(NSRange)rangeOfReceiverToCompare;
- (NSComparisonResult)compare:(NSString *)string
                      options:(NSStringCompareOptions)mask
                        range:(NSRange)rangeOfReceiverToCompare
                       locale:(nullable id)locale;
- (NSComparisonResult)caseInsensitiveCompare:(NSString *)string;
- (NSComparisonResult)localizedCompare:(NSString *)string;
- (NSComparisonResult)localizedCaseInsensitiveCompare:(NSString *)string;
- (NSComparisonResult)localizedStandardCompare:(NSString *)string API_AVAILABLE(macos(10.6), ios(4.0));

- (BOOL)isEqualToString:(NSString *)aString;
- (BOOL)hasPrefix:(NSString *)str;
- (BOOL)hasSuffix:(NSString *)str;
- (NSString *)commonPrefixWithString:(NSString *)str options:(NSStringCompareOptions)mask;
- (BOOL)containsString:(NSString *)str API_AVAILABLE(macos(10.10), ios(8.0));
- (BOOL)localizedCaseInsensitiveContainsString:(NSString *)str API_AVAILABLE(macos(10.10), ios(8.0));
- (BOOL)localizedStandardContainsString:(NSString *)str API_AVAILABLE(macos(10.11), ios(9.0));
- (NSRange)localizedStandardRangeOfString:(NSString *)str API_AVAILABLE(macos(10.11), ios(9.0));
- (NSRange)rangeOfString:(NSString *)searchString;
- (NSRange)rangeOfString:(NSString *)searchString options:(NSStringCompareOptions)mask;
- (NSRange)rangeOfString:(NSString *)searchString options:(NSStringCompareOptions)mask range:(NSRange)rangeOfReceiverToSearch;
- (NSRange)rangeOfString:(NSString *)searchString
                 options:(NSStringCompareOptions)mask
                   range:(NSRange)rangeOfReceiverToSearch
                  locale:(nullable NSLocale *)locale;
- (NSRange)rangeOfCharacterFromSet:(NSCharacterSet *)searchSet;
- (NSRange)rangeOfCharacterFromSet:(NSCharacterSet *)searchSet options:(NSStringCompareOptions)mask;
- (NSRange)rangeOfCharacterFromSet:(NSCharacterSet *)searchSet
                           options:(NSStringCompareOptions)mask
                             range:(NSRange)rangeOfReceiverToSearch;
- (NSRange)rangeOfComposedCharacterSequenceAtIndex:(NSUInteger)index;
- (NSRange)rangeOfComposedCharacterSequencesForRange:(NSRange)range;

- (NSString *)stringByAppendingString:(NSString *)aString;
- (NSString *)stringByAppendingFormat:(NSString *)format, ... NS_FORMAT_FUNCTION(1, 2);

@property (readonly) double doubleValue;
@property (readonly) float floatValue;
@property (readonly) int intValue;
@property (readonly) NSInteger integerValue API_AVAILABLE(macos(10.5), ios(2.0));
@property (readonly) long long longLongValue;
@property (readonly) BOOL boolValue;

@property (readonly, copy) NSString *uppercaseString;
@property (readonly, copy) NSString *lowercaseString;
@property (readonly, copy) NSString *capitalizedString;
@property (readonly, copy) NSString *localizedUppercaseString API_AVAILABLE(macos(10.11), ios(9.0));
@property (readonly, copy) NSString *localizedLowercaseString API_AVAILABLE(macos(10.11), ios(9.0));
@property (readonly, copy) NSString *localizedCapitalizedString API_AVAILABLE(macos(10.11), ios(9.0));
- (NSString *)uppercaseStringWithLocale:(nullable NSLocale *)locale API_AVAILABLE(macos(10.8), ios(6.0));
- (NSString *)lowercaseStringWithLocale:(nullable NSLocale *)locale API_AVAILABLE(macos(10.8), ios(6.0));
- (NSString *)capitalizedStringWithLocale:(nullable NSLocale *)locale API_AVAILABLE(macos(10.8), ios(6.0));

- (void)getLineStart:(nullable NSUInteger *)startPtr
                 end:(nullable NSUInteger *)lineEndPtr
         contentsEnd:(nullable NSUInteger *)contentsEndPtr
            forRange:(NSRange)range;
- (NSRange)lineRangeForRange:(NSRange)range;
- (NSRange)paragraphRangeForRange:(NSRange)range;
#if defined(__BLOCKS__)
- (void)enumerateSubstringsInRange:(NSRange)range
                           options:(NSStringEnumerationOptions)opts
                        usingBlock:(void (^)(NSString *_Nullable substring, NSRange substringRange,
                                             NSRange enclosingRange, BOOL *stop))block
    API_AVAILABLE(macos(10.6), ios(4.0));
- (void)enumerateLinesUsingBlock:(void (^)(NSString *line, BOOL *stop))block API_AVAILABLE(macos(10.6), ios(4.0));
#endif

@property (nullable, readonly) const char *UTF8String NS_RETURNS_INNER_POINTER;
@property (readonly) NSStringEncoding fastestEncoding;
@property (readonly) NSStringEncoding smallestEncoding;
- (nullable NSData *)dataUsingEncoding:(NSStringEncoding)encoding allowLossyConversion:(BOOL)lossy;
- (nullable NSData *)dataUsingEncoding:(NSStringEncoding)encoding;
- (BOOL)canBeConvertedToEncoding:(NSStringEncoding)encoding;
- (nullable const char *)cStringUsingEncoding:(NSStringEncoding)encoding NS_RETURNS_INNER_POINTER;
- (BOOL)getCString:(char *)buffer maxLength:(NSUInteger)maxBufferCount encoding:(NSStringEncoding)encoding;
- (NSUInteger)maximumLengthOfBytesUsingEncoding:(NSStringEncoding)enc;
- (NSUInteger)lengthOfBytesUsingEncoding:(NSStringEncoding)enc;
@property (class, readonly) const NSStringEncoding *availableStringEncodings;
+ (NSString *)localizedNameOfStringEncoding:(NSStringEncoding)encoding;
@property (class, readonly) NSStringEncoding defaultCStringEncoding;

@property (readonly, copy) NSString *decomposedStringWithCanonicalMapping;
@property (readonly, copy) NSString *precomposedStringWithCanonicalMapping;
@property (readonly, copy) NSString *decomposedStringWithCompatibilityMapping;
@property (readonly, copy) NSString *precomposedStringWithCompatibilityMapping;

- (NSArray<NSString *> *)componentsSeparatedByString:(NSString *)separator;
- (NSArray<NSString *> *)componentsSeparatedByCharactersInSet:(NSCharacterSet *)separator
    API_AVAILABLE(macos(10.5), ios(2.0));
- (NSString *)stringByTrimmingCharactersInSet:(NSCharacterSet *)set;
- (NSString *)stringByPaddingToLength:(NSUInteger)newLength
                           withString:(NSString *)padString
                      startingAtIndex:(NSUInteger)padIndex;
- (NSString *)stringByFoldingWithOptions:(NSStringCompareOptions)options
                                  locale:(nullable NSLocale *)locale API_AVAILABLE(macos(10.5), ios(2.0));
- (NSString *)stringByReplacingOccurrencesOfString:(NSString *)target
                                        withString:(NSString *)replacement
                                           options:(NSStringCompareOptions)options
                                             range:(NSRange)searchRange API_AVAILABLE(macos(10.5), ios(2.0));
- (NSString *)stringByReplacingOccurrencesOfString:(NSString *)target
                                        withString:(NSString *)replacement API_AVAILABLE(macos(10.5), ios(2.0));
- (NSString *)stringByReplacingCharactersInRange:(NSRange)range
                                      withString:(NSString *)replacement API_AVAILABLE(macos(10.5), ios(2.0));
- (nullable NSString *)stringByApplyingTransform:(NSStringTransform)transform
                                         reverse:(BOOL)reverse API_AVAILABLE(macos(10.11), ios(9.0));

- (BOOL)writeToURL:(NSURL *)url
        atomically:(BOOL)useAuxiliaryFile
          encoding:(NSStringEncoding)enc
             error:(NSError **)error;
- (BOOL)writeToFile:(NSString *)path
         atomically:(BOOL)useAuxiliaryFile
           encoding:(NSStringEncoding)enc
              error:(NSError **)error;

@property (readonly, copy) NSString *description;
@property (readonly) NSUInteger hash;

- (instancetype)initWithCharactersNoCopy:(unichar *)characters
                                  length:(NSUInteger)length
                            freeWhenDone:(BOOL)freeBuffer;
- (instancetype)initWithCharacters:(const unichar *)characters length:(NSUInteger)length;
- (nullable instancetype)initWithUTF8String:(const char *)nullTerminatedCString;
- (instancetype)initWithString:(NSString *)aString;
- (instancetype)initWithFormat:(NSString *)format, ... NS_FORMAT_FUNCTION(1, 2);
- (instancetype)initWithFormat:(NSString *)format arguments:(va_list)argList NS_FORMAT_FUNCTION(1, 0);
- (instancetype)initWithFormat:(NSString *)format locale:(nullable id)locale, ... NS_FORMAT_FUNCTION(1, 3);
- (instancetype)initWithFormat:(NSString *)format
                        locale:(nullable id)locale
                     arguments:(va_list)argList NS_FORMAT_FUNCTION(1, 0);
- (nullable instancetype)initWithData:(NSData *)data encoding:(NSStringEncoding)encoding;
- (nullable instancetype)initWithBytes:(const void *)bytes
                                length:(NSUInteger)len
                              encoding:(NSStringEncoding)encoding;
- (nullable instancetype)initWithBytesNoCopy:(void *)bytes
                                      length:(NSUInteger)len
                                    encoding:(NSStringEncoding)encoding
                                freeWhenDone:(BOOL)freeBuffer;
- (nullable instancetype)initWithCString:(const char *)nullTerminatedCString encoding:(NSStringEncoding)encoding;

+ (instancetype)string;
+ (instancetype)stringWithString:(NSString *)string;
+ (instancetype)stringWithCharacters:(const unichar *)characters length:(NSUInteger)length;
+ (nullable instancetype)stringWithUTF8String:(const char *)nullTerminatedCString;
+ (instancetype)stringWithFormat:(NSString *)format, ... NS_FORMAT_FUNCTION(1, 2);
+ (instancetype)localizedStringWithFormat:(NSString *)format, ... NS_FORMAT_FUNCTION(1, 2);
+ (nullable instancetype)stringWithCString:(const char *)cString encoding:(NSStringEncoding)enc;

- (nullable instancetype)initWithContentsOfURL:(NSURL *)url
                                      encoding:(NSStringEncoding)enc
                                         error:(NSError **)error;
- (nullable instancetype)initWithContentsOfFile:(NSString *)path
                                       encoding:(NSStringEncoding)enc
                                          error:(NSError **)error;
+ (nullable instancetype)stringWithContentsOfURL:(NSURL *)url
                                        encoding:(NSStringEncoding)enc
                                           error:(NSError **)error;
+ (nullable instancetype)stringWithContentsOfFile:(NSString *)path
                                         encoding:(NSStringEncoding)enc
                                            error:(NSError **)error;
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url
                                  usedEncoding:(nullable NSStringEncoding *)enc
                                         error:(NSError **)error;
- (nullable instancetype)initWithContentsOfFile:(NSString *)path
                                   usedEncoding:(nullable NSStringEncoding *)enc
                                          error:(NSError **)error;
+ (nullable instancetype)stringWithContentsOfFile:(NSString *)path
                                     usedEncoding:(nullable NSStringEncoding *)enc
                                            error:(NSError **)error;
+ (nullable instancetype)stringWithContentsOfURL:(NSURL *)url
                                    usedEncoding:(nullable NSStringEncoding *)enc
                                           error:(NSError **)error;

@end

@interface NSString (NSExtendedStringPropertyListParsing)
- (id)propertyList;
- (nullable NSDictionary *)propertyListFromStringsFileFormat;
@end

@interface NSString (NSDeprecated)
- (nullable const char *)cString NS_RETURNS_INNER_POINTER
    API_DEPRECATED("Use -cStringUsingEncoding: instead", macos(10.0, 10.4), ios(2.0, 2.0));
- (NSUInteger)cStringLength API_DEPRECATED("Use -lengthOfBytesUsingEncoding: instead", macos(10.0, 10.4),
                                           ios(2.0, 2.0));
+ (nullable id)stringWithContentsOfFile:(NSString *)path
    API_DEPRECATED("Use +stringWithContentsOfFile:encoding:error: instead", macos(10.0, 10.4), ios(2.0, 2.0));
+ (nullable id)stringWithCString:(const char *)bytes
    API_DEPRECATED("Use +stringWithCString:encoding: instead", macos(10.0, 10.4), ios(2.0, 2.0));
- (BOOL)writeToFile:(NSString *)path
         atomically:(BOOL)useAuxiliaryFile
    API_DEPRECATED("Use -writeToFile:atomically:encoding:error: instead", macos(10.0, 10.4), ios(2.0, 2.0));
@end

@interface NSMutableString : NSString

- (void)replaceCharactersInRange:(NSRange)range withString:(NSString *)aString;

@end

@interface NSMutableString (NSMutableStringExtensionMethods)

- (void)insertString:(NSString *)aString atIndex:(NSUInteger)loc;
- (void)deleteCharactersInRange:(NSRange)range;
- (void)appendString:(NSString *)aString;
- (void)appendFormat:(NSString *)format, ... NS_FORMAT_FUNCTION(1, 2);
- (void)setString:(NSString *)aString;
- (NSUInteger)replaceOccurrencesOfString:(NSString *)target
                              withString:(NSString *)replacement
                                 options:(NSStringCompareOptions)options
                                   range:(NSRange)searchRange;
- (BOOL)applyTransform:(NSStringTransform)transform
               reverse:(BOOL)reverse
                 range:(NSRange)range
          updatedRange:(nullable NSRangePointer)resultingRange API_AVAILABLE(macos(10.11), ios(9.0));
- (NSMutableString *)initWithCapacity:(NSUInteger)capacity;
+ (NSMutableString *)stringWithCapacity:(NSUInteger)capacity;

@end

FOUNDATION_EXPORT NSExceptionName const NSCharacterConversionException;
FOUNDATION_EXPORT NSExceptionName const NSParseErrorException;

NS_ASSUME_NONNULL_END
