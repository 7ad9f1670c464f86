/* AddressBookUI.h: the views that show and pick contacts on OS X. */
#import <AddressBook/ABPeoplePickerView.h>
#import <AddressBook/ABPersonView.h>
