/* NSStoryboard.h: storyboards: the scenes of an interface, instantiated by identifier. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>

NS_ASSUME_NONNULL_BEGIN

typedef NSString *NSStoryboardName NS_TYPED_EXTENSIBLE_ENUM;
typedef NSString *NSStoryboardSceneIdentifier NS_TYPED_EXTENSIBLE_ENUM;

API_AVAILABLE(macos(10.10))
@interface NSStoryboard : NSObject
@property (class, readonly, strong, nullable) NSStoryboard *mainStoryboard API_AVAILABLE(macos(10.13));
+ (instancetype)storyboardWithName:(NSStoryboardName)name bundle:(nullable NSBundle *)storyboardBundleOrNil;
- (nullable id)instantiateInitialController;
- (id)instantiateControllerWithIdentifier:(NSStoryboardSceneIdentifier)identifier;
@end

NS_ASSUME_NONNULL_END
