#import <Foundation/Foundation.h>

@protocol GaugeDelegate <NSObject>
@end

//--- an assign delegate is reported under ARC
@interface Gauge : NSObject
↓@property (nonatomic, assign) id<GaugeDelegate> delegate; // expect: id=delegate
↓@property (nonatomic, assign) NSObject *dataDelegate; // expect: id=dataDelegate
@end

//--- weak and strong delegates are not reported here
@interface Gauge : NSObject
@property (nonatomic, weak) id<GaugeDelegate> delegate;
@property (nonatomic, strong) id<GaugeDelegate> otherDelegate;
@end

//--- unsafe_unretained is reported by default
@interface Gauge : NSObject
↓@property (nonatomic, unsafe_unretained) id<GaugeDelegate> delegate; // expect: id=delegate
@end

//--- unsafe_unretained is allowed by the option
| options: {"allowUnsafeUnretained": true}
@interface Gauge : NSObject
@property (nonatomic, unsafe_unretained) id<GaugeDelegate> delegate;
↓@property (nonatomic, assign) id<GaugeDelegate> otherDelegate; // expect: id=otherDelegate
@end

//--- delegates of types that cannot be retained are not looked at
typedef struct GaugeState GaugeState;
@interface Gauge : NSObject
@property (nonatomic, assign) NSInteger delegate;
@property (nonatomic, assign) GaugeState *stateDelegate;
@property (nonatomic, assign) void *rawDelegate;
@end

//--- an implementation file compiled without ARC gives no finding
| project: {"arc": false}
@interface Gauge : NSObject
@property (nonatomic, assign) id<GaugeDelegate> delegate;
@property (nonatomic) id<GaugeDelegate> otherDelegate;
@end
