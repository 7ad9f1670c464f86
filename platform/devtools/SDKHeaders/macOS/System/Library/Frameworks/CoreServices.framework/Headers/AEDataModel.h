/*
 * AEDataModel.h: the data model of Apple events: descriptors (AEDesc) of typed data, lists, records and events,
 * with their type codes and the functions that create, read and dispose of them.
 */
#ifndef __AEDATAMODEL__
#define __AEDATAMODEL__

#include <MacTypes.h>
#include <CoreFoundation/CoreFoundation.h>

typedef FourCharCode DescType;
typedef FourCharCode AEKeyword;
typedef FourCharCode AEEventClass;
typedef FourCharCode AEEventID;
typedef SInt16 AEReturnID;
typedef SInt32 AETransactionID;
typedef SInt32 AESendMode;
typedef SInt8 AESendPriority;
typedef struct OpaqueAEDataStorageType *AEDataStorageType;
typedef AEDataStorageType *AEDataStorage;

struct AEDesc {
    DescType descriptorType;
    AEDataStorage dataHandle;
};
typedef struct AEDesc AEDesc;
typedef AEDesc *AEDescPtr;
typedef AEDesc AEAddressDesc;
typedef AEDesc AEDescList;
typedef AEDescList AERecord;
typedef AERecord AppleEvent;
typedef AppleEvent *AppleEventPtr;

struct AEKeyDesc {
    AEKeyword descKey;
    AEDesc descContent;
};
typedef struct AEKeyDesc AEKeyDesc;

enum {
    typeBoolean = 'bool',
    typeChar = 'TEXT',
    typeStyledUnicodeText = 'sutx',
    typeEncodedString = 'encs',
    typeUnicodeText = 'utxt',
    typeCString = 'cstr',
    typePString = 'pstr',
    typeUTF16ExternalRepresentation = 'ut16',
    typeUTF8Text = 'utf8',
    typeSInt16 = 'shor',
    typeUInt16 = 'ushr',
    typeSInt32 = 'long',
    typeUInt32 = 'magn',
    typeSInt64 = 'comp',
    typeUInt64 = 'ucom',
    typeIEEE32BitFloatingPoint = 'sing',
    typeIEEE64BitFloatingPoint = 'doub',
    type128BitFloatingPoint = 'ldbl',
    typeDecimalStruct = 'decm',
    typeAEList = 'list',
    typeAERecord = 'reco',
    typeAppleEvent = 'aevt',
    typeEventRecord = 'evrc',
    typeTrue = 'true',
    typeFalse = 'fals',
    typeAlias = 'alis',
    typeEnumerated = 'enum',
    typeType = 'type',
    typeAppParameters = 'appa',
    typeProperty = 'prop',
    typeFSRef = 'fsrf',
    typeFileURL = 'furl',
    typeBookmarkData = 'bmrk',
    typeKeyword = 'keyw',
    typeSectionH = 'sect',
    typeWildCard = '****',
    typeApplSignature = 'sign',
    typeQDRectangle = 'qdrt',
    typeFixed = 'fixd',
    typeProcessSerialNumber = 'psn ',
    typeApplicationURL = 'aprl',
    typeNull = 'null',
    typeKernelProcessID = 'kpid',
    typeApplicationBundleID = 'bund',
    typeSInt16Alias = 'shor',
    typeShortInteger = 'shor',
    typeInteger = 'long',
    typeLongInteger = 'long',
    typeShortFloat = 'sing',
    typeFloat = 'doub',
    typeLongDateTime = 'ldt ',
    typeText = 'TEXT',
    typeData = 'tdta',
    typeObjectSpecifier = 'obj ',
    typeURL = 'url '
};

enum {
    keyTransactionIDAttr = 'tran',
    keyReturnIDAttr = 'rtid',
    keyEventClassAttr = 'evcl',
    keyEventIDAttr = 'evid',
    keyAddressAttr = 'addr',
    keyOptionalKeywordAttr = 'optk',
    keyTimeoutAttr = 'timo',
    keyInteractLevelAttr = 'inte',
    keyEventSourceAttr = 'esrc',
    keyMissedKeywordAttr = 'miss',
    keyOriginalAddressAttr = 'from',
    keyAcceptTimeoutAttr = 'actm',
    keyReplyRequestedAttr = 'repq',
    keySenderEUIDAttr = 'seid',
    keySenderPIDAttr = 'spid',
    keyDirectObject = '----',
    keyErrorNumber = 'errn',
    keyErrorString = 'errs',
    keyProcessSerialNumber = 'psn ',
    keyPreDispatch = 'phac',
    keySelectProc = 'selh',
    keyAERecorderCount = 'recr',
    keyAEVersion = 'vers'
};

enum {
    kAutoGenerateReturnID = -1,
    kAnyTransactionID = 0
};

enum {
    kAENoReply = 0x00000001,
    kAEQueueReply = 0x00000002,
    kAEWaitReply = 0x00000003,
    kAEDontReconnect = 0x00000080,
    kAEWantReceipt = 0x00000200,
    kAENeverInteract = 0x00000010,
    kAECanInteract = 0x00000020,
    kAEAlwaysInteract = 0x00000030,
    kAECanSwitchLayer = 0x00000040,
    kAEDontRecord = 0x00001000,
    kAEDontExecute = 0x00002000,
    kAEProcessNonReplyEvents = 0x00008000,
    kAEDoNotAutomaticallyAddAnnotationsToEvent = 0x00010000
};

