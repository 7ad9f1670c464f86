/* NSProcessInfo.h: the running process: arguments, environment, identity, the host and its processors. */
#import <Foundation/NSObject.h>
#import <Foundation/NSDate.h>
#import <Foundation/NSNotification.h>

@class NSArray<ObjectType>, NSString, NSDictionary<KeyType, ObjectType>;

NS_ASSUME_NONNULL_BEGIN

typedef struct {
    NSInteger majorVersion;
    NSInteger minorVersion;
    NSInteger patchVersion;
} NSOperatingSystemVersion;

typedef NS_OPTIONS(uint64_t, NSActivityOptions) {
    NSActivityIdleDisplaySleepDisabled = (1ULL << 40),
    NSActivityIdleSystemSleepDisabled = (1ULL << 20),
    NSActivitySuddenTerminationDisabled = (1ULL << 14),
    NSActivityAutomaticTerminationDisabled = (1ULL << 15),
    NSActivityUserInitiated = (0x00FFFFFFULL | NSActivityIdleSystemSleepDisabled),
    NSActivityUserInitiatedAllowingIdleSystemSleep = (NSActivityUserInitiated & ~NSActivityIdleSystemSleepDisabled),
    NSActivityBackground = 0x000000FFULL,
    NSActivityLatencyCritical = 0xFF00000000ULL,
} API_AVAILABLE(macos(10.9), ios(7.0));

typedef NS_ENUM(NSInteger, NSProcessInfoThermalState) {
    NSProcessInfoThermalStateNominal,
    NSProcessInfoThermalStateFair,
    NSProcessInfoThermalStateSerious,
    NSProcessInfoThermalStateCritical
} API_AVAILABLE(macos(10.10.3), ios(11.0));

@interface NSProcessInfo : NSObject

@property (class, readonly, strong) NSProcessInfo *processInfo;

@property (readonly, copy) NSDictionary<NSString *, NSString *> *environment;
@property (readonly, copy) NSArray<NSString *> *arguments;
@property (readonly, copy) NSString *hostName;
@property (copy) NSString *processName;
@property (readonly) int processIdentifier;
@property (readonly, copy) NSString *globallyUniqueString;
@property (readonly, copy) NSString *operatingSystemVersionString;
@property (readonly) NSOperatingSystemVersion operatingSystemVersion API_AVAILABLE(macos(10.10), ios(8.0));
@property (readonly) NSUInteger processorCount API_AVAILABLE(macos(10.5), ios(2.0));
@property (readonly) NSUInteger activeProcessorCount API_AVAILABLE(macos(10.5), ios(2.0));
@property (readonly) unsigned long long physicalMemory API_AVAILABLE(macos(10.5), ios(2.0));
- (BOOL)isOperatingSystemAtLeastVersion:(NSOperatingSystemVersion)version API_AVAILABLE(macos(10.10), ios(8.0));
@property (readonly) NSTimeInterval systemUptime API_AVAILABLE(macos(10.6), ios(4.0));
@property (readonly) NSProcessInfoThermalState thermalState API_AVAILABLE(macos(10.10.3), ios(11.0));
@property (readonly, getter=isLowPowerModeEnabled) BOOL lowPowerModeEnabled API_AVAILABLE(macos(12.0), ios(9.0));
@property (readonly, getter=isMacCatalystApp) BOOL macCatalystApp API_AVAILABLE(macos(10.15), ios(13.0));
@property (readonly, getter=isiOSAppOnMac) BOOL iOSAppOnMac API_AVAILABLE(macos(11.0), ios(14.0));

- (id<NSObject>)beginActivityWithOptions:(NSActivityOptions)options
                                  reason:(NSString *)reason API_AVAILABLE(macos(10.9), ios(7.0));
- (void)endActivity:(id<NSObject>)activity API_AVAILABLE(macos(10.9), ios(7.0));
#if defined(__BLOCKS__)
- (void)performActivityWithOptions:(NSActivityOptions)options
                            reason:(NSString *)reason
                        usingBlock:(void (^)(void))block API_AVAILABLE(macos(10.9), ios(7.0));
#endif

@end

FOUNDATION_EXPORT NSNotificationName const NSProcessInfoThermalStateDidChangeNotification
    API_AVAILABLE(macos(10.10.3), ios(11.0));
FOUNDATION_EXPORT NSNotificationName const NSProcessInfoPowerStateDidChangeNotification
    API_AVAILABLE(macos(12.0), ios(9.0));

NS_ASSUME_NONNULL_END
