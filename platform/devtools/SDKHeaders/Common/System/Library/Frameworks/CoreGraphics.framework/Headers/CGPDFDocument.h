/* CGPDFDocument.h: PDF documents read from a data provider or a URL, and their pages. */
#ifndef CGPDFDOCUMENT_H_
#define CGPDFDOCUMENT_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGDataProvider.h>
#include <CoreFoundation/CFURL.h>

typedef struct CF_BRIDGED_TYPE(id) CGPDFDocument *CGPDFDocumentRef;
typedef struct CF_BRIDGED_TYPE(id) CGPDFPage *CGPDFPageRef;

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

CG_EXTERN CFTypeID CGPDFDocumentGetTypeID(void);
CG_EXTERN CGPDFDocumentRef _Nullable CGPDFDocumentCreateWithProvider(CGDataProviderRef _Nullable provider);
CG_EXTERN CGPDFDocumentRef _Nullable CGPDFDocumentCreateWithURL(CFURLRef _Nullable url);
CG_EXTERN CGPDFDocumentRef _Nullable CGPDFDocumentRetain(CGPDFDocumentRef _Nullable document);
CG_EXTERN void CGPDFDocumentRelease(CGPDFDocumentRef _Nullable document);
CG_EXTERN void CGPDFDocumentGetVersion(CGPDFDocumentRef _Nullable document, int *majorVersion, int *minorVersion);
CG_EXTERN bool CGPDFDocumentIsEncrypted(CGPDFDocumentRef _Nullable document);
CG_EXTERN bool CGPDFDocumentUnlockWithPassword(CGPDFDocumentRef _Nullable document, const char *password);
CG_EXTERN bool CGPDFDocumentIsUnlocked(CGPDFDocumentRef _Nullable document);
CG_EXTERN bool CGPDFDocumentAllowsPrinting(CGPDFDocumentRef _Nullable document);
CG_EXTERN bool CGPDFDocumentAllowsCopying(CGPDFDocumentRef _Nullable document);
CG_EXTERN size_t CGPDFDocumentGetNumberOfPages(CGPDFDocumentRef _Nullable document);
CG_EXTERN CGPDFPageRef _Nullable CGPDFDocumentGetPage(CGPDFDocumentRef _Nullable document, size_t pageNumber);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGPDFDOCUMENT_H_ */
