| fixture: l10n-translations
//--- translations whose specifiers differ from the reference's are reported on their own file
// Not: positional specifiers in another order, a single translation, placeholders, the Menu table's "count", the
// truncated Broken table, and "noReference", which has neither a development-region nor a Base value to compare with.
void f(void);
// expect-file: App/de.lproj/Localizable.strings id=count
// expect-info: German translation for count has different format specifiers than the English translation
// expect-file: App/ja.lproj/Localizable.strings id=three
