/* NSPDFImageRep.h: image representations of the pages of PDF documents. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSImageRep.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSPDFImageRep : NSImageRep
+ (nullable instancetype)imageRepWithData:(NSData *)pdfData;
- (nullable instancetype)initWithData:(NSData *)pdfData;
@property (readonly, strong) NSData *PDFRepresentation;
@property (readonly) NSRect bounds;
@property NSInteger currentPage;
@property (readonly) NSInteger pageCount;
@end

NS_ASSUME_NONNULL_END
