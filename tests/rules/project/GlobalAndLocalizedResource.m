| fixture: resource-localized
// Not reported: en.lproj/b.png without a global b.png, en.lproj/c.png beside a global C.png (names are compared with
// their case), Extras/en.lproj/d.png beside d.png (another folder of the bundle), and the language folders themselves.

//--- each localised version of a global resource is reported, also one inside a folder reference without a file
void f(void);
// expect-file: App/de.lproj/a.png id=a.png
// expect-info: The resource path de.lproj/a.png is masked by a.png.
// expect-file: App/en.lproj/a.png id=a.png
// expect-info: The resource path en.lproj/a.png is masked by a.png.
// expect-file: App/en.lproj/R&D.png id=R&D.png
// expect-info: en.lproj/R&amp;D.png is masked by R&amp;D.png.
// expect-nofile: id=Extras/e.png
// expect-info: The resource path Extras/en.lproj/e.png is masked by Extras/e.png.
