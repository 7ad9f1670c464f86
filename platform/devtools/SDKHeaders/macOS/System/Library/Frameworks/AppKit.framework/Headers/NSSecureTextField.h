/* NSSecureTextField.h: secure text fields, whose text is hidden as it is typed. */
#import <Foundation/Foundation.h>
#import <AppKit/AppKitDefines.h>
#import <AppKit/NSTextField.h>
#import <AppKit/NSTextFieldCell.h>

NS_ASSUME_NONNULL_BEGIN

@interface NSSecureTextField : NSTextField
@end

@interface NSSecureTextFieldCell : NSTextFieldCell
@property BOOL echosBullets;
@end

NS_ASSUME_NONNULL_END
