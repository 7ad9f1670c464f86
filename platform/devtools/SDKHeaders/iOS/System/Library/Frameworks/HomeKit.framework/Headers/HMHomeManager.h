/* HMHomeManager.h: the collection of the user's homes. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

@class HMHome;
@protocol HMHomeManagerDelegate;

API_AVAILABLE(ios(8.0)) API_UNAVAILABLE(macos)
@interface HMHomeManager : NSObject
@property (weak, nonatomic, nullable) id<HMHomeManagerDelegate> delegate;
@property (readonly, strong, nonatomic, nullable) HMHome *primaryHome;
@property (readonly, copy, nonatomic) NSArray<HMHome *> *homes;
- (void)addHomeWithName:(NSString *)homeName completionHandler:(void (^)(HMHome *_Nullable home, NSError *_Nullable error))completion;
@end

API_AVAILABLE(ios(8.0)) API_UNAVAILABLE(macos)
@protocol HMHomeManagerDelegate <NSObject>
@optional
- (void)homeManagerDidUpdateHomes:(HMHomeManager *)manager;
@end

NS_ASSUME_NONNULL_END
