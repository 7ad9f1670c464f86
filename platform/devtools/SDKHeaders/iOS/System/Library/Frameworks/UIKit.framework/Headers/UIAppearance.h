/* UIAppearance.h: the appearance proxy that sets the default look of all instances of a class. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

@class UITraitCollection;

NS_ASSUME_NONNULL_BEGIN

@protocol UIAppearanceContainer <NSObject>
@end

@protocol UIAppearance <NSObject>
+ (instancetype)appearance;
+ (instancetype)appearanceWhenContainedInInstancesOfClasses:(NSArray<Class<UIAppearanceContainer>> *)containerTypes
    API_AVAILABLE(ios(9.0));
+ (instancetype)appearanceWhenContainedIn:(nullable Class<UIAppearanceContainer>)ContainerClass, ...
    NS_REQUIRES_NIL_TERMINATION API_DEPRECATED_WITH_REPLACEMENT("appearanceWhenContainedInInstancesOfClasses:",
                                                                ios(5.0, 9.0)) API_UNAVAILABLE(tvos);
+ (instancetype)appearanceForTraitCollection:(UITraitCollection *)trait API_AVAILABLE(ios(8.0));
+ (instancetype)appearanceForTraitCollection:(UITraitCollection *)trait
                    whenContainedInInstancesOfClasses:(NSArray<Class<UIAppearanceContainer>> *)containerTypes
    API_AVAILABLE(ios(9.0));
@end

NS_ASSUME_NONNULL_END
