/* AppleEvents.h: the standard Apple event classes and IDs, and installing, sending and processing Apple events. */
#ifndef __APPLEEVENTS__
#define __APPLEEVENTS__

#include <CoreServices/AEDataModel.h>

enum {
    kCoreEventClass = 'aevt',
    kAEOpenApplication = 'oapp',
    kAEOpenDocuments = 'odoc',
    kAEPrintDocuments = 'pdoc',
    kAEOpenContents = 'ocon',
    kAEQuitApplication = 'quit',
    kAEAnswer = 'ansr',
    kAEApplicationDied = 'obit',
    kAEShowPreferences = 'pref',
    kAEReopenApplication = 'rapp',
    kAEStartRecording = 'reca',
    kAEStopRecording = 'recc',
    kAENotifyStartRecording = 'rec1',
    kAENotifyStopRecording = 'rec0',
    kAENotifyRecording = 'recr'
};

enum {
    kAEAppleMenu = 'amnu',
    kAEMiscStandards = 'misc',
    kAEDoScript = 'dosc',
    kAEActivate = 'actv',
    kAESelect = 'slct',
    kAEGetData = 'getd',
    kAESetData = 'setd',
    kAEOpen = 'odoc',
    kAEClose = 'clos',
    kAESave = 'save'
};

enum {
    kInternetEventClass = 'GURL',
    kAEGetURL = 'GURL',
    kAEFetchURL = 'FURL',
    keyAEAttaching = 'Atch'
};

enum {
    keyAEPropData = 'prdt',
    keyAEServiceName = 'svnm',
    keyAEEventClass = 'evcl',
    keyAEEventID = 'evti',
    keyAEResult = '----',
    keyAEInsertHere = 'insh',
    keyAEData = 'data',
    keyAESearchText = 'stxt',
    keyAERequestedType = 'rtyp',
    keyAEKeyData = 'kdta',
    keyAEObject = 'kobj',
    pASPrintResultToStdout = 'pstd'
};

typedef OSErr (*AEEventHandlerProcPtr)(const AppleEvent *theAppleEvent, AppleEvent *reply, SRefCon handlerRefcon);
typedef AEEventHandlerProcPtr AEEventHandlerUPP;
typedef Boolean (*AEIdleProcPtr)(void *theEvent, SInt32 *sleepTime, void **mouseRgn);
typedef AEIdleProcPtr AEIdleUPP;
typedef Boolean (*AEFilterProcPtr)(void *theEvent, SInt32 returnID, SInt32 transactionID, const AEAddressDesc *sender);
typedef AEFilterProcPtr AEFilterUPP;

CF_EXTERN_C_BEGIN
AEEventHandlerUPP NewAEEventHandlerUPP(AEEventHandlerProcPtr userRoutine);
void DisposeAEEventHandlerUPP(AEEventHandlerUPP userUPP);
OSErr AEInstallEventHandler(AEEventClass theAEEventClass, AEEventID theAEEventID, AEEventHandlerUPP handler,
                            SRefCon handlerRefcon, Boolean isSysHandler);
OSErr AERemoveEventHandler(AEEventClass theAEEventClass, AEEventID theAEEventID, AEEventHandlerUPP handler,
                           Boolean isSysHandler);
OSErr AEGetEventHandler(AEEventClass theAEEventClass, AEEventID theAEEventID, AEEventHandlerUPP *handler,
                        SRefCon *handlerRefcon, Boolean isSysHandler);
OSStatus AESendMessage(const AppleEvent *event, AppleEvent *reply, AESendMode sendMode, long timeOutInTicks);
OSErr AESend(const AppleEvent *theAppleEvent, AppleEvent *reply, AESendMode sendMode, AESendPriority sendPriority,
             SInt32 timeOutInTicks, AEIdleUPP idleProc, AEFilterUPP filterProc);
OSErr AEProcessAppleEvent(const void *theEventRecord);
OSStatus AEDeterminePermissionToAutomateTarget(const AEAddressDesc *target, AEEventClass theAEEventClass,
                                               AEEventID theAEEventID, Boolean askUserIfNeeded)
    API_AVAILABLE(macos(10.14));
CF_EXTERN_C_END

#endif /* __APPLEEVENTS__ */
