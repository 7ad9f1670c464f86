| fixture: release-settings

//--- a release configuration without optimisation and analyser is reported twice, optimisation first
| project: {"configuration": "Release"}
void f(void);
// expect-nofile:
// expect-info: The build setting GCC_OPTIMIZATION_LEVEL should not be set to the value 0 for release builds. Compiler optimizations make your program faster and are almost always safe.
// expect-nofile:
// expect-info: The build setting RUN_CLANG_STATIC_ANALYZER should not be set to the value NO for release builds. The static analyzer may find bugs in your program.

//--- a configuration named for tests is no release configuration
| project: {"configuration": "ReleaseTests"}
void f(void);

//--- a debug configuration is not checked
| project: {"configuration": "Debug"}
void f(void);

//--- a store configuration is one; fast optimisation and a lower-case yes are not reported
| project: {"configuration": "AppStore"}
void f(void);
// expect-nofile:
// expect-info: The build setting GCC_GENERATE_TEST_COVERAGE_FILES should not be set to the value YES
// expect-nofile:
// expect-info: The build setting GCC_INSTRUMENT_PROGRAM_FLOW_ARCS should not be set to the value YES for release builds. Program flow instrumentation

//--- a production configuration optimising for size, with settings left unset, is not reported
| project: {"configuration": "ProductionSmall"}
void f(void);
