// Whole-file findings on case files cannot be marked; the fixture checks of the warning-flags project show what the
// rule reports. Here: what it leaves alone.

//--- a warning the compiler enables by default is not missing
| options: {"flags": ["-Wreturn-type", "-Wint-conversion"]}
int answer(void) { return 42; }

//--- no recommended flags turn the rule off
| options: {"flags": []}
int answer(void) { return 42; }

//--- a flag that applies to Objective-C alone is not asked of a C file
| options: {"flags": ["-Wdeprecated-implementations"]}
| file: Plain.c
int answer(void) { return 42; }
