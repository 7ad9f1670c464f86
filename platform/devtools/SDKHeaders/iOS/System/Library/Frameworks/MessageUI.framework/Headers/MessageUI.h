/* MessageUI.h: the standard views for composing mail and text messages. */
#import <MessageUI/MFMailComposeViewController.h>
#import <MessageUI/MFMessageComposeViewController.h>
