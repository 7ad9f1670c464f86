/* SFSpeechRecognizer.h: recognising speech in one locale, and the authorisation to do so. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, SFSpeechRecognizerAuthorizationStatus) {
    SFSpeechRecognizerAuthorizationStatusNotDetermined,
    SFSpeechRecognizerAuthorizationStatusDenied,
    SFSpeechRecognizerAuthorizationStatusRestricted,
    SFSpeechRecognizerAuthorizationStatusAuthorized,
} API_AVAILABLE(ios(10.0), macos(10.15));

API_AVAILABLE(ios(10.0), macos(10.15))
@interface SFSpeechRecognizer : NSObject
+ (NSSet<NSLocale *> *)supportedLocales;
+ (SFSpeechRecognizerAuthorizationStatus)authorizationStatus;
+ (void)requestAuthorization:(void (^)(SFSpeechRecognizerAuthorizationStatus status))handler;
- (nullable instancetype)initWithLocale:(NSLocale *)locale NS_DESIGNATED_INITIALIZER;
@property (nonatomic, readonly, getter=isAvailable) BOOL available;
@property (nonatomic, copy, readonly) NSLocale *locale;
@end

NS_ASSUME_NONNULL_END
