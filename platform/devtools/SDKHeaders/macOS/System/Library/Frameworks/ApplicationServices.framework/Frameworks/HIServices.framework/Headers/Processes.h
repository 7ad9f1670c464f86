/* Processes.h: the Process Manager's serial numbers of running applications, deprecated for NSRunningApplication. */
#ifndef __PROCESSES__
#define __PROCESSES__

#include <CoreFoundation/CoreFoundation.h>
#include <MacTypes.h>
#include <sys/types.h>

enum {
    kNoProcess = 0,
    kSystemProcess = 1,
    kCurrentProcess = 2
};

enum {
    kSetFrontProcessFrontWindowOnly = (1 << 0),
    kSetFrontProcessCausedByUser = (1 << 1)
};

typedef UInt32 ProcessApplicationTransformState;
enum {
    kProcessTransformToForegroundApplication = 1,
    kProcessTransformToBackgroundApplication = 2,
    kProcessTransformToUIElementApplication = 4
};

#define PROCESSES_DEPRECATED API_DEPRECATED("Use NSRunningApplication instead", macos(10.0, 10.9))

CF_EXTERN_C_BEGIN
OSStatus GetProcessForPID(pid_t pid, ProcessSerialNumber *psn) PROCESSES_DEPRECATED;
OSStatus GetProcessPID(const ProcessSerialNumber *psn, pid_t *pid) PROCESSES_DEPRECATED;
OSErr GetCurrentProcess(ProcessSerialNumber *PSN) PROCESSES_DEPRECATED;
OSErr GetFrontProcess(ProcessSerialNumber *PSN) PROCESSES_DEPRECATED;
OSErr GetNextProcess(ProcessSerialNumber *PSN) PROCESSES_DEPRECATED;
OSErr SetFrontProcess(const ProcessSerialNumber *PSN) PROCESSES_DEPRECATED;
OSStatus SetFrontProcessWithOptions(const ProcessSerialNumber *inProcess, OptionBits inOptions)
    PROCESSES_DEPRECATED;
OSErr SameProcess(const ProcessSerialNumber *PSN1, const ProcessSerialNumber *PSN2, Boolean *result)
    PROCESSES_DEPRECATED;
OSStatus CopyProcessName(const ProcessSerialNumber *psn, CFStringRef *name) PROCESSES_DEPRECATED;
CFDictionaryRef ProcessInformationCopyDictionary(const ProcessSerialNumber *PSN, UInt32 infoToReturn)
    PROCESSES_DEPRECATED;
OSStatus TransformProcessType(const ProcessSerialNumber *psn, ProcessApplicationTransformState transformState);
OSErr ShowHideProcess(const ProcessSerialNumber *psn, Boolean visible) PROCESSES_DEPRECATED;
Boolean IsProcessVisible(const ProcessSerialNumber *psn) PROCESSES_DEPRECATED;
CF_EXTERN_C_END

#endif /* __PROCESSES__ */
