| fixture: setting-placement
// The target's Debug configuration: OTHER_CFLAGS = -DFOO -fno-common, WARNING_CFLAGS = -Wall -DBAR -w -Wno-shadow
// -Werror -pedantic. Release defines RELEASE_ONLY in OTHER_CFLAGS.

//--- definitions made with -D and arguments that are no warning options are reported
void f(void);
// expect-nofile: id=OTHER_CFLAGS
// expect-info: The preprocessor definition FOO is defined in the OTHER_CFLAGS build setting, using the -D argument prefix. Define preprocessor macros in the GCC_PREPROCESSOR_DEFINITIONS (“Preprocessor macros”) build setting.
// expect-nofile: id=WARNING_CFLAGS
// expect-info: The preprocessor definition BAR is defined in the WARNING_CFLAGS build setting
// expect-nofile: id=WARNING_CFLAGS
// expect-info: The argument -DBAR is defined in WARNING_CFLAGS. Compiler arguments that do not relate to warnings should be defined in OTHER_CFLAGS instead.
// expect-nofile: id=WARNING_CFLAGS
// expect-info: The argument -pedantic is defined in WARNING_CFLAGS.

//--- only the checked configuration is looked at
| project: {"configuration": "Release"}
void f(void);
// expect-nofile: id=OTHER_CFLAGS
// expect-info: The preprocessor definition RELEASE_ONLY
