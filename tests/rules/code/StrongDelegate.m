#import <UIKit/UIKit.h>

@protocol GaugeDelegate <NSObject>
@end

//--- weak and assign delegates are not reported
@interface Gauge : NSObject
@property (nonatomic, weak) id<GaugeDelegate> delegate;
@property (nonatomic, assign) id<GaugeDelegate> dataDelegate;
@end

//--- a delegate declared strong is reported without instance text
@interface Gauge : NSObject
↓@property (nonatomic, strong) id<GaugeDelegate> delegate; // expect: id=delegate
↓@property (nonatomic, retain) id<GaugeDelegate> otherDelegate; // expect: id=otherDelegate
↓@property (nonatomic, copy) id<GaugeDelegate> copiedDelegate; // expect: id=copiedDelegate
@end

//--- a delegate without an ownership attribute is strong by default under ARC
@interface Gauge : NSObject
↓@property (nonatomic) id<GaugeDelegate> delegate; // expect: id=delegate
// expect-info: This property is strong by default.
@end

//--- without ARC the default ownership is assign
| project: {"arc": false}
@interface Gauge : NSObject
@property (nonatomic) id<GaugeDelegate> delegate;
↓@property (nonatomic, retain) id<GaugeDelegate> myDelegate; // expect: id=myDelegate
@end

//--- a block delegate is copied by default under ARC
@interface Gauge : NSObject
↓@property (nonatomic) void (^completionDelegate)(void); // expect: id=completionDelegate
// expect-info: This property is copy by default.
@end

//--- a read-only delegate has no setter to retain with
@interface Gauge : NSObject
@property (nonatomic, readonly, strong) id<GaugeDelegate> delegate;
@end

//--- only names that are delegate or end in Delegate are looked at
@interface Gauge : NSObject
↓@property (nonatomic, strong) id<GaugeDelegate> myDelegate; // expect: id=myDelegate
@property (nonatomic, strong) NSArray *delegates;
@property (nonatomic, strong) id Delegate2;
@property (nonatomic, strong) id delegateQueue;
@end

//--- a property typed as the iOS application delegate is exempt
@interface AppDelegate : UIResponder <UIApplicationDelegate>
@end
@interface Gauge : NSObject
@property (nonatomic, strong) AppDelegate *appDelegate;
↓@property (nonatomic, strong) UIResponder *responderDelegate; // expect: id=responderDelegate
@end
