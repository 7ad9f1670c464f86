| fixture: self-reference-settings
// The project's Debug configuration extends OTHER_CFLAGS by itself; Release uses $(inherited), braces and a longer
// name. The target's Debug and Release extend OTHER_LDFLAGS by itself, and Debug is based on App/Links.xcconfig.

//--- self-references are reported per configuration, with the hint that fits their level
void f(void);
// expect-nofile:
// expect-info: Value for build setting OTHER_CFLAGS contains a reference to itself.Project build settings, build configuration Debug
// expect-file: App/Links.xcconfig
// expect-info: Value for build setting OTHER_LDFLAGS contains a reference to itself.If you want to append something to the value inherited from the project settings, use the $(inherited) keyword instead. If you want to append something to a value previously set in this or any included .xcconfig file, you must use an intermediate user-defined setting for the base value.
// expect-nofile:
// expect-info: inherited from the project settings, use the $(inherited) keyword instead.Target App build settings, build configuration Debug
// expect-nofile:
// expect-info: Target App build settings, build configuration Release
