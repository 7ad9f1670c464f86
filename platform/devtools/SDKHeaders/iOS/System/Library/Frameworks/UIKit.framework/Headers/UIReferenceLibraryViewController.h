/* UIReferenceLibraryViewController.h: the system dictionary's definition of a term. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(5.0)) API_UNAVAILABLE(tvos)
@interface UIReferenceLibraryViewController : UIViewController
+ (BOOL)dictionaryHasDefinitionForTerm:(NSString *)term;
- (instancetype)initWithTerm:(NSString *)term NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithNibName:(nullable NSString *)nibNameOrNil bundle:(nullable NSBundle *)nibBundleOrNil NS_UNAVAILABLE;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@end

NS_ASSUME_NONNULL_END
