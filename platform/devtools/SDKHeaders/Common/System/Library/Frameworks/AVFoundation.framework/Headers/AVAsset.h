/* AVAsset.h: timed media assets and their tracks, loaded asynchronously by key. */
#import <Foundation/Foundation.h>
#import <CoreMedia/CoreMedia.h>
#import <AVFoundation/AVMediaFormat.h>

@class AVAssetTrack;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, AVKeyValueStatus) {
    AVKeyValueStatusUnknown,
    AVKeyValueStatusLoading,
    AVKeyValueStatusLoaded,
    AVKeyValueStatusFailed,
    AVKeyValueStatusCancelled
};

@protocol AVAsynchronousKeyValueLoading
- (AVKeyValueStatus)statusOfValueForKey:(NSString *)key error:(NSError *_Nullable *_Nullable)outError;
- (void)loadValuesAsynchronouslyForKeys:(NSArray<NSString *> *)keys completionHandler:(nullable void (^)(void))handler;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVAsset : NSObject <NSCopying, AVAsynchronousKeyValueLoading>
+ (instancetype)assetWithURL:(NSURL *)URL;
@property (nonatomic, readonly) CMTime duration;
@property (nonatomic, readonly) float preferredRate;
@property (nonatomic, readonly) float preferredVolume;
@property (nonatomic, readonly) CGAffineTransform preferredTransform;
@property (nonatomic, readonly) CGSize naturalSize API_DEPRECATED("use the tracks' naturalSize", macos(10.7, 10.8), ios(4.0, 5.0));
@property (nonatomic, readonly) NSArray<AVAssetTrack *> *tracks;
- (NSArray<AVAssetTrack *> *)tracksWithMediaType:(AVMediaType)mediaType;
- (nullable AVAssetTrack *)trackWithTrackID:(CMPersistentTrackID)trackID;
@property (nonatomic, readonly, getter=isPlayable) BOOL playable API_AVAILABLE(macos(10.7), ios(4.3));
@property (nonatomic, readonly, getter=isReadable) BOOL readable API_AVAILABLE(macos(10.7), ios(4.3));
@property (nonatomic, readonly, getter=isExportable) BOOL exportable API_AVAILABLE(macos(10.7), ios(4.3));
- (void)cancelLoading;
@end

FOUNDATION_EXTERN NSString *const AVURLAssetPreferPreciseDurationAndTimingKey API_AVAILABLE(macos(10.7), ios(4.0));

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVURLAsset : AVAsset
+ (instancetype)URLAssetWithURL:(NSURL *)URL options:(nullable NSDictionary<NSString *, id> *)options;
- (instancetype)initWithURL:(NSURL *)URL options:(nullable NSDictionary<NSString *, id> *)options;
@property (nonatomic, readonly, copy) NSURL *URL;
+ (NSArray<AVFileType> *)audiovisualTypes API_AVAILABLE(macos(10.7), ios(5.0));
+ (NSArray<NSString *> *)audiovisualMIMETypes API_AVAILABLE(macos(10.7), ios(5.0));
+ (BOOL)isPlayableExtendedMIMEType:(NSString *)extendedMIMEType API_AVAILABLE(macos(10.7), ios(5.0));
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVAssetTrack : NSObject <NSCopying, AVAsynchronousKeyValueLoading>
@property (nonatomic, readonly, weak) AVAsset *asset;
@property (nonatomic, readonly) CMPersistentTrackID trackID;
@property (nonatomic, readonly) AVMediaType mediaType;
@property (nonatomic, readonly) NSArray *formatDescriptions;
@property (nonatomic, readonly, getter=isEnabled) BOOL enabled;
@property (nonatomic, readonly) CMTimeRange timeRange;
@property (nonatomic, readonly) CMTimeScale naturalTimeScale;
@property (nonatomic, readonly) float estimatedDataRate;
@property (nonatomic, readonly) CGSize naturalSize;
@property (nonatomic, readonly) CGAffineTransform preferredTransform;
@property (nonatomic, readonly) float nominalFrameRate;
@property (nonatomic, readonly) CMTime minFrameDuration API_AVAILABLE(macos(10.10), ios(7.0));
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVComposition : AVAsset <NSMutableCopying>
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVMutableComposition : AVComposition
+ (instancetype)composition;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVVideoComposition : NSObject <NSCopying, NSMutableCopying>
+ (AVVideoComposition *)videoCompositionWithPropertiesOfAsset:(AVAsset *)asset API_AVAILABLE(macos(10.9), ios(6.0));
@property (nonatomic, readonly) CMTime frameDuration;
@property (nonatomic, readonly) CGSize renderSize;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVMutableVideoComposition : AVVideoComposition
+ (AVMutableVideoComposition *)videoComposition;
@property (nonatomic) CMTime frameDuration;
@property (nonatomic) CGSize renderSize;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVAudioMix : NSObject <NSCopying, NSMutableCopying>
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVMutableAudioMix : AVAudioMix
+ (instancetype)audioMix;
@end

typedef NSString *AVAssetImageGeneratorApertureMode NS_STRING_ENUM;

typedef NS_ENUM(NSInteger, AVAssetImageGeneratorResult) {
    AVAssetImageGeneratorSucceeded = 0,
    AVAssetImageGeneratorFailed = 1,
    AVAssetImageGeneratorCancelled = 2,
};

typedef void (^AVAssetImageGeneratorCompletionHandler)(CMTime requestedTime, CGImageRef _Nullable image,
                                                       CMTime actualTime, AVAssetImageGeneratorResult result,
                                                       NSError *_Nullable error);

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVAssetImageGenerator : NSObject
+ (instancetype)assetImageGeneratorWithAsset:(AVAsset *)asset;
- (instancetype)initWithAsset:(AVAsset *)asset;
@property (nonatomic, readonly) AVAsset *asset;
@property (nonatomic) BOOL appliesPreferredTrackTransform;
@property (nonatomic) CGSize maximumSize;
@property (nonatomic, copy, nullable) AVAssetImageGeneratorApertureMode apertureMode;
@property (nonatomic) CMTime requestedTimeToleranceBefore;
@property (nonatomic) CMTime requestedTimeToleranceAfter;
- (nullable CGImageRef)copyCGImageAtTime:(CMTime)requestedTime actualTime:(nullable CMTime *)actualTime
                                   error:(NSError *_Nullable *_Nullable)outError CF_RETURNS_RETAINED;
- (void)generateCGImagesAsynchronouslyForTimes:(NSArray<NSValue *> *)requestedTimes
                             completionHandler:(AVAssetImageGeneratorCompletionHandler)handler;
- (void)cancelAllCGImageGeneration;
@end

NS_ASSUME_NONNULL_END
