/* NSLayoutManager.h (UIKit): TextKit's layout: glyph generation, line fragments, hit testing and glyph drawing. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/NSAttributedString.h>
#import <UIKit/NSTextStorage.h>

@class UIFont, UIColor, NSTextContainer;
@protocol NSLayoutManagerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSTextLayoutOrientation) {
    NSTextLayoutOrientationHorizontal = 0,
    NSTextLayoutOrientationVertical = 1,
} API_AVAILABLE(ios(7.0));

typedef NS_OPTIONS(NSInteger, NSGlyphProperty) {
    NSGlyphPropertyNull = (1 << 0),
    NSGlyphPropertyControlCharacter = (1 << 1),
    NSGlyphPropertyElastic = (1 << 2),
    NSGlyphPropertyNonBaseCharacter = (1 << 3)
} API_AVAILABLE(ios(7.0));

typedef NS_OPTIONS(NSInteger, NSControlCharacterAction) {
    NSControlCharacterActionZeroAdvancement = (1 << 0),
    NSControlCharacterActionWhitespace = (1 << 1),
    NSControlCharacterActionHorizontalTab = (1 << 2),
    NSControlCharacterActionLineBreak = (1 << 3),
    NSControlCharacterActionParagraphBreak = (1 << 4),
    NSControlCharacterActionContainerBreak = (1 << 5)
} API_AVAILABLE(ios(7.0));

@protocol NSTextLayoutOrientationProvider
@property (readonly, NS_NONATOMIC_IOSONLY) NSTextLayoutOrientation layoutOrientation API_AVAILABLE(ios(7.0));
@end

API_AVAILABLE(ios(7.0))
@interface NSLayoutManager : NSObject <NSSecureCoding>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;

@property (nullable, assign, NS_NONATOMIC_IOSONLY) NSTextStorage *textStorage;
@property (readonly, NS_NONATOMIC_IOSONLY) NSArray<NSTextContainer *> *textContainers;
- (void)addTextContainer:(NSTextContainer *)container;
- (void)insertTextContainer:(NSTextContainer *)container atIndex:(NSUInteger)index;
- (void)removeTextContainerAtIndex:(NSUInteger)index;
- (void)textContainerChangedGeometry:(NSTextContainer *)container;

@property (nullable, weak, NS_NONATOMIC_IOSONLY) id<NSLayoutManagerDelegate> delegate;
@property (NS_NONATOMIC_IOSONLY) BOOL showsInvisibleCharacters;
@property (NS_NONATOMIC_IOSONLY) BOOL showsControlCharacters;
@property (NS_NONATOMIC_IOSONLY) CGFloat hyphenationFactor API_DEPRECATED("", ios(7.0, 9.0));
@property (NS_NONATOMIC_IOSONLY) BOOL usesFontLeading;
@property (NS_NONATOMIC_IOSONLY) BOOL allowsNonContiguousLayout;
@property (readonly, NS_NONATOMIC_IOSONLY) BOOL hasNonContiguousLayout;
@property (NS_NONATOMIC_IOSONLY) BOOL limitsLayoutForSuspiciousContents API_AVAILABLE(ios(12.0));
@property (NS_NONATOMIC_IOSONLY) BOOL usesDefaultHyphenation API_AVAILABLE(ios(15.0));

- (void)invalidateGlyphsForCharacterRange:(NSRange)charRange
                           changeInLength:(NSInteger)delta
                     actualCharacterRange:(nullable NSRangePointer)actualCharRange;
- (void)invalidateLayoutForCharacterRange:(NSRange)charRange
                     actualCharacterRange:(nullable NSRangePointer)actualCharRange API_AVAILABLE(ios(7.0));
- (void)invalidateDisplayForCharacterRange:(NSRange)charRange;
- (void)invalidateDisplayForGlyphRange:(NSRange)glyphRange;
- (void)processEditingForTextStorage:(NSTextStorage *)textStorage
                              edited:(NSTextStorageEditActions)editMask
                               range:(NSRange)newCharRange
                      changeInLength:(NSInteger)delta
                    invalidatedRange:(NSRange)invalidatedCharRange API_AVAILABLE(ios(7.0));

- (void)ensureGlyphsForCharacterRange:(NSRange)charRange;
- (void)ensureGlyphsForGlyphRange:(NSRange)glyphRange;
- (void)ensureLayoutForCharacterRange:(NSRange)charRange;
- (void)ensureLayoutForGlyphRange:(NSRange)glyphRange;
- (void)ensureLayoutForTextContainer:(NSTextContainer *)container;
- (void)ensureLayoutForBoundingRect:(CGRect)bounds inTextContainer:(NSTextContainer *)container;

- (void)setGlyphs:(const CGGlyph *)glyphs
           properties:(const NSGlyphProperty *)props
     characterIndexes:(const NSUInteger *)charIndexes
                 font:(UIFont *)aFont
        forGlyphRange:(NSRange)glyphRange API_AVAILABLE(ios(7.0));
@property (readonly, NS_NONATOMIC_IOSONLY) NSUInteger numberOfGlyphs;
- (CGGlyph)CGGlyphAtIndex:(NSUInteger)glyphIndex isValidIndex:(nullable BOOL *)isValidIndex API_AVAILABLE(ios(7.0));
- (CGGlyph)CGGlyphAtIndex:(NSUInteger)glyphIndex API_AVAILABLE(ios(7.0));
- (BOOL)isValidGlyphIndex:(NSUInteger)glyphIndex;
- (NSGlyphProperty)propertyForGlyphAtIndex:(NSUInteger)glyphIndex API_AVAILABLE(ios(7.0));
- (NSUInteger)characterIndexForGlyphAtIndex:(NSUInteger)glyphIndex;
- (NSUInteger)glyphIndexForCharacterAtIndex:(NSUInteger)charIndex;
- (NSUInteger)getGlyphsInRange:(NSRange)glyphRange
                        glyphs:(nullable CGGlyph *)glyphBuffer
                    properties:(nullable NSGlyphProperty *)props
              characterIndexes:(nullable NSUInteger *)charIndexBuffer
                    bidiLevels:(nullable unsigned char *)bidiLevelBuffer API_AVAILABLE(ios(7.0));

- (void)setTextContainer:(NSTextContainer *)container forGlyphRange:(NSRange)glyphRange;
- (void)setLineFragmentRect:(CGRect)fragmentRect forGlyphRange:(NSRange)glyphRange usedRect:(CGRect)usedRect;
- (void)setExtraLineFragmentRect:(CGRect)fragmentRect
                        usedRect:(CGRect)usedRect
                   textContainer:(NSTextContainer *)container;
- (void)setLocation:(CGPoint)location forStartOfGlyphRange:(NSRange)glyphRange;
- (void)setNotShownAttribute:(BOOL)flag forGlyphAtIndex:(NSUInteger)glyphIndex;
- (void)setDrawsOutsideLineFragment:(BOOL)flag forGlyphAtIndex:(NSUInteger)glyphIndex;
- (void)setAttachmentSize:(CGSize)attachmentSize forGlyphRange:(NSRange)glyphRange;

- (void)getFirstUnlaidCharacterIndex:(nullable NSUInteger *)charIndex glyphIndex:(nullable NSUInteger *)glyphIndex;
- (NSUInteger)firstUnlaidCharacterIndex;
- (NSUInteger)firstUnlaidGlyphIndex;
- (nullable NSTextContainer *)textContainerForGlyphAtIndex:(NSUInteger)glyphIndex
                                            effectiveRange:(nullable NSRangePointer)effectiveGlyphRange;
- (nullable NSTextContainer *)textContainerForGlyphAtIndex:(NSUInteger)glyphIndex
                                            effectiveRange:(nullable NSRangePointer)effectiveGlyphRange
                                  withoutAdditionalLayout:(BOOL)flag API_AVAILABLE(ios(9.0));
- (CGRect)usedRectForTextContainer:(NSTextContainer *)container;
- (CGRect)lineFragmentRectForGlyphAtIndex:(NSUInteger)glyphIndex
                           effectiveRange:(nullable NSRangePointer)effectiveGlyphRange;
- (CGRect)lineFragmentRectForGlyphAtIndex:(NSUInteger)glyphIndex
                           effectiveRange:(nullable NSRangePointer)effectiveGlyphRange
                  withoutAdditionalLayout:(BOOL)flag API_AVAILABLE(ios(9.0));
- (CGRect)lineFragmentUsedRectForGlyphAtIndex:(NSUInteger)glyphIndex
                               effectiveRange:(nullable NSRangePointer)effectiveGlyphRange;
- (CGRect)lineFragmentUsedRectForGlyphAtIndex:(NSUInteger)glyphIndex
                               effectiveRange:(nullable NSRangePointer)effectiveGlyphRange
                      withoutAdditionalLayout:(BOOL)flag API_AVAILABLE(ios(9.0));
@property (readonly, NS_NONATOMIC_IOSONLY) CGRect extraLineFragmentRect;
@property (readonly, NS_NONATOMIC_IOSONLY) CGRect extraLineFragmentUsedRect;
@property (nullable, readonly, NS_NONATOMIC_IOSONLY) NSTextContainer *extraLineFragmentTextContainer;
- (CGPoint)locationForGlyphAtIndex:(NSUInteger)glyphIndex;
- (BOOL)notShownAttributeForGlyphAtIndex:(NSUInteger)glyphIndex;
- (BOOL)drawsOutsideLineFragmentForGlyphAtIndex:(NSUInteger)glyphIndex;
- (CGSize)attachmentSizeForGlyphAtIndex:(NSUInteger)glyphIndex;
- (NSRange)truncatedGlyphRangeInLineFragmentForGlyphAtIndex:(NSUInteger)glyphIndex API_AVAILABLE(ios(7.0));

- (NSRange)glyphRangeForCharacterRange:(NSRange)charRange actualCharacterRange:(nullable NSRangePointer)actualCharRange;
- (NSRange)characterRangeForGlyphRange:(NSRange)glyphRange actualGlyphRange:(nullable NSRangePointer)actualGlyphRange;
- (NSRange)glyphRangeForTextContainer:(NSTextContainer *)container;
- (NSRange)rangeOfNominallySpacedGlyphsContainingIndex:(NSUInteger)glyphIndex;
- (CGRect)boundingRectForGlyphRange:(NSRange)glyphRange inTextContainer:(NSTextContainer *)container;
- (NSRange)glyphRangeForBoundingRect:(CGRect)bounds inTextContainer:(NSTextContainer *)container;
- (NSRange)glyphRangeForBoundingRectWithoutAdditionalLayout:(CGRect)bounds
                                            inTextContainer:(NSTextContainer *)container;
- (NSUInteger)glyphIndexForPoint:(CGPoint)point
                  inTextContainer:(NSTextContainer *)container
    fractionOfDistanceThroughGlyph:(nullable CGFloat *)partialFraction;
- (NSUInteger)glyphIndexForPoint:(CGPoint)point inTextContainer:(NSTextContainer *)container;
- (CGFloat)fractionOfDistanceThroughGlyphForPoint:(CGPoint)point inTextContainer:(NSTextContainer *)container;
- (NSUInteger)characterIndexForPoint:(CGPoint)point
                              inTextContainer:(NSTextContainer *)container
    fractionOfDistanceBetweenInsertionPoints:(nullable CGFloat *)partialFraction;
- (NSUInteger)getLineFragmentInsertionPointsForCharacterAtIndex:(NSUInteger)charIndex
                                             alternatePositions:(BOOL)aFlag
                                                 inDisplayOrder:(BOOL)dFlag
                                                      positions:(nullable CGFloat *)positions
                                               characterIndexes:(nullable NSUInteger *)charIndexes;
- (void)enumerateLineFragmentsForGlyphRange:(NSRange)glyphRange
                                 usingBlock:(void (NS_NOESCAPE ^)(CGRect rect, CGRect usedRect,
                                                                  NSTextContainer *textContainer,
                                                                  NSRange glyphRange, BOOL *stop))block
    API_AVAILABLE(ios(7.0));
- (void)enumerateEnclosingRectsForGlyphRange:(NSRange)glyphRange
                    withinSelectedGlyphRange:(NSRange)selectedRange
                             inTextContainer:(NSTextContainer *)textContainer
                                  usingBlock:(void (NS_NOESCAPE ^)(CGRect rect, BOOL *stop))block
    API_AVAILABLE(ios(7.0));

- (void)drawBackgroundForGlyphRange:(NSRange)glyphsToShow atPoint:(CGPoint)origin;
- (void)drawGlyphsForGlyphRange:(NSRange)glyphsToShow atPoint:(CGPoint)origin;
- (void)showCGGlyphs:(const CGGlyph *)glyphs
           positions:(const CGPoint *)positions
               count:(NSInteger)glyphCount
                font:(UIFont *)font
          textMatrix:(CGAffineTransform)textMatrix
          attributes:(NSDictionary<NSAttributedStringKey, id> *)attributes
           inContext:(CGContextRef)CGContext API_AVAILABLE(ios(13.0));
- (void)showCGGlyphs:(const CGGlyph *)glyphs
           positions:(const CGPoint *)positions
               count:(NSUInteger)glyphCount
                font:(UIFont *)font
              matrix:(CGAffineTransform)textMatrix
          attributes:(NSDictionary<NSAttributedStringKey, id> *)attributes
           inContext:(CGContextRef)graphicsContext API_DEPRECATED("", ios(7.0, 13.0));
- (void)fillBackgroundRectArray:(const CGRect *)rectArray
                          count:(NSUInteger)rectCount
              forCharacterRange:(NSRange)charRange
                          color:(UIColor *)color API_AVAILABLE(ios(7.0));
- (void)drawUnderlineForGlyphRange:(NSRange)glyphRange
                     underlineType:(NSUnderlineStyle)underlineVal
                    baselineOffset:(CGFloat)baselineOffset
                  lineFragmentRect:(CGRect)lineRect
            lineFragmentGlyphRange:(NSRange)lineGlyphRange
                   containerOrigin:(CGPoint)containerOrigin;
- (void)underlineGlyphRange:(NSRange)glyphRange
              underlineType:(NSUnderlineStyle)underlineVal
           lineFragmentRect:(CGRect)lineRect
     lineFragmentGlyphRange:(NSRange)lineGlyphRange
            containerOrigin:(CGPoint)containerOrigin;
- (void)drawStrikethroughForGlyphRange:(NSRange)glyphRange
                     strikethroughType:(NSUnderlineStyle)strikethroughVal
                        baselineOffset:(CGFloat)baselineOffset
                      lineFragmentRect:(CGRect)lineRect
                lineFragmentGlyphRange:(NSRange)lineGlyphRange
                       containerOrigin:(CGPoint)containerOrigin;
- (void)strikethroughGlyphRange:(NSRange)glyphRange
              strikethroughType:(NSUnderlineStyle)strikethroughVal
               lineFragmentRect:(CGRect)lineRect
         lineFragmentGlyphRange:(NSRange)lineGlyphRange
                containerOrigin:(CGPoint)containerOrigin;
@end

@protocol NSLayoutManagerDelegate <NSObject>
@optional
- (NSUInteger)layoutManager:(NSLayoutManager *)layoutManager
       shouldGenerateGlyphs:(const CGGlyph *)glyphs
                 properties:(const NSGlyphProperty *)props
           characterIndexes:(const NSUInteger *)charIndexes
                       font:(UIFont *)aFont
              forGlyphRange:(NSRange)glyphRange API_AVAILABLE(ios(7.0));
- (CGFloat)layoutManager:(NSLayoutManager *)layoutManager
    lineSpacingAfterGlyphAtIndex:(NSUInteger)glyphIndex
    withProposedLineFragmentRect:(CGRect)rect API_AVAILABLE(ios(7.0));
- (CGFloat)layoutManager:(NSLayoutManager *)layoutManager
    paragraphSpacingBeforeGlyphAtIndex:(NSUInteger)glyphIndex
          withProposedLineFragmentRect:(CGRect)rect API_AVAILABLE(ios(7.0));
- (CGFloat)layoutManager:(NSLayoutManager *)layoutManager
    paragraphSpacingAfterGlyphAtIndex:(NSUInteger)glyphIndex
         withProposedLineFragmentRect:(CGRect)rect API_AVAILABLE(ios(7.0));
- (NSControlCharacterAction)layoutManager:(NSLayoutManager *)layoutManager
                          shouldUseAction:(NSControlCharacterAction)action
               forControlCharacterAtIndex:(NSUInteger)charIndex API_AVAILABLE(ios(7.0));
- (BOOL)layoutManager:(NSLayoutManager *)layoutManager
    shouldBreakLineByWordBeforeCharacterAtIndex:(NSUInteger)charIndex API_AVAILABLE(ios(7.0));
- (BOOL)layoutManager:(NSLayoutManager *)layoutManager
    shouldBreakLineByHyphenatingBeforeCharacterAtIndex:(NSUInteger)charIndex API_AVAILABLE(ios(7.0));
- (CGRect)layoutManager:(NSLayoutManager *)layoutManager
    boundingBoxForControlGlyphAtIndex:(NSUInteger)glyphIndex
                     forTextContainer:(NSTextContainer *)textContainer
                 proposedLineFragment:(CGRect)proposedRect
                        glyphPosition:(CGPoint)glyphPosition
                       characterIndex:(NSUInteger)charIndex API_AVAILABLE(ios(7.0));
- (BOOL)layoutManager:(NSLayoutManager *)layoutManager
    shouldSetLineFragmentRect:(inout CGRect *)lineFragmentRect
         lineFragmentUsedRect:(inout CGRect *)lineFragmentUsedRect
               baselineOffset:(inout CGFloat *)baselineOffset
              inTextContainer:(NSTextContainer *)textContainer
                forGlyphRange:(NSRange)glyphRange API_AVAILABLE(ios(9.0));
- (void)layoutManagerDidInvalidateLayout:(NSLayoutManager *)sender API_AVAILABLE(ios(7.0));
- (void)layoutManager:(NSLayoutManager *)layoutManager
    didCompleteLayoutForTextContainer:(nullable NSTextContainer *)textContainer
                                atEnd:(BOOL)layoutFinishedFlag API_AVAILABLE(ios(7.0));
- (void)layoutManager:(NSLayoutManager *)layoutManager
                textContainer:(NSTextContainer *)textContainer
    didChangeGeometryFromSize:(CGSize)oldSize API_AVAILABLE(ios(7.0));
@end

NS_ASSUME_NONNULL_END
