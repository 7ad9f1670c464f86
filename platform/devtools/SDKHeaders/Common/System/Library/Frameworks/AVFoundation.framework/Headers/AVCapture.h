/* AVCapture.h: capture from cameras and microphones: sessions, devices, inputs, outputs and their connections. */
#import <Foundation/Foundation.h>
#import <QuartzCore/QuartzCore.h>
#import <CoreMedia/CoreMedia.h>
#import <AVFoundation/AVMediaFormat.h>

@class AVCaptureInput, AVCaptureOutput, AVCaptureConnection, AVCaptureInputPort;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *AVCaptureSessionPreset NS_TYPED_ENUM;
FOUNDATION_EXTERN AVCaptureSessionPreset const AVCaptureSessionPresetPhoto API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVCaptureSessionPreset const AVCaptureSessionPresetHigh API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVCaptureSessionPreset const AVCaptureSessionPresetMedium API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVCaptureSessionPreset const AVCaptureSessionPresetLow API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVCaptureSessionPreset const AVCaptureSessionPreset352x288 API_AVAILABLE(macos(10.7), ios(5.0));
FOUNDATION_EXTERN AVCaptureSessionPreset const AVCaptureSessionPreset640x480 API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVCaptureSessionPreset const AVCaptureSessionPreset1280x720 API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN AVCaptureSessionPreset const AVCaptureSessionPreset1920x1080 API_AVAILABLE(macos(10.15), ios(5.0));
FOUNDATION_EXTERN AVCaptureSessionPreset const AVCaptureSessionPreset3840x2160 API_AVAILABLE(macos(10.15), ios(9.0));

typedef NS_ENUM(NSInteger, AVCaptureDevicePosition) {
    AVCaptureDevicePositionUnspecified = 0,
    AVCaptureDevicePositionBack = 1,
    AVCaptureDevicePositionFront = 2
};

typedef NS_ENUM(NSInteger, AVCaptureVideoOrientation) {
    AVCaptureVideoOrientationPortrait = 1,
    AVCaptureVideoOrientationPortraitUpsideDown = 2,
    AVCaptureVideoOrientationLandscapeRight = 3,
    AVCaptureVideoOrientationLandscapeLeft = 4,
};

typedef NS_ENUM(NSInteger, AVCaptureFlashMode) {
    AVCaptureFlashModeOff = 0,
    AVCaptureFlashModeOn = 1,
    AVCaptureFlashModeAuto = 2
};

typedef NS_ENUM(NSInteger, AVCaptureTorchMode) {
    AVCaptureTorchModeOff = 0,
    AVCaptureTorchModeOn = 1,
    AVCaptureTorchModeAuto = 2
};

typedef NS_ENUM(NSInteger, AVCaptureFocusMode) {
    AVCaptureFocusModeLocked = 0,
    AVCaptureFocusModeAutoFocus = 1,
    AVCaptureFocusModeContinuousAutoFocus = 2
};

typedef NS_ENUM(NSInteger, AVCaptureExposureMode) {
    AVCaptureExposureModeLocked = 0,
    AVCaptureExposureModeAutoExpose = 1,
    AVCaptureExposureModeContinuousAutoExposure = 2,
    AVCaptureExposureModeCustom API_AVAILABLE(macos(10.15), ios(8.0)) = 3
};

typedef NS_ENUM(NSInteger, AVAuthorizationStatus) {
    AVAuthorizationStatusNotDetermined = 0,
    AVAuthorizationStatusRestricted = 1,
    AVAuthorizationStatusDenied = 2,
    AVAuthorizationStatusAuthorized = 3
} API_AVAILABLE(macos(10.14), ios(7.0));

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureDevice : NSObject
+ (NSArray<AVCaptureDevice *> *)devices API_DEPRECATED("use AVCaptureDeviceDiscoverySession", macos(10.7, 10.15), ios(4.0, 10.0));
+ (NSArray<AVCaptureDevice *> *)devicesWithMediaType:(AVMediaType)mediaType
    API_DEPRECATED("use AVCaptureDeviceDiscoverySession", macos(10.7, 10.15), ios(4.0, 10.0));
+ (nullable AVCaptureDevice *)defaultDeviceWithMediaType:(AVMediaType)mediaType;
+ (nullable AVCaptureDevice *)deviceWithUniqueID:(NSString *)deviceUniqueID;
+ (AVAuthorizationStatus)authorizationStatusForMediaType:(AVMediaType)mediaType API_AVAILABLE(macos(10.14), ios(7.0));
+ (void)requestAccessForMediaType:(AVMediaType)mediaType completionHandler:(void (^)(BOOL granted))handler
    API_AVAILABLE(macos(10.14), ios(7.0));
