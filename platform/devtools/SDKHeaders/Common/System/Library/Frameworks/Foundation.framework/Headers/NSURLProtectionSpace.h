/* NSURLProtectionSpace.h: the server or realm that asks for authentication, and the method it asks for. */
#import <Foundation/NSObject.h>
#include <Security/Security.h>

@class NSString, NSArray<ObjectType>, NSData;

NS_ASSUME_NONNULL_BEGIN

FOUNDATION_EXPORT NSString *const NSURLProtectionSpaceHTTP API_AVAILABLE(macos(10.5), ios(2.0));
FOUNDATION_EXPORT NSString *const NSURLProtectionSpaceHTTPS API_AVAILABLE(macos(10.5), ios(2.0));
FOUNDATION_EXPORT NSString *const NSURLProtectionSpaceFTP API_AVAILABLE(macos(10.5), ios(2.0));
FOUNDATION_EXPORT NSString *const NSURLProtectionSpaceHTTPProxy;
FOUNDATION_EXPORT NSString *const NSURLProtectionSpaceHTTPSProxy;
FOUNDATION_EXPORT NSString *const NSURLProtectionSpaceFTPProxy;
FOUNDATION_EXPORT NSString *const NSURLProtectionSpaceSOCKSProxy;
FOUNDATION_EXPORT NSString *const NSURLAuthenticationMethodDefault;
FOUNDATION_EXPORT NSString *const NSURLAuthenticationMethodHTTPBasic;
FOUNDATION_EXPORT NSString *const NSURLAuthenticationMethodHTTPDigest;
FOUNDATION_EXPORT NSString *const NSURLAuthenticationMethodHTMLForm;
FOUNDATION_EXPORT NSString *const NSURLAuthenticationMethodNTLM API_AVAILABLE(macos(10.6), ios(3.0));
FOUNDATION_EXPORT NSString *const NSURLAuthenticationMethodNegotiate API_AVAILABLE(macos(10.6), ios(3.0));
FOUNDATION_EXPORT NSString *const NSURLAuthenticationMethodClientCertificate API_AVAILABLE(macos(10.6), ios(3.0));
FOUNDATION_EXPORT NSString *const NSURLAuthenticationMethodServerTrust API_AVAILABLE(macos(10.6), ios(3.0));

@interface NSURLProtectionSpace : NSObject <NSSecureCoding, NSCopying>
- (instancetype)initWithHost:(NSString *)host
                        port:(NSInteger)port
                    protocol:(nullable NSString *)protocol
                       realm:(nullable NSString *)realm
        authenticationMethod:(nullable NSString *)authenticationMethod;
- (instancetype)initWithProxyHost:(NSString *)host
                             port:(NSInteger)port
                             type:(nullable NSString *)type
                            realm:(nullable NSString *)realm
             authenticationMethod:(nullable NSString *)authenticationMethod;
@property (nullable, readonly, copy) NSString *realm;
@property (readonly) BOOL receivesCredentialSecurely;
@property (readonly) BOOL isProxy;
@property (readonly, copy) NSString *host;
@property (readonly) NSInteger port;
@property (nullable, readonly, copy) NSString *proxyType;
@property (nullable, readonly, copy) NSString *protocol;
@property (readonly, copy) NSString *authenticationMethod;
@end

@interface NSURLProtectionSpace (NSClientCertificateSpace)
@property (nullable, readonly, copy) NSArray<NSData *> *distinguishedNames API_AVAILABLE(macos(10.6), ios(3.0));
@end

@interface NSURLProtectionSpace (NSServerTrustValidationSpace)
@property (nullable, readonly) SecTrustRef serverTrust API_AVAILABLE(macos(10.6), ios(3.0));
@end

NS_ASSUME_NONNULL_END
