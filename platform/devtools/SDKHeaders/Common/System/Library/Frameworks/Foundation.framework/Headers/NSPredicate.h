/* NSPredicate.h: logical conditions, parsed from a format string or given as a block, to evaluate and filter. */
#import <Foundation/NSObject.h>
#import <Foundation/NSArray.h>
#import <Foundation/NSSet.h>
#include <stdarg.h>

@class NSDictionary<KeyType, ObjectType>, NSString;

NS_ASSUME_NONNULL_BEGIN

@interface NSPredicate : NSObject <NSSecureCoding, NSCopying>

+ (NSPredicate *)predicateWithFormat:(NSString *)predicateFormat argumentArray:(nullable NSArray *)arguments;
+ (NSPredicate *)predicateWithFormat:(NSString *)predicateFormat, ...;
+ (NSPredicate *)predicateWithFormat:(NSString *)predicateFormat arguments:(va_list)argList;
+ (nullable NSPredicate *)predicateFromMetadataQueryString:(NSString *)queryString API_AVAILABLE(macos(10.9))
    API_UNAVAILABLE(ios);
+ (NSPredicate *)predicateWithValue:(BOOL)value;
#if defined(__BLOCKS__)
+ (NSPredicate *)predicateWithBlock:(BOOL (^)(id _Nullable evaluatedObject,
                                              NSDictionary<NSString *, id> *_Nullable bindings))block
    API_AVAILABLE(macos(10.6), ios(4.0));
#endif
@property (readonly, copy) NSString *predicateFormat;
- (instancetype)predicateWithSubstitutionVariables:(NSDictionary<NSString *, id> *)variables;
- (BOOL)evaluateWithObject:(nullable id)object;
- (BOOL)evaluateWithObject:(nullable id)object
     substitutionVariables:(nullable NSDictionary<NSString *, id> *)bindings API_AVAILABLE(macos(10.5), ios(3.0));
- (void)allowEvaluation API_AVAILABLE(macos(10.9), ios(7.0));

@end

@interface NSArray<ObjectType> (NSPredicateSupport)
- (NSArray<ObjectType> *)filteredArrayUsingPredicate:(NSPredicate *)predicate;
@end

@interface NSMutableArray<ObjectType> (NSPredicateSupport)
- (void)filterUsingPredicate:(NSPredicate *)predicate;
@end

@interface NSSet<ObjectType> (NSPredicateSupport)
- (NSSet<ObjectType> *)filteredSetUsingPredicate:(NSPredicate *)predicate API_AVAILABLE(macos(10.5), ios(3.0));
@end

@interface NSMutableSet<ObjectType> (NSPredicateSupport)
- (void)filterUsingPredicate:(NSPredicate *)predicate API_AVAILABLE(macos(10.5), ios(3.0));
@end

NS_ASSUME_NONNULL_END
