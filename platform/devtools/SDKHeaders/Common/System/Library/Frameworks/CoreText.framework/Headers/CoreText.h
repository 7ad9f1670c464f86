/* CoreText.h: laying out and drawing text: fonts, attributed strings set into lines, frames and runs of glyphs. */
#ifndef __CORETEXT__
#define __CORETEXT__

#include <CoreText/CTDefines.h>
#include <CoreText/CTFont.h>
#include <CoreText/CTFontDescriptor.h>
#include <CoreText/CTFontTraits.h>
#include <CoreText/CTFontManager.h>
#include <CoreText/CTFrame.h>
#include <CoreText/CTFramesetter.h>
#include <CoreText/CTGlyphInfo.h>
#include <CoreText/CTLine.h>
#include <CoreText/CTParagraphStyle.h>
#include <CoreText/CTRubyAnnotation.h>
#include <CoreText/CTRun.h>
#include <CoreText/CTRunDelegate.h>
#include <CoreText/CTStringAttributes.h>
#include <CoreText/CTTextTab.h>
#include <CoreText/CTTypesetter.h>

CF_EXTERN_C_BEGIN
CT_EXPORT uint32_t CTGetCoreTextVersion(void);
CF_EXTERN_C_END

#define kCTVersionNumber10_5 0x00020000
#define kCTVersionNumber10_6 0x00030000
#define kCTVersionNumber10_7 0x00040000
#define kCTVersionNumber10_8 0x00050000
#define kCTVersionNumber10_9 0x00060000
#define kCTVersionNumber10_10 0x00070000
#define kCTVersionNumber10_11 0x00080000
#define kCTVersionNumber10_12 0x00090000
#define kCTVersionNumber10_13 0x000A0000

#endif /* __CORETEXT__ */
