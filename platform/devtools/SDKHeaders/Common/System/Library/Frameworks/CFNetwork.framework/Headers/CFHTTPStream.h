/* CFHTTPStream.h: read streams that send an HTTP request and read its response. */
#ifndef __CFHTTPSTREAM__
#define __CFHTTPSTREAM__

#include <CFNetwork/CFHTTPMessage.h>
#include <CFNetwork/CFNetworkDefs.h>
#include <CoreFoundation/CoreFoundation.h>

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

#define CFHTTPSTREAM_DEPRECATED API_DEPRECATED("use NSURLSession", macos(10.1, 10.11), ios(2.0, 9.0))

CFN_EXPORT const SInt32 kCFStreamErrorDomainHTTP API_AVAILABLE(macos(10.1), ios(2.0));

typedef CF_ENUM(int, CFStreamErrorHTTP) {
    kCFStreamErrorHTTPParseFailure = -1,
    kCFStreamErrorHTTPRedirectionLoop = -2,
    kCFStreamErrorHTTPBadURL = -3
};

CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPResponseHeader CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPFinalURL CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPFinalRequest CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPProxy CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPProxyHost CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPProxyPort CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPSProxyHost CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPSProxyPort CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPShouldAutoredirect CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPAttemptPersistentConnection CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyHTTPRequestBytesWrittenCount CFHTTPSTREAM_DEPRECATED;

CFN_EXPORT CFReadStreamRef CFReadStreamCreateForHTTPRequest(CFAllocatorRef _Nullable alloc,
                                                            CFHTTPMessageRef request) CFHTTPSTREAM_DEPRECATED;
CFN_EXPORT CFReadStreamRef CFReadStreamCreateForStreamedHTTPRequest(CFAllocatorRef _Nullable alloc,
                                                                    CFHTTPMessageRef requestHeaders,
                                                                    CFReadStreamRef requestBody)
    CFHTTPSTREAM_DEPRECATED;

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __CFHTTPSTREAM__ */
