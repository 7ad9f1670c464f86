/* NSText.h: the abstract text view: its string, editing and selection state, font, colours and alignment. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSView.h>

@class NSColor, NSFont;

NS_ASSUME_NONNULL_BEGIN

@interface NSText : NSView
- (instancetype)initWithFrame:(NSRect)frameRect NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (null_resettable, copy) NSString *string;
@property (getter=isEditable) BOOL editable;
@property (getter=isSelectable) BOOL selectable;
@property (getter=isRichText) BOOL richText;
@property (getter=isFieldEditor) BOOL fieldEditor;
@property BOOL usesFontPanel;
@property BOOL drawsBackground;
@property (nullable, copy) NSColor *backgroundColor;
@property (nullable, strong) NSFont *font;
@property (nullable, copy) NSColor *textColor;
@property NSRange selectedRange;
- (void)replaceCharactersInRange:(NSRange)range withString:(NSString *)string;
- (void)scrollRangeToVisible:(NSRange)range;
- (void)selectAll:(nullable id)sender;
- (void)copy:(nullable id)sender;
- (void)paste:(nullable id)sender;
- (void)cut:(nullable id)sender;
- (void)delete:(nullable id)sender;
- (void)sizeToFit;
@end

NS_ASSUME_NONNULL_END
