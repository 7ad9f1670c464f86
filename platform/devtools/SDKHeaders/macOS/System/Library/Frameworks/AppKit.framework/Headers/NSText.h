/* NSText.h: the text-editing view that field editors and text views build on. */
#import <AppKit/NSView.h>

@class NSColor, NSFont;

NS_ASSUME_NONNULL_BEGIN

@interface NSText : NSView
@property (nullable, copy) NSString *string;
@property (getter=isEditable) BOOL editable;
@property (getter=isSelectable) BOOL selectable;
@property (getter=isFieldEditor) BOOL fieldEditor;
@property (nullable, strong) NSFont *font;
@property (nullable, copy) NSColor *textColor;
@property NSRange selectedRange;
@end

NS_ASSUME_NONNULL_END
