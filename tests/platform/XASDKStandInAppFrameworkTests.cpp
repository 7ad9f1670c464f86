// Checks the application frameworks of the SDK stand-in that apps and libraries of both platforms use beside their
// user interface: calendars (EventKit), Core Animation's constants, audio and video (AVFoundation, Core Media, Core
// Video), OpenGL, the I/O Kit's notifications, JavaScriptCore's C API with Core Foundation strings, and Scripting
// Bridge. Each case is a snippet written as real projects write it; it must parse without errors or warnings, the
// SDK's own headers included.

#include "platform/XASDKStandInParsing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace XASDKStandIn;

namespace {

struct FrameworkCase {
    const char *name;
    ParseSettings settings;
    std::string code;
};

std::ostream &operator<<(std::ostream &stream, const FrameworkCase &frameworkCase) {
    return stream << frameworkCase.name;
}

ParseSettings onMac(bool modules = false) {
    return {"MacOSX", "x86_64-apple-macosx10.13", "objective-c", true, modules, {}};
}

ParseSettings onIOS(bool modules = false) {
    return {"iPhoneOS", "arm64-apple-ios12.0", "objective-c", true, modules, {}};
}

const std::vector<FrameworkCase> &frameworkCases() {
    static const std::vector<FrameworkCase> cases = {
        {"CalendarEventsOfAMenuBarCalendar", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <EventKit/EventKit.h>

@interface TDAgenda : NSObject
@property (nonatomic, strong) EKEventStore *store;
@end

@implementation TDAgenda
- (NSArray<EKEvent *> *)eventsFrom:(NSDate *)start to:(NSDate *)end {
    NSMutableArray<EKCalendar *> *calendars = [NSMutableArray array];
    for (EKCalendar *calendar in [self.store calendarsForEntityType:EKEntityTypeEvent]) {
        if (calendar.allowsContentModifications && calendar.type != EKCalendarTypeBirthday) {
            [calendars addObject:calendar];
        }
        NSColor *color = calendar.color;
        NSLog(@"%@ %@ %@ %ld", calendar.title, calendar.source.title, color, (long)calendar.source.sourceType);
    }
    NSPredicate *predicate = [self.store predicateForEventsWithStartDate:start endDate:end calendars:calendars];
    NSArray<EKEvent *> *events = [[self.store eventsMatchingPredicate:predicate]
        sortedArrayUsingSelector:@selector(compareStartDateWithEvent:)];
    for (EKEvent *event in events) {
        NSTimeInterval length = [event.endDate timeIntervalSinceDate:event.startDate];
        NSLog(@"%@ %@ %f %d %@", event.title, event.location, length, event.isAllDay, event.URL);
        for (EKParticipant *attendee in event.attendees) {
            NSLog(@"%@ %ld", attendee.name, (long)attendee.participantStatus);
        }
    }
    return events;
}

- (void)remove:(EKEvent *)event {
    NSError *error = nil;
    if (![self.store removeEvent:event span:EKSpanFutureEvents commit:YES error:&error]) {
        NSLog(@"%@", error);
    }
}

- (void)requestAccess {
    if ([EKEventStore authorizationStatusForEntityType:EKEntityTypeEvent] == EKAuthorizationStatusNotDetermined) {
        EKEventStoreRequestAccessCompletionHandler done = ^(BOOL granted, NSError *error) {
            [self.store reset];
            [self.store refreshSourcesIfNecessary];
        };
        if (@available(macOS 14.0, *)) {
            [self.store requestFullAccessToEventsWithCompletion:done];
        } else {
            [self.store requestAccessToEntityType:EKEntityTypeEvent completion:done];
        }
    }
    [[NSNotificationCenter defaultCenter] addObserver:self selector:@selector(changed:)
                                                 name:EKEventStoreChangedNotification object:self.store];
}

- (void)changed:(NSNotification *)notification {}
@end
)"},
        {"RemindersWithAlarmsAndRecurrence", onIOS(true), R"(
@import EventKit;

EKReminder *TDReminder(EKEventStore *store, NSString *title) {
    EKReminder *reminder = [EKReminder reminderWithEventStore:store];
    reminder.title = title;
    reminder.calendar = store.defaultCalendarForNewReminders;
    reminder.dueDateComponents = [[NSDateComponents alloc] init];
    reminder.priority = 1;
    [reminder addAlarm:[EKAlarm alarmWithRelativeOffset:-600]];
    EKRecurrenceEnd *end = [EKRecurrenceEnd recurrenceEndWithOccurrenceCount:3];
    [reminder addRecurrenceRule:[[EKRecurrenceRule alloc] initRecurrenceWithFrequency:EKRecurrenceFrequencyWeekly
                                                                             interval:1 end:end]];
    NSError *error = nil;
    [store saveReminder:reminder commit:YES error:&error];
    [store fetchRemindersMatchingPredicate:[store predicateForRemindersInCalendars:nil]
                                completion:^(NSArray<EKReminder *> *reminders) {
        NSLog(@"%lu %d", (unsigned long)reminders.count, reminder.isCompleted);
    }];
    CGColorRef color = reminder.calendar.CGColor;
    NSLog(@"%p", color);
    return reminder;
}
)"},
        {"ShapeLayersAndContentsFilters", onIOS(), R"(
#import <UIKit/UIKit.h>
#import <QuartzCore/QuartzCore.h>

CAShapeLayer *TDRing(CGRect frame) {
    CAShapeLayer *ring = [CAShapeLayer layer];
    ring.frame = frame;
    ring.lineJoin = kCALineJoinBevel;
    ring.lineCap = kCALineCapSquare;
    ring.contentsGravity = kCAGravityTopLeft;
    ring.magnificationFilter = kCAFilterNearest;
    ring.minificationFilter = kCAFilterTrilinear;
    ring.edgeAntialiasingMask = kCALayerLeftEdge | kCALayerRightEdge;
    ring.allowsEdgeAntialiasing = YES;
    if ([ring.lineJoin isEqualToString:kCALineJoinMiter]) {
        ring.contentsFormat = kCAContentsFormatRGBA8Uint;
    }
    return ring;
}
)"},
        {"CameraFramesWrittenToAMovie", onIOS(), R"(
#import <UIKit/UIKit.h>
#import <AVFoundation/AVFoundation.h>

@interface TDRecorder : NSObject <AVCaptureVideoDataOutputSampleBufferDelegate, AVCaptureAudioDataOutputSampleBufferDelegate>
@property (nonatomic, strong) AVCaptureSession *session;
@property (nonatomic, strong) AVAssetWriter *writer;
@property (nonatomic, strong) AVAssetWriterInputPixelBufferAdaptor *adaptor;
@property (nonatomic) CMTime start;
@end

@implementation TDRecorder
- (BOOL)startWithPosition:(AVCaptureDevicePosition)position URL:(NSURL *)url error:(NSError **)error {
    self.session = [[AVCaptureSession alloc] init];
    [self.session beginConfiguration];
    if ([self.session canSetSessionPreset:AVCaptureSessionPreset640x480]) {
        self.session.sessionPreset = AVCaptureSessionPreset640x480;
    }
    AVCaptureDevice *camera = [AVCaptureDevice defaultDeviceWithMediaType:AVMediaTypeVideo];
    if (camera.position != position || ![camera lockForConfiguration:error]) {
        return NO;
    }
    camera.focusMode = AVCaptureFocusModeContinuousAutoFocus;
    [camera unlockForConfiguration];
    AVCaptureDeviceInput *input = [AVCaptureDeviceInput deviceInputWithDevice:camera error:error];
    if (input && [self.session canAddInput:input]) {
        [self.session addInput:input];
    }
    AVCaptureVideoDataOutput *output = [[AVCaptureVideoDataOutput alloc] init];
    output.videoSettings = @{(id)kCVPixelBufferPixelFormatTypeKey : @(kCVPixelFormatType_32BGRA)};
    output.alwaysDiscardsLateVideoFrames = YES;
    [output setSampleBufferDelegate:self queue:dispatch_get_main_queue()];
    [self.session addOutput:output];
    AVCaptureConnection *connection = [output connectionWithMediaType:AVMediaTypeVideo];
    connection.videoOrientation = AVCaptureVideoOrientationLandscapeRight;
    [self.session commitConfiguration];

    self.writer = [AVAssetWriter assetWriterWithURL:url fileType:AVFileTypeQuickTimeMovie error:error];
    NSDictionary *settings = @{AVVideoCodecKey : AVVideoCodecTypeH264, AVVideoWidthKey : @640,
                               AVVideoHeightKey : @480,
                               AVVideoCompressionPropertiesKey : @{AVVideoAverageBitRateKey : @(1000000)}};
    AVAssetWriterInput *videoInput = [AVAssetWriterInput assetWriterInputWithMediaType:AVMediaTypeVideo
                                                                        outputSettings:settings];
    videoInput.expectsMediaDataInRealTime = YES;
    self.adaptor = [AVAssetWriterInputPixelBufferAdaptor assetWriterInputPixelBufferAdaptorWithAssetWriterInput:videoInput
                                                                                    sourcePixelBufferAttributes:nil];
    [self.writer addInput:videoInput];
    self.start = kCMTimeInvalid;
    [self.session startRunning];
    return [self.writer startWriting];
}

- (void)captureOutput:(AVCaptureOutput *)output didOutputSampleBuffer:(CMSampleBufferRef)sampleBuffer
       fromConnection:(AVCaptureConnection *)connection {
    CMTime time = CMSampleBufferGetPresentationTimeStamp(sampleBuffer);
    if (CMTIME_IS_INVALID(self.start)) {
        self.start = time;
        [self.writer startSessionAtSourceTime:time];
    }
    CMTime elapsed = CMTimeSubtract(time, self.start);
    CVImageBufferRef frame = CMSampleBufferGetImageBuffer(sampleBuffer);
    CVPixelBufferLockBaseAddress(frame, kCVPixelBufferLock_ReadOnly);
    CVPixelBufferRef copy = NULL;
    CVPixelBufferPoolCreatePixelBuffer(NULL, self.adaptor.pixelBufferPool, &copy);
    if (self.writer.status == AVAssetWriterStatusWriting && self.adaptor.assetWriterInput.readyForMoreMediaData) {
        [self.adaptor appendPixelBuffer:copy withPresentationTime:time];
    }
    CVPixelBufferUnlockBaseAddress(frame, kCVPixelBufferLock_ReadOnly);
    CVPixelBufferRelease(copy);
    CMVideoDimensions size = CMVideoFormatDescriptionGetDimensions(CMSampleBufferGetFormatDescription(sampleBuffer));
    CFStringRef text = CMTimeCopyDescription(kCFAllocatorDefault, elapsed);
    NSLog(@"%@ %f %d", (__bridge_transfer NSString *)text, CMTimeGetSeconds(elapsed), size.width);
}

- (void)finish {
    [self.writer finishWritingWithCompletionHandler:^{
        [self.session stopRunning];
    }];
}
@end
)"},
        {"MovieFramesReadAndPlayed", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <AVFoundation/AVFoundation.h>

@interface TDMovie : NSObject <AVPlayerItemOutputPullDelegate>
@property (nonatomic, strong) AVPlayer *player;
@property (nonatomic, strong) AVPlayerItemVideoOutput *output;
@end

@implementation TDMovie
- (void)open:(NSURL *)url inLayer:(CALayer *)host {
    AVURLAsset *asset = [AVURLAsset URLAssetWithURL:url
                                            options:@{AVURLAssetPreferPreciseDurationAndTimingKey : @YES}];
    [asset loadValuesAsynchronouslyForKeys:@[ @"tracks" ] completionHandler:^{
        NSError *error = nil;
        if ([asset statusOfValueForKey:@"tracks" error:&error] != AVKeyValueStatusLoaded) {
            return;
        }
        AVAssetTrack *track = [asset tracksWithMediaType:AVMediaTypeVideo].firstObject;
        AVAssetReader *reader = [AVAssetReader assetReaderWithAsset:asset error:&error];
        AVAssetReaderTrackOutput *frames = [AVAssetReaderTrackOutput assetReaderTrackOutputWithTrack:track
            outputSettings:@{(id)kCVPixelBufferPixelFormatTypeKey : @(kCVPixelFormatType_32BGRA)}];
        [reader addOutput:frames];
        [reader startReading];
        while (reader.status == AVAssetReaderStatusReading) {
            CMSampleBufferRef sample = [frames copyNextSampleBuffer];
            if (!sample) {
                break;
            }
            CMSampleBufferInvalidate(sample);
            CFRelease(sample);
        }
        NSLog(@"%f %@", track.nominalFrameRate, NSStringFromRect(AVMakeRectWithAspectRatioInsideRect(
                                                        track.naturalSize, host.bounds)));
    }];
    AVPlayerItem *item = [AVPlayerItem playerItemWithAsset:asset];
    self.output = [[AVPlayerItemVideoOutput alloc] initWithPixelBufferAttributes:nil];
    [self.output setDelegate:self queue:dispatch_get_main_queue()];
    [item addOutput:self.output];
    self.player = [AVPlayer playerWithPlayerItem:item];
    AVPlayerLayer *layer = [AVPlayerLayer playerLayerWithPlayer:self.player];
    layer.videoGravity = AVLayerVideoGravityResizeAspect;
    [host addSublayer:layer];
    AVPlayerItemVideoOutput *output = self.output;
    [self.player addPeriodicTimeObserverForInterval:CMTimeMake(1, 30) queue:NULL usingBlock:^(CMTime time) {
        if ([output hasNewPixelBufferForItemTime:time]) {
            CVPixelBufferRef frame = [output copyPixelBufferForItemTime:time itemTimeForDisplay:NULL];
            CVPixelBufferRelease(frame);
        }
    }];
    [self.player play];
}

- (void)outputMediaDataWillChange:(AVPlayerItemOutput *)sender {}
@end
)"},
        {"ScriptedCalendarApplication", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <ScriptingBridge/ScriptingBridge.h>

@interface TDCalendarApplication : SBApplication
- (SBElementArray *)calendars;
@end

void TDShowDate(NSDate *date) {
    TDCalendarApplication *calendar = [SBApplication applicationWithBundleIdentifier:@"com.apple.iCal"];
    if (!calendar.isRunning) {
        calendar.timeout = 30;
    }
    [calendar activate];
    NSArray *names = [[calendar calendars] arrayByApplyingSelector:@selector(description)];
    NSLog(@"%@ %@ %@", names, [calendar.calendars objectWithName:@"Home"], date);
}
)"},
        {"ScriptsRunThroughTheJavaScriptCoreCAPI", onMac(), R"(
#import <Foundation/Foundation.h>
#import <JavaScriptCore/JavaScriptCore.h>

static JSValueRef TDLog(JSContextRef context, JSObjectRef function, JSObjectRef thisObject, size_t count,
                        const JSValueRef arguments[], JSValueRef *exception) {
    return JSValueMakeUndefined(context);
}

NSString *TDRun(NSString *source) {
    JSGlobalContextRef context = JSGlobalContextCreate(NULL);
    JSStringRef name = JSStringCreateWithUTF8CString("log");
    JSObjectRef log = JSObjectMakeFunctionWithCallback(context, name, TDLog);
    JSObjectSetProperty(context, JSContextGetGlobalObject(context), name, log, kJSPropertyAttributeReadOnly, NULL);
    JSStringRelease(name);
    JSStringRef script = JSStringCreateWithCFString((__bridge CFStringRef)source);
    JSValueRef exception = NULL;
    JSValueRef result = JSEvaluateScript(context, script, NULL, NULL, 1, &exception);
    JSStringRelease(script);
    NSString *text = nil;
    if (JSValueGetType(context, result) == kJSTypeObject) {
        JSStringRef json = JSValueCreateJSONString(context, result, 2, &exception);
        text = (__bridge_transfer NSString *)JSStringCopyCFString(kCFAllocatorDefault, json);
        JSStringRelease(json);
    }
    JSGlobalContextRelease(context);
    return text;
}
)"},
        {"SleepAndWakeNotificationsOfTheIOKit", onMac(), R"(
#import <Foundation/Foundation.h>
#include <IOKit/pwr_mgt/IOPMLib.h>
#include <IOKit/IOMessage.h>

static io_connect_t TDRootPort;

static void TDPowerChanged(void *context, io_service_t service, natural_t messageType, void *argument) {
    switch (messageType) {
    case kIOMessageCanSystemSleep:
    case kIOMessageSystemWillSleep:
        IOAllowPowerChange(TDRootPort, (long)argument);
        break;
    case kIOMessageSystemHasPoweredOn:
        NSLog(@"awake");
        break;
    default:
        break;
    }
}

void TDWatchPower(void) {
    IONotificationPortRef port = NULL;
    io_object_t notifier = IO_OBJECT_NULL;
    TDRootPort = IORegisterForSystemPower(NULL, &port, TDPowerChanged, &notifier);
    CFRunLoopAddSource(CFRunLoopGetCurrent(), IONotificationPortGetRunLoopSource(port), kCFRunLoopCommonModes);
}
)"},
        {"MapWithPinsAndARoute", onIOS(), R"(
#import <UIKit/UIKit.h>
#import <MapKit/MapKit.h>

@interface TDMapController : UIViewController <MKMapViewDelegate>
@property (nonatomic, strong) MKMapView *mapView;
@end

@implementation TDMapController
- (void)showRoute:(const CLLocationCoordinate2D *)points count:(NSUInteger)count {
    self.mapView.mapType = MKMapTypeStandard;
    self.mapView.showsUserLocation = YES;
    [self.mapView setUserTrackingMode:MKUserTrackingModeFollow animated:YES];
    MKPolyline *route = [MKPolyline polylineWithCoordinates:points count:count];
    [self.mapView addOverlay:route level:MKOverlayLevelAboveRoads];
    MKMapRect visible = MKMapRectNull;
    for (NSUInteger index = 0; index < count; index++) {
        MKMapPoint point = MKMapPointForCoordinate(points[index]);
        visible = MKMapRectUnion(visible, MKMapRectMake(point.x, point.y, 0.1, 0.1));
    }
    if (!MKMapRectIsNull(visible)) {
        [self.mapView setVisibleMapRect:visible edgePadding:UIEdgeInsetsMake(20, 20, 20, 20) animated:YES];
    }
    MKCoordinateRegion region = MKCoordinateRegionMakeWithDistance(points[0], 500, 500);
    [self.mapView setRegion:[self.mapView regionThatFits:region] animated:NO];
    MKPointAnnotation *start = [[MKPointAnnotation alloc] init];
    start.coordinate = points[0];
    [self.mapView addAnnotation:start];
    [self.mapView showAnnotations:self.mapView.annotations animated:YES];
}

- (MKAnnotationView *)mapView:(MKMapView *)mapView viewForAnnotation:(id<MKAnnotation>)annotation {
    if ([annotation isKindOfClass:[MKUserLocation class]]) {
        return nil;
    }
    MKPinAnnotationView *pin = (MKPinAnnotationView *)[mapView dequeueReusableAnnotationViewWithIdentifier:@"pin"];
    if (!pin) {
        pin = [[MKPinAnnotationView alloc] initWithAnnotation:annotation reuseIdentifier:@"pin"];
    }
    pin.pinTintColor = [MKPinAnnotationView greenPinColor];
    pin.animatesDrop = YES;
    pin.canShowCallout = YES;
    return pin;
}

- (MKOverlayRenderer *)mapView:(MKMapView *)mapView rendererForOverlay:(id<MKOverlay>)overlay {
    MKPolylineRenderer *renderer = [[MKPolylineRenderer alloc] initWithPolyline:(MKPolyline *)overlay];
    renderer.strokeColor = UIColor.blueColor;
    renderer.lineWidth = 3;
    renderer.lineJoin = kCGLineJoinRound;
    return renderer;
}

- (void)mapView:(MKMapView *)mapView regionDidChangeAnimated:(BOOL)animated {
    MKCoordinateSpan span = mapView.region.span;
    NSLog(@"%f %f", span.latitudeDelta, MKMapRectGetMidX(mapView.visibleMapRect));
}
@end
)"},
        {"AudioSessionThumbnailsAndReplicatedDots", onIOS(), R"(
#import <UIKit/UIKit.h>
#import <AVFoundation/AVFoundation.h>

UIImage *TDThumbnail(NSURL *movie, CALayer *host) {
    NSError *error = nil;
    AVAudioSession *session = [AVAudioSession sharedInstance];
    [session setCategory:AVAudioSessionCategoryPlayback
             withOptions:AVAudioSessionCategoryOptionMixWithOthers | AVAudioSessionCategoryOptionDuckOthers
                   error:&error];
    [session setActive:YES withOptions:AVAudioSessionSetActiveOptionNotifyOthersOnDeactivation error:&error];
    AVAudioPlayer *player = [[AVAudioPlayer alloc] initWithContentsOfURL:movie error:&error];
    player.numberOfLoops = -1;
    [player prepareToPlay];

    CAReplicatorLayer *dots = [CAReplicatorLayer layer];
    dots.instanceCount = 3;
    dots.instanceDelay = 0.2;
    dots.instanceTransform = CATransform3DMakeTranslation(12, 0, 0);
    [host addSublayer:dots];

    AVAssetImageGenerator *generator = [AVAssetImageGenerator assetImageGeneratorWithAsset:[AVAsset assetWithURL:movie]];
    generator.appliesPreferredTrackTransform = YES;
    generator.maximumSize = CGSizeMake(160, 90);
    CGImageRef image = [generator copyCGImageAtTime:CMTimeMakeWithSeconds(1.0, 600) actualTime:NULL error:&error];
    UIImage *thumbnail = image ? [UIImage imageWithCGImage:image] : nil;
    CGImageRelease(image);
    NSValue *time = [NSValue valueWithCMTime:kCMTimeZero];
    NSLog(@"%@ %@", time, error);
    return thumbnail;
}
)"},
    };
    return cases;
}

class SDKStandInAppFrameworkTest : public ::testing::TestWithParam<FrameworkCase> {};

TEST_P(SDKStandInAppFrameworkTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }

std::string frameworkCaseName(const ::testing::TestParamInfo<FrameworkCase> &info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Frameworks, SDKStandInAppFrameworkTest, ::testing::ValuesIn(frameworkCases()),
                         frameworkCaseName);

} // namespace
