/* MFMessageComposeViewController.h: the standard view for composing and sending a text message. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKit.h>

@protocol MFMessageComposeViewControllerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, MessageComposeResult) {
    MessageComposeResultCancelled,
    MessageComposeResultSent,
    MessageComposeResultFailed
} API_AVAILABLE(ios(4.0));

API_AVAILABLE(ios(4.0))
@interface MFMessageComposeViewController : UINavigationController
+ (BOOL)canSendText;
+ (BOOL)canSendSubject API_AVAILABLE(ios(7.0));
@property (nonatomic, nullable, weak) id<MFMessageComposeViewControllerDelegate> messageComposeDelegate;
@property (nonatomic, nullable, copy) NSArray<NSString *> *recipients;
@property (nonatomic, nullable, copy) NSString *body;
@property (nonatomic, nullable, copy) NSString *subject API_AVAILABLE(ios(7.0));
@end

@protocol MFMessageComposeViewControllerDelegate <NSObject>
@required
- (void)messageComposeViewController:(MFMessageComposeViewController *)controller
                 didFinishWithResult:(MessageComposeResult)result;
@end

NS_ASSUME_NONNULL_END
