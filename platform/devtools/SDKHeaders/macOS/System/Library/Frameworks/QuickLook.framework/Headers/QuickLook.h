/* QuickLook.h: previews and thumbnails: the items a preview shows, and the requests of generator plug-ins. */
#include <CoreFoundation/CoreFoundation.h>
#include <CoreGraphics/CoreGraphics.h>
#include <CoreServices/CoreServices.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct __QLGeneratorRequest *QLThumbnailRequestRef;
typedef struct __QLGeneratorRequest *QLPreviewRequestRef;

extern const CFStringRef kQLPreviewPropertyDisplayNameKey;
extern const CFStringRef kQLPreviewPropertyWidthKey;
extern const CFStringRef kQLPreviewPropertyHeightKey;
extern const CFStringRef kQLPreviewPropertyTextEncodingNameKey;
extern const CFStringRef kQLPreviewPropertyMIMETypeKey;
extern const CFStringRef kQLPreviewPropertyAttachmentsKey;
extern const CFStringRef kQLPreviewPropertyAttachmentDataKey;
extern const CFStringRef kQLThumbnailOptionIconModeKey;
extern const CFStringRef kQLThumbnailOptionScaleFactorKey;

CFURLRef QLThumbnailRequestCopyURL(QLThumbnailRequestRef thumbnail);
CFDictionaryRef QLThumbnailRequestCopyOptions(QLThumbnailRequestRef thumbnail);
CFStringRef QLThumbnailRequestCopyContentUTI(QLThumbnailRequestRef thumbnail);
CGSize QLThumbnailRequestGetMaximumSize(QLThumbnailRequestRef thumbnail);
Boolean QLThumbnailRequestIsCancelled(QLThumbnailRequestRef thumbnail);
void QLThumbnailRequestSetImage(QLThumbnailRequestRef thumbnail, CGImageRef image, CFDictionaryRef properties);
void QLThumbnailRequestSetImageAtURL(QLThumbnailRequestRef thumbnail, CFURLRef url, CFDictionaryRef properties);
CGContextRef QLThumbnailRequestCreateContext(QLThumbnailRequestRef thumbnail, CGSize size, Boolean isBitmap,
                                             CFDictionaryRef properties);
void QLThumbnailRequestFlushContext(QLThumbnailRequestRef thumbnail, CGContextRef context);

CFURLRef QLPreviewRequestCopyURL(QLPreviewRequestRef preview);
CFDictionaryRef QLPreviewRequestCopyOptions(QLPreviewRequestRef preview);
CFStringRef QLPreviewRequestCopyContentUTI(QLPreviewRequestRef preview);
Boolean QLPreviewRequestIsCancelled(QLPreviewRequestRef preview);
void QLPreviewRequestSetDataRepresentation(QLPreviewRequestRef preview, CFDataRef data, CFStringRef contentTypeUTI,
                                           CFDictionaryRef properties);
CGContextRef QLPreviewRequestCreateContext(QLPreviewRequestRef preview, CGSize size, Boolean isBitmap,
                                           CFDictionaryRef properties);
void QLPreviewRequestFlushContext(QLPreviewRequestRef preview, CGContextRef context);

#ifdef __cplusplus
}
#endif

#if defined(__OBJC__)
#import <QuickLook/QLPreviewItem.h>
#endif
