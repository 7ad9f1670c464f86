/* UTCoreTypes.h: the identifiers of the system's common types, for the C interface of uniform type identifiers. */
#ifndef __UTCORETYPES__
#define __UTCORETYPES__

#include <CoreServices/UTType.h>

CF_ASSUME_NONNULL_BEGIN

#define __UTCORETYPE_DEPRECATED(replacement)                                                                         \
    API_DEPRECATED_WITH_REPLACEMENT(#replacement, macos(10.4, 12.0), ios(3.0, 15.0), watchos(1.0, 8.0),              \
                                    tvos(9.0, 15.0))

extern const CFStringRef kUTTypeItem __UTCORETYPE_DEPRECATED(UTTypeItem);
extern const CFStringRef kUTTypeContent __UTCORETYPE_DEPRECATED(UTTypeContent);
extern const CFStringRef kUTTypeCompositeContent __UTCORETYPE_DEPRECATED(UTTypeCompositeContent);
extern const CFStringRef kUTTypeMessage __UTCORETYPE_DEPRECATED(UTTypeMessage);
extern const CFStringRef kUTTypeContact __UTCORETYPE_DEPRECATED(UTTypeContact);
extern const CFStringRef kUTTypeArchive __UTCORETYPE_DEPRECATED(UTTypeArchive);
extern const CFStringRef kUTTypeDiskImage __UTCORETYPE_DEPRECATED(UTTypeDiskImage);
extern const CFStringRef kUTTypeData __UTCORETYPE_DEPRECATED(UTTypeData);
extern const CFStringRef kUTTypeDirectory __UTCORETYPE_DEPRECATED(UTTypeDirectory);
extern const CFStringRef kUTTypeResolvable __UTCORETYPE_DEPRECATED(UTTypeResolvable);
extern const CFStringRef kUTTypeSymLink __UTCORETYPE_DEPRECATED(UTTypeSymLink);
extern const CFStringRef kUTTypeExecutable __UTCORETYPE_DEPRECATED(UTTypeExecutable);
extern const CFStringRef kUTTypeMountPoint __UTCORETYPE_DEPRECATED(UTTypeMountPoint);
extern const CFStringRef kUTTypeAliasFile __UTCORETYPE_DEPRECATED(UTTypeAliasFile);
extern const CFStringRef kUTTypeURL __UTCORETYPE_DEPRECATED(UTTypeURL);
extern const CFStringRef kUTTypeFileURL __UTCORETYPE_DEPRECATED(UTTypeFileURL);
extern const CFStringRef kUTTypeText __UTCORETYPE_DEPRECATED(UTTypeText);
extern const CFStringRef kUTTypePlainText __UTCORETYPE_DEPRECATED(UTTypePlainText);
extern const CFStringRef kUTTypeUTF8PlainText __UTCORETYPE_DEPRECATED(UTTypeUTF8PlainText);
extern const CFStringRef kUTTypeUTF16PlainText __UTCORETYPE_DEPRECATED(UTTypeUTF16PlainText);
extern const CFStringRef kUTTypeRTF __UTCORETYPE_DEPRECATED(UTTypeRTF);
extern const CFStringRef kUTTypeHTML __UTCORETYPE_DEPRECATED(UTTypeHTML);
extern const CFStringRef kUTTypeXML __UTCORETYPE_DEPRECATED(UTTypeXML);
extern const CFStringRef kUTTypeSourceCode __UTCORETYPE_DEPRECATED(UTTypeSourceCode);
extern const CFStringRef kUTTypeJSON __UTCORETYPE_DEPRECATED(UTTypeJSON);
extern const CFStringRef kUTTypePropertyList __UTCORETYPE_DEPRECATED(UTTypePropertyList);
extern const CFStringRef kUTTypeXMLPropertyList __UTCORETYPE_DEPRECATED(UTTypeXMLPropertyList);
extern const CFStringRef kUTTypeBinaryPropertyList __UTCORETYPE_DEPRECATED(UTTypeBinaryPropertyList);
extern const CFStringRef kUTTypePDF __UTCORETYPE_DEPRECATED(UTTypePDF);
extern const CFStringRef kUTTypeRTFD __UTCORETYPE_DEPRECATED(UTTypeRTFD);
extern const CFStringRef kUTTypeImage __UTCORETYPE_DEPRECATED(UTTypeImage);
extern const CFStringRef kUTTypeJPEG __UTCORETYPE_DEPRECATED(UTTypeJPEG);
extern const CFStringRef kUTTypeJPEG2000 __UTCORETYPE_DEPRECATED(UTTypeImage);
extern const CFStringRef kUTTypeTIFF __UTCORETYPE_DEPRECATED(UTTypeTIFF);
extern const CFStringRef kUTTypePICT __UTCORETYPE_DEPRECATED(UTTypeImage);
extern const CFStringRef kUTTypeGIF __UTCORETYPE_DEPRECATED(UTTypeGIF);
extern const CFStringRef kUTTypePNG __UTCORETYPE_DEPRECATED(UTTypePNG);
extern const CFStringRef kUTTypeQuickTimeImage __UTCORETYPE_DEPRECATED(UTTypeImage);
extern const CFStringRef kUTTypeAppleICNS __UTCORETYPE_DEPRECATED(UTTypeICNS);
extern const CFStringRef kUTTypeBMP __UTCORETYPE_DEPRECATED(UTTypeBMP);
extern const CFStringRef kUTTypeICO __UTCORETYPE_DEPRECATED(UTTypeICO);
extern const CFStringRef kUTTypeRawImage __UTCORETYPE_DEPRECATED(UTTypeRAWImage);
extern const CFStringRef kUTTypeScalableVectorGraphics __UTCORETYPE_DEPRECATED(UTTypeSVG);
extern const CFStringRef kUTTypeLivePhoto __UTCORETYPE_DEPRECATED(UTTypeLivePhoto);
extern const CFStringRef kUTTypeAudiovisualContent __UTCORETYPE_DEPRECATED(UTTypeAudiovisualContent);
extern const CFStringRef kUTTypeMovie __UTCORETYPE_DEPRECATED(UTTypeMovie);
extern const CFStringRef kUTTypeVideo __UTCORETYPE_DEPRECATED(UTTypeVideo);
extern const CFStringRef kUTTypeAudio __UTCORETYPE_DEPRECATED(UTTypeAudio);
extern const CFStringRef kUTTypeQuickTimeMovie __UTCORETYPE_DEPRECATED(UTTypeQuickTimeMovie);
extern const CFStringRef kUTTypeMPEG __UTCORETYPE_DEPRECATED(UTTypeMPEG);
extern const CFStringRef kUTTypeMPEG2Video __UTCORETYPE_DEPRECATED(UTTypeMPEG2Video);
extern const CFStringRef kUTTypeMPEG4 __UTCORETYPE_DEPRECATED(UTTypeMPEG4Movie);
extern const CFStringRef kUTTypeMPEG4Audio __UTCORETYPE_DEPRECATED(UTTypeMPEG4Audio);
extern const CFStringRef kUTTypeMP3 __UTCORETYPE_DEPRECATED(UTTypeMP3);
extern const CFStringRef kUTTypeAppleProtectedMPEG4Audio __UTCORETYPE_DEPRECATED(UTTypeAppleProtectedMPEG4Audio);
extern const CFStringRef kUTTypeFolder __UTCORETYPE_DEPRECATED(UTTypeFolder);
extern const CFStringRef kUTTypeVolume __UTCORETYPE_DEPRECATED(UTTypeVolume);
extern const CFStringRef kUTTypePackage __UTCORETYPE_DEPRECATED(UTTypePackage);
extern const CFStringRef kUTTypeBundle __UTCORETYPE_DEPRECATED(UTTypeBundle);
extern const CFStringRef kUTTypeFramework __UTCORETYPE_DEPRECATED(UTTypeFramework);
extern const CFStringRef kUTTypeApplication __UTCORETYPE_DEPRECATED(UTTypeApplication);
extern const CFStringRef kUTTypeApplicationBundle __UTCORETYPE_DEPRECATED(UTTypeApplicationBundle);
extern const CFStringRef kUTTypeZipArchive __UTCORETYPE_DEPRECATED(UTTypeZIP);
extern const CFStringRef kUTTypeGNUZipArchive __UTCORETYPE_DEPRECATED(UTTypeGZIP);

CF_ASSUME_NONNULL_END

#endif /* __UTCORETYPES__ */
