/* NSUUID.h: universally unique identifiers. */
#import <Foundation/NSObject.h>
#include <CoreFoundation/CFUUID.h>

@class NSString;

NS_ASSUME_NONNULL_BEGIN

typedef unsigned char uuid_t[16];

API_AVAILABLE(macos(10.8), ios(6.0))
@interface NSUUID : NSObject <NSCopying, NSSecureCoding>
+ (instancetype)UUID;
- (instancetype)init NS_DESIGNATED_INITIALIZER;
- (nullable instancetype)initWithUUIDString:(NSString *)string;
- (instancetype)initWithUUIDBytes:(const uuid_t _Nullable)bytes;
- (void)getUUIDBytes:(uuid_t _Nonnull)uuid;
- (NSComparisonResult)compare:(NSUUID *)otherUUID API_AVAILABLE(macos(10.15), ios(13.0));
@property (readonly, copy) NSString *UUIDString;
@end

NS_ASSUME_NONNULL_END