@property (nonatomic, readonly) NSString *uniqueID;
@property (nonatomic, readonly) NSString *modelID;
@property (nonatomic, readonly) NSString *localizedName;
@property (nonatomic, readonly, getter=isConnected) BOOL connected;
@property (nonatomic, readonly) AVCaptureDevicePosition position;
- (BOOL)hasMediaType:(AVMediaType)mediaType;
- (BOOL)lockForConfiguration:(NSError *_Nullable *_Nullable)outError;
- (void)unlockForConfiguration;
- (BOOL)supportsAVCaptureSessionPreset:(AVCaptureSessionPreset)preset;
@property (nonatomic, readonly) BOOL hasFlash;
@property (nonatomic, readonly) BOOL hasTorch;
@property (nonatomic) AVCaptureFlashMode flashMode;
@property (nonatomic) AVCaptureTorchMode torchMode;
- (BOOL)isFlashModeSupported:(AVCaptureFlashMode)flashMode;
- (BOOL)isTorchModeSupported:(AVCaptureTorchMode)torchMode;
@property (nonatomic) AVCaptureFocusMode focusMode;
- (BOOL)isFocusModeSupported:(AVCaptureFocusMode)focusMode;
@property (nonatomic, readonly, getter=isFocusPointOfInterestSupported) BOOL focusPointOfInterestSupported;
@property (nonatomic) CGPoint focusPointOfInterest;
@property (nonatomic) AVCaptureExposureMode exposureMode;
- (BOOL)isExposureModeSupported:(AVCaptureExposureMode)exposureMode;
@property (nonatomic, readonly, getter=isExposurePointOfInterestSupported) BOOL exposurePointOfInterestSupported;
@property (nonatomic) CGPoint exposurePointOfInterest;
@property (nonatomic) CMTime activeVideoMinFrameDuration API_AVAILABLE(macos(10.7), ios(7.0));
@property (nonatomic) CMTime activeVideoMaxFrameDuration API_AVAILABLE(macos(10.9), ios(7.0));
@end

FOUNDATION_EXTERN NSString *const AVCaptureDeviceWasConnectedNotification API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVCaptureDeviceWasDisconnectedNotification API_AVAILABLE(macos(10.7), ios(4.0));

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureInputPort : NSObject
@property (nonatomic, readonly) AVCaptureInput *input;
@property (nonatomic, readonly) AVMediaType mediaType;
@property (nonatomic, getter=isEnabled) BOOL enabled;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureInput : NSObject
@property (nonatomic, readonly) NSArray<AVCaptureInputPort *> *ports;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureDeviceInput : AVCaptureInput
+ (nullable instancetype)deviceInputWithDevice:(AVCaptureDevice *)device error:(NSError *_Nullable *_Nullable)outError;
- (nullable instancetype)initWithDevice:(AVCaptureDevice *)device error:(NSError *_Nullable *_Nullable)outError;
@property (nonatomic, readonly) AVCaptureDevice *device;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureOutput : NSObject
@property (nonatomic, readonly) NSArray<AVCaptureConnection *> *connections;
- (nullable AVCaptureConnection *)connectionWithMediaType:(AVMediaType)mediaType API_AVAILABLE(macos(10.7), ios(5.0));
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureConnection : NSObject
@property (nonatomic, readonly) NSArray<AVCaptureInputPort *> *inputPorts;
@property (nonatomic, readonly, nullable) AVCaptureOutput *output;
@property (nonatomic, getter=isEnabled) BOOL enabled;
@property (nonatomic, readonly, getter=isActive) BOOL active;
@property (nonatomic, readonly, getter=isVideoOrientationSupported) BOOL supportsVideoOrientation;
@property (nonatomic) AVCaptureVideoOrientation videoOrientation;
@property (nonatomic, readonly, getter=isVideoMirroringSupported) BOOL supportsVideoMirroring;
@property (nonatomic, getter=isVideoMirrored) BOOL videoMirrored;
@property (nonatomic) BOOL automaticallyAdjustsVideoMirroring;
@property (nonatomic) CMTime videoMinFrameDuration API_AVAILABLE(macos(10.7), ios(5.0));
@end

@protocol AVCaptureVideoDataOutputSampleBufferDelegate <NSObject>
@optional
- (void)captureOutput:(AVCaptureOutput *)output didOutputSampleBuffer:(CMSampleBufferRef)sampleBuffer
       fromConnection:(AVCaptureConnection *)connection;
