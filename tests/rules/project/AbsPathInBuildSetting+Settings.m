| fixture: abs-path-settings
// The project's Debug and Release configurations share App/Paths.xcconfig; the target's configurations set the rest.

//--- absolute paths in path-like settings are reported once each
void f(void);
// expect-nofile: id=FRAMEWORK_SEARCH_PATHS
// expect-info: contains the absolute path /Library/Frameworks
// expect-file: App/Paths.xcconfig id=HEADER_SEARCH_PATHS
// expect-info: The value of the build setting HEADER_SEARCH_PATHS contains the absolute path /Users/dev/inc.
// expect-file: App/Paths.xcconfig id=FRAMEWORK_SEARCH_PATHS
// expect-info: /Users/dev/inc
// expect-nofile: id=FRAMEWORK_SEARCH_PATHS
// expect-info: contains the absolute path /Users/dev/Libs. Make this path relative instead by using an appropriate build setting variable (e.g. $(SRCROOT), $(CONFIGURATION_BUILD_DIR) or $(SDKROOT)).Target App build settings, build configuration Debug
// expect-nofile: id=HEADER_SEARCH_PATHS
// expect-info: /usr/local/include
// expect-nofile: id=HEADER_SEARCH_PATHS
// expect-info: /opt/sdk/include

//--- system paths may be allowed, and paths matching an expression always are
| options: {"allowSystemPaths": true, "allowedPathRegexes": ["^/opt/sdk/"]}
void f(void);
// expect-file: App/Paths.xcconfig id=HEADER_SEARCH_PATHS
// expect-file: App/Paths.xcconfig id=FRAMEWORK_SEARCH_PATHS
// expect-nofile: id=FRAMEWORK_SEARCH_PATHS
// expect-info: /Users/dev/Libs
// expect-nofile: id=HEADER_SEARCH_PATHS
// expect-info: /usr/local/include
