/* AVAudioPlayer.h: playing sound from a file or from memory. */
#import <Foundation/Foundation.h>

@protocol AVAudioPlayerDelegate;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.7), ios(2.2))
@interface AVAudioPlayer : NSObject
- (nullable instancetype)initWithContentsOfURL:(NSURL *)url error:(NSError **)outError;
- (nullable instancetype)initWithData:(NSData *)data error:(NSError **)outError;
- (BOOL)prepareToPlay;
- (BOOL)play;
- (BOOL)playAtTime:(NSTimeInterval)time;
- (void)pause;
- (void)stop;
@property (readonly, getter=isPlaying) BOOL playing;
@property (readonly) NSUInteger numberOfChannels;
@property (readonly) NSTimeInterval duration;
@property (weak, nullable) id<AVAudioPlayerDelegate> delegate;
@property (readonly, nullable) NSURL *url;
@property (readonly, nullable) NSData *data;
@property float pan;
@property float volume;
@property BOOL enableRate;
@property float rate;
@property NSTimeInterval currentTime;
@property NSInteger numberOfLoops;
@property (getter=isMeteringEnabled) BOOL meteringEnabled;
- (void)updateMeters;
- (float)peakPowerForChannel:(NSUInteger)channelNumber;
- (float)averagePowerForChannel:(NSUInteger)channelNumber;
@end

@protocol AVAudioPlayerDelegate <NSObject>
@optional
- (void)audioPlayerDidFinishPlaying:(AVAudioPlayer *)player successfully:(BOOL)flag;
- (void)audioPlayerDecodeErrorDidOccur:(AVAudioPlayer *)player error:(NSError *_Nullable)error;
@end

NS_ASSUME_NONNULL_END
