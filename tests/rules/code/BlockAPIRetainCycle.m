#import <Foundation/Foundation.h>

@interface Watcher : NSObject
@property (nonatomic, strong) id observer;
- (void)refresh;
@end

//--- each self in the observer block is reported
@implementation Watcher
- (void)start {
    self.observer = [[NSNotificationCenter defaultCenter] addObserverForName:@"Changed"
                                                                      object:nil
                                                                       queue:nil
                                                                  usingBlock:^(NSNotification *note) {
                                                                      [↓self refresh];
                                                                      [↓self refresh];
                                                                  }];
}
- (void)refresh {
}
@end
// expect-info: Referencing self in blocks passed to this method causes a retain cycle.

//--- self in the block of the run-loop observer function is reported
@implementation Watcher
- (void)start {
    CFRunLoopObserverRef observer = CFRunLoopObserverCreateWithHandler(
        kCFAllocatorDefault, kCFRunLoopBeforeWaiting, true, 0, ^(CFRunLoopObserverRef o, CFRunLoopActivity a) {
            [↓self refresh];
        });
    CFRelease(observer);
}
- (void)refresh {
}
@end
// expect-info: Referencing self in blocks passed to this function causes a retain cycle.

//--- self only in a nested block, a block held in a variable, and other APIs are not reported
@implementation Watcher
- (void)start {
    NSNotificationCenter *center = [NSNotificationCenter defaultCenter];
    [center addObserverForName:@"A"
                        object:nil
                         queue:nil
                    usingBlock:^(NSNotification *note) {
                        dispatch_async(dispatch_get_main_queue(), ^{
                            [self refresh];
                        });
                    }];
    void (^handler)(NSNotification *) = ^(NSNotification *note) {
        [self refresh];
    };
    [center addObserverForName:@"B" object:nil queue:nil usingBlock:handler];
    [@[ @1 ] enumerateObjectsUsingBlock:^(id obj, NSUInteger idx, BOOL *stop) {
        [self refresh];
    }];
}
- (void)refresh {
}
@end

//--- a weak copy of self made with typeof is not reported, a long variable name leaves the initialiser reported
@implementation Watcher
- (void)start {
    [[NSNotificationCenter defaultCenter] addObserverForName:@"A"
                                                      object:nil
                                                       queue:nil
                                                  usingBlock:^(NSNotification *note) {
                                                      __weak typeof(self) w = self;
                                                      [w refresh];
                                                  }];
    [[NSNotificationCenter defaultCenter] addObserverForName:@"B"
                                                      object:nil
                                                       queue:nil
                                                  usingBlock:^(NSNotification *note) {
                                                      __weak __typeof__(self) w = self;
                                                      [w refresh];
                                                  }];
    [[NSNotificationCenter defaultCenter] addObserverForName:@"C"
                                                      object:nil
                                                       queue:nil
                                                  usingBlock:^(NSNotification *note) {
                                                      __weak typeof( self ) w = self;
                                                      [w refresh];
                                                  }];
    [[NSNotificationCenter defaultCenter] addObserverForName:@"E"
                                                      object:nil
                                                       queue:nil
                                                  usingBlock:^(NSNotification *note) {
__weak typeof(
self) w = self;
                                                      [w refresh];
                                                  }];
    [[NSNotificationCenter defaultCenter] addObserverForName:@"D"
                                                      object:nil
                                                       queue:nil
                                                  usingBlock:^(NSNotification *note) {
                                                      __weak typeof(self) weakSelfWithAVeryLongName = ↓self;
                                                      [weakSelfWithAVeryLongName refresh];
                                                  }];
}
- (void)refresh {
}
@end
