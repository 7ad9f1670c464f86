/* CGPDFPage.h: the pages of PDF documents: their boxes, rotation and the transform that draws them into a rect. */
#ifndef CGPDFPAGE_H_
#define CGPDFPAGE_H_

#include <CoreGraphics/CGBase.h>
#include <CoreGraphics/CGAffineTransform.h>
#include <CoreGraphics/CGGeometry.h>
#include <CoreGraphics/CGPDFDocument.h>

CF_IMPLICIT_BRIDGING_ENABLED
CF_ASSUME_NONNULL_BEGIN

typedef CF_ENUM(int32_t, CGPDFBox) {
    kCGPDFMediaBox = 0,
    kCGPDFCropBox = 1,
    kCGPDFBleedBox = 2,
    kCGPDFTrimBox = 3,
    kCGPDFArtBox = 4
};

CG_EXTERN CFTypeID CGPDFPageGetTypeID(void);
CG_EXTERN CGPDFPageRef _Nullable CGPDFPageRetain(CGPDFPageRef _Nullable page);
CG_EXTERN void CGPDFPageRelease(CGPDFPageRef _Nullable page);
CG_EXTERN CGPDFDocumentRef _Nullable CGPDFPageGetDocument(CGPDFPageRef _Nullable page);
CG_EXTERN size_t CGPDFPageGetPageNumber(CGPDFPageRef _Nullable page);
CG_EXTERN CGRect CGPDFPageGetBoxRect(CGPDFPageRef _Nullable page, CGPDFBox box);
CG_EXTERN int CGPDFPageGetRotationAngle(CGPDFPageRef _Nullable page);
CG_EXTERN CGAffineTransform CGPDFPageGetDrawingTransform(CGPDFPageRef _Nullable page, CGPDFBox box, CGRect rect,
                                                         int rotate, bool preserveAspectRatio);

CF_ASSUME_NONNULL_END
CF_IMPLICIT_BRIDGING_DISABLED

#endif /* CGPDFPAGE_H_ */
