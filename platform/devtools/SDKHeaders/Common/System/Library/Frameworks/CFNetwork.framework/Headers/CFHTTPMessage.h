/* CFHTTPMessage.h: HTTP requests and responses: their start lines, headers and bodies, parsed or serialized. */
#ifndef __CFHTTPMESSAGE__
#define __CFHTTPMESSAGE__

#include <CFNetwork/CFNetworkDefs.h>
#include <CoreFoundation/CoreFoundation.h>

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

CFN_EXPORT const CFStringRef kCFHTTPVersion1_0 API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT const CFStringRef kCFHTTPVersion1_1 API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT const CFStringRef kCFHTTPVersion2_0 API_AVAILABLE(macos(10.10), ios(8.0));
CFN_EXPORT const CFStringRef kCFHTTPVersion3_0 API_AVAILABLE(macos(10.15), ios(13.0));
CFN_EXPORT const CFStringRef kCFHTTPAuthenticationSchemeBasic API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFHTTPAuthenticationSchemeDigest API_AVAILABLE(macos(10.2), ios(2.0));
CFN_EXPORT const CFStringRef kCFHTTPAuthenticationSchemeNTLM API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFHTTPAuthenticationSchemeKerberos API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFHTTPAuthenticationSchemeNegotiate API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFHTTPAuthenticationSchemeNegotiate2 API_AVAILABLE(macos(10.6), ios(3.0));
CFN_EXPORT const CFStringRef kCFHTTPAuthenticationSchemeXMobileMeAuthToken API_AVAILABLE(macos(10.6), ios(4.3));

typedef struct CF_BRIDGED_TYPE(id) __CFHTTPMessage *CFHTTPMessageRef;

CFN_EXPORT CFTypeID CFHTTPMessageGetTypeID(void) API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFHTTPMessageRef CFHTTPMessageCreateRequest(CFAllocatorRef _Nullable alloc, CFStringRef requestMethod,
                                                       CFURLRef url, CFStringRef httpVersion)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFHTTPMessageRef CFHTTPMessageCreateResponse(CFAllocatorRef _Nullable alloc, CFIndex statusCode,
                                                        CFStringRef _Nullable statusDescription,
                                                        CFStringRef httpVersion) API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFHTTPMessageRef CFHTTPMessageCreateEmpty(CFAllocatorRef _Nullable alloc, Boolean isRequest)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFHTTPMessageRef CFHTTPMessageCreateCopy(CFAllocatorRef _Nullable alloc, CFHTTPMessageRef message)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT Boolean CFHTTPMessageIsRequest(CFHTTPMessageRef message) API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFStringRef CFHTTPMessageCopyVersion(CFHTTPMessageRef message) API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFDataRef _Nullable CFHTTPMessageCopyBody(CFHTTPMessageRef message) API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT void CFHTTPMessageSetBody(CFHTTPMessageRef message, CFDataRef bodyData)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFStringRef _Nullable CFHTTPMessageCopyHeaderFieldValue(CFHTTPMessageRef message, CFStringRef headerField)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFDictionaryRef _Nullable CFHTTPMessageCopyAllHeaderFields(CFHTTPMessageRef message)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT void CFHTTPMessageSetHeaderFieldValue(CFHTTPMessageRef message, CFStringRef headerField,
                                                 CFStringRef _Nullable value) API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT Boolean CFHTTPMessageAppendBytes(CFHTTPMessageRef message, const UInt8 *newBytes, CFIndex numBytes)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT Boolean CFHTTPMessageIsHeaderComplete(CFHTTPMessageRef message) API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFDataRef _Nullable CFHTTPMessageCopySerializedMessage(CFHTTPMessageRef message)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFURLRef _Nullable CFHTTPMessageCopyRequestURL(CFHTTPMessageRef request)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFStringRef _Nullable CFHTTPMessageCopyRequestMethod(CFHTTPMessageRef request)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT Boolean CFHTTPMessageAddAuthentication(CFHTTPMessageRef request,
                                                  CFHTTPMessageRef _Nullable authenticationFailureResponse,
                                                  CFStringRef username, CFStringRef password,
                                                  CFStringRef _Nullable authenticationScheme,
                                                  Boolean forProxy) API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFIndex CFHTTPMessageGetResponseStatusCode(CFHTTPMessageRef response)
    API_AVAILABLE(macos(10.1), ios(2.0));
CFN_EXPORT CFStringRef _Nullable CFHTTPMessageCopyResponseStatusLine(CFHTTPMessageRef response)
    API_AVAILABLE(macos(10.1), ios(2.0));

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __CFHTTPMESSAGE__ */
