#import <UIKit/UIKit.h>

//--- a project without strings files is not checked
void f(UILabel *label) { label.text = @"Hello"; }
