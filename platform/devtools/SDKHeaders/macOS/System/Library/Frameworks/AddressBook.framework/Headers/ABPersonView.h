/* ABPersonView.h: a view that shows one person of the address book. */
#import <AppKit/AppKit.h>
#import <AddressBook/ABAddressBook.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.7))
@interface ABPersonView : NSView
@property (readwrite, retain, nullable) ABPerson *person;
@property (readwrite) BOOL editing;
@property (readwrite) CGFloat fontSize;
@end

NS_ASSUME_NONNULL_END
