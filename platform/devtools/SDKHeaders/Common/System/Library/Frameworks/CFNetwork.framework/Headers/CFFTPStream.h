/* CFFTPStream.h: read and write streams over FTP, and the properties of their connections. */
#ifndef __CFFTPSTREAM__
#define __CFFTPSTREAM__

#include <CFNetwork/CFNetworkDefs.h>
#include <CoreFoundation/CoreFoundation.h>

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

#define CFFTPSTREAM_DEPRECATED API_DEPRECATED("use NSURLSession", macos(10.3, 10.11), ios(2.0, 9.0))

CFN_EXPORT const SInt32 kCFStreamErrorDomainFTP CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPUserName CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPPassword CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPUsePassiveMode CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPResourceSize CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPFetchResourceInfo CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPFileTransferOffset CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPAttemptPersistentConnection CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPProxy CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPProxyHost CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPProxyPort CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPProxyUser CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFStreamPropertyFTPProxyPassword CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFFTPResourceMode CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFFTPResourceName CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFFTPResourceOwner CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFFTPResourceGroup CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFFTPResourceLink CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFFTPResourceSize CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFFTPResourceType CFFTPSTREAM_DEPRECATED;
CFN_EXPORT const CFStringRef kCFFTPResourceModDate CFFTPSTREAM_DEPRECATED;

CFN_EXPORT CFReadStreamRef CFReadStreamCreateWithFTPURL(CFAllocatorRef _Nullable alloc, CFURLRef ftpURL)
    CFFTPSTREAM_DEPRECATED;
CFN_EXPORT CFIndex CFFTPCreateParsedResourceListing(CFAllocatorRef _Nullable alloc, const UInt8 *buffer,
                                                    CFIndex bufferLength,
                                                    CFDictionaryRef _Nullable *_Nullable parsed)
    CFFTPSTREAM_DEPRECATED;
CFN_EXPORT CFWriteStreamRef CFWriteStreamCreateWithFTPURL(CFAllocatorRef _Nullable alloc, CFURLRef ftpURL)
    CFFTPSTREAM_DEPRECATED;

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __CFFTPSTREAM__ */