- (void)captureOutput:(AVCaptureOutput *)output didDropSampleBuffer:(CMSampleBufferRef)sampleBuffer
       fromConnection:(AVCaptureConnection *)connection API_AVAILABLE(macos(10.7), ios(6.0));
@end

@protocol AVCaptureAudioDataOutputSampleBufferDelegate <NSObject>
@optional
- (void)captureOutput:(AVCaptureOutput *)output didOutputSampleBuffer:(CMSampleBufferRef)sampleBuffer
       fromConnection:(AVCaptureConnection *)connection;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureVideoDataOutput : AVCaptureOutput
- (void)setSampleBufferDelegate:(nullable id<AVCaptureVideoDataOutputSampleBufferDelegate>)sampleBufferDelegate
                          queue:(nullable dispatch_queue_t)sampleBufferCallbackQueue;
@property (nonatomic, readonly, nullable) id<AVCaptureVideoDataOutputSampleBufferDelegate> sampleBufferDelegate;
@property (nonatomic, copy, null_resettable) NSDictionary<NSString *, id> *videoSettings;
@property (nonatomic, readonly) NSArray<NSNumber *> *availableVideoCVPixelFormatTypes API_AVAILABLE(macos(10.7), ios(5.0));
@property (nonatomic) BOOL alwaysDiscardsLateVideoFrames;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureAudioDataOutput : AVCaptureOutput
- (void)setSampleBufferDelegate:(nullable id<AVCaptureAudioDataOutputSampleBufferDelegate>)sampleBufferDelegate
                          queue:(nullable dispatch_queue_t)sampleBufferCallbackQueue;
@property (nonatomic, readonly, nullable) id<AVCaptureAudioDataOutputSampleBufferDelegate> sampleBufferDelegate;
@end

API_DEPRECATED("use AVCapturePhotoOutput", macos(10.7, 10.15), ios(4.0, 10.0))
@interface AVCaptureStillImageOutput : AVCaptureOutput
@property (nonatomic, copy) NSDictionary<NSString *, id> *outputSettings;
@property (readonly) BOOL capturingStillImage;
- (void)captureStillImageAsynchronouslyFromConnection:(AVCaptureConnection *)connection
                                    completionHandler:(void (^)(CMSampleBufferRef _Nullable imageDataSampleBuffer,
                                                                NSError *_Nullable error))handler;
+ (nullable NSData *)jpegStillImageNSDataRepresentation:(CMSampleBufferRef)jpegSampleBuffer;
@end

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureSession : NSObject
- (BOOL)canSetSessionPreset:(AVCaptureSessionPreset)preset;
@property (nonatomic, copy) AVCaptureSessionPreset sessionPreset;
@property (nonatomic, readonly) NSArray<__kindof AVCaptureInput *> *inputs;
- (BOOL)canAddInput:(AVCaptureInput *)input;
- (void)addInput:(AVCaptureInput *)input;
- (void)removeInput:(AVCaptureInput *)input;
@property (nonatomic, readonly) NSArray<__kindof AVCaptureOutput *> *outputs;
- (BOOL)canAddOutput:(AVCaptureOutput *)output;
- (void)addOutput:(AVCaptureOutput *)output;
- (void)removeOutput:(AVCaptureOutput *)output;
- (void)beginConfiguration;
- (void)commitConfiguration;
@property (nonatomic, readonly, getter=isRunning) BOOL running;
@property (nonatomic, readonly, getter=isInterrupted) BOOL interrupted API_AVAILABLE(ios(4.0)) API_UNAVAILABLE(macos);
- (void)startRunning;
- (void)stopRunning;
@end

FOUNDATION_EXTERN NSString *const AVCaptureSessionRuntimeErrorNotification API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVCaptureSessionDidStartRunningNotification API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVCaptureSessionDidStopRunningNotification API_AVAILABLE(macos(10.7), ios(4.0));
FOUNDATION_EXTERN NSString *const AVCaptureSessionErrorKey API_AVAILABLE(macos(10.7), ios(4.0));

API_AVAILABLE(macos(10.7), ios(4.0))
@interface AVCaptureVideoPreviewLayer : CALayer
+ (instancetype)layerWithSession:(AVCaptureSession *)session;
- (instancetype)initWithSession:(AVCaptureSession *)session;
@property (nonatomic, retain, nullable) AVCaptureSession *session;
@property (nonatomic, readonly, nullable) AVCaptureConnection *connection API_AVAILABLE(macos(10.7), ios(6.0));
@property (copy) NSString *videoGravity;
- (CGPoint)captureDevicePointOfInterestForPoint:(CGPoint)pointInLayer API_AVAILABLE(macos(10.15), ios(6.0));
@end

NS_ASSUME_NONNULL_END
