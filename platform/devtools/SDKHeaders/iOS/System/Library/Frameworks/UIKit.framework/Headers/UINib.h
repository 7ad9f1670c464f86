/* UINib.h: nib files loaded once and instantiated many times. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *UINibOptionsKey NS_TYPED_ENUM;
UIKIT_EXTERN UINibOptionsKey const UINibExternalObjects API_AVAILABLE(ios(3.0));

API_AVAILABLE(ios(4.0))
@interface UINib : NSObject
+ (UINib *)nibWithNibName:(NSString *)name bundle:(nullable NSBundle *)bundleOrNil;
+ (UINib *)nibWithData:(NSData *)data bundle:(nullable NSBundle *)bundleOrNil;
- (NSArray *)instantiateWithOwner:(nullable id)ownerOrNil options:(nullable NSDictionary<UINibOptionsKey, id> *)optionsOrNil;
@end

@interface NSBundle (UINibLoadingAdditions)
- (nullable NSArray *)loadNibNamed:(NSString *)name
                             owner:(nullable id)owner
                           options:(nullable NSDictionary<UINibOptionsKey, id> *)options;
@end

@interface NSObject (UINibLoadingAdditions)
- (void)awakeFromNib NS_REQUIRES_SUPER;
- (void)prepareForInterfaceBuilder API_AVAILABLE(ios(8.0));
@end

NS_ASSUME_NONNULL_END
