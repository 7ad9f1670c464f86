/* NSTextView.h: the view that shows and edits rich text. */
#import <AppKit/NSText.h>

@class NSColor;

NS_ASSUME_NONNULL_BEGIN

@interface NSTextView : NSText
- (instancetype)initWithFrame:(NSRect)frameRect NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property NSSize textContainerInset;
- (void)drawInsertionPointInRect:(NSRect)rect color:(NSColor *)color turnedOn:(BOOL)flag;
@property (copy) NSColor *insertionPointColor;
@property BOOL allowsUndo;
@end

NS_ASSUME_NONNULL_END
