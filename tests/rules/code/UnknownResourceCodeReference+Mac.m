| fixture: resources-mac
#import <Cocoa/Cocoa.h>

//--- an image name that no resource carries is reported after the code
void loadImage(void) {
    ↓[NSImage imageNamed:@"ghost"]; // expect: id=ghost
// expect-info: Attempt to load unknown resource named ghost (image).
}

//--- an image named with setName: anywhere in the code is known
void nameImage(NSImage *image) {
    [image setName:@"ghost"];
}
void loadNamedImage(void) {
    [NSImage imageNamed:@"ghost"];
}

//--- an image named by assignment to its name is known
void loadImageNamedByAssignment(NSImage *image) {
    image.name = @"ghost";
    [NSImage imageNamed:@"ghost"];
}

//--- a name given to an image leaves other missing names reported
void loadOtherImage(NSImage *image) {
    [image setName:@"ghost"];
    ↓[NSImage imageNamed:@"phantom"]; // expect: id=phantom
}

//--- images of the system and of the app's resources are found
void loadKnownImages(void) {
    [NSImage imageNamed:@"NSFolder"];
    [NSImage imageNamed:@"toolbar"];
}

//--- an image of another class named like NSImage's is not an image name
@interface Sprite : NSObject
- (void)setName:(NSString *)name;
@end
void nameSprite(Sprite *sprite) {
    [sprite setName:@"ghost"];
    ↓[NSImage imageNamed:@"ghost"]; // expect: id=ghost
}
