/* SecCertificate.h: X.509 certificates: made from DER data, and what they say. */
#ifndef _SECURITY_SECCERTIFICATE_H_
#define _SECURITY_SECCERTIFICATE_H_

#include <Security/SecBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

CFTypeID SecCertificateGetTypeID(void) API_AVAILABLE(macos(10.3), ios(2.0));
SecCertificateRef _Nullable SecCertificateCreateWithData(CFAllocatorRef _Nullable allocator, CFDataRef data)
    API_AVAILABLE(macos(10.6), ios(2.0));
CFDataRef SecCertificateCopyData(SecCertificateRef certificate) API_AVAILABLE(macos(10.6), ios(2.0));
CFStringRef _Nullable SecCertificateCopySubjectSummary(SecCertificateRef certificate)
    API_AVAILABLE(macos(10.6), ios(2.0));
OSStatus SecCertificateCopyCommonName(SecCertificateRef certificate, CFStringRef *_Nonnull CF_RETURNS_RETAINED commonName)
    API_AVAILABLE(macos(10.5), ios(10.3));
OSStatus SecCertificateCopyEmailAddresses(SecCertificateRef certificate,
                                          CFArrayRef *_Nonnull CF_RETURNS_RETAINED emailAddresses)
    API_AVAILABLE(macos(10.5), ios(10.3));
CFDataRef _Nullable SecCertificateCopySerialNumberData(SecCertificateRef certificate,
                                                       CFErrorRef *_Nullable error)
    API_AVAILABLE(macos(10.13), ios(11.0));
SecKeyRef _Nullable SecCertificateCopyKey(SecCertificateRef certificate) API_AVAILABLE(macos(10.14), ios(12.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* _SECURITY_SECCERTIFICATE_H_ */
