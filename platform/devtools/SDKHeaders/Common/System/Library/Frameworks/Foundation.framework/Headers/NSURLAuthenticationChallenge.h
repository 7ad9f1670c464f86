/* NSURLAuthenticationChallenge.h: a server's request for authentication and the sender that receives the answer. */
#import <Foundation/NSObject.h>

@class NSURLAuthenticationChallenge, NSURLCredential, NSURLProtectionSpace, NSURLResponse, NSError;

NS_ASSUME_NONNULL_BEGIN

@protocol NSURLAuthenticationChallengeSender <NSObject>
- (void)useCredential:(NSURLCredential *)credential forAuthenticationChallenge:(NSURLAuthenticationChallenge *)challenge;
- (void)continueWithoutCredentialForAuthenticationChallenge:(NSURLAuthenticationChallenge *)challenge;
- (void)cancelAuthenticationChallenge:(NSURLAuthenticationChallenge *)challenge;
@optional
- (void)performDefaultHandlingForAuthenticationChallenge:(NSURLAuthenticationChallenge *)challenge;
- (void)rejectProtectionSpaceAndContinueWithChallenge:(NSURLAuthenticationChallenge *)challenge;
@end

@interface NSURLAuthenticationChallenge : NSObject <NSSecureCoding>
- (instancetype)initWithProtectionSpace:(NSURLProtectionSpace *)space
                     proposedCredential:(nullable NSURLCredential *)credential
                   previousFailureCount:(NSInteger)previousFailureCount
                        failureResponse:(nullable NSURLResponse *)response
                                  error:(nullable NSError *)error
                                 sender:(id<NSURLAuthenticationChallengeSender>)sender;
- (instancetype)initWithAuthenticationChallenge:(NSURLAuthenticationChallenge *)challenge
                                         sender:(id<NSURLAuthenticationChallengeSender>)sender;
@property (readonly, copy) NSURLProtectionSpace *protectionSpace;
@property (nullable, readonly, copy) NSURLCredential *proposedCredential;
@property (readonly) NSInteger previousFailureCount;
@property (nullable, readonly, copy) NSURLResponse *failureResponse;
@property (nullable, readonly, copy) NSError *error;
@property (nullable, readonly, retain) id<NSURLAuthenticationChallengeSender> sender;
@end

NS_ASSUME_NONNULL_END
