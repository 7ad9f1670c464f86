| fixture: resources-mac
#import <Cocoa/Cocoa.h>

//--- the credits of an OS X app are shown without a reference
void nothingNamed(void) {}
// expect-file: App/toolbar.png

//--- a resource named in code is used
void toolbarImage(void) {
    [NSImage imageNamed:@"toolbar"];
}
