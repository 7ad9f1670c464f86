| fixture: orphan-strings
//--- a strings file in no target is reported; the table of another target is not
void f(void);
// expect-file: App/Orphan.strings
