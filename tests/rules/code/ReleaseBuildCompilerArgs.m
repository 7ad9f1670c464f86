| fixture: warning-flags
| project: {"configuration": "Release"}
// The fixture's Release configuration defines NDEBUG=1 and NS_BLOCK_ASSERTIONS and adds -fno-common; AppStore
// defines neither; Production defines neither but switches Foundation's assertions off.

//--- the default definitions are given, one of them with a value
int answer(void) { return 42; }

//--- a debug configuration is never judged
| project: {"configuration": "Debug"}
| options: {"requiredArguments": ["-DNOT_THERE"]}
int answer(void) { return 42; }

//--- a release configuration without them misses both
| project: {"configuration": "AppStore"}
int answer(void) { return 42; }
// expect-nofile: id=-DNS_BLOCK_ASSERTIONS
// expect-info: Required compiler argument -DNS_BLOCK_ASSERTIONS is not used. This argument disables Foundation assertion macros.
// expect-nofile: id=-DNDEBUG
// expect-info: (as defined in assert.h)

//--- an argument with a value, or without -D, must appear exactly
| options: {"requiredArguments": ["-DNDEBUG=1", "-DNDEBUG=2", "NS_BLOCK_ASSERTIONS", "-fno-common"]}
int answer(void) { return 42; }
// expect-nofile: id=-DNDEBUG=2
// expect-nofile: id=NS_BLOCK_ASSERTIONS

//--- an argument of the user's own is missing with one sentence
| options: {"requiredArguments": ["-DMY_RELEASE"]}
int answer(void) { return 42; }
// expect-nofile: id=-DMY_RELEASE
// expect-info: Required compiler argument -DMY_RELEASE is not used.

//--- a disallowed argument in use is reported, one not in use is not
| options: {"requiredArguments": [], "disallowedArguments": ["-fno-common", "-DDEBUG"]}
int answer(void) { return 42; }
// expect-nofile: id=-fno-common
// expect-info: Disallowed compiler argument -fno-common is used.

//--- an argument both required and disallowed is reported as used when present and as missing when absent
| options: {"requiredArguments": ["-fno-common", "-DBOTH"], "disallowedArguments": ["-fno-common", "-DBOTH"]}
int answer(void) { return 42; }
// expect-nofile: id=-fno-common
// expect-info: Disallowed compiler argument
// expect-nofile: id=-DBOTH
// expect-info: Required compiler argument

//--- Xcode's switch that turns Foundation's assertions off gives their definition
| project: {"configuration": "Production"}
int answer(void) { return 42; }
// expect-nofile: id=-DNDEBUG
