| fixture: strings-invalid
//--- a table with a missing semicolon is reported with the reader's message
void f(void);
// expect-file: App/Localizable.strings
// expect-info: String resource file could not be interpreted.
