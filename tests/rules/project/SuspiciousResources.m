| fixture: xcconfig-resource
//--- a build configuration file among the resources is reported; one only in the project is not
void f(void);
// expect-file: App/Release.xcconfig
// expect-info: Xcode build configuration file
