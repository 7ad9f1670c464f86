/*
 * SecKeychainItem.h: the items of a keychain as the older keychain calls see them: their classes and attribute
 * tags, reading and changing their content, persistent references and access.
 */
#ifndef _SECURITY_SECKEYCHAINITEM_H_
#define _SECURITY_SECKEYCHAINITEM_H_

#include <Security/SecBase.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

#define SEC_KEYCHAIN_DEPRECATED API_DEPRECATED("use the SecItem calls", macos(10.0, 10.10))

typedef CF_ENUM(FourCharCode, SecItemClass) {
    kSecInternetPasswordItemClass = 'inet',
    kSecGenericPasswordItemClass = 'genp',
    kSecAppleSharePasswordItemClass = 'ashp',
    kSecCertificateItemClass = 0x80001000,
    kSecPublicKeyItemClass = 0x0000000F,
    kSecPrivateKeyItemClass = 0x00000010,
    kSecSymmetricKeyItemClass = 0x00000011,
};

typedef CF_ENUM(FourCharCode, SecItemAttr) {
    kSecCreationDateItemAttr = 'cdat',
    kSecModDateItemAttr = 'mdat',
    kSecDescriptionItemAttr = 'desc',
    kSecCommentItemAttr = 'icmt',
    kSecCreatorItemAttr = 'crtr',
    kSecTypeItemAttr = 'type',
    kSecScriptCodeItemAttr = 'scrp',
    kSecLabelItemAttr = 'labl',
    kSecInvisibleItemAttr = 'invi',
    kSecNegativeItemAttr = 'nega',
    kSecCustomIconItemAttr = 'cusi',
    kSecAccountItemAttr = 'acct',
    kSecServiceItemAttr = 'svce',
    kSecGenericItemAttr = 'gena',
    kSecSecurityDomainItemAttr = 'sdmn',
    kSecServerItemAttr = 'srvr',
    kSecAuthenticationTypeItemAttr = 'atyp',
    kSecPortItemAttr = 'port',
    kSecPathItemAttr = 'path',
    kSecVolumeItemAttr = 'vlme',
    kSecAddressItemAttr = 'addr',
    kSecSignatureItemAttr = 'ssig',
    kSecProtocolItemAttr = 'ptcl',
    kSecCertificateType = 'ctyp',
    kSecCertificateEncoding = 'cenc',
    kSecCrlType = 'crtp',
    kSecCrlEncoding = 'crnc',
    kSecAlias = 'alis',
};

typedef UInt8 SecAFPServerSignature[16];
typedef UInt8 SecPublicKeyHash[20];

CFTypeID SecKeychainItemGetTypeID(void) API_AVAILABLE(macos(10.0));
OSStatus SecKeychainItemModifyAttributesAndData(SecKeychainItemRef itemRef,
                                                const SecKeychainAttributeList *_Nullable attrList, UInt32 length,
                                                const void *_Nullable data) SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemCreateFromContent(SecItemClass itemClass, SecKeychainAttributeList *attrList, UInt32 length,
                                          const void *_Nullable data, SecKeychainRef _Nullable keychainRef,
                                          SecAccessRef _Nullable initialAccess,
                                          SecKeychainItemRef *_Nullable CF_RETURNS_RETAINED itemRef)
    SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemModifyContent(SecKeychainItemRef itemRef, const SecKeychainAttributeList *_Nullable attrList,
                                      UInt32 length, const void *_Nullable data) SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemCopyContent(SecKeychainItemRef itemRef, SecItemClass *_Nullable itemClass,
                                    SecKeychainAttributeList *_Nullable attrList, UInt32 *_Nullable length,
                                    void *_Nullable *_Nullable outData) SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemFreeContent(SecKeychainAttributeList *_Nullable attrList, void *_Nullable data)
    SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemCopyAttributesAndData(SecKeychainItemRef itemRef, SecKeychainAttributeInfo *_Nullable info,
                                              SecItemClass *_Nullable itemClass,
                                              SecKeychainAttributeList *_Nullable *_Nullable attrList,
                                              UInt32 *_Nullable length, void *_Nullable *_Nullable outData)
    SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemFreeAttributesAndData(SecKeychainAttributeList *_Nullable attrList, void *_Nullable data)
    SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemDelete(SecKeychainItemRef itemRef) SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemCopyKeychain(SecKeychainItemRef itemRef,
                                     SecKeychainRef _Nullable *_Nonnull CF_RETURNS_RETAINED keychainRef)
    SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemCreateCopy(SecKeychainItemRef itemRef, SecKeychainRef _Nullable destKeychainRef,
                                   SecAccessRef _Nullable initialAccess,
                                   SecKeychainItemRef _Nullable *_Nonnull CF_RETURNS_RETAINED itemCopy)
    SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemCreatePersistentReference(SecKeychainItemRef itemRef,
                                                  CFDataRef _Nullable *_Nonnull CF_RETURNS_RETAINED persistentItemRef)
    SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemCopyFromPersistentReference(CFDataRef persistentItemRef,
                                                    SecKeychainItemRef _Nullable *_Nonnull CF_RETURNS_RETAINED itemRef)
    SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemCopyAccess(SecKeychainItemRef itemRef,
                                   SecAccessRef _Nullable *_Nonnull CF_RETURNS_RETAINED access)
    SEC_KEYCHAIN_DEPRECATED;
OSStatus SecKeychainItemSetAccess(SecKeychainItemRef itemRef, SecAccessRef access) SEC_KEYCHAIN_DEPRECATED;

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECKEYCHAINITEM_H_ */
