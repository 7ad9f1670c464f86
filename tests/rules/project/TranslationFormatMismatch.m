| fixture: l10n-translations
//--- translations whose specifiers differ from the reference's are reported on their own file
// Not: positional specifiers in another order, a single translation, placeholders, the Menu table's "count", and the
// truncated Broken table. Without a development-region value, German (first in resource order) is the reference.
void f(void);
// expect-file: App/de.lproj/Localizable.strings id=count
// expect-info: German translation for count has different format specifiers than the English translation
// expect-file: App/ja.lproj/Localizable.strings id=three
// expect-file: App/ja.lproj/Localizable.strings id=noReference
// expect-info: than the German translation
