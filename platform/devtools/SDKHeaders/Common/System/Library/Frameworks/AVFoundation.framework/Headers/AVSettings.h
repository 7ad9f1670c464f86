/* AVSettings.h: the keys of the video and audio settings dictionaries of writers, readers and outputs. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *AVVideoCodecType NS_TYPED_ENUM;
FOUNDATION_EXTERN AVVideoCodecType const AVVideoCodecTypeH264 API_AVAILABLE(macos(10.13), ios(11.0));
FOUNDATION_EXTERN AVVideoCodecType const AVVideoCodecTypeHEVC API_AVAILABLE(macos(10.13), ios(11.0));
FOUNDATION_EXTERN AVVideoCodecType const AVVideoCodecTypeJPEG API_AVAILABLE(macos(10.13), ios(11.0));
FOUNDATION_EXTERN NSString *const AVVideoCodecH264 API_DEPRECATED("use AVVideoCodecTypeH264", macos(10.7, 10.13), ios(4.0, 11.0));
FOUNDATION_EXTERN NSString *const AVVideoCodecJPEG API_DEPRECATED("use AVVideoCodecTypeJPEG", macos(10.7, 10.13), ios(4.0, 11.0));
FOUNDATION_EXTERN NSString *const AVVideoCodecKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoWidthKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoHeightKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoScalingModeKey API_AVAILABLE(macos(10.7), ios(5.0));
FOUNDATION_EXTERN NSString *const AVVideoScalingModeResizeAspect API_AVAILABLE(macos(10.7), ios(5.0));
FOUNDATION_EXTERN NSString *const AVVideoScalingModeResizeAspectFill API_AVAILABLE(macos(10.7), ios(5.0));
FOUNDATION_EXTERN NSString *const AVVideoCompressionPropertiesKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoAverageBitRateKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoMaxKeyFrameIntervalKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoProfileLevelKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoProfileLevelH264BaselineAutoLevel API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXTERN NSString *const AVVideoProfileLevelH264HighAutoLevel API_AVAILABLE(macos(10.9), ios(7.0));
FOUNDATION_EXTERN NSString *const AVVideoPixelAspectRatioKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoPixelAspectRatioHorizontalSpacingKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoPixelAspectRatioVerticalSpacingKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoCleanApertureKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoCleanApertureWidthKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoCleanApertureHeightKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoCleanApertureHorizontalOffsetKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoCleanApertureVerticalOffsetKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVVideoQualityKey API_AVAILABLE(macos(10.7), ios(5.0));

FOUNDATION_EXTERN NSString *const AVFormatIDKey API_AVAILABLE(macos(10.7), ios(3.0));
FOUNDATION_EXTERN NSString *const AVSampleRateKey API_AVAILABLE(macos(10.7), ios(3.0));
FOUNDATION_EXTERN NSString *const AVNumberOfChannelsKey API_AVAILABLE(macos(10.7), ios(3.0));
FOUNDATION_EXTERN NSString *const AVChannelLayoutKey API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVLinearPCMBitDepthKey API_AVAILABLE(macos(10.7), ios(3.0));
FOUNDATION_EXTERN NSString *const AVLinearPCMIsBigEndianKey API_AVAILABLE(macos(10.7), ios(3.0));
FOUNDATION_EXTERN NSString *const AVLinearPCMIsFloatKey API_AVAILABLE(macos(10.7), ios(3.0));
FOUNDATION_EXTERN NSString *const AVLinearPCMIsNonInterleaved API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVEncoderAudioQualityKey API_AVAILABLE(macos(10.7), ios(3.0));
FOUNDATION_EXTERN NSString *const AVEncoderBitRateKey API_AVAILABLE(macos(10.7), ios(3.0));

typedef NS_ENUM(NSInteger, AVAudioQuality) {
    AVAudioQualityMin = 0,
    AVAudioQualityLow = 0x20,
    AVAudioQualityMedium = 0x40,
    AVAudioQualityHigh = 0x60,
    AVAudioQualityMax = 0x7F
};

NS_ASSUME_NONNULL_END
