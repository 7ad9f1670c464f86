/* NSLayoutAnchor.h (AppKit): layout anchors, which make constraints between edges, centres and sizes. */
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#import <AppKit/AppKitDefines.h>

@class NSLayoutConstraint, NSLayoutDimension;

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.11))
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
@end

@class NSLayoutXAxisAnchor, NSLayoutYAxisAnchor;

API_AVAILABLE(macos(10.11))
@interface NSLayoutXAxisAnchor : NSLayoutAnchor<NSLayoutXAxisAnchor *>
@end

API_AVAILABLE(macos(10.11))
@interface NSLayoutYAxisAnchor : NSLayoutAnchor<NSLayoutYAxisAnchor *>
@end

API_AVAILABLE(macos(10.11))
@interface NSLayoutDimension : NSLayoutAnchor<NSLayoutDimension *>
- (NSLayoutConstraint *)constraintEqualToConstant:(CGFloat)c NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintGreaterThanOrEqualToConstant:(CGFloat)c NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintLessThanOrEqualToConstant:(CGFloat)c NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintEqualToAnchor:(NSLayoutDimension *)anchor multiplier:(CGFloat)m NS_WARN_UNUSED_RESULT;
- (NSLayoutConstraint *)constraintEqualToAnchor:(NSLayoutDimension *)anchor
                                     multiplier:(CGFloat)m
                                       constant:(CGFloat)c NS_WARN_UNUSED_RESULT;
@end

NS_ASSUME_NONNULL_END
