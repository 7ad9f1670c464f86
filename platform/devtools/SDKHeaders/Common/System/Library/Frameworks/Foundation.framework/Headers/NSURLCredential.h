/* NSURLCredential.h: answers to authentication challenges: passwords, client identities and server trusts. */
#import <Foundation/NSObject.h>
#include <Security/Security.h>

@class NSString, NSArray<ObjectType>;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSURLCredentialPersistence) {
    NSURLCredentialPersistenceNone,
    NSURLCredentialPersistenceForSession,
    NSURLCredentialPersistencePermanent,
    NSURLCredentialPersistenceSynchronizable API_AVAILABLE(macos(10.8), ios(6.0))
};

@interface NSURLCredential : NSObject <NSSecureCoding, NSCopying>
@property (readonly) NSURLCredentialPersistence persistence;
@end

@interface NSURLCredential (NSInternetPassword)
- (instancetype)initWithUser:(NSString *)user
                    password:(NSString *)password
                 persistence:(NSURLCredentialPersistence)persistence;
+ (NSURLCredential *)credentialWithUser:(NSString *)user
                               password:(NSString *)password
                            persistence:(NSURLCredentialPersistence)persistence;
@property (nullable, readonly, copy) NSString *user;
@property (nullable, readonly, copy) NSString *password;
@property (readonly) BOOL hasPassword;
@end

@interface NSURLCredential (NSClientCertificate)
- (instancetype)initWithIdentity:(SecIdentityRef)identity
                    certificates:(nullable NSArray *)certArray
                     persistence:(NSURLCredentialPersistence)persistence API_AVAILABLE(macos(10.6), ios(3.0));
+ (NSURLCredential *)credentialWithIdentity:(SecIdentityRef)identity
                               certificates:(nullable NSArray *)certArray
                                persistence:(NSURLCredentialPersistence)persistence
    API_AVAILABLE(macos(10.6), ios(3.0));
@property (nullable, readonly) SecIdentityRef identity;
@property (readonly, copy) NSArray *certificates API_AVAILABLE(macos(10.6), ios(3.0));
@end

@interface NSURLCredential (NSServerTrust)
- (instancetype)initWithTrust:(SecTrustRef)trust API_AVAILABLE(macos(10.6), ios(3.0));
+ (NSURLCredential *)credentialForTrust:(SecTrustRef)trust API_AVAILABLE(macos(10.6), ios(3.0));
@end

NS_ASSUME_NONNULL_END
