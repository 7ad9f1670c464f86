/* CFStream.h: read and write streams of bytes over memory, files and sockets, with run-loop clients. */
#ifndef __COREFOUNDATION_CFSTREAM__
#define __COREFOUNDATION_CFSTREAM__

#include <CoreFoundation/CFBase.h>
#include <CoreFoundation/CFString.h>
#include <CoreFoundation/CFDictionary.h>
#include <CoreFoundation/CFURL.h>
#include <CoreFoundation/CFRunLoop.h>
#include <CoreFoundation/CFError.h>
#include <CoreFoundation/CFSocket.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

typedef CFStringRef CFStreamPropertyKey CF_EXTENSIBLE_STRING_ENUM;

typedef CF_ENUM(CFIndex, CFStreamStatus) {
    kCFStreamStatusNotOpen = 0,
    kCFStreamStatusOpening,
    kCFStreamStatusOpen,
    kCFStreamStatusReading,
    kCFStreamStatusWriting,
    kCFStreamStatusAtEnd,
    kCFStreamStatusClosed,
    kCFStreamStatusError
};

typedef CF_OPTIONS(CFOptionFlags, CFStreamEventType) {
    kCFStreamEventNone = 0,
    kCFStreamEventOpenCompleted = 1,
    kCFStreamEventHasBytesAvailable = 2,
    kCFStreamEventCanAcceptBytes = 4,
    kCFStreamEventErrorOccurred = 8,
    kCFStreamEventEndEncountered = 16
};

typedef struct {
    CFIndex version;
    void *_Nullable info;
    void *_Nullable (*_Nullable retain)(void *_Nullable info);
    void (*_Nullable release)(void *_Nullable info);
    CFStringRef _Nullable (*_Nullable copyDescription)(void *_Nullable info);
} CFStreamClientContext;

typedef struct CF_BRIDGED_MUTABLE_TYPE(NSInputStream) __CFReadStream *CFReadStreamRef;
typedef struct CF_BRIDGED_MUTABLE_TYPE(NSOutputStream) __CFWriteStream *CFWriteStreamRef;

typedef void (*CFReadStreamClientCallBack)(CFReadStreamRef _Null_unspecified stream, CFStreamEventType type,
                                           void *_Null_unspecified clientCallBackInfo);
typedef void (*CFWriteStreamClientCallBack)(CFWriteStreamRef _Null_unspecified stream, CFStreamEventType type,
                                            void *_Null_unspecified clientCallBackInfo);

CF_EXPORT const CFStreamPropertyKey kCFStreamPropertyDataWritten;
CF_EXPORT const CFStreamPropertyKey kCFStreamPropertyAppendToFile;
CF_EXPORT const CFStreamPropertyKey kCFStreamPropertyFileCurrentOffset;
CF_EXPORT const CFStreamPropertyKey kCFStreamPropertySocketNativeHandle;
CF_EXPORT const CFStreamPropertyKey kCFStreamPropertySocketRemoteHostName;
CF_EXPORT const CFStreamPropertyKey kCFStreamPropertySocketRemotePortNumber;

CF_EXPORT CFTypeID CFReadStreamGetTypeID(void);
CF_EXPORT CFTypeID CFWriteStreamGetTypeID(void);
CF_EXPORT CFReadStreamRef _Null_unspecified CFReadStreamCreateWithBytesNoCopy(
    CFAllocatorRef _Null_unspecified alloc, const UInt8 *_Null_unspecified bytes, CFIndex length,
    CFAllocatorRef _Null_unspecified bytesDeallocator);
CF_EXPORT CFWriteStreamRef _Null_unspecified CFWriteStreamCreateWithBuffer(CFAllocatorRef _Null_unspecified alloc,
                                                                           UInt8 *_Null_unspecified buffer,
                                                                           CFIndex bufferCapacity);
CF_EXPORT CFWriteStreamRef _Null_unspecified CFWriteStreamCreateWithAllocatedBuffers(
    CFAllocatorRef _Null_unspecified alloc, CFAllocatorRef _Null_unspecified bufferAllocator);
CF_EXPORT CFReadStreamRef _Null_unspecified CFReadStreamCreateWithFile(CFAllocatorRef _Null_unspecified alloc,
                                                                       CFURLRef _Null_unspecified fileURL);
CF_EXPORT CFWriteStreamRef _Null_unspecified CFWriteStreamCreateWithFile(CFAllocatorRef _Null_unspecified alloc,
                                                                         CFURLRef _Null_unspecified fileURL);
CF_EXPORT void CFStreamCreateBoundPair(CFAllocatorRef _Null_unspecified alloc,
                                       CFReadStreamRef _Null_unspecified *_Null_unspecified readStream,
                                       CFWriteStreamRef _Null_unspecified *_Null_unspecified writeStream,
                                       CFIndex transferBufferSize);
CF_EXPORT void CFStreamCreatePairWithSocketToHost(CFAllocatorRef _Null_unspecified alloc,
                                                  CFStringRef _Null_unspecified host, UInt32 port,
                                                  CFReadStreamRef _Null_unspecified *_Null_unspecified readStream,
                                                  CFWriteStreamRef _Null_unspecified *_Null_unspecified writeStream);

