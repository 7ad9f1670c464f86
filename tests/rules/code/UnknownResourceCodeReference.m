| fixture: resources-ios
#import <UIKit/UIKit.h>

//--- an image name that no resource of the app carries is reported
void loadImage(void) {
    ↓[UIImage imageNamed:@"missing"]; // expect: id=missing
// expect-info: Attempt to load unknown resource named missing (image).
}

//--- image names of resources, their device variants and asset catalog sets are found
void loadImages(void) {
    [UIImage imageNamed:@"logo"];
    [UIImage imageNamed:@"logo.png"];
    [UIImage imageNamed:@"badge"];
    [UIImage imageNamed:@"Star"];
}

//--- a name that differs only in letter case is reported with the resource's name as suggestion
void loadMisspelledImage(void) {
    ↓[UIImage imageNamed:@"Logo"]; // expect: id=Logo
// expect-info: Did you mean logo
}

//--- a path joined from literals is checked once for each value, a parameter never
void loadJoinedImage(BOOL large, NSString *name) {
    ↓↓[UIImage imageNamed:[(large ? @"large" : @"small") stringByAppendingPathComponent:@"logo"]]; // expect: id=large/logo id=small/logo
    ↓[UIImage imageNamed:[@"images" stringByAppendingPathComponent:@"logo"]]; // expect: id=images/logo
    [UIImage imageNamed:name];
}

//--- files asked of the main bundle by name, type and directory
void findFiles(NSString *type) {
    [[NSBundle mainBundle] pathForResource:@"help" ofType:@"css"];
    [NSBundle.mainBundle URLForResource:@"Credits" withExtension:@"rtf"];
    [[NSBundle mainBundle] pathForResource:@"help.css" ofType:nil];
    ↓[[NSBundle mainBundle] pathForResource:@"help" ofType:nil]; // expect: id=help
    [[NSBundle mainBundle] pathForResource:@"help" ofType:type];
    ↓[[NSBundle mainBundle] pathForResource:@"help" ofType:@"css" inDirectory:@"docs"]; // expect: id=docs/help.css
    ↓[[NSBundle mainBundle] pathForResource:@"help.css" ofType:nil inDirectory:@"docs"]; // expect: id=docs/help.css
    ↓[NSBundle.mainBundle URLForResource:@"help" withExtension:@"js" subdirectory:nil localization:@"en"]; // expect: id=help.js
    ↓[[NSBundle mainBundle] pathForResource:@"help" ofType:@"js" inDirectory:nil forLocalization:@"en"]; // expect: id=help.js
}

//--- a bundle held in a variable is not known to be the main bundle
void findThroughVariable(void) {
    NSBundle *bundle = [NSBundle mainBundle];
    [bundle pathForResource:@"nothing" ofType:@"png"];
}

//--- another bundle's resources are not the app's
void findInOtherBundle(NSObject *object) {
    [[NSBundle bundleForClass:[object class]] pathForResource:@"nothing" ofType:@"png"];
    [[NSBundle bundleWithPath:@"/tmp/Other.bundle"] URLForResource:@"nothing" withExtension:@"png"];
}

//--- a NIB named for a view controller must be a NIB of the app
UIViewController *makeControllers(void) {
    [[UIViewController alloc] initWithNibName:@"Intro" bundle:nil];
    [[UIViewController alloc] initWithNibName:@"Second" bundle:[NSBundle mainBundle]];
    [[UIViewController alloc] initWithNibName:@"Outro" bundle:[NSBundle bundleWithPath:@"/tmp/Other.bundle"]];
    return ↓[[UIViewController alloc] initWithNibName:@"Outro" bundle:nil]; // expect: id=Outro
// expect-info: Attempt to load unknown resource named Outro (NIB).
}

//--- files that the system puts into every app bundle are never reported
void findSystemFiles(void) {
    [[NSBundle mainBundle] pathForResource:@"embedded" ofType:@"mobileprovision"];
    [[NSBundle mainBundle] pathForResource:@"PkgInfo" ofType:nil];
    [UIImage imageNamed:@""];
}

//--- two calls with the same missing name give a finding each
void loadTwice(void) {
    ↓[UIImage imageNamed:@"missing"]; // expect: id=missing
    ↓[UIImage imageNamed:@"missing"]; // expect: id=missing
}

//--- a name with markup characters is escaped in the finding
void loadOddName(void) {
    ↓[UIImage imageNamed:@"a<b"]; // expect: id=a<b
// expect-info: named a&lt;b (image)
}
