// The fixture checks of the warning-flags project show how the rule reads build settings; here: which flags count as
// enabled by the compiler.

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

//--- a group is missing when only warnings of other languages (HLSL) turn it on by default
| options: {"flags": ["-Wconversion", "-Wint-conversion"]}
int answer(void) { return 42; }
// expect-file: CaseFiles/Case.m id=-Wconversion
