/* EKObject.h: what every object of an event store is: changes that can be kept, rolled back or refreshed. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.8), ios(4.0))
@interface EKObject : NSObject
@property (nonatomic, readonly) BOOL hasChanges;
- (BOOL)isNew;
- (void)reset;
- (void)rollback;
- (BOOL)refresh;
@end

NS_ASSUME_NONNULL_END
