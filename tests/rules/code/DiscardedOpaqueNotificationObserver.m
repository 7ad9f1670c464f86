#import <UIKit/UIKit.h>

@interface Listener : NSObject {
    id _token;
}
@property (nonatomic, strong) id observer;
@property (nonatomic, strong) NSMutableArray *observers;
@end

//--- an ignored observer is reported once, at the message
@implementation Listener
- (void)listen {
    ↓[[NSNotificationCenter defaultCenter] addObserverForName:UIApplicationDidBecomeActiveNotification
                                                      object:nil
                                                       queue:nil
                                                  usingBlock:^(NSNotification *note) {
                                                  }];
}
@end

//--- an observer kept in a local, an ivar, a property, through a setter or in an array is not reported
@implementation Listener
- (void)listen {
    NSNotificationCenter *center = [NSNotificationCenter defaultCenter];
    id local = [center addObserverForName:@"A" object:nil queue:nil usingBlock:^(NSNotification *note) {}];
    _token = [center addObserverForName:@"B" object:nil queue:nil usingBlock:^(NSNotification *note) {}];
    self.observer = [center addObserverForName:@"C" object:nil queue:nil usingBlock:^(NSNotification *note) {}];
    [self setObserver:[center addObserverForName:@"D" object:nil queue:nil usingBlock:^(NSNotification *note) {}]];
    [self.observers addObject:[center addObserverForName:@"E" object:nil queue:nil usingBlock:^(NSNotification *n) {}]];
    (void)local;
}
@end

//--- an observer passed to a function is not reported
void keepObserver(id observer);
@implementation Listener
- (void)listen {
    keepObserver([[NSNotificationCenter defaultCenter] addObserverForName:@"A"
                                                                   object:nil
                                                                    queue:nil
                                                               usingBlock:^(NSNotification *note) {}]);
}
@end

//--- an observer returned to the caller is not reported
@implementation Listener
- (id<NSObject>)startListening {
    return [[NSNotificationCenter defaultCenter] addObserverForName:@"A"
                                                             object:nil
                                                              queue:nil
                                                         usingBlock:^(NSNotification *note) {}];
}
@end

//--- a cast to void keeps quiet by default
@implementation Listener
- (void)listen {
    (void)[[NSNotificationCenter defaultCenter] addObserverForName:@"A"
                                                            object:nil
                                                             queue:nil
                                                        usingBlock:^(NSNotification *note) {}];
}
@end

//--- a cast to void is reported when it does not suppress
| options: {"suppressViaVoidCast": false}
@implementation Listener
- (void)listen {
    (void)↓[[NSNotificationCenter defaultCenter] addObserverForName:@"A"
                                                             object:nil
                                                              queue:nil
                                                         usingBlock:^(NSNotification *note) {}];
}
@end

//--- an observer wrapped in another message and then assigned is not recognised as kept
@implementation Listener
- (void)listen {
    _token = [↓[[NSNotificationCenter defaultCenter] addObserverForName:@"A"
                                                                 object:nil
                                                                  queue:nil
                                                             usingBlock:^(NSNotification *note) {}] self];
}
@end

//--- only the kept one of two observers is quiet
@implementation Listener
- (void)listen {
    NSNotificationCenter *center = [NSNotificationCenter defaultCenter];
    _token = [center addObserverForName:@"A" object:nil queue:nil usingBlock:^(NSNotification *note) {}];
    ↓[center addObserverForName:@"A" object:nil queue:nil usingBlock:^(NSNotification *note) {}];
}
@end

//--- the selector-based observation returns nothing to keep
@implementation Listener
- (void)listen {
    [[NSNotificationCenter defaultCenter] addObserver:self selector:@selector(listen) name:@"A" object:nil];
}
@end
