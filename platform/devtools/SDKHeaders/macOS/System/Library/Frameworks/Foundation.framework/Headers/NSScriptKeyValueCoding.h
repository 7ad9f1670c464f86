/* NSScriptKeyValueCoding.h: the key-value access scripting uses for the elements of to-many relationships. */
#import <Foundation/NSObject.h>

@class NSString;

NS_ASSUME_NONNULL_BEGIN

FOUNDATION_EXPORT NSString *NSOperationNotSupportedForKeyException;

@interface NSObject (NSScriptKeyValueCoding)
- (nullable id)valueAtIndex:(NSUInteger)index inPropertyWithKey:(NSString *)key;
- (nullable id)valueWithName:(NSString *)name inPropertyWithKey:(NSString *)key;
- (nullable id)valueWithUniqueID:(id)uniqueID inPropertyWithKey:(NSString *)key;
- (void)insertValue:(id)value atIndex:(NSUInteger)index inPropertyWithKey:(NSString *)key;
- (void)removeValueAtIndex:(NSUInteger)index fromPropertyWithKey:(NSString *)key;
- (void)replaceValueAtIndex:(NSUInteger)index inPropertyWithKey:(NSString *)key withValue:(id)value;
- (void)insertValue:(id)value inPropertyWithKey:(NSString *)key;
- (nullable id)coerceValue:(nullable id)value forKey:(NSString *)key;
@end

NS_ASSUME_NONNULL_END
