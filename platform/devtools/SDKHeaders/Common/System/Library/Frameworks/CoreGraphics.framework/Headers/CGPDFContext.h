/* CGPDFContext.h: drawing into PDF documents, page by page, with their metadata and links. */
#ifndef CGPDFCONTEXT_H_
#define CGPDFCONTEXT_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGContext.h>
#include <CoreGraphics/CGDataConsumer.h>
#include <CoreFoundation/CFDictionary.h>
#include <CoreFoundation/CFURL.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

CG_EXTERN CGContextRef _Nullable CGPDFContextCreate(CGDataConsumerRef _Nullable consumer,
                                                    const CGRect *_Nullable mediaBox,
                                                    CFDictionaryRef _Nullable auxiliaryInfo);
CG_EXTERN CGContextRef _Nullable CGPDFContextCreateWithURL(CFURLRef _Nullable url, const CGRect *_Nullable mediaBox,
                                                           CFDictionaryRef _Nullable auxiliaryInfo);
CG_EXTERN void CGPDFContextClose(CGContextRef _Nullable context);
CG_EXTERN void CGPDFContextBeginPage(CGContextRef _Nullable context, CFDictionaryRef _Nullable pageInfo);
CG_EXTERN void CGPDFContextEndPage(CGContextRef _Nullable context);
CG_EXTERN void CGPDFContextAddDocumentMetadata(CGContextRef _Nullable context, CFDataRef _Nullable metadata);
CG_EXTERN void CGPDFContextSetURLForRect(CGContextRef _Nullable context, CFURLRef url, CGRect rect);
CG_EXTERN void CGPDFContextAddDestinationAtPoint(CGContextRef _Nullable context, CFStringRef name, CGPoint point);
CG_EXTERN void CGPDFContextSetDestinationForRect(CGContextRef _Nullable context, CFStringRef name, CGRect rect);

CG_EXTERN const CFStringRef kCGPDFContextMediaBox;
CG_EXTERN const CFStringRef kCGPDFContextCropBox;
CG_EXTERN const CFStringRef kCGPDFContextBleedBox;
CG_EXTERN const CFStringRef kCGPDFContextTrimBox;
CG_EXTERN const CFStringRef kCGPDFContextArtBox;
CG_EXTERN const CFStringRef kCGPDFContextTitle;
CG_EXTERN const CFStringRef kCGPDFContextAuthor;
CG_EXTERN const CFStringRef kCGPDFContextSubject;
CG_EXTERN const CFStringRef kCGPDFContextKeywords;
CG_EXTERN const CFStringRef kCGPDFContextCreator;
CG_EXTERN const CFStringRef kCGPDFContextOwnerPassword;
CG_EXTERN const CFStringRef kCGPDFContextUserPassword;
CG_EXTERN const CFStringRef kCGPDFContextAllowsPrinting;
CG_EXTERN const CFStringRef kCGPDFContextAllowsCopying;

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGPDFCONTEXT_H_ */
