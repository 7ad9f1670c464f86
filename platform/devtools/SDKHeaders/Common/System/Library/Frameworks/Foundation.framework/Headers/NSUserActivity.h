/* NSUserActivity.h: a user activity that one device can hand off to another or that the system can index. */
#import <Foundation/NSObject.h>

@class NSString, NSURL, NSDate, NSDictionary<KeyType, ObjectType>, NSSet<ObjectType>;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.10), ios(8.0))
@interface NSUserActivity : NSObject

- (instancetype)initWithActivityType:(NSString *)activityType NS_DESIGNATED_INITIALIZER;
- (instancetype)init API_DEPRECATED("Use initWithActivityType:", macos(10.10, 10.12), ios(8.0, 10.0));

@property (readonly, copy) NSString *activityType;
@property (nullable, copy) NSString *title;
@property (nullable, copy) NSDictionary *userInfo;
- (void)addUserInfoEntriesFromDictionary:(NSDictionary *)otherDictionary;
@property (copy) NSSet<NSString *> *requiredUserInfoKeys API_AVAILABLE(macos(10.11), ios(9.0));
@property BOOL needsSave;
@property (nullable, copy) NSURL *webpageURL;
@property (nullable, copy) NSDate *expirationDate API_AVAILABLE(macos(10.11), ios(9.0));
@property (copy) NSSet<NSString *> *keywords API_AVAILABLE(macos(10.11), ios(9.0));
@property BOOL supportsContinuationStreams;
@property (getter=isEligibleForHandoff) BOOL eligibleForHandoff API_AVAILABLE(macos(10.11), ios(9.0));
@property (getter=isEligibleForSearch) BOOL eligibleForSearch API_AVAILABLE(macos(10.11), ios(9.0));
@property (getter=isEligibleForPublicIndexing) BOOL eligibleForPublicIndexing API_AVAILABLE(macos(10.11), ios(9.0));

- (void)becomeCurrent;
- (void)resignCurrent API_AVAILABLE(macos(10.11), ios(9.0));
- (void)invalidate;

@end

NS_ASSUME_NONNULL_END
