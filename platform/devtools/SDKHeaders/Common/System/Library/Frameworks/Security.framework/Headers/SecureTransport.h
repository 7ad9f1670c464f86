/*
 * SecureTransport.h: the older interface of SSL and TLS connections: contexts over caller-provided I/O functions,
 * their protocol versions, ciphers, certificates and options, the handshake, reading and writing, and the SSL result
 * codes.
 */
#ifndef _SECURITY_SECURETRANSPORT_H_
#define _SECURITY_SECURETRANSPORT_H_

#include <Security/CipherSuite.h>
#include <Security/SecBase.h>
#include <Security/SecProtocolTypes.h>
#include <Security/SecTrust.h>
#include <sys/types.h>

CF_ASSUME_NONNULL_BEGIN
CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN

#define SECURETRANSPORT_DEPRECATED API_DEPRECATED("use the Network framework", macos(10.2, 10.15), ios(5.0, 13.0))

struct SSLContext;
typedef struct CF_BRIDGED_TYPE(id) SSLContext *SSLContextRef;
typedef const void *SSLConnectionRef;

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

typedef CF_ENUM(int, SSLSessionOption) {
    kSSLSessionOptionBreakOnServerAuth = 0,
    kSSLSessionOptionBreakOnCertRequested = 1,
    kSSLSessionOptionBreakOnClientAuth = 2,
    kSSLSessionOptionFalseStart = 3,
    kSSLSessionOptionSendOneByteRecord = 4,
    kSSLSessionOptionAllowServerIdentityChange = 5,
    kSSLSessionOptionFallback = 6,
    kSSLSessionOptionBreakOnClientHello = 7,
    kSSLSessionOptionAllowRenegotiation = 8,
    kSSLSessionOptionEnableSessionTickets = 9,
};

typedef CF_ENUM(int, SSLSessionState) {
    kSSLIdle,
    kSSLHandshake,
    kSSLConnected,
    kSSLClosed,
    kSSLAborted,
};

typedef CF_ENUM(int, SSLClientCertificateState) {
    kSSLClientCertNone,
    kSSLClientCertRequested,
    kSSLClientCertSent,
    kSSLClientCertRejected,
};

typedef CF_ENUM(int, SSLProtocolSide) {
    kSSLServerSide,
    kSSLClientSide,
};

typedef CF_ENUM(int, SSLConnectionType) {
    kSSLStreamType,
    kSSLDatagramType,
};

typedef CF_ENUM(int, SSLAuthenticate) {
    kNeverAuthenticate,
    kAlwaysAuthenticate,
    kTryAuthenticate,
};

typedef OSStatus (*SSLReadFunction)(SSLConnectionRef connection, void *data, size_t *dataLength);
typedef OSStatus (*SSLWriteFunction)(SSLConnectionRef connection, const void *data, size_t *dataLength);

