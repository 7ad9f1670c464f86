/* NSHFSFileTypes.h: conversions between HFS file type codes and the strings that stand for them (macOS only). */
#import <Foundation/NSObjCRuntime.h>
#import <CoreFoundation/CFBase.h>

@class NSString;

NS_ASSUME_NONNULL_BEGIN

FOUNDATION_EXPORT NSString *_Nullable NSFileTypeForHFSTypeCode(OSType hfsFileTypeCode);
FOUNDATION_EXPORT OSType NSHFSTypeCodeFromFileType(NSString *_Nullable fileTypeString);
FOUNDATION_EXPORT NSString *_Nullable NSHFSTypeOfFile(NSString *_Nullable fullFilePath);

NS_ASSUME_NONNULL_END
