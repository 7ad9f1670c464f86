/* TextCommon.h: text encodings as the Carbon text converters name them: bases, variants and formats. */
#ifndef __TEXTCOMMON__
#define __TEXTCOMMON__

#include <MacTypes.h>

typedef UInt32 TextEncodingBase;
typedef UInt32 TextEncodingVariant;
typedef UInt32 TextEncodingFormat;
typedef UInt32 TextEncoding;

enum {
    kTextEncodingMacRoman = 0,
    kTextEncodingMacJapanese = 1,
    kTextEncodingMacChineseTrad = 2,
    kTextEncodingMacKorean = 3,
    kTextEncodingMacArabic = 4,
    kTextEncodingMacHebrew = 5,
    kTextEncodingMacGreek = 6,
    kTextEncodingMacCyrillic = 7,
    kTextEncodingMacChineseSimp = 25,
    kTextEncodingMacCentralEurRoman = 29,
    kTextEncodingUnicodeDefault = 0x0100,
    kTextEncodingUnicodeV2_0 = 0x0103,
    kTextEncodingUnicodeV3_0 = 0x0104,
    kTextEncodingISOLatin1 = 0x0201,
    kTextEncodingISOLatin2 = 0x0202,
    kTextEncodingWindowsLatin1 = 0x0500,
    kTextEncodingWindowsLatin2 = 0x0501,
    kTextEncodingUS_ASCII = 0x0600,
    kTextEncodingShiftJIS = 0x0A01,
    kTextEncodingMacRomanLatin1 = 0x0A04,
    kTextEncodingBig5 = 0x0A03,
    kTextEncodingEUC_JP = 0x0920,
    kTextEncodingUnknown = 0xFFFF
};

enum {
    kTextEncodingDefaultFormat = 0,
    kUnicode16BitFormat = 0,
    kUnicodeUTF7Format = 1,
    kUnicodeUTF8Format = 2,
    kUnicode32BitFormat = 3,
    kUnicodeUTF16BEFormat = 4,
    kUnicodeUTF16LEFormat = 5,
    kUnicodeUTF32BEFormat = 6,
    kUnicodeUTF32LEFormat = 7
};

enum {
    kTextEncodingDefaultVariant = 0
};

#ifdef __cplusplus
extern "C" {
#endif
TextEncoding CreateTextEncoding(TextEncodingBase encodingBase, TextEncodingVariant encodingVariant,
                                TextEncodingFormat encodingFormat);
TextEncodingBase GetTextEncodingBase(TextEncoding encoding);
TextEncodingVariant GetTextEncodingVariant(TextEncoding encoding);
TextEncodingFormat GetTextEncodingFormat(TextEncoding encoding);
#ifdef __cplusplus
}
#endif

#endif /* __TEXTCOMMON__ */
