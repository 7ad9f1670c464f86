/* AddressBook.h: the user's contacts database on OS X (superseded by Contacts). */
#import <Foundation/Foundation.h>
#import <AddressBook/ABAddressBook.h>
