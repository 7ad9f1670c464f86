/* NSStringDrawing.h: measuring and drawing strings and attributed strings in the current graphics context. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSAttributedString.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSInteger, NSStringDrawingOptions) {
    NSStringDrawingUsesLineFragmentOrigin = 1 << 0,
    NSStringDrawingUsesFontLeading = 1 << 1,
    NSStringDrawingUsesDeviceMetrics = 1 << 3,
    NSStringDrawingTruncatesLastVisibleLine API_AVAILABLE(macos(10.5)) = 1 << 5,
    NSStringDrawingDisableScreenFontSubstitution API_DEPRECATED("", macos(10.0, 10.11)) = (1 << 2),
    NSStringDrawingOneShot API_DEPRECATED("", macos(10.0, 10.11)) = (1 << 4)
} API_AVAILABLE(macos(10.0));

@interface NSString (NSStringDrawing)
- (NSSize)sizeWithAttributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attrs API_AVAILABLE(macos(10.0));
- (void)drawAtPoint:(NSPoint)point withAttributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attrs API_AVAILABLE(macos(10.0));
- (void)drawInRect:(NSRect)rect withAttributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attrs API_AVAILABLE(macos(10.0));
- (void)drawWithRect:(NSRect)rect options:(NSStringDrawingOptions)options attributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attributes context:(nullable id)context API_AVAILABLE(macos(10.11));
- (NSRect)boundingRectWithSize:(NSSize)size options:(NSStringDrawingOptions)options attributes:(nullable NSDictionary<NSAttributedStringKey, id> *)attributes context:(nullable id)context API_AVAILABLE(macos(10.11));
@end

@interface NSAttributedString (NSStringDrawing)
@property (readonly) NSSize size;
- (void)drawAtPoint:(NSPoint)point API_AVAILABLE(macos(10.0));
- (void)drawInRect:(NSRect)rect API_AVAILABLE(macos(10.0));
- (void)drawWithRect:(NSRect)rect options:(NSStringDrawingOptions)options context:(nullable id)context API_AVAILABLE(macos(10.11));
- (NSRect)boundingRectWithSize:(NSSize)size options:(NSStringDrawingOptions)options context:(nullable id)context API_AVAILABLE(macos(10.11));
@end

NS_ASSUME_NONNULL_END
