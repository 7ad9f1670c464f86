#import <Foundation/Foundation.h>

@interface Thing : NSObject
@end

//--- categories named private or internal in any case are reported
↓@interface Thing (Private)
@end
↓@interface Thing (PRIVATE)
@end
↓@interface Thing (Internal)
@end

//--- other categories and class extensions are not
@interface Thing (PrivateAdditions)
@end
@interface Thing ()
@end
