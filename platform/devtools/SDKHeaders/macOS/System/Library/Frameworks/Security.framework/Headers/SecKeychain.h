/*
 * SecKeychain.h: keychains as files: opening, unlocking and searching them, their events, and the older calls that
 * add and find generic and internet passwords.
 */
#ifndef _SECURITY_SECKEYCHAIN_H_
#define _SECURITY_SECKEYCHAIN_H_

#include <Security/SecBase.h>
#include <Security/SecKeychainItem.h>
#include <sys/types.h>

CF_ASSUME_NONNULL_BEGIN
CF_EXTERN_C_BEGIN

typedef CF_ENUM(FourCharCode, SecAuthenticationType) {
    kSecAuthenticationTypeNTLM = 'ntlm',
    kSecAuthenticationTypeMSN = 'msna',
    kSecAuthenticationTypeDPA = 'dpaa',
    kSecAuthenticationTypeRPA = 'rpaa',
    kSecAuthenticationTypeHTTPBasic = 'http',
    kSecAuthenticationTypeHTTPDigest = 'httd',
    kSecAuthenticationTypeHTMLForm = 'form',
    kSecAuthenticationTypeDefault = 'dflt',
    kSecAuthenticationTypeAny = 0,
};

typedef CF_ENUM(FourCharCode, SecProtocolType) {
    kSecProtocolTypeFTP = 'ftp ',
    kSecProtocolTypeFTPAccount = 'ftpa',
    kSecProtocolTypeHTTP = 'http',
    kSecProtocolTypeIRC = 'irc ',
    kSecProtocolTypeNNTP = 'nntp',
    kSecProtocolTypePOP3 = 'pop3',
    kSecProtocolTypeSMTP = 'smtp',
    kSecProtocolTypeSOCKS = 'sox ',
    kSecProtocolTypeIMAP = 'imap',
    kSecProtocolTypeLDAP = 'ldap',
    kSecProtocolTypeAppleTalk = 'atlk',
    kSecProtocolTypeAFP = 'afp ',
    kSecProtocolTypeTelnet = 'teln',
    kSecProtocolTypeSSH = 'ssh ',
    kSecProtocolTypeFTPS = 'ftps',
    kSecProtocolTypeHTTPS = 'htps',
    kSecProtocolTypeHTTPProxy = 'htpx',
    kSecProtocolTypeHTTPSProxy = 'htsx',
    kSecProtocolTypeFTPProxy = 'ftpx',
    kSecProtocolTypeCIFS = 'cifs',
    kSecProtocolTypeSMB = 'smb ',
    kSecProtocolTypeRTSP = 'rtsp',
    kSecProtocolTypeRTSPProxy = 'rtsx',
    kSecProtocolTypeDAAP = 'daap',
    kSecProtocolTypeEPPC = 'eppc',
    kSecProtocolTypeIPP = 'ipp ',
    kSecProtocolTypeNNTPS = 'ntps',
    kSecProtocolTypeLDAPS = 'ldps',
    kSecProtocolTypeTelnetS = 'tels',
    kSecProtocolTypeIMAPS = 'imps',
    kSecProtocolTypeIRCS = 'ircs',
    kSecProtocolTypePOP3S = 'pops',
    kSecProtocolTypeCVSpserver = 'cvsp',
    kSecProtocolTypeSVN = 'svn ',
    kSecProtocolTypeAny = 0,
};

typedef CF_ENUM(UInt32, SecKeychainEvent) {
    kSecLockEvent = 1,
    kSecUnlockEvent = 2,
    kSecAddEvent = 3,
    kSecDeleteEvent = 4,
    kSecUpdateEvent = 5,
    kSecPasswordChangedEvent = 6,
    kSecDefaultChangedEvent = 9,
    kSecDataAccessEvent = 10,
    kSecKeychainListChangedEvent = 11,
    kSecTrustSettingsChangedEvent = 12,
};

typedef CF_OPTIONS(UInt32, SecKeychainEventMask) {
    kSecLockEventMask = 1 << kSecLockEvent,
    kSecUnlockEventMask = 1 << kSecUnlockEvent,
    kSecAddEventMask = 1 << kSecAddEvent,
    kSecDeleteEventMask = 1 << kSecDeleteEvent,
    kSecUpdateEventMask = 1 << kSecUpdateEvent,
    kSecPasswordChangedEventMask = 1 << kSecPasswordChangedEvent,
    kSecDefaultChangedEventMask = 1 << kSecDefaultChangedEvent,
    kSecDataAccessEventMask = 1 << kSecDataAccessEvent,
    kSecKeychainListChangedMask = 1 << kSecKeychainListChangedEvent,
    kSecTrustSettingsChangedEventMask = 1 << kSecTrustSettingsChangedEvent,
    kSecEveryEventMask = 0xffffffff,
};

struct SecKeychainCallbackInfo {
    UInt32 version;
    SecKeychainItemRef _Nonnull item;
    SecKeychainRef _Nonnull keychain;
    pid_t pid;
};
typedef struct SecKeychainCallbackInfo SecKeychainCallbackInfo;
typedef OSStatus (*SecKeychainCallback)(SecKeychainEvent keychainEvent, SecKeychainCallbackInfo *info,
                                        void *_Nullable context);

