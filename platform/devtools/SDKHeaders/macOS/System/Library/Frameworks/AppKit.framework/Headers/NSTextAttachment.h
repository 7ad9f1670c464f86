/* NSTextAttachment.h: attachments of attributed strings (images, files) and the cells that draw them. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSCell.h>
#import <AppKit/NSAttributedString.h>

@class NSFileWrapper, NSImage, NSLayoutManager, NSTextContainer, NSView, NSEvent;
@protocol NSTextAttachmentCell;

NS_ASSUME_NONNULL_BEGIN

enum {
    NSAttachmentCharacter API_AVAILABLE(macos(10.0)) = 0xFFFC
};

@protocol NSTextAttachmentContainer <NSObject>
- (nullable NSImage *)imageForBounds:(NSRect)imageBounds
                       textContainer:(nullable NSTextContainer *)textContainer
                      characterIndex:(NSUInteger)charIndex API_AVAILABLE(macos(10.11));
- (NSRect)attachmentBoundsForTextContainer:(nullable NSTextContainer *)textContainer
                      proposedLineFragment:(NSRect)lineFrag
                             glyphPosition:(NSPoint)position
                            characterIndex:(NSUInteger)charIndex API_AVAILABLE(macos(10.11));
@end

@interface NSTextAttachment : NSObject <NSTextAttachmentContainer, NSSecureCoding>
- (instancetype)initWithData:(nullable NSData *)contentData ofType:(nullable NSString *)uti NS_DESIGNATED_INITIALIZER API_AVAILABLE(macos(10.11));
- (instancetype)initWithFileWrapper:(nullable NSFileWrapper *)fileWrapper;
@property (nullable, copy) NSData *contents API_AVAILABLE(macos(10.11));
@property (nullable, copy) NSString *fileType API_AVAILABLE(macos(10.11));
@property (nullable, strong) NSImage *image API_AVAILABLE(macos(10.11));
@property NSRect bounds API_AVAILABLE(macos(10.11));
@property (nullable, strong) NSFileWrapper *fileWrapper;
@property (nullable, strong) id<NSTextAttachmentCell> attachmentCell;
+ (NSAttributedString *)attributedStringWithAttachment:(NSTextAttachment *)attachment;
@end

@protocol NSTextAttachmentCell <NSObject>
- (void)drawWithFrame:(NSRect)cellFrame inView:(nullable NSView *)controlView;
- (BOOL)wantsToTrackMouse;
- (void)highlight:(BOOL)flag withFrame:(NSRect)cellFrame inView:(nullable NSView *)controlView;
- (BOOL)trackMouse:(NSEvent *)theEvent inRect:(NSRect)cellFrame ofView:(nullable NSView *)controlView untilMouseUp:(BOOL)flag;
- (NSSize)cellSize;
- (NSPoint)cellBaselineOffset;
@property (nullable, weak) NSTextAttachment *attachment;
- (void)drawWithFrame:(NSRect)cellFrame inView:(nullable NSView *)controlView characterIndex:(NSUInteger)charIndex;
- (void)drawWithFrame:(NSRect)cellFrame inView:(nullable NSView *)controlView characterIndex:(NSUInteger)charIndex layoutManager:(NSLayoutManager *)layoutManager;
- (BOOL)wantsToTrackMouseForEvent:(NSEvent *)theEvent inRect:(NSRect)cellFrame ofView:(nullable NSView *)controlView atCharacterIndex:(NSUInteger)charIndex;
- (BOOL)trackMouse:(NSEvent *)theEvent inRect:(NSRect)cellFrame ofView:(nullable NSView *)controlView atCharacterIndex:(NSUInteger)charIndex untilMouseUp:(BOOL)flag;
- (NSRect)cellFrameForTextContainer:(NSTextContainer *)textContainer proposedLineFragment:(NSRect)lineFrag glyphPosition:(NSPoint)position characterIndex:(NSUInteger)charIndex;
@end

@interface NSTextAttachmentCell : NSCell <NSTextAttachmentCell>
@end

@interface NSMutableAttributedString (NSMutableAttributedStringAttachmentConveniences)
- (void)updateAttachmentsFromPath:(NSString *)path;
@end

NS_ASSUME_NONNULL_END
