/*
 * MacErrors.h: the result codes of the Carbon managers: files and volumes, resources, memory, processes, aliases
 * and the system at large. (noErr and the most general codes come with MacTypes.h.)
 */
#ifndef __MACERRORS__
#define __MACERRORS__

#include <MacTypes.h>

enum {
    qErr = -1,
    vTypErr = -2,
    corErr = -3,
    dirFulErr = -33,
    dskFulErr = -34,
    nsvErr = -35,
    ioErr = -36,
    bdNamErr = -37,
    fnOpnErr = -38,
    eofErr = -39,
    posErr = -40,
    mFulErr = -41,
    tmfoErr = -42,
    wPrErr = -44,
    fLckdErr = -45,
    vLckdErr = -46,
    fBsyErr = -47,
    dupFNErr = -48,
    opWrErr = -49,
    rfNumErr = -51,
    gfpErr = -52,
    volOffLinErr = -53,
    permErr = -54,
    volOnLinErr = -55,
    nsDrvErr = -56,
    noMacDskErr = -57,
    extFSErr = -58,
    fsRnErr = -59,
    badMDBErr = -60,
    wrPermErr = -61,
    dirNFErr = -120,
    tmwdoErr = -121,
    badMovErr = -122,
    wrgVolTypErr = -123,
    volGoneErr = -124,
    fidNotFound = -1300,
    fidExists = -1301,
    notAFileErr = -1302,
    diffVolErr = -1303,
    catChangedErr = -1304,
    desktopDamagedErr = -1305,
    sameFileErr = -1306,
    badFidErr = -1307,
    notARemountErr = -1308,
    fileBoundsErr = -1309,
    fsDataTooBigErr = -1310,
    volVMBusyErr = -1311,
    badFCBErr = -1327,
    errFSUnknownCall = -1400,
    errFSBadFSRef = -1401,
    errFSBadForkName = -1402,
    errFSBadBuffer = -1403,
    errFSBadForkRef = -1404,
    errFSBadInfoBitmap = -1405,
    errFSMissingCatInfo = -1406,
    errFSNotAFolder = -1407,
    errFSForkNotFound = -1409,
    errFSNameTooLong = -1410,
    errFSMissingName = -1411,
    errFSBadPosMode = -1412,
    errFSBadAllocFlags = -1413,
    errFSNoMoreItems = -1417,
    errFSBadItemCount = -1418,
    errFSBadSearchParams = -1419,
    errFSRefsDifferent = -1420,
    errFSForkExists = -1421,
    errFSBadIteratorFlags = -1422,
    errFSIteratorNotFound = -1423,
    errFSIteratorNotSupported = -1424,
    errFSQuotaExceeded = -1425,
    errFSOperationNotSupported = -1426,
    errFSAttributeNotFound = -1427,
    errFSPropertyNotValid = -1428,
    errFSNotEnoughSpaceForOperation = -1429
};

enum {
    cfragNoSymbolErr = -2812,
    afpAccessDenied = -5000,
    afpObjectNotFound = -5018,
    afpObjectTypeErr = -5025,
    afpItemNotFound = -5012
};

enum {
    resourceInMemory = -188,
    writingPastEnd = -189,
    inputOutOfBounds = -190,
    resNotFound = -192,
    resFNotFound = -193,
    addResFailed = -194,
    addRefFailed = -195,
    rmvResFailed = -196,
    rmvRefFailed = -197,
    resAttrErr = -198,
    mapReadErr = -199,
    resErr = -100
};

enum {
    memROZWarn = -99,
    memROZError = -99,
    memAdrErr = -110,
    memAZErr = -113,
    memPCErr = -114,
    memBCErr = -115,
    memSCErr = -116,
    memLockedErr = -117
};

enum {
    memFragErr = -601,
    appModeErr = -602,
    protocolErr = -603,
    hardwareConfigErr = -604,
    appMemFullErr = -605,
    appIsDaemon = -606,
    bufferIsSmall = -607,
    noOutstandingHLE = -608,
    connectionInvalid = -609,
    noUserInteractionAllowed = -610
};

enum {
    notEnoughMemoryErr = -620,
    notHeldErr = -621,
    cannotMakeContiguousErr = -622,
    notLockedErr = -623,
    interruptsMaskedErr = -624,
    cannotDeferErr = -625
};

enum {
    kMPIterationEndErr = -29275,
    kMPPrivilegedErr = -29276,
    kMPProcessCreatedErr = -29288,
    kMPProcessTerminatedErr = -29289,
    kMPTaskCreatedErr = -29290,
    kMPTaskBlockedErr = -29291,
    kMPTaskStoppedErr = -29292,
    kMPBlueBlockingErr = -29293,
    kMPDeletedErr = -29295,
    kMPTimeoutErr = -29296,
    kMPTaskAbortedErr = -29297,
    kMPInsufficientResourcesErr = -29298,
    kMPInvalidIDErr = -29299
};

enum {
    errOSACantCoerce = -1700,
    errOSACantAccess = -1728,
    errOSAGeneralError = -2700,
    errOSADivideByZero = -2701,
    errOSANumericOverflow = -2702,
    errOSACantLaunch = -2703,
    errOSAAppNotHighLevelEventAware = -2704,
    errOSACorruptTerminology = -2705,
    errOSAStackOverflow = -2706,
    errOSAInternalTableOverflow = -2707,
    errOSADataBlockTooLarge = -2708,
    errOSACantGetTerminology = -2709,
    errOSACantCreate = -2710,
    errOSASyntaxError = -2740,
    errOSASyntaxTypeError = -2741,
    errOSATokenTooLong = -2742,
    errOSAMissingParameter = -1701,
    errOSAParameterMismatch = -1721,
    errOSADuplicateParameter = -2750,
    errOSADuplicateProperty = -2751,
    errOSADuplicateHandler = -2752,
    errOSAUndefinedVariable = -2753,
    errOSAInconsistentDeclarations = -2754,
    errOSAControlFlowError = -2755
};

enum {
    kLocalesBufferTooSmallErr = -30001,
    kUCOutputBufferTooSmall = -25340,
    kUCTextBreakLocatorMissingType = -25341
};

enum {
    errAEImpossibleRange = -1720,
    errAEWrongNumberArgs = -1721,
    errAEAccessorNotFound = -1723,
    errAENoSuchLogical = -1725,
    errAEBadTestKey = -1726,
    errAENotAnObjSpec = -1727,
    errAENoSuchObject = -1728,
    errAENegativeCount = -1729,
    errAEEmptyListContainer = -1730,
    errAEUnknownObjectType = -1731,
    errAERecordingIsAlreadyOn = -1732,
    errAEReceiveTerminate = -1733,
    errAEReceiveEscapeCurrent = -1734,
    errAEEventFailed = -1735,
    errAETargetAddressNotPermitted = -1742,
    errAENotASingleObject = -10014,
    errAECantHandleClass = -10010,
    errAECantSupplyType = -10009,
    errAECantUndo = -10015,
    errAEInTransaction = -10011,
    errAELocalOnly = -10016,
    errAENoSuchTransaction = -10012,
    errAENoUserSelection = -10013,
    errAENotModifiable = -10003,
    errAEPrivilegeError = -10004,
    errAEReadDenied = -10000,
    errAEWriteDenied = -10006,
    errAEIndexTooLarge = -10007,
    errAEBadKeyForm = -10002,
    errAEStreamBadNesting = -1739,
    errAEStreamAlreadyConverted = -1740
};

#endif /* __MACERRORS__ */
