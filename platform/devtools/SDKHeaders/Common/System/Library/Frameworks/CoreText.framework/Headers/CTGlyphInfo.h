/* CTGlyphInfo.h: overriding the glyph that a font maps a character sequence to. */
#ifndef __CTGLYPHINFO__
#define __CTGLYPHINFO__

#include <CoreText/CTDefines.h>
#include <CoreText/CTFont.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef const struct CF_BRIDGED_TYPE(id) __CTGlyphInfo *CTGlyphInfoRef;

typedef CF_ENUM(uint16_t, CTCharacterCollection) {
    kCTCharacterCollectionIdentityMapping = 0,
    kCTCharacterCollectionAdobeCNS1 = 1,
    kCTCharacterCollectionAdobeGB1 = 2,
    kCTCharacterCollectionAdobeJapan1 = 3,
    kCTCharacterCollectionAdobeJapan2 = 4,
    kCTCharacterCollectionAdobeKorea1 = 5
};

CT_EXPORT CFTypeID CTGlyphInfoGetTypeID(void);
CT_EXPORT CTGlyphInfoRef _Nullable CTGlyphInfoCreateWithGlyphName(CFStringRef glyphName, CTFontRef font,
                                                                  CFStringRef baseString);
CT_EXPORT CTGlyphInfoRef _Nullable CTGlyphInfoCreateWithGlyph(CGGlyph glyph, CTFontRef font, CFStringRef baseString);
CT_EXPORT CTGlyphInfoRef _Nullable CTGlyphInfoCreateWithCharacterIdentifier(CGFontIndex cid,
                                                                            CTCharacterCollection collection,
                                                                            CFStringRef baseString);
CT_EXPORT CFStringRef _Nullable CTGlyphInfoGetGlyphName(CTGlyphInfoRef glyphInfo);
CT_EXPORT CGGlyph CTGlyphInfoGetGlyph(CTGlyphInfoRef glyphInfo);
CT_EXPORT CGFontIndex CTGlyphInfoGetCharacterIdentifier(CTGlyphInfoRef glyphInfo);
CT_EXPORT CTCharacterCollection CTGlyphInfoGetCharacterCollection(CTGlyphInfoRef glyphInfo);

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __CTGLYPHINFO__ */
