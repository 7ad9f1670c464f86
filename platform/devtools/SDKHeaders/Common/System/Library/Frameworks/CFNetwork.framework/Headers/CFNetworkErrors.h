/* CFNetworkErrors.h: the error domain and codes of CFNetwork, and the keys of their user info. */
#ifndef __CFNETWORKERRORS__
#define __CFNETWORKERRORS__

#include <CFNetwork/CFNetworkDefs.h>

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

CFN_EXPORT const CFStringRef kCFErrorDomainCFNetwork API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFErrorDomainWinSock API_AVAILABLE(macos(10.5), ios(2.0));

typedef CF_ENUM(int, CFNetworkErrors) {
    kCFHostErrorHostNotFound = 1,
    kCFHostErrorUnknown = 2,
    kCFSOCKSErrorUnknownClientVersion = 100,
    kCFSOCKSErrorUnsupportedServerVersion = 101,
    kCFSOCKS4ErrorRequestFailed = 110,
    kCFSOCKS4ErrorIdentdFailed = 111,
    kCFSOCKS4ErrorIdConflict = 112,
    kCFSOCKS4ErrorUnknownStatusCode = 113,
    kCFSOCKS5ErrorBadState = 120,
    kCFSOCKS5ErrorBadResponseAddr = 121,
    kCFSOCKS5ErrorBadCredentials = 122,
    kCFSOCKS5ErrorUnsupportedNegotiationMethod = 123,
    kCFSOCKS5ErrorNoAcceptableMethod = 124,
    kCFFTPErrorUnexpectedStatusCode = 200,
    kCFErrorHTTPAuthenticationTypeUnsupported = 300,
    kCFErrorHTTPBadCredentials = 301,
    kCFErrorHTTPConnectionLost = 302,
    kCFErrorHTTPParseFailure = 303,
    kCFErrorHTTPRedirectionLoopDetected = 304,
    kCFErrorHTTPBadURL = 305,
    kCFErrorHTTPProxyConnectionFailure = 306,
    kCFErrorHTTPBadProxyCredentials = 307,
    kCFErrorPACFileError = 308,
    kCFErrorPACFileAuth = 309,
    kCFErrorHTTPSProxyConnectionFailure = 310,
    kCFStreamErrorHTTPSProxyFailureUnexpectedResponseToCONNECTMethod = 311,
    kCFURLErrorBackgroundSessionInUseByAnotherProcess = -996,
    kCFURLErrorBackgroundSessionWasDisconnected = -997,
    kCFURLErrorUnknown = -998,
    kCFURLErrorCancelled = -999,
    kCFURLErrorBadURL = -1000,
    kCFURLErrorTimedOut = -1001,
    kCFURLErrorUnsupportedURL = -1002,
    kCFURLErrorCannotFindHost = -1003,
    kCFURLErrorCannotConnectToHost = -1004,
    kCFURLErrorNetworkConnectionLost = -1005,
    kCFURLErrorDNSLookupFailed = -1006,
    kCFURLErrorHTTPTooManyRedirects = -1007,
    kCFURLErrorResourceUnavailable = -1008,
    kCFURLErrorNotConnectedToInternet = -1009,
    kCFURLErrorRedirectToNonExistentLocation = -1010,
    kCFURLErrorBadServerResponse = -1011,
    kCFURLErrorUserCancelledAuthentication = -1012,
    kCFURLErrorUserAuthenticationRequired = -1013,
    kCFURLErrorZeroByteResource = -1014,
    kCFURLErrorCannotDecodeRawData = -1015,
    kCFURLErrorCannotDecodeContentData = -1016,
    kCFURLErrorCannotParseResponse = -1017,
    kCFURLErrorInternationalRoamingOff = -1018,
    kCFURLErrorCallIsActive = -1019,
    kCFURLErrorDataNotAllowed = -1020,
    kCFURLErrorRequestBodyStreamExhausted = -1021,
    kCFURLErrorAppTransportSecurityRequiresSecureConnection = -1022,
    kCFURLErrorFileDoesNotExist = -1100,
    kCFURLErrorFileIsDirectory = -1101,
    kCFURLErrorNoPermissionsToReadFile = -1102,
    kCFURLErrorDataLengthExceedsMaximum = -1103,
    kCFURLErrorFileOutsideSafeArea = -1104,
    kCFURLErrorSecureConnectionFailed = -1200,
    kCFURLErrorServerCertificateHasBadDate = -1201,
    kCFURLErrorServerCertificateUntrusted = -1202,
    kCFURLErrorServerCertificateHasUnknownRoot = -1203,
    kCFURLErrorServerCertificateNotYetValid = -1204,
    kCFURLErrorClientCertificateRejected = -1205,
    kCFURLErrorClientCertificateRequired = -1206,
    kCFURLErrorCannotLoadFromNetwork = -2000,
    kCFURLErrorCannotCreateFile = -3000,
    kCFURLErrorCannotOpenFile = -3001,
    kCFURLErrorCannotCloseFile = -3002,
    kCFURLErrorCannotWriteToFile = -3003,
    kCFURLErrorCannotRemoveFile = -3004,
    kCFURLErrorCannotMoveFile = -3005,
    kCFURLErrorDownloadDecodingFailedMidStream = -3006,
    kCFURLErrorDownloadDecodingFailedToComplete = -3007,
    kCFHTTPCookieCannotParseCookieFile = -4000,
    kCFNetServiceErrorUnknown = -72000L,
    kCFNetServiceErrorCollision = -72001L,
    kCFNetServiceErrorNotFound = -72002L,
    kCFNetServiceErrorInProgress = -72003L,
    kCFNetServiceErrorBadArgument = -72004L,
    kCFNetServiceErrorCancel = -72005L,
    kCFNetServiceErrorInvalid = -72006L,
    kCFNetServiceErrorTimeout = -72007L,
    kCFNetServiceErrorMissingRequiredConfiguration = -72008L,
    kCFNetServiceErrorDNSServiceFailure = -73000L
};

CFN_EXPORT const CFStringRef kCFURLErrorFailingURLErrorKey API_AVAILABLE(macos(10.5), ios(2.2));
CFN_EXPORT const CFStringRef kCFURLErrorFailingURLStringErrorKey API_AVAILABLE(macos(10.5), ios(2.2));
CFN_EXPORT const CFStringRef kCFGetAddrInfoFailureKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFSOCKSStatusCodeKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFSOCKSVersionKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFSOCKSNegotiationMethodKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFDNSServiceFailureKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFFTPStatusCodeKey API_AVAILABLE(macos(10.5), ios(2.0));

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __CFNETWORKERRORS__ */
