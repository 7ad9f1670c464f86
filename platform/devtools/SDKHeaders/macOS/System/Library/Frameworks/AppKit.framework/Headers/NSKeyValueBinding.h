/* NSKeyValueBinding.h: Cocoa bindings: exposing bindings, binding an object's attribute to a key path of another. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSBindingName NS_TYPED_EXTENSIBLE_ENUM;
typedef NSString *NSBindingOption NS_TYPED_ENUM;
typedef NSString *NSBindingInfoKey NS_TYPED_ENUM;

@interface NSObject (NSKeyValueBindingCreation)
+ (void)exposeBinding:(NSBindingName)binding;
@property (readonly, copy) NSArray<NSBindingName> *exposedBindings;
- (nullable Class)valueClassForBinding:(NSBindingName)binding;
- (void)bind:(NSBindingName)binding
      toObject:(id)observable
   withKeyPath:(NSString *)keyPath
       options:(nullable NSDictionary<NSBindingOption, id> *)options;
- (void)unbind:(NSBindingName)binding;
- (nullable NSDictionary<NSBindingInfoKey, id> *)infoForBinding:(NSBindingName)binding;
@end

APPKIT_EXTERN NSBindingInfoKey NSObservedObjectKey;
APPKIT_EXTERN NSBindingInfoKey NSObservedKeyPathKey;
APPKIT_EXTERN NSBindingInfoKey NSOptionsKey;

APPKIT_EXTERN NSBindingName NSContentBinding;
APPKIT_EXTERN NSBindingName NSEnabledBinding;
APPKIT_EXTERN NSBindingName NSHiddenBinding;
APPKIT_EXTERN NSBindingName NSSelectedIndexBinding;
APPKIT_EXTERN NSBindingName NSTitleBinding;
APPKIT_EXTERN NSBindingName NSValueBinding;

APPKIT_EXTERN NSBindingOption NSContinuouslyUpdatesValueBindingOption;
APPKIT_EXTERN NSBindingOption NSNullPlaceholderBindingOption;
APPKIT_EXTERN NSBindingOption NSValueTransformerNameBindingOption;

NS_ASSUME_NONNULL_END
