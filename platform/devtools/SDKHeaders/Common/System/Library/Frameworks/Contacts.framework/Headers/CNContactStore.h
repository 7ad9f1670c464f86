/* CNContactStore.h: the user's contacts database and the authorisation to reach it. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, CNEntityType) {
    CNEntityTypeContacts
} API_AVAILABLE(macos(10.11), ios(9.0));

typedef NS_ENUM(NSInteger, CNAuthorizationStatus) {
    CNAuthorizationStatusNotDetermined = 0,
    CNAuthorizationStatusRestricted,
    CNAuthorizationStatusDenied,
    CNAuthorizationStatusAuthorized
} API_AVAILABLE(macos(10.11), ios(9.0));

API_AVAILABLE(macos(10.11), ios(9.0))
@interface CNContactStore : NSObject
+ (CNAuthorizationStatus)authorizationStatusForEntityType:(CNEntityType)entityType;
- (void)requestAccessForEntityType:(CNEntityType)entityType
                 completionHandler:(void (^)(BOOL granted, NSError *_Nullable error))completionHandler;
- (nullable NSString *)defaultContainerIdentifier;
@end

NS_ASSUME_NONNULL_END
