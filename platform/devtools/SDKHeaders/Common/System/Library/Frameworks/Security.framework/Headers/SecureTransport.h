/* SecureTransport.h: the older interface of SSL and TLS connections; its protocol versions remain in use. */
#ifndef _SECURITY_SECURETRANSPORT_H_
#define _SECURITY_SECURETRANSPORT_H_

#include <Security/SecBase.h>
#include <Security/SecProtocolTypes.h>

typedef CF_ENUM(int, SSLProtocol) {
    kSSLProtocolUnknown = 0,
    kTLSProtocol1 = 4,
    kTLSProtocol11 = 7,
    kTLSProtocol12 = 8,
    kDTLSProtocol1 = 9,
    kTLSProtocol13 = 10,
    kDTLSProtocol12 = 11,
    kTLSProtocolMaxSupported = 999,
    kSSLProtocol2 = 1,
    kSSLProtocol3 = 2,
    kSSLProtocol3Only = 3,
    kTLSProtocol1Only = 5,
    kSSLProtocolAll = 6,
} API_DEPRECATED("Use tls_protocol_version_t", macos(10.2, 10.15), ios(5.0, 13.0));

#endif /* _SECURITY_SECURETRANSPORT_H_ */
