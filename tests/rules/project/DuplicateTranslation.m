| fixture: strings-duplicate
//--- a key defined twice in one table is reported at its first entry, naming the second
void f(void);
// expect-file: App/en.lproj/Localizable.strings id=greeting
// expect-info: another value defined on line 7