CF_ENUM(OSStatus){
    errSSLProtocol = -9800,
    errSSLNegotiation = -9801,
    errSSLFatalAlert = -9802,
    errSSLWouldBlock = -9803,
    errSSLSessionNotFound = -9804,
    errSSLClosedGraceful = -9805,
    errSSLClosedAbort = -9806,
    errSSLXCertChainInvalid = -9807,
    errSSLBadCert = -9808,
    errSSLCrypto = -9809,
    errSSLInternal = -9810,
    errSSLModuleAttach = -9811,
    errSSLUnknownRootCert = -9812,
    errSSLNoRootCert = -9813,
    errSSLCertExpired = -9814,
    errSSLCertNotYetValid = -9815,
    errSSLClosedNoNotify = -9816,
    errSSLBufferOverflow = -9817,
    errSSLBadCipherSuite = -9818,
    errSSLPeerUnexpectedMsg = -9819,
    errSSLPeerBadRecordMac = -9820,
    errSSLPeerDecryptionFail = -9821,
    errSSLPeerRecordOverflow = -9822,
    errSSLPeerDecompressFail = -9823,
    errSSLPeerHandshakeFail = -9824,
    errSSLPeerBadCert = -9825,
    errSSLPeerUnsupportedCert = -9826,
    errSSLPeerCertRevoked = -9827,
    errSSLPeerCertExpired = -9828,
    errSSLPeerCertUnknown = -9829,
    errSSLIllegalParam = -9830,
    errSSLPeerUnknownCA = -9831,
    errSSLPeerAccessDenied = -9832,
    errSSLPeerDecodeError = -9833,
    errSSLPeerDecryptError = -9834,
    errSSLPeerExportRestriction = -9835,
    errSSLPeerProtocolVersion = -9836,
    errSSLPeerInsufficientSecurity = -9837,
    errSSLPeerInternalError = -9838,
    errSSLPeerUserCancelled = -9839,
    errSSLPeerNoRenegotiation = -9840,
    errSSLPeerAuthCompleted = -9841,
    errSSLClientCertRequested = -9842,
    errSSLHostNameMismatch = -9843,
    errSSLConnectionRefused = -9844,
    errSSLDecryptionFail = -9845,
    errSSLBadRecordMac = -9846,
    errSSLRecordOverflow = -9847,
    errSSLBadConfiguration = -9848,
    errSSLUnexpectedRecord = -9849,
    errSSLWeakPeerEphemeralDHKey = -9850,
    errSSLClientHelloReceived = -9851,
    errSSLTransportReset = -9852,
    errSSLNetworkTimeout = -9853,
    errSSLConfigurationFailed = -9854,
    errSSLUnsupportedExtension = -9855,
    errSSLUnexpectedMessage = -9856,
    errSSLDecompressFail = -9857,
    errSSLHandshakeFail = -9858,
    errSSLDecodeError = -9859,
    errSSLInappropriateFallback = -9860,
    errSSLMissingExtension = -9861,
    errSSLBadCertificateStatusResponse = -9862,
    errSSLCertificateRequired = -9863,
    errSSLUnknownPSKIdentity = -9864,
    errSSLUnrecognizedName = -9865,
    errSSLATSViolation = -9880,
    errSSLATSMinimumVersionViolation = -9881,
    errSSLATSCiphersuiteViolation = -9882,
    errSSLATSMinimumKeySizeViolation = -9883,
    errSSLATSLeafCertificateHashAlgorithmViolation = -9884,
    errSSLATSCertificateHashAlgorithmViolation = -9885,
    errSSLATSCertificateTrustViolation = -9886,
    errSSLEarlyDataRejected = -9890,
};

CF_ENUM(OSStatus){
    errSSLServerAuthCompleted = errSSLPeerAuthCompleted,
    errSSLClientAuthCompleted = errSSLPeerAuthCompleted,
    errSSLLast = errSSLUnexpectedRecord,
};

extern const CFStringRef kSSLSessionConfig_default API_DEPRECATED("no longer supported", macos(10.2, 10.15),
                                                                   ios(5.0, 13.0));

CFTypeID SSLContextGetTypeID(void) SECURETRANSPORT_DEPRECATED;
SSLContextRef _Nullable SSLCreateContext(CFAllocatorRef _Nullable alloc, SSLProtocolSide protocolSide,
                                        SSLConnectionType connectionType) SECURETRANSPORT_DEPRECATED;
#if TARGET_OS_OSX
OSStatus SSLNewContext(Boolean isServer, SSLContextRef _Nullable *_Nonnull contextPtr)
    API_DEPRECATED("use SSLCreateContext", macos(10.2, 10.9));
OSStatus SSLDisposeContext(SSLContextRef context) API_DEPRECATED("use CFRelease", macos(10.2, 10.9));
OSStatus SSLSetEnableCertVerify(SSLContextRef context, Boolean enableVerify)
    API_DEPRECATED("use kSSLSessionOptionBreakOnServerAuth", macos(10.2, 10.9));
OSStatus SSLSetAllowsExpiredCerts(SSLContextRef context, Boolean allowsExpired)
    API_DEPRECATED("use kSSLSessionOptionBreakOnServerAuth", macos(10.2, 10.9));
OSStatus SSLSetAllowsExpiredRoots(SSLContextRef context, Boolean allowsExpired)
    API_DEPRECATED("use kSSLSessionOptionBreakOnServerAuth", macos(10.2, 10.9));
OSStatus SSLSetAllowsAnyRoot(SSLContextRef context, Boolean anyRoot)
    API_DEPRECATED("use kSSLSessionOptionBreakOnServerAuth", macos(10.2, 10.9));
OSStatus SSLSetProtocolVersionEnabled(SSLContextRef context, SSLProtocol protocol, Boolean enable)
    API_DEPRECATED("use SSLSetProtocolVersionMin", macos(10.2, 10.9));
