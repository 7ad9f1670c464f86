/*
 * Security.h: certificates, identities, keys, trust evaluation, the keychain, import and export, random bytes and
 * SSL; on macOS also authorization, the older keychain calls and code signing.
 */
#include <Security/SecBase.h>
#include <Security/SecAccessControl.h>
#include <Security/SecCertificate.h>
#include <Security/SecIdentity.h>
#include <Security/SecImportExport.h>
#include <Security/SecItem.h>
#include <Security/SecKey.h>
#include <Security/SecPolicy.h>
#include <Security/SecRandom.h>
#include <Security/SecTrust.h>
#include <Security/SecProtocolTypes.h>
#include <Security/CipherSuite.h>
#include <Security/SecureTransport.h>
#if TARGET_OS_OSX
#include <Security/Authorization.h>
#include <Security/AuthorizationDB.h>
#include <Security/AuthorizationTags.h>
#include <Security/CSCommon.h>
#include <Security/CodeSigning.h>
#include <Security/SecAccess.h>
#include <Security/SecCode.h>
#include <Security/SecKeychain.h>
#include <Security/SecKeychainItem.h>
#include <Security/SecKeychainSearch.h>
#include <Security/SecRequirement.h>
#include <Security/SecStaticCode.h>
#include <Security/SecTrustedApplication.h>
#endif
