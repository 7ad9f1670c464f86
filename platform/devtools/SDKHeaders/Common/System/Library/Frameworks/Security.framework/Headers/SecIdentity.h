/* SecIdentity.h: identities: a certificate with its private key. */
#ifndef _SECURITY_SECIDENTITY_H_
#define _SECURITY_SECIDENTITY_H_

#include <Security/SecBase.h>

CF_ASSUME_NONNULL_BEGIN

CFTypeID SecIdentityGetTypeID(void) API_AVAILABLE(macos(10.3), ios(2.0));
OSStatus SecIdentityCopyCertificate(SecIdentityRef identityRef,
                                    SecCertificateRef *_Nonnull CF_RETURNS_RETAINED certificateRef)
    API_AVAILABLE(macos(10.3), ios(2.0));
OSStatus SecIdentityCopyPrivateKey(SecIdentityRef identityRef, SecKeyRef *_Nonnull CF_RETURNS_RETAINED privateKeyRef)
    API_AVAILABLE(macos(10.3), ios(2.0));

CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECIDENTITY_H_ */
