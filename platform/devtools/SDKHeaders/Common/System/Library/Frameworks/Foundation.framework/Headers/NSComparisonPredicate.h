/* NSComparisonPredicate.h: predicates that compare two expressions with an operator, options and a modifier. */
#import <Foundation/NSPredicate.h>

@class NSExpression;

NS_ASSUME_NONNULL_BEGIN

typedef NS_OPTIONS(NSUInteger, NSComparisonPredicateOptions) {
    NSCaseInsensitivePredicateOption = 0x01,
    NSDiacriticInsensitivePredicateOption = 0x02,
    NSNormalizedPredicateOption API_AVAILABLE(macos(10.6), ios(4.0)) = 0x04,
};

typedef NS_ENUM(NSUInteger, NSComparisonPredicateModifier) {
    NSDirectPredicateModifier = 0,
    NSAllPredicateModifier,
    NSAnyPredicateModifier
};

typedef NS_ENUM(NSUInteger, NSPredicateOperatorType) {
    NSLessThanPredicateOperatorType = 0,
    NSLessThanOrEqualToPredicateOperatorType,
    NSGreaterThanPredicateOperatorType,
    NSGreaterThanOrEqualToPredicateOperatorType,
    NSEqualToPredicateOperatorType,
    NSNotEqualToPredicateOperatorType,
    NSMatchesPredicateOperatorType,
    NSLikePredicateOperatorType,
    NSBeginsWithPredicateOperatorType,
    NSEndsWithPredicateOperatorType,
    NSInPredicateOperatorType,
    NSCustomSelectorPredicateOperatorType,
    NSContainsPredicateOperatorType API_AVAILABLE(macos(10.5), ios(3.0)) = 99,
    NSBetweenPredicateOperatorType API_AVAILABLE(macos(10.5), ios(3.0))
};

API_AVAILABLE(macos(10.4), ios(3.0))
@interface NSComparisonPredicate : NSPredicate
+ (NSComparisonPredicate *)predicateWithLeftExpression:(NSExpression *)lhs
                                       rightExpression:(NSExpression *)rhs
                                              modifier:(NSComparisonPredicateModifier)modifier
                                                  type:(NSPredicateOperatorType)type
                                               options:(NSComparisonPredicateOptions)options;
+ (NSComparisonPredicate *)predicateWithLeftExpression:(NSExpression *)lhs
                                       rightExpression:(NSExpression *)rhs
                                        customSelector:(SEL)selector;
- (instancetype)initWithLeftExpression:(NSExpression *)lhs
                       rightExpression:(NSExpression *)rhs
                              modifier:(NSComparisonPredicateModifier)modifier
                                  type:(NSPredicateOperatorType)type
                               options:(NSComparisonPredicateOptions)options NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithLeftExpression:(NSExpression *)lhs
                       rightExpression:(NSExpression *)rhs
                        customSelector:(SEL)selector NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (readonly) NSPredicateOperatorType predicateOperatorType;
@property (readonly) NSComparisonPredicateModifier comparisonPredicateModifier;
@property (readonly, retain) NSExpression *leftExpression;
@property (readonly, retain) NSExpression *rightExpression;
@property (nullable, readonly) SEL customSelector;
@property (readonly) NSComparisonPredicateOptions options;
@end

NS_ASSUME_NONNULL_END