OSStatus SSLSetDiffieHellmanParams(SSLContextRef context, const void *_Nullable dhParams, size_t dhParamsLen)
    API_DEPRECATED("no longer supported", macos(10.2, 10.15));
#endif
OSStatus SSLGetSessionState(SSLContextRef context, SSLSessionState *state) SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetSessionOption(SSLContextRef context, SSLSessionOption option, Boolean value)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetSessionOption(SSLContextRef context, SSLSessionOption option, Boolean *value)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetIOFuncs(SSLContextRef context, SSLReadFunction readFunc, SSLWriteFunction writeFunc)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetProtocolVersionMin(SSLContextRef context, SSLProtocol minVersion) SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetProtocolVersionMin(SSLContextRef context, SSLProtocol *minVersion) SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetProtocolVersionMax(SSLContextRef context, SSLProtocol maxVersion) SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetProtocolVersionMax(SSLContextRef context, SSLProtocol *maxVersion) SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetCertificate(SSLContextRef context, CFArrayRef _Nullable certRefs) SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetConnection(SSLContextRef context, SSLConnectionRef _Nullable connection) SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetConnection(SSLContextRef context, SSLConnectionRef _Nullable *_Nonnull connection)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetPeerDomainName(SSLContextRef context, const char *_Nullable peerName, size_t peerNameLen)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetPeerDomainNameLength(SSLContextRef context, size_t *peerNameLen) SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetPeerDomainName(SSLContextRef context, char *peerName, size_t *peerNameLen) SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetALPNProtocols(SSLContextRef context, CFArrayRef protocols)
    API_DEPRECATED("use the Network framework", macos(10.13, 10.15), ios(11.0, 13.0));
OSStatus SSLCopyALPNProtocols(SSLContextRef context, CFArrayRef _Nullable *_Nonnull protocols)
    API_DEPRECATED("use the Network framework", macos(10.13, 10.15), ios(11.0, 13.0));
OSStatus SSLSetPeerID(SSLContextRef context, const void *_Nullable peerID, size_t peerIDLen)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetPeerID(SSLContextRef context, const void *_Nullable *_Nonnull peerID, size_t *peerIDLen)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetNegotiatedCipher(SSLContextRef context, SSLCipherSuite *cipherSuite) SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetNumberSupportedCiphers(SSLContextRef context, size_t *numCiphers) SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetSupportedCiphers(SSLContextRef context, SSLCipherSuite *ciphers, size_t *numCiphers)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetNumberEnabledCiphers(SSLContextRef context, size_t *numCiphers) SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetEnabledCiphers(SSLContextRef context, const SSLCipherSuite *ciphers, size_t numCiphers)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetEnabledCiphers(SSLContextRef context, SSLCipherSuite *ciphers, size_t *numCiphers)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetNegotiatedProtocolVersion(SSLContextRef context, SSLProtocol *protocol) SECURETRANSPORT_DEPRECATED;
OSStatus SSLCopyPeerTrust(SSLContextRef context, SecTrustRef _Nullable *_Nonnull CF_RETURNS_RETAINED trust)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLSetClientSideAuthenticate(SSLContextRef context, SSLAuthenticate auth) SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetClientCertificateState(SSLContextRef context, SSLClientCertificateState *clientState)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLHandshake(SSLContextRef context) SECURETRANSPORT_DEPRECATED;
OSStatus SSLReHandshake(SSLContextRef context) SECURETRANSPORT_DEPRECATED;
OSStatus SSLWrite(SSLContextRef context, const void *_Nullable data, size_t dataLength, size_t *processed)
    SECURETRANSPORT_DEPRECATED;
OSStatus SSLRead(SSLContextRef context, void *data, size_t dataLength, size_t *processed) SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetBufferedReadSize(SSLContextRef context, size_t *bufferSize) SECURETRANSPORT_DEPRECATED;
OSStatus SSLGetDatagramWriteSize(SSLContextRef dtlsContext, size_t *bufSize) SECURETRANSPORT_DEPRECATED;
OSStatus SSLClose(SSLContextRef context) SECURETRANSPORT_DEPRECATED;

CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED
CF_ASSUME_NONNULL_END

#endif /* _SECURITY_SECURETRANSPORT_H_ */
