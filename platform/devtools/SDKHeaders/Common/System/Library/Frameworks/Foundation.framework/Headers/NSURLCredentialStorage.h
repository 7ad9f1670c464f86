/* NSURLCredentialStorage.h: the store of credentials by protection space, shared by URL loads. */
#import <Foundation/NSObject.h>
#import <Foundation/NSURLProtectionSpace.h>
#import <Foundation/NSNotification.h>

@class NSDictionary<KeyType, ObjectType>, NSString, NSURLCredential, NSURLSessionTask;

NS_ASSUME_NONNULL_BEGIN

@interface NSURLCredentialStorage : NSObject
@property (class, readonly, strong) NSURLCredentialStorage *sharedCredentialStorage;
- (nullable NSDictionary<NSString *, NSURLCredential *> *)credentialsForProtectionSpace:(NSURLProtectionSpace *)space;
@property (readonly, copy) NSDictionary<NSURLProtectionSpace *, NSDictionary<NSString *, NSURLCredential *> *>
    *allCredentials;
- (void)setCredential:(NSURLCredential *)credential forProtectionSpace:(NSURLProtectionSpace *)space;
- (void)removeCredential:(NSURLCredential *)credential forProtectionSpace:(NSURLProtectionSpace *)space;
- (nullable NSURLCredential *)defaultCredentialForProtectionSpace:(NSURLProtectionSpace *)space;
- (void)setDefaultCredential:(NSURLCredential *)credential forProtectionSpace:(NSURLProtectionSpace *)space;
@end

FOUNDATION_EXPORT NSNotificationName const NSURLCredentialStorageChangedNotification;

NS_ASSUME_NONNULL_END
