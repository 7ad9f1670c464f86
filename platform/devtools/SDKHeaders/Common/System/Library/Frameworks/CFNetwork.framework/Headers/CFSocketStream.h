/*
 * CFSocketStream.h: the properties of socket streams: TLS settings and levels, SOCKS proxies, network service
 * types, and stream pairs to a host or a Bonjour service.
 */
#ifndef __CFSOCKETSTREAM__
#define __CFSOCKETSTREAM__

#include <CFNetwork/CFHost.h>
#include <CFNetwork/CFNetServices.h>
#include <CFNetwork/CFNetworkDefs.h>
#include <CoreFoundation/CFStream.h>

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

CFN_EXPORT const CFStringRef kCFStreamPropertySSLContext API_AVAILABLE(macos(10.9), ios(5.0));
CFN_EXPORT const CFStringRef kCFStreamPropertySSLPeerTrust API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSSLValidatesCertificateChain API_AVAILABLE(macos(10.4), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamPropertySSLSettings API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSSLLevel API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSSLPeerName API_AVAILABLE(macos(10.4), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSSLCertificates API_AVAILABLE(macos(10.4), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSSLIsServer API_AVAILABLE(macos(10.4), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSSLAllowsExpiredCertificates
    API_DEPRECATED("use kCFStreamSSLValidatesCertificateChain", macos(10.4, 10.6), ios(2.0, 4.0));
CFN_EXPORT const CFStringRef kCFStreamSSLAllowsExpiredRoots
    API_DEPRECATED("use kCFStreamSSLValidatesCertificateChain", macos(10.4, 10.6), ios(2.0, 4.0));
CFN_EXPORT const CFStringRef kCFStreamSSLAllowsAnyRoot
    API_DEPRECATED("use kCFStreamSSLValidatesCertificateChain", macos(10.4, 10.6), ios(2.0, 4.0));
CFN_EXPORT const CFStringRef kCFStreamPropertySSLPeerCertificates
    API_DEPRECATED("use kCFStreamPropertySSLPeerTrust", macos(10.4, 10.6), ios(2.0, 4.0));

CFN_EXPORT const CFStringRef kCFStreamNetworkServiceType API_AVAILABLE(macos(10.7), ios(4.0));
CFN_EXPORT const CFStringRef kCFStreamNetworkServiceTypeVideo API_AVAILABLE(macos(10.7), ios(5.0));
CFN_EXPORT const CFStringRef kCFStreamNetworkServiceTypeVoice API_AVAILABLE(macos(10.7), ios(5.0));
CFN_EXPORT const CFStringRef kCFStreamNetworkServiceTypeBackground API_AVAILABLE(macos(10.7), ios(5.0));
CFN_EXPORT const CFStringRef kCFStreamNetworkServiceTypeResponsiveData API_AVAILABLE(macos(10.15), ios(13.0));
CFN_EXPORT const CFStringRef kCFStreamNetworkServiceTypeCallSignaling API_AVAILABLE(macos(10.12), ios(10.0));
CFN_EXPORT const CFStringRef kCFStreamNetworkServiceTypeVoIP
    API_DEPRECATED("use PushKit", macos(10.7, 10.11), ios(4.0, 9.0));
CFN_EXPORT const CFStringRef kCFStreamPropertyNoCellular API_AVAILABLE(macos(10.8), ios(5.0));
CFN_EXPORT const CFStringRef kCFStreamPropertyConnectionIsCellular API_AVAILABLE(macos(10.8), ios(6.0));
CFN_EXPORT const CFStringRef kCFStreamPropertyAllowExpensiveNetworkAccess API_AVAILABLE(macos(10.15), ios(13.0));
CFN_EXPORT const CFStringRef kCFStreamPropertyConnectionIsExpensive API_AVAILABLE(macos(10.15), ios(13.0));
CFN_EXPORT const CFStringRef kCFStreamPropertyAllowConstrainedNetworkAccess API_AVAILABLE(macos(10.15), ios(13.0));

CFN_EXPORT const CFIndex kCFStreamErrorDomainWinSock API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const int kCFStreamErrorDomainSOCKS API_AVAILABLE(macos(10.0), ios(2.0));
CFN_EXPORT const int kCFStreamErrorDomainSSL API_AVAILABLE(macos(10.2), ios(2.0));

CFN_EXPORT const CFStringRef kCFStreamPropertySOCKSProxy API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamPropertySOCKSProxyHost API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamPropertySOCKSProxyPort API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamPropertySOCKSVersion API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSocketSOCKSVersion4 API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSocketSOCKSVersion5 API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamPropertySOCKSUser API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamPropertySOCKSPassword API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamPropertyShouldCloseNativeSocket API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamPropertySocketSecurityLevel API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSocketSecurityLevelNone API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSocketSecurityLevelSSLv2
    API_DEPRECATED("no longer supported", macos(10.2, 10.12), ios(2.0, 10.0));
CFN_EXPORT const CFStringRef kCFStreamSocketSecurityLevelSSLv3
    API_DEPRECATED("no longer supported", macos(10.2, 10.12), ios(2.0, 10.0));
CFN_EXPORT const CFStringRef kCFStreamSocketSecurityLevelTLSv1 API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFStreamSocketSecurityLevelNegotiatedSSL API_AVAILABLE(macos(10.2), ios(2.0));

CF_ENUM(int){
    kCFStreamErrorSOCKSSubDomainNone = 0,
    kCFStreamErrorSOCKSSubDomainVersionCode = 1,
    kCFStreamErrorSOCKS4SubDomainResponse = 2,
    kCFStreamErrorSOCKS5SubDomainUserPass = 3,
    kCFStreamErrorSOCKS5SubDomainMethod = 4,
    kCFStreamErrorSOCKS5SubDomainResponse = 5
};

CFN_EXPORT void CFStreamCreatePairWithSocketToCFHost(CFAllocatorRef _Nullable alloc, CFHostRef host, SInt32 port,
                                                     CFReadStreamRef _Nullable *_Nullable readStream,
                                                     CFWriteStreamRef _Nullable *_Nullable writeStream)
    API_AVAILABLE(macos(10.3), ios(2.0));
CFN_EXPORT void CFStreamCreatePairWithSocketToNetService(CFAllocatorRef _Nullable alloc, CFNetServiceRef service,
                                                         CFReadStreamRef _Nullable *_Nullable readStream,
                                                         CFWriteStreamRef _Nullable *_Nullable writeStream)
    API_AVAILABLE(macos(10.3), ios(2.0));

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __CFSOCKETSTREAM__ */
