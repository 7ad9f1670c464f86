| fixture: usage-descriptions-localized
// The app's Info.plist has no usage descriptions; its InfoPlist.strings files have them: English describes location
// and camera use, German has a blank location description, and the French file cannot be read.
#import <Foundation/Foundation.h>

//--- only the localised file that lacks the description is reported
#import <CoreLocation/CoreLocation.h>
void ask(CLLocationManager *manager) { [manager requestWhenInUseAuthorization]; }
// expect-file: App/de.lproj/InfoPlist.strings id=NSLocationWhenInUseUsageDescription
// expect-info: -[CLLocationManager requestWhenInUseAuthorization]
// expect-error: Cannot read strings file

//--- nothing is reported when every readable file has the description
#import <UIKit/UIKit.h>
UIImagePickerControllerSourceType source(void) { return UIImagePickerControllerSourceTypeCamera; }
// expect-error: Cannot read strings file

//--- C functions and view controllers of the address book are listed together
#import <AddressBook/AddressBook.h>
#import <AddressBookUI/AddressBookUI.h>
void open(void) { ABAddressBookCreateWithOptions(NULL, NULL); }
id pick(void) { return [[ABPeoplePickerNavigationController alloc] init]; }
id create(void) { return [[ABNewPersonViewController alloc] init]; }
// expect-file: App/en.lproj/InfoPlist.strings id=NSContactsUsageDescription
// expect-info: ABAddressBookCreateWithOptions
// expect-info: ABNewPersonViewControllerABPeoplePickerNavigationController
// expect-file: App/de.lproj/InfoPlist.strings id=NSContactsUsageDescription
// expect-error: Cannot read strings file

//--- an OS X target is checked against its own rows only
| project: {"platform": "macosx"}
#import <AddressBook/AddressBook.h>
#import <AddressBook/AddressBookUI.h>
#import <CoreLocation/CoreLocation.h>
void use(ABPersonView *view, ABPeoplePickerView *picker, CLLocationManager *manager) {
    [[ABAddressBook sharedAddressBook] people];
    [view setEditing:YES];
    [picker selectRecord:nil byExtendingSelection:NO];
    [manager requestAlwaysAuthorization];
}
// expect-file: App/en.lproj/InfoPlist.strings id=NSContactsUsageDescription
// expect-info: ABAddressBook
// expect-info: ABPeoplePickerView
// expect-file: App/de.lproj/InfoPlist.strings id=NSContactsUsageDescription
// expect-error: Cannot read strings file
