| fixture: l10n-translations
//--- border punctuation that differs from the reference's is reported
// Not: an ideographic full stop against a full stop, "Toll!" against "Wow!", the full-width "！" against "!",
// placeholders, nor trailing blanks alone.
void f(void);
// expect-file: App/de.lproj/Localizable.strings id=label
// expect-info: The endings are : and .
// expect-file: App/de.lproj/Localizable.strings id=done
// expect-file: App/de.lproj/Localizable.strings id=ask
// expect-info: The beginnings are … and . The endings are ? and .

//--- with ellipses only as punctuation, only the leading ellipsis and trailing blanks make borders
| options: {"punctuationChars": "…"}
void f(void);
// expect-file: App/de.lproj/Localizable.strings id=ask