enum {
    kAEDefaultTimeout = -1,
    kNoTimeOut = -2
};

enum {
    errAECoercionFail = -1700,
    errAEDescNotFound = -1701,
    errAECorruptData = -1702,
    errAEWrongDataType = -1703,
    errAENotAEDesc = -1704,
    errAEBadListItem = -1705,
    errAENewerVersion = -1706,
    errAENotAppleEvent = -1707,
    errAEEventNotHandled = -1708,
    errAEReplyNotValid = -1709,
    errAEUnknownSendMode = -1710,
    errAEWaitCanceled = -1711,
    errAETimeout = -1712,
    errAENoUserInteraction = -1713,
    errAENotASpecialFunction = -1714,
    errAEParamMissed = -1715,
    errAEUnknownAddressType = -1716,
    errAEHandlerNotFound = -1717,
    errAEReplyNotArrived = -1718,
    errAEIllegalIndex = -1719,
    errAEEventFiltered = -1725,
    errAEEventWouldRequireUserConsent = -1744,
    errAEEventNotPermitted = -1743,
    procNotFound = -600
};

typedef OSErr (*AECoerceDescProcPtr)(const AEDesc *fromDesc, DescType toType, SRefCon handlerRefcon, AEDesc *toDesc);
typedef AECoerceDescProcPtr AECoerceDescUPP;

CF_EXTERN_C_BEGIN
OSErr AECreateDesc(DescType typeCode, const void *dataPtr, Size dataSize, AEDesc *result);
OSErr AEDisposeDesc(AEDesc *theAEDesc);
OSErr AEDuplicateDesc(const AEDesc *theAEDesc, AEDesc *result);
void AEInitializeDesc(AEDesc *desc);
Size AEGetDescDataSize(const AEDesc *theAEDesc);
OSErr AEGetDescData(const AEDesc *theAEDesc, void *dataPtr, Size maximumSize);
OSErr AEReplaceDescData(DescType typeCode, const void *dataPtr, Size dataSize, AEDesc *theAEDesc);
OSErr AECoerceDesc(const AEDesc *theAEDesc, DescType toType, AEDesc *result);
OSErr AECoercePtr(DescType typeCode, const void *dataPtr, Size dataSize, DescType toType, AEDesc *result);
OSErr AECreateList(const void *factoringPtr, Size factoredSize, Boolean isRecord, AEDescList *resultList);
OSErr AECountItems(const AEDescList *theAEDescList, long *theCount);
OSErr AEPutPtr(AEDescList *theAEDescList, long index, DescType typeCode, const void *dataPtr, Size dataSize);
OSErr AEPutDesc(AEDescList *theAEDescList, long index, const AEDesc *theAEDesc);
OSErr AEGetNthPtr(const AEDescList *theAEDescList, long index, DescType desiredType, AEKeyword *theAEKeyword,
                  DescType *typeCode, void *dataPtr, Size maximumSize, Size *actualSize);
OSErr AEGetNthDesc(const AEDescList *theAEDescList, long index, DescType desiredType, AEKeyword *theAEKeyword,
                   AEDesc *result);
OSErr AEDeleteItem(AEDescList *theAEDescList, long index);
OSErr AEPutParamPtr(AppleEvent *theAppleEvent, AEKeyword theAEKeyword, DescType typeCode, const void *dataPtr,
                    Size dataSize);
OSErr AEPutParamDesc(AppleEvent *theAppleEvent, AEKeyword theAEKeyword, const AEDesc *theAEDesc);
OSErr AEGetParamPtr(const AppleEvent *theAppleEvent, AEKeyword theAEKeyword, DescType desiredType,
                    DescType *actualType, void *dataPtr, Size maximumSize, Size *actualSize);
OSErr AEGetParamDesc(const AppleEvent *theAppleEvent, AEKeyword theAEKeyword, DescType desiredType,
                     AEDesc *result);
OSErr AESizeOfParam(const AppleEvent *theAppleEvent, AEKeyword theAEKeyword, DescType *typeCode, Size *dataSize);
OSErr AEGetAttributePtr(const AppleEvent *theAppleEvent, AEKeyword theAEKeyword, DescType desiredType,
                        DescType *typeCode, void *dataPtr, Size maximumSize, Size *actualSize);
OSErr AEGetAttributeDesc(const AppleEvent *theAppleEvent, AEKeyword theAEKeyword, DescType desiredType,
                         AEDesc *result);
OSErr AEPutAttributePtr(AppleEvent *theAppleEvent, AEKeyword theAEKeyword, DescType typeCode, const void *dataPtr,
                        Size dataSize);
OSErr AEPutAttributeDesc(AppleEvent *theAppleEvent, AEKeyword theAEKeyword, const AEDesc *theAEDesc);
OSErr AECreateAppleEvent(AEEventClass theAEEventClass, AEEventID theAEEventID, const AEAddressDesc *target,
                         AEReturnID returnID, AETransactionID transactionID, AppleEvent *result);
CF_EXTERN_C_END

#endif /* __AEDATAMODEL__ */
