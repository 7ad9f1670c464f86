/* NSExpression.h: the expressions that predicates compare: constants, key paths, variables, functions. */
#import <Foundation/NSObject.h>
#import <Foundation/NSArray.h>

@class NSMutableDictionary<KeyType, ObjectType>, NSPredicate, NSString;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSUInteger, NSExpressionType) {
    NSConstantValueExpressionType = 0,
    NSEvaluatedObjectExpressionType,
    NSVariableExpressionType,
    NSKeyPathExpressionType,
    NSFunctionExpressionType,
    NSUnionSetExpressionType API_AVAILABLE(macos(10.5), ios(3.0)),
    NSIntersectSetExpressionType API_AVAILABLE(macos(10.5), ios(3.0)),
    NSMinusSetExpressionType API_AVAILABLE(macos(10.5), ios(3.0)),
    NSSubqueryExpressionType API_AVAILABLE(macos(10.5), ios(3.0)) = 13,
    NSAggregateExpressionType API_AVAILABLE(macos(10.5), ios(3.0)),
    NSAnyKeyExpressionType API_AVAILABLE(macos(10.9), ios(7.0)) = 15,
    NSBlockExpressionType = 19,
    NSConditionalExpressionType API_AVAILABLE(macos(10.11), ios(9.0)) = 20
};

API_AVAILABLE(macos(10.4), ios(3.0))
@interface NSExpression : NSObject <NSSecureCoding, NSCopying>

+ (NSExpression *)expressionWithFormat:(NSString *)expressionFormat, ... API_AVAILABLE(macos(10.6), ios(4.0));
+ (NSExpression *)expressionForConstantValue:(nullable id)obj;
+ (NSExpression *)expressionForEvaluatedObject;
+ (NSExpression *)expressionForVariable:(NSString *)string;
+ (NSExpression *)expressionForKeyPath:(NSString *)keyPath;
+ (NSExpression *)expressionForFunction:(NSString *)name arguments:(NSArray *)parameters;
+ (NSExpression *)expressionForAnyKey API_AVAILABLE(macos(10.9), ios(7.0));

- (instancetype)initWithExpressionType:(NSExpressionType)type NS_DESIGNATED_INITIALIZER;

@property (readonly) NSExpressionType expressionType;
@property (nullable, readonly, retain) id constantValue;
@property (readonly, copy) NSString *keyPath;
@property (readonly, copy) NSString *function;
@property (readonly, copy) NSString *variable;
@property (readonly, copy) NSExpression *operand;
@property (nullable, readonly, copy) NSArray<NSExpression *> *arguments;

- (nullable id)expressionValueWithObject:(nullable id)object context:(nullable NSMutableDictionary *)context;

@end

NS_ASSUME_NONNULL_END