CF_EXPORT CFStreamStatus CFReadStreamGetStatus(CFReadStreamRef _Null_unspecified stream);
CF_EXPORT CFStreamStatus CFWriteStreamGetStatus(CFWriteStreamRef _Null_unspecified stream);
CF_EXPORT CFErrorRef _Null_unspecified CFReadStreamCopyError(CFReadStreamRef _Null_unspecified stream);
CF_EXPORT CFErrorRef _Null_unspecified CFWriteStreamCopyError(CFWriteStreamRef _Null_unspecified stream);
CF_EXPORT Boolean CFReadStreamOpen(CFReadStreamRef _Null_unspecified stream);
CF_EXPORT Boolean CFWriteStreamOpen(CFWriteStreamRef _Null_unspecified stream);
CF_EXPORT void CFReadStreamClose(CFReadStreamRef _Null_unspecified stream);
CF_EXPORT void CFWriteStreamClose(CFWriteStreamRef _Null_unspecified stream);
CF_EXPORT Boolean CFReadStreamHasBytesAvailable(CFReadStreamRef _Null_unspecified stream);
CF_EXPORT CFIndex CFReadStreamRead(CFReadStreamRef _Null_unspecified stream, UInt8 *_Null_unspecified buffer,
                                   CFIndex bufferLength);
CF_EXPORT Boolean CFWriteStreamCanAcceptBytes(CFWriteStreamRef _Null_unspecified stream);
CF_EXPORT CFIndex CFWriteStreamWrite(CFWriteStreamRef _Null_unspecified stream, const UInt8 *_Null_unspecified buffer,
                                     CFIndex bufferLength);
CF_EXPORT CFTypeRef _Null_unspecified CFReadStreamCopyProperty(CFReadStreamRef _Null_unspecified stream,
                                                               CFStreamPropertyKey _Null_unspecified propertyName);
CF_EXPORT CFTypeRef _Null_unspecified CFWriteStreamCopyProperty(CFWriteStreamRef _Null_unspecified stream,
                                                                CFStreamPropertyKey _Null_unspecified propertyName);
CF_EXPORT Boolean CFReadStreamSetProperty(CFReadStreamRef _Null_unspecified stream,
                                          CFStreamPropertyKey _Null_unspecified propertyName,
                                          CFTypeRef _Null_unspecified propertyValue);
CF_EXPORT Boolean CFWriteStreamSetProperty(CFWriteStreamRef _Null_unspecified stream,
                                           CFStreamPropertyKey _Null_unspecified propertyName,
                                           CFTypeRef _Null_unspecified propertyValue);
CF_EXPORT Boolean CFReadStreamSetClient(CFReadStreamRef _Null_unspecified stream, CFOptionFlags streamEvents,
                                        CFReadStreamClientCallBack _Null_unspecified clientCB,
                                        CFStreamClientContext *_Null_unspecified clientContext);
CF_EXPORT Boolean CFWriteStreamSetClient(CFWriteStreamRef _Null_unspecified stream, CFOptionFlags streamEvents,
                                         CFWriteStreamClientCallBack _Null_unspecified clientCB,
                                         CFStreamClientContext *_Null_unspecified clientContext);
CF_EXPORT void CFReadStreamScheduleWithRunLoop(CFReadStreamRef _Null_unspecified stream,
                                               CFRunLoopRef _Null_unspecified runLoop,
                                               CFRunLoopMode _Null_unspecified runLoopMode);
CF_EXPORT void CFWriteStreamScheduleWithRunLoop(CFWriteStreamRef _Null_unspecified stream,
                                                CFRunLoopRef _Null_unspecified runLoop,
                                                CFRunLoopMode _Null_unspecified runLoopMode);
CF_EXPORT void CFReadStreamUnscheduleFromRunLoop(CFReadStreamRef _Null_unspecified stream,
                                                 CFRunLoopRef _Null_unspecified runLoop,
                                                 CFRunLoopMode _Null_unspecified runLoopMode);
CF_EXPORT void CFWriteStreamUnscheduleFromRunLoop(CFWriteStreamRef _Null_unspecified stream,
                                                  CFRunLoopRef _Null_unspecified runLoop,
                                                  CFRunLoopMode _Null_unspecified runLoopMode);

/* Streams over a native socket, and the stream errors of the older, domain-and-code form. */
CF_EXPORT void CFStreamCreatePairWithSocket(CFAllocatorRef _Null_unspecified alloc, CFSocketNativeHandle sock,
                                            CFReadStreamRef _Null_unspecified *_Null_unspecified readStream,
                                            CFWriteStreamRef _Null_unspecified *_Null_unspecified writeStream);
CF_EXPORT void CFStreamCreatePairWithPeerSocketSignature(
    CFAllocatorRef _Null_unspecified alloc, const CFSocketSignature *_Null_unspecified signature,
    CFReadStreamRef _Null_unspecified *_Null_unspecified readStream,
    CFWriteStreamRef _Null_unspecified *_Null_unspecified writeStream);

typedef CF_ENUM(CFIndex, CFStreamErrorDomain) {
    kCFStreamErrorDomainCustom = -1L,
    kCFStreamErrorDomainPOSIX = 1,
    kCFStreamErrorDomainMacOSStatus
};
typedef struct {
    CFIndex domain;
    SInt32 error;
} CFStreamError;
CF_EXPORT CFStreamError CFReadStreamGetError(CFReadStreamRef _Null_unspecified stream);
CF_EXPORT CFStreamError CFWriteStreamGetError(CFWriteStreamRef _Null_unspecified stream);
CF_EXPORT const UInt8 *_Null_unspecified CFReadStreamGetBuffer(CFReadStreamRef _Null_unspecified stream,
                                                               CFIndex maxBytesToRead,
                                                               CFIndex *_Null_unspecified numBytesRead);
CF_ASSUME_NONNULL_END
CF_EXTERN_C_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* __COREFOUNDATION_CFSTREAM__ */
