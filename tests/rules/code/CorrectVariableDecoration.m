#import <Foundation/Foundation.h>

@interface MyViewController : NSObject
- (void)run;
@end

//--- a qualifier before the type is reported, with or without a star
@implementation MyViewController
- (void)run {
    ↓__weak MyViewController *weakSelf = self;
    // expect-info: The __weak lifetime qualifier is in the wrong place.
    (void)weakSelf;
}
- (void)runTyped {
    ↓__weak typeof(self) weakSelf = self;
    // expect-info: The __weak lifetime qualifier is in the wrong place.
    (void)weakSelf;
}
- (void)runUnsafe {
    ↓__unsafe_unretained MyViewController *weakSelf = self;
    // expect-info: The __unsafe_unretained lifetime qualifier
    (void)weakSelf;
}
@end

//--- a qualifier after the star is not
@implementation MyViewController
- (void)run {
    MyViewController * __weak weakSelf = self;
    (void)weakSelf;
}
- (void)runTight {
    MyViewController *__weak weakSelf = self;
    (void)weakSelf;
}
- (void)runPlain {
    MyViewController *weakSelf = self;
    (void)weakSelf;
}
@end

//--- other variable names are not looked at
@implementation MyViewController
- (void)run {
    __weak MyViewController *weakController = self;
    __weak typeof(self) weakOwner = self;
    (void)weakController, (void)weakOwner;
}
@end
