| fixture: l10n-placeholders
#import <Foundation/Foundation.h>

//--- empty translations and placeholders are reported, except "todo" in Spanish, where it is a word
void f(void);
// expect-file: fr.lproj/Localizable.strings id=title
// expect-info: The French translation for title has value TODO
// expect-file: es.lproj/Localizable.strings id=save
// expect-info: The Spanish translation for save has value FIXME
// expect-file: de.lproj/Localizable.strings id=cancel
// expect-file: fr.lproj/Localizable.strings id=tmp.debug
// expect-file: es.lproj/Localizable.strings id=tmp.debug
// expect-file: de.lproj/Localizable.strings id=tmp.debug
// expect-file: fr.lproj/Plurals.stringsdict id=files
// expect-info: The French translation for files (other) has value

//--- ignored key prefixes also spare placeholders
| options: {"ignoredKeyPrefixes": ["tmp.", "files"]}
void f(void);
// expect-file: fr.lproj/Localizable.strings id=title
// expect-file: es.lproj/Localizable.strings id=save
// expect-file: de.lproj/Localizable.strings id=cancel

//--- the development region's files are checked for placeholders only when asked
| options: {"checkDevRegion": true, "ignoredKeyPrefixes": ["files"]}
void f(void);
// expect-file: en.lproj/Localizable.strings id=tmp.debug
// expect-info: The English translation for tmp.debug has value
// expect-file: fr.lproj/Localizable.strings id=title
// expect-file: es.lproj/Localizable.strings id=save
// expect-file: de.lproj/Localizable.strings id=cancel
// expect-file: fr.lproj/Localizable.strings id=tmp.debug
// expect-file: es.lproj/Localizable.strings id=tmp.debug
// expect-file: de.lproj/Localizable.strings id=tmp.debug
