/* AVPlayer.h: playback of assets: players, player items, their outputs, and the layer that shows a player. */
#import <Foundation/Foundation.h>
#import <QuartzCore/QuartzCore.h>
#import <CoreMedia/CoreMedia.h>
#import <CoreVideo/CoreVideo.h>
#import <AVFoundation/AVAsset.h>

@class AVPlayerItemOutput;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, AVPlayerStatus) {
    AVPlayerStatusUnknown,
    AVPlayerStatusReadyToPlay,
    AVPlayerStatusFailed
};

typedef NS_ENUM(NSInteger, AVPlayerItemStatus) {
    AVPlayerItemStatusUnknown,
    AVPlayerItemStatusReadyToPlay,
    AVPlayerItemStatusFailed
};

typedef NS_ENUM(NSInteger, AVPlayerActionAtItemEnd) {
    AVPlayerActionAtItemEndAdvance = 0,
    AVPlayerActionAtItemEndPause = 1,
    AVPlayerActionAtItemEndNone = 2,
};

typedef NSString *AVLayerVideoGravity NS_TYPED_ENUM;
FOUNDATION_EXTERN AVLayerVideoGravity const AVLayerVideoGravityResizeAspect API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVLayerVideoGravity const AVLayerVideoGravityResizeAspectFill API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVLayerVideoGravity const AVLayerVideoGravityResize API_AVAILABLE(macos(10.7), ios(4.0));

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVPlayerItem : NSObject <NSCopying>
+ (instancetype)playerItemWithURL:(NSURL *)URL;
+ (instancetype)playerItemWithAsset:(AVAsset *)asset;
- (instancetype)initWithURL:(NSURL *)URL;
- (instancetype)initWithAsset:(AVAsset *)asset;
@property (nonatomic, readonly) AVPlayerItemStatus status;
@property (nonatomic, readonly, nullable) NSError *error;
@property (nonatomic, readonly) AVAsset *asset;
@property (nonatomic, readonly) CMTime duration;
@property (nonatomic, readonly) CGSize presentationSize;
@property (nonatomic, copy, nullable) AVVideoComposition *videoComposition;
@property (nonatomic, copy, nullable) AVAudioMix *audioMix;
@property (nonatomic, readonly) NSArray<NSValue *> *loadedTimeRanges;
@property (nonatomic, readonly, getter=isPlaybackLikelyToKeepUp) BOOL playbackLikelyToKeepUp;
@property (nonatomic, readonly, getter=isPlaybackBufferEmpty) BOOL playbackBufferEmpty;
- (CMTime)currentTime;
- (void)seekToTime:(CMTime)time completionHandler:(void (^_Nullable)(BOOL finished)) completionHandler
    API_AVAILABLE(macos(10.7), ios(5.0));
@property (nonatomic, readonly) NSArray<AVPlayerItemOutput *> *outputs;
- (void)addOutput:(AVPlayerItemOutput *)output API_AVAILABLE(macos(10.8), ios(6.0));
- (void)removeOutput:(AVPlayerItemOutput *)output API_AVAILABLE(macos(10.8), ios(6.0));
@end

FOUNDATION_EXTERN NSString *const AVPlayerItemDidPlayToEndTimeNotification API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVPlayerItemFailedToPlayToEndTimeNotification API_AVAILABLE(macos(10.7), ios(4.3));

API_AVAILABLE(macos(10.8), ios(6.0))
@interface AVPlayerItemOutput : NSObject
- (CMTime)itemTimeForHostTime:(CFTimeInterval)hostTimeInSeconds;
@property (nonatomic) BOOL suppressesPlayerRendering API_AVAILABLE(macos(10.8), ios(6.0));
@end

@protocol AVPlayerItemOutputPullDelegate <NSObject>
@optional
- (void)outputMediaDataWillChange:(AVPlayerItemOutput *)sender API_AVAILABLE(macos(10.8), ios(6.0));
- (void)outputSequenceWasFlushed:(AVPlayerItemOutput *)output API_AVAILABLE(macos(10.8), ios(6.0));
@end

