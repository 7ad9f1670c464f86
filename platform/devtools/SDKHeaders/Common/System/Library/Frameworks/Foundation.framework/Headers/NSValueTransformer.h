/* NSValueTransformer.h: named, registered transformations of values, reversible or not, as bindings use them. */
#import <Foundation/NSObject.h>

@class NSArray<ObjectType>, NSString;

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSValueTransformerName NS_TYPED_EXTENSIBLE_ENUM;
FOUNDATION_EXPORT NSValueTransformerName const NSNegateBooleanTransformerName API_AVAILABLE(macos(10.3), ios(3.0));
FOUNDATION_EXPORT NSValueTransformerName const NSIsNilTransformerName API_AVAILABLE(macos(10.3), ios(3.0));
FOUNDATION_EXPORT NSValueTransformerName const NSIsNotNilTransformerName API_AVAILABLE(macos(10.3), ios(3.0));
FOUNDATION_EXPORT NSValueTransformerName const NSUnarchiveFromDataTransformerName API_DEPRECATED_WITH_REPLACEMENT("NSSecureUnarchiveFromDataTransformerName", macos(10.3, 10.14), ios(3.0, 12.0));
FOUNDATION_EXPORT NSValueTransformerName const NSKeyedUnarchiveFromDataTransformerName API_DEPRECATED_WITH_REPLACEMENT("NSSecureUnarchiveFromDataTransformerName", macos(10.3, 10.14), ios(3.0, 12.0));
FOUNDATION_EXPORT NSValueTransformerName const NSSecureUnarchiveFromDataTransformerName API_AVAILABLE(macos(10.14), ios(12.0));

@interface NSValueTransformer : NSObject
+ (void)setValueTransformer:(nullable NSValueTransformer *)transformer forName:(NSValueTransformerName)name;
+ (nullable NSValueTransformer *)valueTransformerForName:(NSValueTransformerName)name;
+ (NSArray<NSValueTransformerName> *)valueTransformerNames;
+ (Class)transformedValueClass;
+ (BOOL)allowsReverseTransformation;
- (nullable id)transformedValue:(nullable id)value;
- (nullable id)reverseTransformedValue:(nullable id)value;
@end

API_AVAILABLE(macos(10.14), ios(12.0))
@interface NSSecureUnarchiveFromDataTransformer : NSValueTransformer
@property (class, readonly, copy) NSArray<Class> *allowedTopLevelClasses;
@end

NS_ASSUME_NONNULL_END
