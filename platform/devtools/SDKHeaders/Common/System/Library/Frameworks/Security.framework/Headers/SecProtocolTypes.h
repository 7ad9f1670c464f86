/* SecProtocolTypes.h: the TLS protocol versions and cipher suites of secure connections. */
#ifndef SEC_PROTOCOL_TYPES_H
#define SEC_PROTOCOL_TYPES_H

#include <Security/SecBase.h>

typedef CF_ENUM(uint16_t, tls_protocol_version_t) {
    tls_protocol_version_TLSv10 API_DEPRECATED_WITH_REPLACEMENT("tls_protocol_version_TLSv12", macos(10.15, 12.0),
                                                                ios(13.0, 15.0)) = 0x0301,
    tls_protocol_version_TLSv11 API_DEPRECATED_WITH_REPLACEMENT("tls_protocol_version_TLSv12", macos(10.15, 12.0),
                                                                ios(13.0, 15.0)) = 0x0302,
    tls_protocol_version_TLSv12 = 0x0303,
    tls_protocol_version_TLSv13 = 0x0304,
    tls_protocol_version_DTLSv10 API_DEPRECATED_WITH_REPLACEMENT("tls_protocol_version_DTLSv12", macos(10.15, 12.0),
                                                                 ios(13.0, 15.0)) = 0xfeff,
    tls_protocol_version_DTLSv12 = 0xfefd,
} API_AVAILABLE(macos(10.15), ios(13.0));

#endif /* SEC_PROTOCOL_TYPES_H */
