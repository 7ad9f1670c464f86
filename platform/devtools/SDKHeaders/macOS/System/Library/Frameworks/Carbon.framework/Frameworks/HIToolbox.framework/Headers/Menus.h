/*
 * Menus.h: what Cocoa code still takes from the Menu Manager: the menu reference types, the modifier flags of menu
 * item shortcuts, the glyphs menus draw for special keys, and the Unicode characters of the modifier symbols.
 */
#ifndef __MENUS__
#define __MENUS__

#include <CoreServices/CoreServices.h>

typedef struct OpaqueMenuRef *MenuRef;
typedef MenuRef MenuHandle;
typedef SInt16 MenuID;
typedef UInt16 MenuItemIndex;
typedef UInt32 MenuCommand;

enum {
    kMenuNoModifiers = 0,
    kMenuShiftModifier = (1 << 0),
    kMenuOptionModifier = (1 << 1),
    kMenuControlModifier = (1 << 2),
    kMenuNoCommandModifier = (1 << 3)
};

enum {
    kMenuNullGlyph = 0x00,
    kMenuTabRightGlyph = 0x02,
    kMenuTabLeftGlyph = 0x03,
    kMenuEnterGlyph = 0x04,
    kMenuShiftGlyph = 0x05,
    kMenuControlGlyph = 0x06,
    kMenuOptionGlyph = 0x07,
    kMenuSpaceGlyph = 0x09,
    kMenuDeleteRightGlyph = 0x0A,
    kMenuReturnGlyph = 0x0B,
    kMenuReturnR2LGlyph = 0x0C,
    kMenuNonmarkingReturnGlyph = 0x0D,
    kMenuPencilGlyph = 0x0F,
    kMenuDownwardArrowDashedGlyph = 0x10,
    kMenuCommandGlyph = 0x11,
    kMenuCheckmarkGlyph = 0x12,
    kMenuDiamondGlyph = 0x13,
    kMenuAppleLogoFilledGlyph = 0x14,
    kMenuParagraphKoreanGlyph = 0x15,
    kMenuDeleteLeftGlyph = 0x17,
    kMenuLeftArrowDashedGlyph = 0x18,
    kMenuUpArrowDashedGlyph = 0x19,
    kMenuRightArrowDashedGlyph = 0x1A,
    kMenuEscapeGlyph = 0x1B,
    kMenuClearGlyph = 0x1C,
    kMenuLeftDoubleQuotesJapaneseGlyph = 0x1D,
    kMenuRightDoubleQuotesJapaneseGlyph = 0x1E,
    kMenuTrademarkJapaneseGlyph = 0x1F,
    kMenuBlankGlyph = 0x61,
    kMenuPageUpGlyph = 0x62,
    kMenuCapsLockGlyph = 0x63,
    kMenuLeftArrowGlyph = 0x64,
    kMenuRightArrowGlyph = 0x65,
    kMenuNorthwestArrowGlyph = 0x66,
    kMenuHelpGlyph = 0x67,
    kMenuUpArrowGlyph = 0x68,
    kMenuSoutheastArrowGlyph = 0x69,
    kMenuDownArrowGlyph = 0x6A,
    kMenuPageDownGlyph = 0x6B,
    kMenuAppleLogoOutlineGlyph = 0x6C,
    kMenuContextualMenuGlyph = 0x6D,
    kMenuPowerGlyph = 0x6E,
    kMenuF1Glyph = 0x6F,
    kMenuF2Glyph = 0x70,
    kMenuF3Glyph = 0x71,
    kMenuF4Glyph = 0x72,
    kMenuF5Glyph = 0x73,
    kMenuF6Glyph = 0x74,
    kMenuF7Glyph = 0x75,
    kMenuF8Glyph = 0x76,
    kMenuF9Glyph = 0x77,
    kMenuF10Glyph = 0x78,
    kMenuF11Glyph = 0x79,
    kMenuF12Glyph = 0x7A,
    kMenuF13Glyph = 0x87,
    kMenuF14Glyph = 0x88,
    kMenuF15Glyph = 0x89,
    kMenuControlISOGlyph = 0x8A,
    kMenuEjectGlyph = 0x8C,
    kMenuEisuGlyph = 0x8D,
    kMenuKanaGlyph = 0x8E,
    kMenuF16Glyph = 0x8F,
    kMenuF17Glyph = 0x90,
    kMenuF18Glyph = 0x91,
    kMenuF19Glyph = 0x92
};

enum {
    kShiftUnicode = 0x21E7,
    kControlUnicode = 0x2303,
    kOptionUnicode = 0x2325,
    kCommandUnicode = 0x2318,
    kPencilUnicode = 0x270E,
    kPencilLeftUnicode = 0xF802,
    kCheckUnicode = 0x2713,
    kDiamondUnicode = 0x25C6,
    kBulletUnicode = 0x2022,
    kAppleLogoUnicode = 0xF8FF
};

#endif /* __MENUS__ */
