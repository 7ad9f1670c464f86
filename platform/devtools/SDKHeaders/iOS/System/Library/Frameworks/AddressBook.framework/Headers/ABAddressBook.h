/* ABAddressBook.h: opening the address book and asking for access to it. */
#import <CoreFoundation/CoreFoundation.h>
#import <Availability.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

#if defined(__cplusplus)
#define AB_EXTERN extern "C"
#else
#define AB_EXTERN extern
#endif

typedef CFTypeRef ABAddressBookRef;
typedef CFTypeRef ABRecordRef;
typedef int32_t ABRecordID;

typedef CF_ENUM(CFIndex, ABAuthorizationStatus) {
    kABAuthorizationStatusNotDetermined = 0,
    kABAuthorizationStatusRestricted,
    kABAuthorizationStatusDenied,
    kABAuthorizationStatusAuthorized
} API_DEPRECATED("use CNAuthorizationStatus", ios(6.0, 9.0));

typedef void (^ABAddressBookRequestAccessCompletionHandler)(bool granted, CFErrorRef _Nullable error)
    API_DEPRECATED("use CNContactStore", ios(6.0, 9.0));

AB_EXTERN ABAuthorizationStatus ABAddressBookGetAuthorizationStatus(void)
    API_DEPRECATED("use +[CNContactStore authorizationStatusForEntityType:]", ios(6.0, 9.0));
AB_EXTERN ABAddressBookRef _Nullable ABAddressBookCreateWithOptions(CFDictionaryRef _Nullable options,
                                                                    CFErrorRef *_Nullable error)
    API_DEPRECATED("use CNContactStore", ios(6.0, 9.0));
AB_EXTERN void ABAddressBookRequestAccessWithCompletion(ABAddressBookRef _Nullable addressBook,
                                                        ABAddressBookRequestAccessCompletionHandler completion)
    API_DEPRECATED("use -[CNContactStore requestAccessForEntityType:completionHandler:]", ios(6.0, 9.0));
AB_EXTERN CFIndex ABAddressBookGetPersonCount(ABAddressBookRef addressBook)
    API_DEPRECATED("use CNContactStore", ios(2.0, 9.0));
AB_EXTERN bool ABAddressBookSave(ABAddressBookRef addressBook, CFErrorRef *_Nullable error)
    API_DEPRECATED("use -[CNContactStore executeSaveRequest:error:]", ios(2.0, 9.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED
