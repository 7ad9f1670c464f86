/* NSLayoutManager.h: glyph generation and layout of a text storage into text containers, and glyph drawing. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSFont.h>
#import <AppKit/NSTextStorage.h>
#import <AppKit/NSTextContainer.h>

@class NSTextView;
@protocol NSLayoutManagerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef unsigned int NSGlyph;

@interface NSLayoutManager : NSObject <NSSecureCoding>
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, assign) NSTextStorage *textStorage;
@property (readonly) NSArray<NSTextContainer *> *textContainers;
- (void)addTextContainer:(NSTextContainer *)container;
- (void)insertTextContainer:(NSTextContainer *)container atIndex:(NSUInteger)index;
- (void)removeTextContainerAtIndex:(NSUInteger)index;
@property (nullable, weak) id<NSLayoutManagerDelegate> delegate;
@property BOOL showsInvisibleCharacters;
@property BOOL showsControlCharacters;
@property BOOL allowsNonContiguousLayout API_AVAILABLE(macos(10.5));
@property BOOL usesFontLeading;
@property (nullable, readonly, assign) NSTextView *firstTextView;
@property (nullable, readonly, assign) NSTextView *textViewForBeginningOfSelection;
@property (readonly) NSUInteger numberOfGlyphs;
- (NSUInteger)glyphIndexForCharacterAtIndex:(NSUInteger)charIndex;
- (NSUInteger)characterIndexForGlyphAtIndex:(NSUInteger)glyphIndex;
- (NSRange)glyphRangeForCharacterRange:(NSRange)charRange actualCharacterRange:(nullable NSRangePointer)actualCharRange;
- (NSRange)characterRangeForGlyphRange:(NSRange)glyphRange actualGlyphRange:(nullable NSRangePointer)actualGlyphRange;
- (NSRange)glyphRangeForTextContainer:(NSTextContainer *)container;
- (NSRect)usedRectForTextContainer:(NSTextContainer *)container;
- (NSRect)boundingRectForGlyphRange:(NSRange)glyphRange inTextContainer:(NSTextContainer *)container;
- (NSRange)glyphRangeForBoundingRect:(NSRect)bounds inTextContainer:(NSTextContainer *)container;
- (NSUInteger)glyphIndexForPoint:(NSPoint)point inTextContainer:(NSTextContainer *)container;
- (NSUInteger)glyphIndexForPoint:(NSPoint)point
                 inTextContainer:(NSTextContainer *)container
  fractionOfDistanceThroughGlyph:(nullable CGFloat *)partialFraction;
- (NSRect)lineFragmentRectForGlyphAtIndex:(NSUInteger)glyphIndex effectiveRange:(nullable NSRangePointer)effectiveGlyphRange;
- (NSRect)lineFragmentUsedRectForGlyphAtIndex:(NSUInteger)glyphIndex
                               effectiveRange:(nullable NSRangePointer)effectiveGlyphRange;
- (NSPoint)locationForGlyphAtIndex:(NSUInteger)glyphIndex;
- (nullable NSTextContainer *)textContainerForGlyphAtIndex:(NSUInteger)glyphIndex
                                            effectiveRange:(nullable NSRangePointer)effectiveGlyphRange;
- (void)ensureLayoutForTextContainer:(NSTextContainer *)container;
- (void)ensureLayoutForCharacterRange:(NSRange)charRange API_AVAILABLE(macos(10.5));
- (void)ensureLayoutForGlyphRange:(NSRange)glyphRange API_AVAILABLE(macos(10.5));
- (void)invalidateLayoutForCharacterRange:(NSRange)charRange actualCharacterRange:(nullable NSRangePointer)actualCharRange;
- (void)invalidateDisplayForCharacterRange:(NSRange)charRange;
- (void)invalidateDisplayForGlyphRange:(NSRange)glyphRange;
- (void)drawBackgroundForGlyphRange:(NSRange)glyphsToShow atPoint:(NSPoint)origin;
- (void)drawGlyphsForGlyphRange:(NSRange)glyphsToShow atPoint:(NSPoint)origin;
- (CGFloat)defaultLineHeightForFont:(NSFont *)theFont;
- (CGFloat)defaultBaselineOffsetForFont:(NSFont *)theFont;
- (void)addTemporaryAttribute:(NSAttributedStringKey)attrName value:(id)value forCharacterRange:(NSRange)charRange;
- (void)addTemporaryAttributes:(NSDictionary<NSAttributedStringKey, id> *)attrs forCharacterRange:(NSRange)charRange;
- (void)setTemporaryAttributes:(NSDictionary<NSAttributedStringKey, id> *)attrs forCharacterRange:(NSRange)charRange;
- (void)removeTemporaryAttribute:(NSAttributedStringKey)attrName forCharacterRange:(NSRange)charRange;
- (NSDictionary<NSAttributedStringKey, id> *)temporaryAttributesAtCharacterIndex:(NSUInteger)charIndex
                                                                  effectiveRange:(nullable NSRangePointer)effectiveCharRange;
- (void)enumerateLineFragmentsForGlyphRange:(NSRange)glyphRange
                                 usingBlock:(void (^)(NSRect rect, NSRect usedRect, NSTextContainer *textContainer,
                                                      NSRange glyphRange, BOOL *stop))block API_AVAILABLE(macos(10.11));
@end

@protocol NSLayoutManagerDelegate <NSObject>
@optional
- (void)layoutManagerDidInvalidateLayout:(NSLayoutManager *)sender;
- (void)layoutManager:(NSLayoutManager *)layoutManager
    didCompleteLayoutForTextContainer:(nullable NSTextContainer *)textContainer
                                atEnd:(BOOL)layoutFinishedFlag;
@end

NS_ASSUME_NONNULL_END
