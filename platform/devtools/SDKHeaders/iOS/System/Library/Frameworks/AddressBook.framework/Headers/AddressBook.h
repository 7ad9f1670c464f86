/* AddressBook.h: the C interface to the user's contacts database on iOS (superseded by Contacts). */
#import <AddressBook/ABAddressBook.h>
