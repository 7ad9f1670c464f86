| fixture: resource-variants
// Never reported: full (all three variants), pages.tiff (one file of two sizes), the launch images Default~iphone.png
// and Default-568h@2x.png, icon.png, AppLogo.png (the Info.plist's icon), guide.pdf (a vector image), notes.txt; in
// the asset catalog Vector (it holds a vector image), Declared (a scale it does not declare is not missing) and the
// top shelf image of the tvOS app icon in App Icon.brandassets, TouchBar (its Touch Bar images declare 1x slots
// without files, and the Touch Bar has 2x screens only); badge~ipad.png with badge@2x~ipad.png (no iPad has a
// 3x screen). The project's deployment target is iOS 12.0, which no iPad with a non-retina screen runs.

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
// expect-file: App/tile~ipad.png
// expect-info: The ‘2x retina’ version of this image is missing.

//--- iPad images need a non-retina version while the deployment target still runs on non-retina iPads
| project: {"deploymentTarget": "9.3"}
void f(void);
// expect-file: App/pair.png
// expect-info: 3x retina
// expect-file: App/lone@2x.png
// expect-info: non-retina
// expect-file: App/lone@2x.png
// expect-info: 3x retina
// expect-file: App/Images.xcassets/Missing.imageset
// expect-file: App/tile~ipad.png
// expect-info: The ‘2x retina’ version of this image is missing.
// expect-file: App/wide@2x~ipad.png
// expect-info: The ‘non-retina’ version of this image is missing.

//--- on OS X no "@3x" variant is expected
| project: {"platform": "macosx"}
void f(void);
// expect-file: App/lone@2x.png
// expect-info: The ‘non-retina’ version of this image is missing.
// expect-file: App/Images.xcassets/Missing.imageset
// expect-file: App/tile~ipad.png
// expect-info: 2x retina
// expect-file: App/wide@2x~ipad.png
// expect-info: non-retina

//--- only the expected scales are reported
| options: {"expectedScales": [2, 3]}
void f(void);
// expect-file: App/pair.png
// expect-info: 3x retina
// expect-file: App/lone@2x.png
// expect-info: 3x retina
// expect-file: App/Images.xcassets/Missing.imageset
// expect-file: App/tile~ipad.png
// expect-info: 2x retina

//--- no expected scales turn the rule off
| options: {"expectedScales": []}
void f(void);