typedef CF_ENUM(int, SecPreferencesDomain) {
    kSecPreferencesDomainUser = 0,
    kSecPreferencesDomainSystem,
    kSecPreferencesDomainCommon,
    kSecPreferencesDomainDynamic,
};

enum {
    kSecUnlockStateStatus = 1,
    kSecReadPermStatus = 2,
    kSecWritePermStatus = 4,
};

#define SEC_KEYCHAIN_FILE_DEPRECATED API_DEPRECATED("use the SecItem calls", macos(10.0, 10.10))

CFTypeID SecKeychainGetTypeID(void) API_AVAILABLE(macos(10.0));
OSStatus SecKeychainGetVersion(UInt32 *returnVers) API_AVAILABLE(macos(10.0));
OSStatus SecKeychainOpen(const char *pathName, SecKeychainRef _Nullable *_Nonnull CF_RETURNS_RETAINED keychain)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainCreate(const char *pathName, UInt32 passwordLength, const void *_Nullable password,
                           Boolean promptUser, SecAccessRef _Nullable initialAccess,
                           SecKeychainRef _Nullable *_Nonnull CF_RETURNS_RETAINED keychain)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainDelete(SecKeychainRef _Nullable keychainOrArray) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainUnlock(SecKeychainRef _Nullable keychain, UInt32 passwordLength, const void *_Nullable password,
                           Boolean usePassword) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainLock(SecKeychainRef _Nullable keychain) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainLockAll(void) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainCopyDefault(SecKeychainRef _Nullable *_Nonnull CF_RETURNS_RETAINED keychain)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainSetDefault(SecKeychainRef _Nullable keychain) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainCopySearchList(CFArrayRef _Nullable *_Nonnull CF_RETURNS_RETAINED searchList)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainSetSearchList(CFArrayRef searchList) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainCopyDomainDefault(SecPreferencesDomain domain,
                                      SecKeychainRef _Nullable *_Nonnull CF_RETURNS_RETAINED keychain)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainCopyDomainSearchList(SecPreferencesDomain domain,
                                         CFArrayRef _Nullable *_Nonnull CF_RETURNS_RETAINED searchList)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainSetPreferenceDomain(SecPreferencesDomain domain) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainGetPreferenceDomain(SecPreferencesDomain *domain) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainGetStatus(SecKeychainRef _Nullable keychain, SecKeychainStatus *keychainStatus)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainGetPath(SecKeychainRef _Nullable keychain, UInt32 *ioPathLength, char *pathName)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainSetUserInteractionAllowed(Boolean state) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainGetUserInteractionAllowed(Boolean *state) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainAddCallback(SecKeychainCallback callbackFunction, SecKeychainEventMask eventMask,
                                void *_Nullable userContext) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainRemoveCallback(SecKeychainCallback callbackFunction) SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainAddInternetPassword(SecKeychainRef _Nullable keychain, UInt32 serverNameLength,
                                        const char *_Nullable serverName, UInt32 securityDomainLength,
                                        const char *_Nullable securityDomain, UInt32 accountNameLength,
                                        const char *_Nullable accountName, UInt32 pathLength,
                                        const char *_Nullable path, UInt16 port, SecProtocolType protocol,
                                        SecAuthenticationType authenticationType, UInt32 passwordLength,
                                        const void *passwordData,
                                        SecKeychainItemRef _Nullable *_Nullable CF_RETURNS_RETAINED itemRef)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainFindInternetPassword(CFTypeRef _Nullable keychainOrArray, UInt32 serverNameLength,
                                         const char *_Nullable serverName, UInt32 securityDomainLength,
                                         const char *_Nullable securityDomain, UInt32 accountNameLength,
                                         const char *_Nullable accountName, UInt32 pathLength,
                                         const char *_Nullable path, UInt16 port, SecProtocolType protocol,
                                         SecAuthenticationType authenticationType, UInt32 *_Nullable passwordLength,
                                         void *_Nullable *_Nullable passwordData,
                                         SecKeychainItemRef _Nullable *_Nullable CF_RETURNS_RETAINED itemRef)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainAddGenericPassword(SecKeychainRef _Nullable keychain, UInt32 serviceNameLength,
                                       const char *_Nullable serviceName, UInt32 accountNameLength,
                                       const char *_Nullable accountName, UInt32 passwordLength,
                                       const void *passwordData,
                                       SecKeychainItemRef _Nullable *_Nullable CF_RETURNS_RETAINED itemRef)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainFindGenericPassword(CFTypeRef _Nullable keychainOrArray, UInt32 serviceNameLength,
                                        const char *_Nullable serviceName, UInt32 accountNameLength,
                                        const char *_Nullable accountName, UInt32 *_Nullable passwordLength,
                                        void *_Nullable *_Nullable passwordData,
                                        SecKeychainItemRef _Nullable *_Nullable CF_RETURNS_RETAINED itemRef)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainCopyAccess(SecKeychainRef _Nullable keychain,
                               SecAccessRef _Nullable *_Nonnull CF_RETURNS_RETAINED access)
    SEC_KEYCHAIN_FILE_DEPRECATED;
OSStatus SecKeychainSetAccess(SecKeychainRef _Nullable keychain, SecAccessRef access) SEC_KEYCHAIN_FILE_DEPRECATED;

CF_EXTERN_C_END
CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECKEYCHAIN_H_ */
