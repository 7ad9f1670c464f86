/* NSEPSImageRep.h: image representations of Encapsulated PostScript, which the system no longer renders. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSImageRep.h>

NS_ASSUME_NONNULL_BEGIN

API_DEPRECATED("EPS is no longer supported", macos(10.0, 14.0))
@interface NSEPSImageRep : NSImageRep
+ (nullable instancetype)imageRepWithData:(NSData *)epsData;
- (nullable instancetype)initWithData:(NSData *)epsData;
@property (readonly) NSRect boundingBox;
@property (readonly, copy) NSData *EPSRepresentation;
@end

NS_ASSUME_NONNULL_END
