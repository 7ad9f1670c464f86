/* NSTextFieldCell.h: the cells of text fields. */
#import <AppKit/NSActionCell.h>

@class NSColor;

NS_ASSUME_NONNULL_BEGIN

@interface NSTextFieldCell : NSActionCell
- (instancetype)initTextCell:(NSString *)string NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, copy) NSColor *backgroundColor;
@property BOOL drawsBackground;
@property (nullable, copy) NSColor *textColor;
- (NSText *)setUpFieldEditorAttributes:(NSText *)textObj;
@property (nullable, copy) NSString *placeholderString API_AVAILABLE(macos(10.3));
@end

NS_ASSUME_NONNULL_END
