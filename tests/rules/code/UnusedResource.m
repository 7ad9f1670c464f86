| fixture: resources-ios
#import <UIKit/UIKit.h>

//--- resources and image sets that nothing names are reported; files the system reads are not
// (PrivacyInfo.xcprivacy, Localizable.xcstrings, AppIcon.icon, Settings.bundle)
void nothingNamed(void) {}
// expect-file: App/logo.png
// expect-file: App/logo@2x.png
// expect-file: App/badge~ipad.png
// expect-file: App/Credits.rtf
// expect-file: App/help.html
// expect-file: App/unused.png
// expect-file: App/Images.xcassets/Star.imageset
// expect-file: App/Images.xcassets/Moon.imageset

//--- names in string literals of the code make resources used
void namesInCode(void) {
    [UIImage imageNamed:@"logo"];
    const char *badge = "images/badge~ipad.png";
    [UIImage imageNamed:@"Star"];
    [[NSBundle mainBundle] URLForResource:@"help" withExtension:@"html"];
    (void)badge;
}
// expect-file: App/Credits.rtf
// expect-file: App/unused.png
// expect-file: App/Images.xcassets/Moon.imageset

//--- a name assembled at run time is not recognised
void assembledName(int index) {
    [UIImage imageNamed:@"logo"];
    [UIImage imageNamed:@"Star"];
    [UIImage imageNamed:@"badge"];
    [UIImage imageNamed:@"help.html"];
    [UIImage imageNamed:[NSString stringWithFormat:@"unused%d", index]];
    [UIImage imageNamed:@"Credits.rtf"];
    [UIImage imageNamed:@"Moon"];
}
// expect-file: App/unused.png
