/* Contacts.h: the user's contacts; here the contact store and the permission to read it. */
#import <Contacts/CNContactStore.h>