API_AVAILABLE(macos(10.8), ios(6.0))
@interface AVPlayerItemVideoOutput : AVPlayerItemOutput
- (instancetype)initWithPixelBufferAttributes:(nullable NSDictionary<NSString *, id> *)pixelBufferAttributes;
- (BOOL)hasNewPixelBufferForItemTime:(CMTime)itemTime;
- (nullable CVPixelBufferRef)copyPixelBufferForItemTime:(CMTime)itemTime
                                     itemTimeForDisplay:(nullable CMTime *)outItemTimeForDisplay CF_RETURNS_RETAINED;
- (void)setDelegate:(nullable id<AVPlayerItemOutputPullDelegate>)delegate queue:(nullable dispatch_queue_t)delegateQueue;
- (void)requestNotificationOfMediaDataChangeWithAdvanceInterval:(NSTimeInterval)interval;
@property (nonatomic, readonly, weak, nullable) id<AVPlayerItemOutputPullDelegate> delegate;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVPlayer : NSObject
+ (instancetype)playerWithURL:(NSURL *)URL;
+ (instancetype)playerWithPlayerItem:(nullable AVPlayerItem *)item;
- (instancetype)initWithURL:(NSURL *)URL;
- (instancetype)initWithPlayerItem:(nullable AVPlayerItem *)item;
@property (nonatomic, readonly) AVPlayerStatus status;
@property (nonatomic, readonly, nullable) NSError *error;
@property (nonatomic) float rate;
@property (nonatomic) float volume API_AVAILABLE(macos(10.7), ios(7.0));
@property (nonatomic, getter=isMuted) BOOL muted API_AVAILABLE(macos(10.7), ios(7.0));
@property (nonatomic, readonly, nullable) AVPlayerItem *currentItem;
@property (nonatomic) AVPlayerActionAtItemEnd actionAtItemEnd;
- (void)play;
- (void)pause;
- (void)replaceCurrentItemWithPlayerItem:(nullable AVPlayerItem *)item;
- (CMTime)currentTime;
- (void)seekToTime:(CMTime)time;
- (void)seekToTime:(CMTime)time completionHandler:(void (^)(BOOL finished))completionHandler
    API_AVAILABLE(macos(10.7), ios(5.0));
- (void)seekToTime:(CMTime)time toleranceBefore:(CMTime)toleranceBefore toleranceAfter:(CMTime)toleranceAfter;
- (id)addPeriodicTimeObserverForInterval:(CMTime)interval queue:(nullable dispatch_queue_t)queue
                              usingBlock:(void (^)(CMTime time))block;
- (id)addBoundaryTimeObserverForTimes:(NSArray<NSValue *> *)times queue:(nullable dispatch_queue_t)queue
                           usingBlock:(void (^)(void))block;
- (void)removeTimeObserver:(id)observer;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVPlayerLayer : CALayer
+ (AVPlayerLayer *)playerLayerWithPlayer:(nullable AVPlayer *)player;
@property (nonatomic, retain, nullable) AVPlayer *player;
@property (copy) AVLayerVideoGravity videoGravity;
@property (nonatomic, readonly, getter=isReadyForDisplay) BOOL readyForDisplay;
@property (nonatomic, readonly) CGRect videoRect API_AVAILABLE(macos(10.9), ios(7.0));
@end

@interface NSValue (AVFoundationTimeExtensions)
+ (NSValue *)valueWithCMTime:(CMTime)time API_AVAILABLE(macos(10.7), ios(4.0));
@property (readonly) CMTime CMTimeValue API_AVAILABLE(macos(10.7), ios(4.0));
+ (NSValue *)valueWithCMTimeRange:(CMTimeRange)timeRange API_AVAILABLE(macos(10.7), ios(4.0));
@property (readonly) CMTimeRange CMTimeRangeValue API_AVAILABLE(macos(10.7), ios(4.0));
@end

NS_ASSUME_NONNULL_END
