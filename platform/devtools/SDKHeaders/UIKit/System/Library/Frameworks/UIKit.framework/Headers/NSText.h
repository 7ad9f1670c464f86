/* NSText.h (UIKit): text alignment and writing direction. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <CoreText/CTParagraphStyle.h>

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, NSTextAlignment) {
    NSTextAlignmentLeft = 0,
    NSTextAlignmentCenter = 1,
    NSTextAlignmentRight = 2,
    NSTextAlignmentJustified = 3,
    NSTextAlignmentNatural = 4
} API_AVAILABLE(ios(6.0));

/* The alignments of UIKit and of Core Text differ in value; these convert between them. */
UIKIT_EXTERN CTTextAlignment NSTextAlignmentToCTTextAlignment(NSTextAlignment nsTextAlignment) API_AVAILABLE(ios(6.0));
UIKIT_EXTERN NSTextAlignment NSTextAlignmentFromCTTextAlignment(CTTextAlignment ctTextAlignment) API_AVAILABLE(ios(6.0));

typedef NS_ENUM(NSInteger, NSWritingDirection) {
    NSWritingDirectionNatural = -1,
    NSWritingDirectionLeftToRight = 0,
    NSWritingDirectionRightToLeft = 1
} API_AVAILABLE(ios(6.0));

NS_ASSUME_NONNULL_END
