/* AVAudioSession.h: the application's audio session, its category and the permission to record. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *AVAudioSessionCategory NS_STRING_ENUM;
extern AVAudioSessionCategory const AVAudioSessionCategoryAmbient API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos);
extern AVAudioSessionCategory const AVAudioSessionCategoryPlayback API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos);
extern AVAudioSessionCategory const AVAudioSessionCategoryRecord API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos);
extern AVAudioSessionCategory const AVAudioSessionCategoryPlayAndRecord API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos);

typedef void (^PermissionBlock)(BOOL granted);

API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos)
@interface AVAudioSession : NSObject
+ (AVAudioSession *)sharedInstance;
- (BOOL)setCategory:(AVAudioSessionCategory)category error:(NSError **)outError;
- (BOOL)setActive:(BOOL)active error:(NSError **)outError;
- (void)requestRecordPermission:(PermissionBlock)response
    API_DEPRECATED("use +[AVAudioApplication requestRecordPermissionWithCompletionHandler:]", ios(7.0, 17.0));
@property (readonly) AVAudioSessionCategory category;
@end

NS_ASSUME_NONNULL_END
