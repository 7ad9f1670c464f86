| project: {"platform": "iphoneos"}
#import <Foundation/Foundation.h>

//--- on iOS the rule does not run
NS_AUTOMATED_REFCOUNT_WEAK_UNAVAILABLE
@interface Glyph : NSObject
@end
@interface Holder : NSObject
@property (weak) id target;
@end
void hold(Holder *holder, Glyph *glyph) {
    holder.target = glyph;
    [holder setTarget:glyph];
}
