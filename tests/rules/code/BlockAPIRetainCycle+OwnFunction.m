typedef struct Observer *ObserverRef;
ObserverRef CFRunLoopObserverCreateWithHandler(void *allocator, unsigned long activities, unsigned char repeats,
                                               long order, void (^block)(ObserverRef observer, unsigned long activity));

//--- a function of the project with the name of the framework function is not matched
__attribute__((objc_root_class))
@interface Watcher
@end
@implementation Watcher
- (void)start {
    CFRunLoopObserverCreateWithHandler(0, 0, 1, 0, ^(ObserverRef observer, unsigned long activity) {
        [self refresh];
    });
}
- (void)refresh {
}
@end
