| fixture: l10n-languages
//--- punctuation is compared by what it means in the translation's language
// The project names its development region "en", its folder is English.lproj. Not reported: full-width question marks
// and colons in Japanese and Chinese, the Greek question mark (U+037E, and U+003B in Greek), the space that French
// and German put before "?", ":" and "…", and the Other table, which has neither a development-region nor a Base table.
void f(void);
// expect-file: App/de.lproj/Localizable.strings id=save
// expect-info: The German translation for save differs in border punctuation from the English translation: The endings are ? and .
// expect-file: App/zh-Hans.lproj/Localizable.strings id=size
// expect-info: The endings are : and 。.
// expect-file: App/fr.lproj/Menu.strings id=open
// expect-info: from the Base translation: The endings are … and .
