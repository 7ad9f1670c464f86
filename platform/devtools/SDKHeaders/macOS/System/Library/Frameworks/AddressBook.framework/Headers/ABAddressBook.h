/* ABAddressBook.h: the shared address book, its records and the people in it. */
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN

API_DEPRECATED("use the Contacts framework", macos(10.2, 10.11))
@interface ABRecord : NSObject
- (nullable id)valueForProperty:(NSString *)property;
@property (readonly, copy) NSString *uniqueId;
@end

API_DEPRECATED("use CNContact", macos(10.2, 10.11))
@interface ABPerson : ABRecord
@end

API_DEPRECATED("use CNContactStore", macos(10.2, 10.11))
@interface ABAddressBook : NSObject
+ (nullable ABAddressBook *)sharedAddressBook;
+ (nullable ABAddressBook *)addressBook API_AVAILABLE(macos(10.5));
- (NSArray<ABPerson *> *)people;
- (nullable ABPerson *)me;
- (BOOL)save;
@end

NS_ASSUME_NONNULL_END
