/* MFMailComposeViewController.h: the standard view for composing and sending an email. */
#import <Foundation/Foundation.h>
#import <UIKit/UIKit.h>

@protocol MFMailComposeViewControllerDelegate;

NS_ASSUME_NONNULL_BEGIN

typedef NS_ENUM(NSInteger, MFMailComposeResult) {
    MFMailComposeResultCancelled,
    MFMailComposeResultSaved,
    MFMailComposeResultSent,
    MFMailComposeResultFailed
} API_AVAILABLE(ios(3.0));

API_AVAILABLE(ios(3.0))
@interface MFMailComposeViewController : UINavigationController
+ (BOOL)canSendMail;
@property (nonatomic, nullable, weak) id<MFMailComposeViewControllerDelegate> mailComposeDelegate;
- (void)setSubject:(NSString *)subject;
- (void)setToRecipients:(nullable NSArray<NSString *> *)toRecipients;
- (void)setCcRecipients:(nullable NSArray<NSString *> *)ccRecipients;
- (void)setBccRecipients:(nullable NSArray<NSString *> *)bccRecipients;
- (void)setMessageBody:(NSString *)body isHTML:(BOOL)isHTML;
- (void)addAttachmentData:(NSData *)attachment mimeType:(NSString *)mimeType fileName:(NSString *)filename;
@end

@protocol MFMailComposeViewControllerDelegate <NSObject>
@optional
- (void)mailComposeController:(MFMailComposeViewController *)controller
          didFinishWithResult:(MFMailComposeResult)result
                        error:(nullable NSError *)error;
@end

NS_ASSUME_NONNULL_END
