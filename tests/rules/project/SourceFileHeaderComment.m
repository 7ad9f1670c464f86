| fixture: header-comments
//--- wrong file names and placeholders in header comments are reported
// The file name is compared as written (leading blanks and markup included); the comments of the other files are
// as they should be.
void f(void);
// expect-file: App/Bar.m
// expect-info: The file name in the source file header comment (Foo.m)
// expect-file: App/Bar.m
// expect-info: Source file header comment contains the placeholder __MyCompanyName__
// expect-file: App/Three.m
// expect-file: App/Windows.m
// expect-file: App/Angle.m
// expect-info: (Foo&lt;Bar&gt;.h)
