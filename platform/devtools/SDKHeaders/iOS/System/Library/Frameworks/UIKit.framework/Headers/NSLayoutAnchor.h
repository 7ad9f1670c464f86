/* NSLayoutAnchor.h: layout anchors, which make constraints between the edges, centres and sizes of items. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <UIKit/UIKitDefines.h>

@class NSLayoutConstraint, NSLayoutDimension;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(9.0))
@interface NSLayoutAnchor<AnchorType> : NSObject <NSCopying, NSCoding>
- (NSLayoutConstraint *)constraintEqualToAnchor:(NSLayoutAnchor<AnchorType> *)anchor NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintGreaterThanOrEqualToAnchor:(NSLayoutAnchor<AnchorType> *)anchor NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintLessThanOrEqualToAnchor:(NSLayoutAnchor<AnchorType> *)anchor NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintEqualToAnchor:(NSLayoutAnchor<AnchorType> *)anchor
                                       constant:(CGFloat)c NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintGreaterThanOrEqualToAnchor:(NSLayoutAnchor<AnchorType> *)anchor
                                                    constant:(CGFloat)c NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintLessThanOrEqualToAnchor:(NSLayoutAnchor<AnchorType> *)anchor
                                                 constant:(CGFloat)c NS_WARN_UNUSED_RESULT;
@property (readonly, copy) NSString *name API_AVAILABLE(ios(10.0));
@property (readonly, nullable, weak) id item API_AVAILABLE(ios(10.0));
@property (readonly) BOOL hasAmbiguousLayout API_AVAILABLE(ios(10.0));
@end

@class NSLayoutXAxisAnchor, NSLayoutYAxisAnchor;

API_AVAILABLE(ios(9.0))
@interface NSLayoutXAxisAnchor : NSLayoutAnchor<NSLayoutXAxisAnchor *>
- (NSLayoutDimension *)anchorWithOffsetToAnchor:(NSLayoutXAxisAnchor *)otherAnchor API_AVAILABLE(ios(10.0));
- (NSLayoutConstraint *)constraintEqualToSystemSpacingAfterAnchor:(NSLayoutXAxisAnchor *)anchor
                                                       multiplier:(CGFloat)multiplier API_AVAILABLE(ios(11.0));
@end

API_AVAILABLE(ios(9.0))
@interface NSLayoutYAxisAnchor : NSLayoutAnchor<NSLayoutYAxisAnchor *>
- (NSLayoutDimension *)anchorWithOffsetToAnchor:(NSLayoutYAxisAnchor *)otherAnchor API_AVAILABLE(ios(10.0));
- (NSLayoutConstraint *)constraintEqualToSystemSpacingBelowAnchor:(NSLayoutYAxisAnchor *)anchor
                                                       multiplier:(CGFloat)multiplier API_AVAILABLE(ios(11.0));
@end

API_AVAILABLE(ios(9.0))
@interface NSLayoutDimension : NSLayoutAnchor<NSLayoutDimension *>
- (NSLayoutConstraint *)constraintEqualToConstant:(CGFloat)c NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintGreaterThanOrEqualToConstant:(CGFloat)c NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintLessThanOrEqualToConstant:(CGFloat)c NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintEqualToAnchor:(NSLayoutDimension *)anchor
                                     multiplier:(CGFloat)m NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintEqualToAnchor:(NSLayoutDimension *)anchor
                                     multiplier:(CGFloat)m
                                       constant:(CGFloat)c NS_WARN_UNUSED_RESULT;
@end

NS_ASSUME_NONNULL_END
