| fixture: resource-retina
// Clean: ok (20 x 30, 40 x 60, 60 x 90), thin (1 x 50 with 1 x 100), orphan (no plain file), corrupt (a plain file
// that is no image), cracked (a "@2x" file that is no image); in the asset catalog Twins (only the first image of
// each scale counts), Broken (its lowest-scale image is no image), Zero (its lowest scale, 0, gives no base size)
// and Good.

//--- on iOS "@2x" and "@3x" files and asset-catalog images of the wrong size are reported
void f(void);
// expect-file: App/dot@2x.png
// expect-info: dot@2x.png resolution (1 x 1) should be 2x that of dot.png (1 x 1). Expected resolution: 2 x 2.
// expect-file: App/off@2x.png
// expect-info: off@2x.png resolution (41 x 60) should be 2x that of off.png (20 x 30). Expected resolution: 40 x 60.
// expect-file: App/tall@3x.png
// expect-info: tall@3x.png resolution (61 x 90) should be 3x that of tall.png (20 x 30). Expected resolution: 60 x 90.
// expect-file: App/R&D@2x.png
// expect-info: R&amp;D@2x.png resolution (41 x 61) should be 2x that of R&amp;D.png
// expect-file: App/Images.xcassets/High.imageset/high@3x.png
// expect-info: Asset catalog ‘Images’, set ‘High’: high@3x.png (x3 scale) resolution (61 x 90) should be 60 x 90.
// expect-file: App/Images.xcassets/Gaps.imageset/gaps@3x.png
// expect-info: gaps@3x.png (x3 scale) resolution (61 x 90) should be 60 x 90.
// expect-file: App/Images.xcassets/Vector.imageset/shape@3x.png
// expect-info: shape@3x.png (x3 scale) resolution (61 x 90) should be 60 x 90.

//--- on OS X "@3x" files are not looked at
| project: {"platform": "macosx"}
void f(void);
// expect-file: App/dot@2x.png
// expect-file: App/off@2x.png
// expect-file: App/R&D@2x.png
// expect-file: App/Images.xcassets/High.imageset/high@3x.png
// expect-file: App/Images.xcassets/Gaps.imageset/gaps@3x.png
// expect-file: App/Images.xcassets/Vector.imageset/shape@3x.png
