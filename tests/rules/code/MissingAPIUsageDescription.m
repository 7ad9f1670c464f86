| fixture: usage-descriptions
// The app's Info.plist describes the use of contacts, has a blank camera description and a number for the
// microphone, and no location descriptions. The project does not reference it: findings name the build's path.
#import <Foundation/Foundation.h>

//--- asking for location access while in use needs its description
#import <CoreLocation/CoreLocation.h>
void ask(CLLocationManager *manager) { [manager requestWhenInUseAuthorization]; }
// expect-file: App/Info.plist id=NSLocationWhenInUseUsageDescription
// expect-info: The NSLocationWhenInUseUsageDescription Info.plist key is strongly recommended but missing.
// expect-info: -[CLLocationManager requestWhenInUseAuthorization]

//--- asking for location access always needs the other description
#import <CoreLocation/CoreLocation.h>
void ask(CLLocationManager *manager) { [manager requestAlwaysAuthorization]; }
// expect-file: App/Info.plist id=NSLocationAlwaysUsageDescription

//--- any message to a location manager needs the general location description below 8.0
| project: {"deploymentTarget": "7.0"}
#import <CoreLocation/CoreLocation.h>
void start(CLLocationManager *manager) { [manager startUpdatingLocation]; }
// expect-file: App/Info.plist id=NSLocationUsageDescription
// expect-info: CLLocationManager

//--- from 8.0 on, updating the location needs no description of its own
#import <CoreLocation/CoreLocation.h>
void start(CLLocationManager *manager) { [manager startUpdatingLocation]; }

//--- a blank description counts as missing
#import <UIKit/UIKit.h>
UIImagePickerControllerSourceType source(void) { return UIImagePickerControllerSourceTypeCamera; }
// expect-file: App/Info.plist id=NSCameraUsageDescription
// expect-info: UIImagePickerControllerSourceTypeCamera

//--- a description that is no string counts as missing
#import <AVFoundation/AVFoundation.h>
void record(void) { [[AVAudioSession sharedInstance] requestRecordPermission:^(BOOL granted) {}]; }
// expect-file: App/Info.plist id=NSMicrophoneUsageDescription
// expect-info: -[AVAudioSession requestRecordPermission:]

//--- a described use is not reported
#import <Contacts/Contacts.h>
void ask(CNContactStore *store) {
    [store requestAccessForEntityType:CNEntityTypeContacts completionHandler:^(BOOL granted, NSError *error) {}];
}

//--- a symbol used twice is listed once, and two symbols of one key share one finding
#import <EventKit/EventKit.h>
EKEntityType first(void) { return EKEntityTypeEvent; }
EKEntityType again(void) { return EKEntityTypeEvent; }
EKEntityMask mask(void) { return EKEntityMaskEvent; }
EKEntityType reminders(void) { return EKEntityTypeReminder; }
// expect-file: App/Info.plist id=NSCalendarsUsageDescription
// expect-info: the following code symbols:EKEntityMaskEventEKEntityTypeEvent
// expect-file: App/Info.plist id=NSRemindersUsageDescription

//--- the photo library is reached through several APIs
#import <UIKit/UIKit.h>
#import <AssetsLibrary/AssetsLibrary.h>
#import <Photos/Photos.h>
UIImagePickerControllerSourceType source(void) { return UIImagePickerControllerSourceTypeSavedPhotosAlbum; }
void ask(void) {
    [PHPhotoLibrary requestAuthorization:^(PHAuthorizationStatus status) {}];
    [[ALAssetsLibrary alloc] init];
}
// expect-file: App/Info.plist id=NSPhotoLibraryUsageDescription
// expect-info: ALAssetsLibrary
// expect-info: +[PHPhotoLibrary requestAuthorization:]
// expect-info: UIImagePickerControllerSourceTypeSavedPhotosAlbum

//--- media, speech and Bluetooth peripherals need their descriptions
#import <MediaPlayer/MediaPlayer.h>
#import <Speech/Speech.h>
#import <CoreBluetooth/CoreBluetooth.h>
void ask(void) {
    [MPMediaLibrary requestAuthorization:^(MPMediaLibraryAuthorizationStatus status) {}];
    [SFSpeechRecognizer requestAuthorization:^(SFSpeechRecognizerAuthorizationStatus status) {}];
    [[CBPeripheralManager alloc] initWithDelegate:nil queue:nil];
}
// expect-file: App/Info.plist id=NSAppleMusicUsageDescription
// expect-file: App/Info.plist id=NSSpeechRecognitionUsageDescription
// expect-file: App/Info.plist id=NSBluetoothPeripheralUsageDescription

//--- an instance method of the same name on another class is not the API
@interface Recorder : NSObject
- (void)requestRecordPermission:(void (^)(BOOL granted))response;
- (void)requestWhenInUseAuthorization;
@end
void ask(Recorder *recorder) {
    [recorder requestRecordPermission:^(BOOL granted) {}];
    [recorder requestWhenInUseAuthorization];
}

//--- importing the HomeKit module needs the HomeKit description
@import HomeKit;
void f(void);
// expect-file: App/Info.plist id=NSHomeKitUsageDescription

//--- including the HomeKit umbrella header needs it too
#import <HomeKit/HomeKit.h>
void f(void);
// expect-file: App/Info.plist id=NSHomeKitUsageDescription
// expect-info: HomeKit/HomeKit.h

//--- the Intents module and header need the Siri description
@import Intents;
#import <Intents/Intents.h>
void f(void);
// expect-file: App/Info.plist id=NSSiriUsageDescription
