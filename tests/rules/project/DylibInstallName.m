| fixture: dylib-app
// An OS X app linking libFoo.dylib (absolute install name) from Libs and Vendor, Bar.framework (@rpath, symbolic
// links, a code signature), an archive, /usr/lib/libz.dylib, a text file and a truncated file named as dylibs, and a
// universal library whose first architecture has an absolute name.

//--- absolute install names are reported; relative, system, archive, text and truncated ones are not
void f(void);
// expect-file: Libs/libFoo.dylib
// expect-info: The install name of this dynamic library is /usr/local/lib/libFoo.dylib.
// expect-file: Vendor/libFoo.dylib
// expect-file: Libs/libFat.dylib
// expect-info: The install name of this dynamic library is /opt/fat/lib/libFat.dylib.

//--- an iOS target is not checked
| project: {"platform": "iphoneos"}
void f(void);
