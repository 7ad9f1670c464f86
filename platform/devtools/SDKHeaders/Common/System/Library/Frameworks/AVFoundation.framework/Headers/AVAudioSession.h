/* AVAudioSession.h: the application's audio session, its category and the permission to record. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *AVAudioSessionCategory NS_STRING_ENUM;
extern AVAudioSessionCategory const AVAudioSessionCategoryAmbient API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos);
extern AVAudioSessionCategory const AVAudioSessionCategoryPlayback API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos);
extern AVAudioSessionCategory const AVAudioSessionCategoryRecord API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos);
extern AVAudioSessionCategory const AVAudioSessionCategoryPlayAndRecord API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos);

extern AVAudioSessionCategory const AVAudioSessionCategorySoloAmbient API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos);

typedef NS_OPTIONS(NSUInteger, AVAudioSessionCategoryOptions) {
    AVAudioSessionCategoryOptionMixWithOthers = 0x1,
    AVAudioSessionCategoryOptionDuckOthers = 0x2,
    AVAudioSessionCategoryOptionAllowBluetooth = 0x4,
    AVAudioSessionCategoryOptionDefaultToSpeaker = 0x8,
    AVAudioSessionCategoryOptionInterruptSpokenAudioAndMixWithOthers API_AVAILABLE(ios(9.0)) = 0x11,
    AVAudioSessionCategoryOptionAllowBluetoothA2DP API_AVAILABLE(ios(10.0)) = 0x20,
    AVAudioSessionCategoryOptionAllowAirPlay API_AVAILABLE(ios(10.0)) = 0x40,
} API_AVAILABLE(ios(6.0)) API_UNAVAILABLE(macos);

typedef NS_OPTIONS(NSUInteger, AVAudioSessionSetActiveOptions) {
    AVAudioSessionSetActiveOptionNotifyOthersOnDeactivation = 1
} API_AVAILABLE(ios(6.0)) API_UNAVAILABLE(macos);

typedef void (^PermissionBlock)(BOOL granted);

API_AVAILABLE(ios(3.0)) API_UNAVAILABLE(macos)
@interface AVAudioSession : NSObject
+ (AVAudioSession *)sharedInstance;
- (BOOL)setCategory:(AVAudioSessionCategory)category error:(NSError **)outError;
- (BOOL)setCategory:(AVAudioSessionCategory)category withOptions:(AVAudioSessionCategoryOptions)options
              error:(NSError **)outError API_AVAILABLE(ios(6.0));
- (BOOL)setActive:(BOOL)active error:(NSError **)outError;
- (BOOL)setActive:(BOOL)active withOptions:(AVAudioSessionSetActiveOptions)options error:(NSError **)outError
    API_AVAILABLE(ios(6.0));
@property (readonly) AVAudioSessionCategoryOptions categoryOptions API_AVAILABLE(ios(6.0));
@property (readonly, getter=isOtherAudioPlaying) BOOL otherAudioPlaying API_AVAILABLE(ios(6.0));
@property (readonly) float outputVolume API_AVAILABLE(ios(6.0));
- (void)requestRecordPermission:(PermissionBlock)response
    API_DEPRECATED("use +[AVAudioApplication requestRecordPermissionWithCompletionHandler:]", ios(7.0, 17.0));
@property (readonly) AVAudioSessionCategory category;
@end

NS_ASSUME_NONNULL_END
