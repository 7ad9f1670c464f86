/* CFURL.h: URLs (bridged to NSURL): creation from strings and file-system paths, and their parts. */
#ifndef __COREFOUNDATION_CFURL__
#define __COREFOUNDATION_CFURL__

#include <CoreFoundation/CFBase.h>
#include <CoreFoundation/CFData.h>
#include <CoreFoundation/CFString.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef CF_ENUM(CFIndex, CFURLPathStyle) {
    kCFURLPOSIXPathStyle = 0,
    kCFURLHFSPathStyle CF_DEPRECATED(10_0, 10_9, 2_0, 7_0, "Carbon file paths are deprecated") = 1,
    kCFURLWindowsPathStyle = 2
};

typedef const struct CF_BRIDGED_TYPE(NSURL) __CFURL *CFURLRef;

CF_EXPORT CFTypeID CFURLGetTypeID(void);
CF_EXPORT CFURLRef _Nullable CFURLCreateWithString(CFAllocatorRef _Nullable allocator, CFStringRef URLString,
                                                   CFURLRef _Nullable baseURL);
CF_EXPORT CFURLRef _Nullable CFURLCreateWithFileSystemPath(CFAllocatorRef _Nullable allocator, CFStringRef filePath,
                                                           CFURLPathStyle pathStyle, Boolean isDirectory);
CF_EXPORT CFURLRef _Nullable CFURLCreateFromFileSystemRepresentation(CFAllocatorRef _Nullable allocator,
                                                                     const UInt8 *buffer, CFIndex bufLen,
                                                                     Boolean isDirectory);
CF_EXPORT Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean resolveAgainstBase, UInt8 *buffer,
                                                   CFIndex maxBufLen);
CF_EXPORT CFStringRef CFURLGetString(CFURLRef anURL);
CF_EXPORT CFURLRef _Nullable CFURLGetBaseURL(CFURLRef anURL);
CF_EXPORT CFURLRef _Nullable CFURLCopyAbsoluteURL(CFURLRef relativeURL);
CF_EXPORT CFStringRef _Nullable CFURLCopyFileSystemPath(CFURLRef anURL, CFURLPathStyle pathStyle);
CF_EXPORT CFStringRef _Nullable CFURLCopyScheme(CFURLRef anURL);
CF_EXPORT CFStringRef _Nullable CFURLCopyHostName(CFURLRef anURL);
CF_EXPORT CFStringRef _Nullable CFURLCopyPath(CFURLRef anURL);
CF_EXPORT CFStringRef _Nullable CFURLCopyLastPathComponent(CFURLRef url);
CF_EXPORT CFStringRef _Nullable CFURLCopyPathExtension(CFURLRef url);
CF_EXPORT CFURLRef _Nullable CFURLCreateCopyAppendingPathComponent(CFAllocatorRef _Nullable allocator, CFURLRef url,
                                                                   CFStringRef pathComponent, Boolean isDirectory);
CF_EXPORT CFURLRef _Nullable CFURLCreateCopyDeletingLastPathComponent(CFAllocatorRef _Nullable allocator,
                                                                      CFURLRef url);

/* Percent escapes, as the older API made and removed them. */
CF_EXPORT CFStringRef _Nullable CFURLCreateStringByReplacingPercentEscapes(CFAllocatorRef _Nullable allocator,
                                                                           CFStringRef originalString,
                                                                           CFStringRef charactersToLeaveEscaped);
CF_EXPORT CFStringRef _Nullable CFURLCreateStringByReplacingPercentEscapesUsingEncoding(
    CFAllocatorRef _Nullable allocator, CFStringRef origString, CFStringRef _Nullable charsToLeaveEscaped,
    CFStringEncoding encoding) API_DEPRECATED("Use CFURLCreateStringByReplacingPercentEscapes", macos(10.0, 10.11),
                                              ios(2.0, 9.0));
CF_EXPORT CFStringRef CFURLCreateStringByAddingPercentEscapes(CFAllocatorRef _Nullable allocator,
                                                              CFStringRef originalString,
                                                              CFStringRef _Nullable charactersToLeaveUnescaped,
                                                              CFStringRef _Nullable legalURLCharactersToBeEscaped,
                                                              CFStringEncoding encoding)
    API_DEPRECATED("Use -[NSString stringByAddingPercentEncodingWithAllowedCharacters:]", macos(10.0, 10.11),
                   ios(2.0, 9.0));
CF_EXPORT CFStringRef _Nullable CFURLCopyQueryString(CFURLRef anURL, CFStringRef _Nullable charactersToLeaveEscaped);
CF_EXPORT CFStringRef _Nullable CFURLCopyFragment(CFURLRef anURL, CFStringRef _Nullable charactersToLeaveEscaped);
CF_EXPORT SInt32 CFURLGetPortNumber(CFURLRef anURL);
CF_EXPORT CFURLRef _Nullable CFURLCreateWithBytes(CFAllocatorRef _Nullable allocator, const UInt8 *URLBytes,
                                                  CFIndex length, CFStringEncoding encoding,
                                                  CFURLRef _Nullable baseURL);
CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFURL__ */
