/* Script.h: the script and language codes of the older text system. */
#ifndef __SCRIPT__
#define __SCRIPT__

#include <MacTypes.h>

enum {
    smSystemScript = -1,
    smCurrentScript = -2,
    smAllScripts = -3
};

enum {
    smRoman = 0,
    smJapanese = 1,
    smTradChinese = 2,
    smKorean = 3,
    smArabic = 4,
    smHebrew = 5,
    smGreek = 6,
    smCyrillic = 7,
    smRSymbol = 8,
    smDevanagari = 9,
    smThai = 21,
    smSimpChinese = 25,
    smCentralEuroRoman = 29,
    smUnicodeScript = 0x7E,
    smUninterp = 32
};

enum {
    langEnglish = 0,
    langFrench = 1,
    langGerman = 2,
    langItalian = 3,
    langDutch = 4,
    langSwedish = 5,
    langSpanish = 6,
    langDanish = 7,
    langPortuguese = 8,
    langNorwegian = 9,
    langHebrew = 10,
    langJapanese = 11,
    langArabic = 12,
    langFinnish = 13,
    langGreek = 14,
    langIcelandic = 15,
    langRussian = 32,
    langSimpChinese = 33,
    langTradChinese = 19,
    langKorean = 23,
    langUnspecified = 32767
};

#endif /* __SCRIPT__ */
