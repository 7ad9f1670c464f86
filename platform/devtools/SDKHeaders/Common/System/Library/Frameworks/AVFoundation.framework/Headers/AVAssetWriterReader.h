/* AVAssetWriterReader.h: writing media to files (writers, their inputs and pixel buffer adaptors) and reading the
   samples of an asset (readers and their outputs). */
#import <Foundation/Foundation.h>
#import <CoreMedia/CoreMedia.h>
#import <CoreVideo/CoreVideo.h>
#import <AVFoundation/AVAsset.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, AVAssetWriterStatus) {
    AVAssetWriterStatusUnknown = 0,
    AVAssetWriterStatusWriting = 1,
    AVAssetWriterStatusCompleted = 2,
    AVAssetWriterStatusFailed = 3,
    AVAssetWriterStatusCancelled = 4
};

API_AVAILABLE(macos(10.7), ios(4.1))
@interface AVAssetWriterInput : NSObject
+ (instancetype)assetWriterInputWithMediaType:(AVMediaType)mediaType
                               outputSettings:(nullable NSDictionary<NSString *, id> *)outputSettings;
- (instancetype)initWithMediaType:(AVMediaType)mediaType
                   outputSettings:(nullable NSDictionary<NSString *, id> *)outputSettings;
@property (nonatomic, readonly) AVMediaType mediaType;
@property (nonatomic, readonly, nullable) NSDictionary<NSString *, id> *outputSettings;
@property (nonatomic) CGAffineTransform transform;
@property (nonatomic) BOOL expectsMediaDataInRealTime;
@property (nonatomic, readonly, getter=isReadyForMoreMediaData) BOOL readyForMoreMediaData;
- (void)requestMediaDataWhenReadyOnQueue:(dispatch_queue_t)queue usingBlock:(void (^)(void))block;
- (BOOL)appendSampleBuffer:(CMSampleBufferRef)sampleBuffer;
- (void)markAsFinished;
@end

API_AVAILABLE(macos(10.7), ios(4.1))
@interface AVAssetWriterInputPixelBufferAdaptor : NSObject
+ (instancetype)assetWriterInputPixelBufferAdaptorWithAssetWriterInput:(AVAssetWriterInput *)input
    sourcePixelBufferAttributes:(nullable NSDictionary<NSString *, id> *)sourcePixelBufferAttributes;
- (instancetype)initWithAssetWriterInput:(AVAssetWriterInput *)input
             sourcePixelBufferAttributes:(nullable NSDictionary<NSString *, id> *)sourcePixelBufferAttributes;
@property (nonatomic, readonly) AVAssetWriterInput *assetWriterInput;
@property (nonatomic, readonly, nullable) CVPixelBufferPoolRef pixelBufferPool;
- (BOOL)appendPixelBuffer:(CVPixelBufferRef)pixelBuffer withPresentationTime:(CMTime)presentationTime;
@end

API_AVAILABLE(macos(10.7), ios(4.1))
@interface AVAssetWriter : NSObject
+ (nullable instancetype)assetWriterWithURL:(NSURL *)outputURL fileType:(AVFileType)outputFileType
                                      error:(NSError *_Nullable *_Nullable)outError;
- (nullable instancetype)initWithURL:(NSURL *)outputURL fileType:(AVFileType)outputFileType
                               error:(NSError *_Nullable *_Nullable)outError;
@property (nonatomic, copy, readonly) NSURL *outputURL;
@property (nonatomic, copy, readonly) AVFileType outputFileType;
@property (readonly) AVAssetWriterStatus status;
@property (readonly, nullable) NSError *error;
@property (nonatomic) BOOL shouldOptimizeForNetworkUse;
@property (nonatomic) CMTime movieFragmentInterval;
@property (nonatomic, readonly) NSArray<AVAssetWriterInput *> *inputs;
- (BOOL)canAddInput:(AVAssetWriterInput *)input;
- (void)addInput:(AVAssetWriterInput *)input;
- (BOOL)startWriting;
- (void)startSessionAtSourceTime:(CMTime)startTime;
- (void)endSessionAtSourceTime:(CMTime)endTime;
- (void)cancelWriting;
- (BOOL)finishWriting API_DEPRECATED("use -finishWritingWithCompletionHandler:", macos(10.7, 10.9), ios(4.1, 6.0));
- (void)finishWritingWithCompletionHandler:(void (^)(void))handler API_AVAILABLE(macos(10.9), ios(6.0));
@end

typedef NS_ENUM(NSInteger, AVAssetReaderStatus) {
    AVAssetReaderStatusUnknown = 0,
    AVAssetReaderStatusReading,
    AVAssetReaderStatusCompleted,
    AVAssetReaderStatusFailed,
    AVAssetReaderStatusCancelled,
};

API_AVAILABLE(macos(10.7), ios(4.1))
@interface AVAssetReaderOutput : NSObject
@property (nonatomic, readonly) AVMediaType mediaType;
@property (nonatomic) BOOL alwaysCopiesSampleData API_AVAILABLE(macos(10.8), ios(5.0));
- (nullable CMSampleBufferRef)copyNextSampleBuffer CF_RETURNS_RETAINED;
@end

API_AVAILABLE(macos(10.7), ios(4.1))
@interface AVAssetReaderTrackOutput : AVAssetReaderOutput
+ (instancetype)assetReaderTrackOutputWithTrack:(AVAssetTrack *)track
                                 outputSettings:(nullable NSDictionary<NSString *, id> *)outputSettings;
- (instancetype)initWithTrack:(AVAssetTrack *)track outputSettings:(nullable NSDictionary<NSString *, id> *)outputSettings;
@property (nonatomic, readonly) AVAssetTrack *track;
@end

API_AVAILABLE(macos(10.7), ios(4.1))
@interface AVAssetReaderAudioMixOutput : AVAssetReaderOutput
+ (instancetype)assetReaderAudioMixOutputWithAudioTracks:(NSArray<AVAssetTrack *> *)audioTracks
                                           audioSettings:(nullable NSDictionary<NSString *, id> *)audioSettings;
@property (nonatomic, copy, nullable) AVAudioMix *audioMix;
@end

API_AVAILABLE(macos(10.7), ios(4.1))
@interface AVAssetReaderVideoCompositionOutput : AVAssetReaderOutput
+ (instancetype)assetReaderVideoCompositionOutputWithVideoTracks:(NSArray<AVAssetTrack *> *)videoTracks
                                                   videoSettings:(nullable NSDictionary<NSString *, id> *)videoSettings;
@property (nonatomic, copy, nullable) AVVideoComposition *videoComposition;
@end

API_AVAILABLE(macos(10.7), ios(4.1))
@interface AVAssetReader : NSObject
+ (nullable instancetype)assetReaderWithAsset:(AVAsset *)asset error:(NSError *_Nullable *_Nullable)outError;
- (nullable instancetype)initWithAsset:(AVAsset *)asset error:(NSError *_Nullable *_Nullable)outError;
@property (nonatomic, retain, readonly) AVAsset *asset;
@property (readonly) AVAssetReaderStatus status;
@property (readonly, nullable) NSError *error;
@property (nonatomic) CMTimeRange timeRange;
@property (nonatomic, readonly) NSArray<AVAssetReaderOutput *> *outputs;
- (BOOL)canAddOutput:(AVAssetReaderOutput *)output;
- (void)addOutput:(AVAssetReaderOutput *)output;
- (BOOL)startReading;
- (void)cancelReading;
@end

NS_ASSUME_NONNULL_END
