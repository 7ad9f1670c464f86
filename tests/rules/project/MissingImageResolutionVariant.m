| fixture: resource-variants
// Never reported: full (all three variants), pages.tiff (one file of two sizes), the launch images Default~iphone.png
// and Default-568h@2x.png, icon.png, AppLogo.png (the Info.plist's icon), guide.pdf (a vector image), notes.txt; in
// the asset catalog Vector (it holds a vector image), Declared (a scale it does not declare is not missing) and the
// top shelf image of the tvOS app icon in App Icon.brandassets.

//--- on iOS missing plain, "@2x" and "@3x" variants and declared asset-catalog images without a file are reported
void f(void);
// expect-file: App/pair.png
// expect-info: The ‘3x retina’ version of this image is missing.
// expect-file: App/lone@2x.png
// expect-info: The ‘non-retina’ version of this image is missing.
// expect-file: App/lone@2x.png
// expect-info: The ‘3x retina’ version of this image is missing.
// expect-file: App/Images.xcassets/Missing.imageset
// expect-info: Asset catalog ‘Images’, set ‘Missing’: The ‘x2 scale, Universal’ version of this image is missing.

//--- on OS X no "@3x" variant is expected
| project: {"platform": "macosx"}
void f(void);
// expect-file: App/lone@2x.png
// expect-info: The ‘non-retina’ version of this image is missing.
// expect-file: App/Images.xcassets/Missing.imageset

//--- only the expected scales are reported
| options: {"expectedScales": [2, 3]}
void f(void);
// expect-file: App/pair.png
// expect-info: 3x retina
// expect-file: App/lone@2x.png
// expect-info: 3x retina
// expect-file: App/Images.xcassets/Missing.imageset

//--- no expected scales turn the rule off
| options: {"expectedScales": []}
void f(void);
