/* UICollectionViewController.h: view controllers that manage a collection view. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKitDefines.h>
#import <UIKit/UIViewController.h>
#import <UIKit/UICollectionView.h>

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(ios(6.0))
@interface UICollectionViewController : UIViewController <UICollectionViewDelegate, UICollectionViewDataSource>
- (instancetype)initWithCollectionViewLayout:(UICollectionViewLayout *)layout NS_DESIGNATED_INITIALIZER;
- (instancetype)initWithNibName:(nullable NSString *)nibNameOrNil
                         bundle:(nullable NSBundle *)nibBundleOrNil NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithCoder:(NSCoder *)coder NS_DESIGNATED_INITIALIZER;
@property (null_resettable, nonatomic, strong) __kindof UICollectionView *collectionView;
@property (nonatomic) BOOL clearsSelectionOnViewWillAppear;
@property (nonatomic) BOOL useLayoutToLayoutNavigationTransitions API_AVAILABLE(ios(7.0));
@property (nonatomic, readonly) UICollectionViewLayout *collectionViewLayout API_AVAILABLE(ios(7.0));
@property (nonatomic) BOOL installsStandardGestureForInteractiveMovement API_AVAILABLE(ios(9.0));
@end

NS_ASSUME_NONNULL_END
