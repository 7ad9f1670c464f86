/* CGImageProperties.h: the keys and values of the property dictionaries of image files and of their images. */
#ifndef CGIMAGEPROPERTIES_H_
#define CGIMAGEPROPERTIES_H_

#include <ImageIO/ImageIOBase.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef CF_CLOSED_ENUM(uint32_t, CGImagePropertyOrientation) {
    kCGImagePropertyOrientationUp = 1,
    kCGImagePropertyOrientationUpMirrored,
    kCGImagePropertyOrientationDown,
    kCGImagePropertyOrientationDownMirrored,
    kCGImagePropertyOrientationLeftMirrored,
    kCGImagePropertyOrientationRight,
    kCGImagePropertyOrientationRightMirrored,
    kCGImagePropertyOrientationLeft
};

/* Dictionaries of the formats' own properties */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGIFDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyJFIFDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPNGDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyIPTCDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGPSDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyRawDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyCIFFDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImageProperty8BIMDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyDNGDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifAuxDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyMakerAppleDictionary API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHEICSDictionary API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyWebPDictionary API_AVAILABLE(macos(11.0), ios(14.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHEIFDictionary API_AVAILABLE(macos(13.0), ios(16.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyAVISDictionary API_AVAILABLE(macos(13.0), ios(16.0));

/* Properties of the whole file */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyFileSize API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyFileContentsDictionary API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyImageCount API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyImages API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyThumbnailImages API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyImageIndex API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPrimaryImage API_AVAILABLE(macos(10.14), ios(12.0));

/* Properties of one image */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPixelHeight API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPixelWidth API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyDPIHeight API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyDPIWidth API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyDepth API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyOrientation API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyIsFloat API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyIsIndexed API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHasAlpha API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyColorModel API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyProfileName API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyWidth API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHeight API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyBytesPerRow API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyNamedColorSpace API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPixelFormat API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGroups API_AVAILABLE(macos(11.0), ios(14.1));

/* Values of kCGImagePropertyColorModel */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyColorModelRGB API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyColorModelGray API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyColorModelCMYK API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyColorModelLab API_AVAILABLE(macos(10.4), ios(4.0));

/* TIFF */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFCompression API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFPhotometricInterpretation API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFDocumentName API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFImageDescription API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFMake API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFModel API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFOrientation API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFXResolution API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFYResolution API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFResolutionUnit API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFSoftware API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFDateTime API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFArtist API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyTIFFCopyright API_AVAILABLE(macos(10.4), ios(4.0));

/* Exif */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifExposureTime API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifFNumber API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifISOSpeedRatings API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifDateTimeOriginal API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifDateTimeDigitized API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifFlash API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifFocalLength API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifUserComment API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifColorSpace API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifPixelXDimension API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifPixelYDimension API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifLensMake API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyExifLensModel API_AVAILABLE(macos(10.4), ios(4.0));

/* GPS */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGPSLatitude API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGPSLatitudeRef API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGPSLongitude API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGPSLongitudeRef API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGPSAltitude API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGPSTimeStamp API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGPSDateStamp API_AVAILABLE(macos(10.4), ios(4.0));

/* GIF */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGIFLoopCount API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGIFDelayTime API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGIFImageColorMap API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGIFHasGlobalColorMap API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGIFUnclampedDelayTime API_AVAILABLE(macos(10.7), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGIFCanvasPixelWidth API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGIFCanvasPixelHeight API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyGIFFrameInfoArray API_AVAILABLE(macos(10.15), ios(13.0));

/* PNG and APNG */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPNGGamma API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPNGInterlaceType API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPNGXPixelsPerMeter API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPNGYPixelsPerMeter API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPNGsRGBIntent API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyPNGChromaticities API_AVAILABLE(macos(10.4), ios(4.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyAPNGLoopCount API_AVAILABLE(macos(10.10), ios(8.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyAPNGDelayTime API_AVAILABLE(macos(10.10), ios(8.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyAPNGUnclampedDelayTime API_AVAILABLE(macos(10.10), ios(8.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyAPNGFrameInfoArray API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyAPNGCanvasPixelWidth API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyAPNGCanvasPixelHeight API_AVAILABLE(macos(10.15), ios(13.0));

/* HEICS */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHEICSLoopCount API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHEICSDelayTime API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHEICSUnclampedDelayTime API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHEICSCanvasPixelWidth API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHEICSCanvasPixelHeight API_AVAILABLE(macos(10.15), ios(13.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyHEICSFrameInfoArray API_AVAILABLE(macos(10.15), ios(13.0));

/* WebP */
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyWebPLoopCount API_AVAILABLE(macos(11.0), ios(14.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyWebPDelayTime API_AVAILABLE(macos(11.0), ios(14.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyWebPUnclampedDelayTime API_AVAILABLE(macos(11.0), ios(14.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyWebPFrameInfoArray API_AVAILABLE(macos(11.0), ios(14.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyWebPCanvasPixelWidth API_AVAILABLE(macos(11.0), ios(14.0));
IMAGEIO_EXTERN const CFStringRef kCGImagePropertyWebPCanvasPixelHeight API_AVAILABLE(macos(11.0), ios(14.0));

/* Auxiliary data: types and the keys of their info dictionaries */
IMAGEIO_EXTERN const CFStringRef kCGImageAuxiliaryDataTypeDepth API_AVAILABLE(macos(10.13), ios(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageAuxiliaryDataTypeDisparity API_AVAILABLE(macos(10.13), ios(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageAuxiliaryDataInfoData API_AVAILABLE(macos(10.13), ios(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageAuxiliaryDataInfoDataDescription API_AVAILABLE(macos(10.13), ios(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageAuxiliaryDataInfoMetadata API_AVAILABLE(macos(10.13), ios(11.0));
IMAGEIO_EXTERN const CFStringRef kCGImageAuxiliaryDataTypePortraitEffectsMatte API_AVAILABLE(macos(10.14), ios(12.0));
IMAGEIO_EXTERN const CFStringRef kCGImageAuxiliaryDataTypeHDRGainMap API_AVAILABLE(macos(11.0), ios(14.1));
IMAGEIO_EXTERN const CFStringRef kCGImageAuxiliaryDataTypeISOGainMap
    API_AVAILABLE(macos(15.0), ios(18.0), tvos(18.0), watchos(11.0));

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGIMAGEPROPERTIES_H_ */
