/* Security.h: certificates, identities, keys, trust evaluation, the keychain, import and export, random bytes. */
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
#include <Security/SecureTransport.h>
