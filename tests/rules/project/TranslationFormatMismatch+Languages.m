| fixture: l10n-languages
//--- translations are held against the development region's table, else Base's, and compared by the arguments read
// The project names its development region "en", its folder is English.lproj. Not reported: "copied", whose German
// and French translations reorder and reuse positional arguments; the Japanese "files", which names in positions the
// arguments the reference reads in turn; the Other table, which has neither a development-region nor a Base table.
void f(void);
// expect-file: App/de.lproj/Localizable.strings id=files
// expect-info: The German translation for files has different format specifiers than the English translation.
// expect-file: App/fr.lproj/Menu.strings id=pages
// expect-info: The French translation for pages has different format specifiers than the Base translation.
