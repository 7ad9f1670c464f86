/* UIKit.h: the whole UIKit framework, with Foundation, Core Graphics and Quartz Core. watchOS has only the part
 * that draws: geometry, colours, fonts, images, text attributes and graphics contexts. */
#import <TargetConditionals.h>
#import <Foundation/Foundation.h>
#import <CoreGraphics/CoreGraphics.h>
#if !TARGET_OS_WATCH
#import <QuartzCore/QuartzCore.h>
#endif

#import <UIKit/UIKitDefines.h>
#import <UIKit/UINibDeclarations.h>
#import <UIKit/UIGeometry.h>
#import <UIKit/UIColor.h>
#import <UIKit/UIFont.h>
#import <UIKit/UIImage.h>
#import <UIKit/NSText.h>
#import <UIKit/NSParagraphStyle.h>
#import <UIKit/NSAttributedString.h>
#import <UIKit/UIGraphics.h>
#import <UIKit/UIBezierPath.h>

#if !TARGET_OS_WATCH
#import <UIKit/UIEvent.h>
#import <UIKit/UIResponder.h>
#import <UIKit/UIDevice.h>
#import <UIKit/UITraitCollection.h>
#import <UIKit/UIAppearance.h>
#import <UIKit/NSLayoutConstraint.h>
#import <UIKit/NSLayoutAnchor.h>
#import <UIKit/UIView.h>
#import <UIKit/UILayoutGuide.h>
#import <UIKit/UIScreen.h>
#import <UIKit/UIWindow.h>
#import <UIKit/UIApplication.h>
#import <UIKit/UIScene.h>
#import <UIKit/UIViewController.h>
#import <UIKit/UIPresentationController.h>
#import <UIKit/UIControl.h>
#import <UIKit/UILabel.h>
#import <UIKit/UIButton.h>
#import <UIKit/UIImageView.h>
#import <UIKit/UIScrollView.h>
#import <UIKit/UITableViewCell.h>
#import <UIKit/UITableView.h>
#import <UIKit/UICollectionView.h>
#import <UIKit/UIBarItem.h>
#import <UIKit/UIBarButtonItem.h>
#import <UIKit/UINavigationBar.h>
#import <UIKit/UINavigationController.h>
#import <UIKit/UITabBarController.h>
#import <UIKit/UIAlertController.h>
#import <UIKit/UIStoryboard.h>
#import <UIKit/UIStoryboardSegue.h>
#import <UIKit/UINib.h>
#import <UIKit/UITextInputTraits.h>
#import <UIKit/UITextField.h>
#import <UIKit/UITextView.h>
#import <UIKit/UISwitch.h>
#import <UIKit/UISegmentedControl.h>
#import <UIKit/UISlider.h>
#import <UIKit/UIActivityIndicatorView.h>
#import <UIKit/UIGestureRecognizer.h>
#import <UIKit/UIStackView.h>
#endif
