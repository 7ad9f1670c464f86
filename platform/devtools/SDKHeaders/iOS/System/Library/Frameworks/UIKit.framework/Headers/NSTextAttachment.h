/* NSTextAttachment.h (UIKit): images and files embedded in attributed strings at the attachment character. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

@class NSTextContainer, NSFileWrapper, UIImage;

NS_ASSUME_NONNULL_BEGIN

enum {
    NSAttachmentCharacter API_AVAILABLE(ios(7.0)) = 0xFFFC
};

@protocol NSTextAttachmentContainer <NSObject>
- (nullable UIImage *)imageForBounds:(CGRect)imageBounds
                       textContainer:(nullable NSTextContainer *)textContainer
                      characterIndex:(NSUInteger)charIndex API_AVAILABLE(ios(7.0));
- (CGRect)attachmentBoundsForTextContainer:(nullable NSTextContainer *)textContainer
                      proposedLineFragment:(CGRect)lineFrag
                             glyphPosition:(CGPoint)position
                            characterIndex:(NSUInteger)charIndex API_AVAILABLE(ios(7.0));
@end

API_AVAILABLE(ios(7.0))
@interface NSTextAttachment : NSObject <NSTextAttachmentContainer, NSSecureCoding>
- (instancetype)initWithData:(nullable NSData *)contentData
                      ofType:(nullable NSString *)uti NS_DESIGNATED_INITIALIZER API_AVAILABLE(ios(7.0));
+ (NSTextAttachment *)textAttachmentWithImage:(UIImage *)image API_AVAILABLE(ios(13.0));
@property (nullable, copy, NS_NONATOMIC_IOSONLY) NSData *contents API_AVAILABLE(ios(7.0));
@property (nullable, copy, NS_NONATOMIC_IOSONLY) NSString *fileType API_AVAILABLE(ios(7.0));
@property (nullable, strong, NS_NONATOMIC_IOSONLY) UIImage *image API_AVAILABLE(ios(7.0));
@property (NS_NONATOMIC_IOSONLY) CGRect bounds API_AVAILABLE(ios(7.0));
@property (nullable, strong, NS_NONATOMIC_IOSONLY) NSFileWrapper *fileWrapper;
@property (NS_NONATOMIC_IOSONLY) CGFloat lineLayoutPadding API_AVAILABLE(ios(15.0));
@end

@interface NSAttributedString (NSAttributedStringAttachmentConveniences)
+ (NSAttributedString *)attributedStringWithAttachment:(NSTextAttachment *)attachment API_AVAILABLE(ios(7.0));
@end

NS_ASSUME_NONNULL_END
