| fixture: l10n-app
#import <UIKit/UIKit.h>
#import <MapKit/MapKit.h>
#import <MessageUI/MessageUI.h>
#import <GameKit/GameKit.h>

//--- a literal set as a label's text is reported; a localized one is not
void f(UILabel *label) {
    ↓label.text = @"Hello";
    label.text = NSLocalizedString(@"greeting", @"Greeting");
}
// expect-info: UILabel.text value set to string Hello

//--- a literal given to a text setter is reported unless it is a single letter, a number or a lone specifier
void f(UILabel *label) {
    ↓[label setText:@"Hello"];
    [label setText:@"X"];
    [label setText:@"123"];
    [label setText:@"%d"];
    [label setText:@"…"];
    [label setText:@" - "];
    ↓[label setText:@"%d files"];
    ↓[label setText:@"OK"];
    ↓[label setText:@"Ça"];
}
// expect-info: -[UILabel setText:] called with string Ça

//--- every string of the alert initialiser is named once, the delegate position never
void f(void) {
    UIAlertView *alert = ↓[[UIAlertView alloc] initWithTitle:@"Error"
                                                     message:@"Failed"
                                                    delegate:(id)@"Delegate"
                                           cancelButtonTitle:@"OK"
                                           otherButtonTitles:@"Retry", @"Help", nil];
    [alert show];
}
// expect-info: called with strings Error, Failed, OK, Retry, Help

//--- a text argument that is no literal is passed over, the literal ones are named
void f(NSString *title) {
    UIActionSheet *sheet = ↓[[UIActionSheet alloc] initWithTitle:title
                                                        delegate:nil
                                               cancelButtonTitle:@"Cancel"
                                          destructiveButtonTitle:nil
                                               otherButtonTitles:title, nil];
    (void)sheet;
}
// expect-info: -[UIActionSheet initWithTitle:delegate:cancelButtonTitle:destructiveButtonTitle:otherButtonTitles:] called with string Cancel

//--- properties inherited from the class that declares them are found, by dot syntax and by setter
void f(UIViewController *controller, UITableViewCell *cell, UISearchBar *bar) {
    ↓controller.tabBarItem.title = @"Home";
    ↓controller.navigationItem.prompt = @"Choose one";
    ↓controller.title = @"Settings";
    // expect-info: UIViewController.title value set to string Settings
    ↓cell.text = @"Row";
    ↓bar.placeholder = @"Search";
    ↓[controller.tabBarItem setBadgeValue:@"New"];
}
// expect-info: -[UITabBarItem setBadgeValue:] called with string New

//--- the texts of other frameworks' objects
void f(MKUserLocation *location, MKPointAnnotation *pin, MFMailComposeViewController *mail,
       MFMessageComposeViewController *message, GKTurnBasedMatch *match) {
    ↓location.subtitle = @"You are here";
    ↓pin.title = @"Pin";
    ↓[mail setSubject:@"Report"];
    ↓[mail setMessageBody:@"Dear team" isHTML:NO];
    ↓message.body = @"See you";
    ↓match.message = @"Your turn";
}

//--- other classes' properties and methods of the same names are not user-interface texts
@interface Note : NSObject
@property (nonatomic, copy) NSString *text;
@property (nonatomic, copy) NSString *title;
- (void)setTitle:(NSString *)title forState:(NSInteger)state;
@end
void f(Note *note) {
    note.text = @"Hello";
    note.title = @"Hello";
    [note setTitle:@"Hello" forState:0];
}

//--- other buttons, bar items and menus
void f(UIButton *button, UISegmentedControl *segments) {
    ↓[button setTitle:@"Send" forState:UIControlStateNormal];
    ↓[segments setTitle:@"Day" forSegmentAtIndex:0];
    UIBarButtonItem *item = ↓[[UIBarButtonItem alloc] initWithTitle:@"Done" style:UIBarButtonItemStylePlain target:nil action:NULL];
    UIMenuItem *menuItem = ↓[[UIMenuItem alloc] initWithTitle:@"Share" action:@selector(description)];
    UINavigationItem *navigationItem = ↓[[UINavigationItem alloc] initWithTitle:@"Inbox"];
    (void)item;
    (void)menuItem;
    (void)navigationItem;
}
