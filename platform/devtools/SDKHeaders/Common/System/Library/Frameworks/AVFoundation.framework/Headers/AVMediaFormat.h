/* AVMediaFormat.h: media types, media characteristics and file types, with the utilities of geometry. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *AVMediaType NS_EXTENSIBLE_STRING_ENUM;
FOUNDATION_EXTERN AVMediaType const AVMediaTypeVideo API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVMediaType const AVMediaTypeAudio API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVMediaType const AVMediaTypeText API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVMediaType const AVMediaTypeSubtitle API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVMediaType const AVMediaTypeMuxed API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVMediaType const AVMediaTypeMetadata API_AVAILABLE(macos(10.8), ios(6.0));

typedef NSString *AVFileType NS_EXTENSIBLE_STRING_ENUM;
FOUNDATION_EXTERN AVFileType const AVFileTypeQuickTimeMovie API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVFileType const AVFileTypeMPEG4 API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVFileType const AVFileTypeAppleM4V API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVFileType const AVFileTypeAppleM4A API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVFileType const AVFileTypeWAVE API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVFileType const AVFileTypeAIFF API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVFileType const AVFileTypeCoreAudioFormat API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVFileType const AVFileTypeMPEGLayer3 API_AVAILABLE(macos(10.9), ios(7.0));

FOUNDATION_EXTERN CGRect AVMakeRectWithAspectRatioInsideRect(CGSize aspectRatio, CGRect boundingRect)
    API_AVAILABLE(macos(10.7), ios(4.0));

FOUNDATION_EXTERN NSString *const AVFoundationErrorDomain API_AVAILABLE(macos(10.7), ios(4.0));

typedef NS_ENUM(NSInteger, AVError) {
    AVErrorUnknown = -11800,
    AVErrorOutOfMemory = -11801,
    AVErrorSessionNotRunning = -11803,
    AVErrorDeviceAlreadyUsedByAnotherSession = -11804,
    AVErrorMediaServicesWereReset = -11819,
    AVErrorMaximumStillImageCaptureRequestsExceeded = -11830,
    AVErrorFileFormatNotRecognized = -11828,
    AVErrorContentIsProtected = -11831,
    AVErrorNoImageAtTime = -11832,
    AVErrorDecoderNotFound = -11833,
    AVErrorEncoderNotFound = -11834,
    AVErrorOperationNotSupportedForAsset = -11838,
};

NS_ASSUME_NONNULL_END
