/* NSTextContainer.h (UIKit): the region, with its exclusion paths, that TextKit lays text out in. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/NSParagraphStyle.h>
#import <UIKit/NSLayoutManager.h>

@class UIBezierPath;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(7.0))
@interface NSTextContainer : NSObject <NSSecureCoding, NSTextLayoutOrientationProvider>
- (instancetype)initWithSize:(CGSize)size NS_DESIGNATED_INITIALIZER API_AVAILABLE(ios(7.0));
- (instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (nullable, assign, NS_NONATOMIC_IOSONLY) NSLayoutManager *layoutManager;
- (void)replaceLayoutManager:(NSLayoutManager *)newLayoutManager API_AVAILABLE(ios(9.0));
@property (NS_NONATOMIC_IOSONLY) CGSize size API_AVAILABLE(ios(7.0));
@property (copy, NS_NONATOMIC_IOSONLY) NSArray<UIBezierPath *> *exclusionPaths API_AVAILABLE(ios(7.0));
@property (NS_NONATOMIC_IOSONLY) NSLineBreakMode lineBreakMode API_AVAILABLE(ios(7.0));
@property (NS_NONATOMIC_IOSONLY) CGFloat lineFragmentPadding;
@property (NS_NONATOMIC_IOSONLY) NSUInteger maximumNumberOfLines API_AVAILABLE(ios(7.0));
- (CGRect)lineFragmentRectForProposedRect:(CGRect)proposedRect
                                  atIndex:(NSUInteger)characterIndex
                         writingDirection:(NSWritingDirection)baseWritingDirection
                            remainingRect:(nullable CGRect *)remainingRect API_AVAILABLE(ios(7.0));
@property (getter=isSimpleRectangularTextContainer, readonly, NS_NONATOMIC_IOSONLY)
    BOOL simpleRectangularTextContainer API_AVAILABLE(ios(9.0));
@property (NS_NONATOMIC_IOSONLY) BOOL widthTracksTextView;
@property (NS_NONATOMIC_IOSONLY) BOOL heightTracksTextView;
@end

NS_ASSUME_NONNULL_END
