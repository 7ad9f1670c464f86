| fixture: resource-device-types
// Never reported: both~iphone.png with both.png, big@3x~iphone.png ("@3x" images are for iPhones), split~iphone.png
// and split~ipad.png (in two language folders), Default~iphone.png (a launch image); in the asset catalog Universal,
// and the images of other platforms, whose slots are empty: the layer of the Vision app icon AppIcon.solidimagestack
// and the Watch complication's Circular.
// Build configurations: Debug targets iPhone and iPad, Release iPhone, Unset names no family (iPhone), Watch only a
// family without device type modifier.

//--- in a universal target resources and image sets without a variant for one family are reported
void f(void);
// expect-file: App/image~iphone.png id=image.png
// expect-info: The variants of the resource image.png do not cover the following device types: ipad.
// expect-file: App/pad~ipad.png id=pad.png
// expect-info: do not cover the following device types: iphone.
// expect-file: App/Images.xcassets/Phone.imageset id=Phone
// expect-info: The variants of the asset catalog ‘Images’ set ‘Phone’ do not cover the following device types: ipad.
// expect-file: App/Images.xcassets/PadMissing.imageset id=PadMissing
// expect-info: set ‘PadMissing’ do not cover the following device types: ipad.

//--- in an iPhone target only iPad resources are reported
| project: {"configuration": "Release"}
void f(void);
// expect-file: App/pad~ipad.png id=pad.png
// expect-info: do not cover the following device types: iphone.

//--- a target without device families is an iPhone target
| project: {"configuration": "Unset"}
void f(void);
// expect-file: App/pad~ipad.png id=pad.png

//--- a target of no family with device type modifiers gets nothing
| project: {"configuration": "Watch"}
void f(void);

//--- OS X targets are not checked
| project: {"platform": "macosx"}
void f(void);
