/* UTCoreTypes.h: the system's common types as UTType objects. */
#import <UniformTypeIdentifiers/UTType.h>

NS_ASSUME_NONNULL_BEGIN

UT_EXPORT UTType *const UTTypeItem API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeContent API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeCompositeContent API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeDiskImage API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeData API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeDirectory API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeResolvable API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeSymbolicLink API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeExecutable API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeMountPoint API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeAliasFile API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeURLBookmarkData API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeURL API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeFileURL API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeText API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypePlainText API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeUTF8PlainText API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeUTF16PlainText API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeRTF API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeHTML API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeXML API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeSourceCode API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeJSON API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypePropertyList API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeXMLPropertyList API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeBinaryPropertyList API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypePDF API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeRTFD API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeLog API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeImage API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeJPEG API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeTIFF API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeGIF API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypePNG API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeICNS API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeBMP API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeICO API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeRAWImage API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeSVG API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeLivePhoto API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeHEIF API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeHEIC API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeWebP API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeEXR API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeDNG API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeAudiovisualContent API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeMovie API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeVideo API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeAudio API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeQuickTimeMovie API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeMPEG API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeMPEG2Video API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeMPEG4Movie API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeMPEG4Audio API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeMP3 API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeAppleProtectedMPEG4Audio API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeFolder API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeVolume API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypePackage API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeBundle API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeFramework API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeApplication API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeApplicationBundle API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeArchive API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeGZIP API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeZIP API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeSpreadsheet API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypePresentation API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));
UT_EXPORT UTType *const UTTypeDatabase API_AVAILABLE(macos(11.0), ios(14.0), tvos(14.0), watchos(7.0));

NS_ASSUME_NONNULL_END
