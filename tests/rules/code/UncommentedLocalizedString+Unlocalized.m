#import <Foundation/Foundation.h>

//--- a project without strings files is not checked
void f(void) { (void)NSLocalizedString(@"greeting", nil); }
