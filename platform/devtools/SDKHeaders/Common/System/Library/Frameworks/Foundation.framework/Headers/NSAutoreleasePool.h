/* NSAutoreleasePool.h: autorelease pools for code without automatic reference counting (@autoreleasepool else). */
#import <Foundation/NSObject.h>

NS_ASSUME_NONNULL_BEGIN

NS_AUTOMATED_REFCOUNT_UNAVAILABLE
@interface NSAutoreleasePool : NSObject
+ (void)addObject:(id)anObject;
- (void)addObject:(id)anObject;
- (void)drain;
@end

NS_ASSUME_NONNULL_END
