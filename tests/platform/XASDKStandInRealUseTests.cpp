// Checks the stand-in SDKs against what real projects write: the language constructs that need exact SDK
// declarations (generic collections, literals, subscripts, boxing, availability checks, module imports), the
// frameworks real projects use, each as a small snippet that must parse without errors or warnings, and every
// framework of every SDK for the architectures and the oldest and newest deployment targets of its platform.

#include "platform/XASDKStandInParsing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

using namespace XASDKStandIn;

namespace {

struct UseCase {
    const char *name;
    ParseSettings settings;
    std::string code;
};

std::ostream &operator<<(std::ostream &stream, const UseCase &useCase) { return stream << useCase.name; }

ParseSettings on(const std::string &platform, const std::string &triple, bool modules = false) {
    return {platform, triple, "objective-c", true, modules, {}};
}

const std::vector<UseCase> &constructCases() {
    static const std::vector<UseCase> cases = {
        {"GenericCollectionsWithDotChains", on("iPhoneOS", "arm64-apple-ios12.0"), R"(
#import <Foundation/Foundation.h>

@class NSEnumerator<ObjectType>;

@interface TDCache<KeyType, ObjectType> : NSCache<KeyType, ObjectType>
- (nullable ObjectType)objectForKey:(KeyType)key;
@end
@implementation TDCache
- (id)objectForKey:(id)key { return [super objectForKey:key]; }
@end

NSUInteger TDLengths(NSArray<NSString *> *names, NSDictionary<NSString *, NSArray<NSNumber *> *> *groups,
                     NSSet<NSURL *> *urls, NSOrderedSet<NSString *> *ordered, NSMapTable<NSString *, NSDate *> *dates,
                     NSHashTable<NSString *> *table, TDCache<NSString *, NSData *> *cache) {
    NSUInteger total = names.firstObject.length + names.lastObject.uppercaseString.length;
    total += groups[@"a"].firstObject.unsignedIntegerValue + [groups objectForKey:@"b"].count;
    total += groups.allKeys.firstObject.length + groups.allValues.lastObject.count;
    total += urls.anyObject.path.length + [urls.allObjects.firstObject.host length];
    total += ordered.firstObject.length + ordered[0].length;
    total += (NSUInteger)[dates objectForKey:@"now"].timeIntervalSince1970 + table.anyObject.length;
    total += [cache objectForKey:@"k"].length + names.reverseObjectEnumerator.nextObject.length;
    NSEnumerator<NSString *> *enumerator = names.objectEnumerator;
    total += enumerator.allObjects.firstObject.length;
    NSMutableArray<NSMutableString *> *buffers = [NSMutableArray array];
    [buffers.firstObject appendString:@"x"];
    for (__kindof NSString *name in names) {
        total += name.length;
    }
    [names enumerateObjectsUsingBlock:^(NSString *name, NSUInteger index, BOOL *stop) { *stop = name.length > index; }];
    return total;
}
)"},
        {"LiteralsAndSubscripts", on("iPhoneSimulator", "x86_64-apple-ios9.0-simulator"), R"(
#import <Foundation/Foundation.h>

id TDLiterals(id anything, NSMutableDictionary *settings, NSMutableArray *items) {
    NSArray *numbers = @[ @YES, @NO, @'c', @42, @42U, @42L, @42UL, @42LL, @42ULL, @1.5F, @2.5, @(-1) ];
    BOOL flag = YES;
    unsigned short shortValue = 1;
    NSInteger integer = 2;
    NSUInteger unsignedInteger = 3;
    NSDictionary *boxed = @{
        @"flag" : @(flag), @"short" : @(shortValue), @"integer" : @(integer), @"unsigned" : @(unsignedInteger),
        @"string" : @("C string"), @"sum" : @(integer + 1.0)
    };
    settings[@"numbers"] = numbers;
    items[0] = boxed[@"flag"];
    anything[@"key"] = items[0];
    id element = anything[1];
    for (id key in boxed) {
        NSLog(@"%@ %@", key, boxed[key]);
    }
    for (id object in [NSSet setWithArray:numbers]) {
        NSLog(@"%@", object);
    }
    return element ?: settings[@"numbers"][0];
}
)"},
        {"BoxedGeometry", on("iPhoneOS", "arm64-apple-ios15.0"), R"(
#import <UIKit/UIKit.h>

NSArray<NSValue *> *TDBoxes(CGSize thumbnailSize, CGRect frame) {
    CGPoint origin = frame.origin;
    NSRange range = NSMakeRange(0, 1);
    UIEdgeInsets insets = UIEdgeInsetsMake(1, 2, 3, 4);
    CGAffineTransform transform = CGAffineTransformIdentity;
    NSArray<NSValue *> *values = @[ @(thumbnailSize), @(frame), @(origin), @(range), @(insets), @(transform) ];
    CGSize back = values.firstObject.CGSizeValue;
    NSLog(@"%f", back.width + values[1].CGRectValue.size.height);
    return values;
}
)"},
        {"BoxedGeometryOnMacOS", on("MacOSX", "x86_64-apple-macosx10.13"), R"(
#import <Cocoa/Cocoa.h>

NSValue *TDBoxSize(NSSize size) {
    NSValue *value = @(size);
    NSLog(@"%f %f", value.sizeValue.width, @(NSMakeRect(0, 0, 1, 1)).rectValue.size.height);
    return value;
}
)"},
        {"AvailabilityOnEveryPlatform", on("AppleTVOS", "arm64-apple-tvos12.0"), R"(
#import <UIKit/UIKit.h>

void TDNewer(void) API_AVAILABLE(ios(16.0), tvos(16.0), watchos(9.0), macos(13.0), visionos(1.0));
void TDReplaced(void) API_DEPRECATED_WITH_REPLACEMENT("TDNewer", ios(2.0, API_TO_BE_DEPRECATED),
                                                      tvos(9.0, API_TO_BE_DEPRECATED));
void TDNotOnTV(void) API_UNAVAILABLE(tvos);

void TDUseAvailability(void) {
    if (@available(iOS 16, tvOS 16, watchOS 9, macOS 13, visionOS 1, *)) {
        TDNewer();
    }
    if (__builtin_available(tvOS 16.0, *)) {
        TDNewer();
    }
    if (@available(tvOS 15, *)) {
    } else {
        NSLog(@"older");
    }
#if __TV_OS_VERSION_MIN_REQUIRED < __TVOS_13_0 && TARGET_OS_TV
    NSLog(@"%d", __TV_OS_VERSION_MAX_ALLOWED >= __TVOS_18_0);
#endif
}
)"},
        {"FrameworkModules", on("iPhoneOS", "arm64-apple-ios15.0", true), R"(
@import Foundation;
@import UIKit;
@import ImageIO;
@import CoreImage;
@import Security;
@import SystemConfiguration;
@import MobileCoreServices;
@import UniformTypeIdentifiers;
@import Accelerate;
@import CoreVideo;
@import WebKit;
@import MapKit;
@import CommonCrypto;
@import SQLite3;
@import Darwin.POSIX.sys.xattr;

size_t TDUseModules(NSData *data) {
    CGImageSourceRef source = CGImageSourceCreateWithData((__bridge CFDataRef)data, NULL);
    size_t count = source ? CGImageSourceGetCount(source) : 0;
    unsigned char digest[CC_SHA256_DIGEST_LENGTH];
    CC_SHA256(data.bytes, (CC_LONG)data.length, digest);
    return count + (size_t)sqlite3_libversion_number() + (size_t)SecCertificateGetTypeID();
}
)"},
        {"FrameworkModulesOnMacOS", on("MacOSX", "arm64-apple-macos11.0", true), R"(
@import AppKit;
@import CoreServices;
@import WebKit;

NSString *TDDescribe(NSImage *image) { return [NSString stringWithFormat:@"%@", image.representations.firstObject]; }
)"},
    };
    return cases;
}

const std::vector<UseCase> &frameworkCases() {
    static const std::vector<UseCase> cases = {
        {"ImageIOAndCoreImage", on("iPhoneOS", "arm64-apple-ios13.0"), R"(
#import <UIKit/UIKit.h>
#import <ImageIO/ImageIO.h>
#import <CoreImage/CoreImage.h>

UIImage *TDDecode(NSData *data, CGFloat scale) {
    CGImageSourceRef source = CGImageSourceCreateWithData((__bridge CFDataRef)data, NULL);
    if (!source) {
        return nil;
    }
    NSDictionary *options = @{(__bridge NSString *)kCGImageSourceShouldCacheImmediately : @YES};
    CGImageRef image = CGImageSourceCreateImageAtIndex(source, 0, (__bridge CFDictionaryRef)options);
    NSDictionary *properties = CFBridgingRelease(CGImageSourceCopyPropertiesAtIndex(source, 0, NULL));
    NSNumber *orientation = properties[(__bridge NSString *)kCGImagePropertyOrientation];
    NSDictionary *gif = properties[(__bridge NSString *)kCGImagePropertyGIFDictionary];
    NSLog(@"%@ %@", orientation, gif[(__bridge NSString *)kCGImagePropertyGIFUnclampedDelayTime]);
    CGBitmapInfo info = CGImageGetBitmapInfo(image);
    BOOL hasAlpha = (info & kCGBitmapAlphaInfoMask) != kCGImageAlphaNone;
    CIImage *ciImage = [[CIImage imageWithCGImage:image] imageByApplyingCGOrientation:kCGImagePropertyOrientationUp];
    CIFilter *filter = [CIFilter filterWithName:@"CIGaussianBlur"];
    [filter setValue:ciImage forKey:kCIInputImageKey];
    CGImageRef blurred = [[CIContext context] createCGImage:filter.outputImage fromRect:ciImage.extent];
    UIImage *result = [[UIImage alloc] initWithCGImage:blurred scale:scale orientation:UIImageOrientationUp];
    NSLog(@"%d", hasAlpha);
    CGImageRelease(blurred);
    CGImageRelease(image);
    CFRelease(source);
    return result;
}
)"},
        {"URLSessionDelegateWithChallengesAndMetrics", on("iPhoneOS", "arm64-apple-ios12.0"), R"(
#import <Foundation/Foundation.h>

@interface TDDownload : NSOperation <NSURLSessionDataDelegate, NSProgressReporting>
@property (assign, nonatomic, getter=isExecuting) BOOL executing;
@property (assign, nonatomic, getter=isFinished) BOOL finished;
@property (strong, nonatomic) NSProgress *progress;
@end

@implementation TDDownload
@synthesize executing = _executing;
@synthesize finished = _finished;
- (void)URLSession:(NSURLSession *)session
                   task:(NSURLSessionTask *)task
    didReceiveChallenge:(NSURLAuthenticationChallenge *)challenge
      completionHandler:(void (^)(NSURLSessionAuthChallengeDisposition, NSURLCredential *))completionHandler {
    NSURLProtectionSpace *space = challenge.protectionSpace;
    if ([space.authenticationMethod isEqualToString:NSURLAuthenticationMethodServerTrust] && space.serverTrust) {
        completionHandler(NSURLSessionAuthChallengeUseCredential, [NSURLCredential credentialForTrust:space.serverTrust]);
    } else {
        completionHandler(NSURLSessionAuthChallengePerformDefaultHandling, nil);
    }
}
- (void)URLSession:(NSURLSession *)session
                          task:(NSURLSessionTask *)task
    didFinishCollectingMetrics:(NSURLSessionTaskMetrics *)metrics {
    NSLog(@"%f %@", metrics.taskInterval.duration, metrics.transactionMetrics.lastObject.response.URL);
}
- (void)URLSession:(NSURLSession *)session
             dataTask:(NSURLSessionDataTask *)dataTask
    willCacheResponse:(NSCachedURLResponse *)proposedResponse
    completionHandler:(void (^)(NSCachedURLResponse *))completionHandler {
    completionHandler(proposedResponse.storagePolicy == NSURLCacheStorageAllowed ? proposedResponse : nil);
}
@end

NSURLSession *TDSession(void) {
    NSURLSessionConfiguration *configuration = [NSURLSessionConfiguration defaultSessionConfiguration];
    configuration.URLCache = [[NSURLCache alloc] initWithMemoryCapacity:1 diskCapacity:1 diskPath:nil];
    configuration.HTTPShouldSetCookies = YES;
    configuration.HTTPCookieStorage = [NSHTTPCookieStorage sharedHTTPCookieStorage];
    NSMutableURLRequest *request = [NSMutableURLRequest requestWithURL:[NSURL URLWithString:@"https://example.org"]];
    request.HTTPBodyStream = [NSInputStream inputStreamWithData:[NSData data]];
    request.networkServiceType = NSURLNetworkServiceTypeDefault;
    NSURLSession *session = [NSURLSession sessionWithConfiguration:configuration delegate:nil delegateQueue:nil];
    [session getTasksWithCompletionHandler:^(NSArray *data, NSArray *upload, NSArray *download) {
        NSLog(@"%lu", (unsigned long)(data.count + upload.count + download.count));
    }];
    [[session uploadTaskWithStreamedRequest:request] resume];
    return session;
}
)"},
        {"SQLiteDatabase", on("MacOSX", "x86_64-apple-macosx10.9"), R"(
#import <Foundation/Foundation.h>
#import <sqlite3.h>

static void TDSquare(sqlite3_context *context, int argc, sqlite3_value **argv) {
    sqlite3_result_double(context, sqlite3_value_double(argv[0]) * sqlite3_value_double(argv[0]));
}

int TDQuery(NSString *path) {
    sqlite3 *db = NULL;
    if (sqlite3_open_v2(path.fileSystemRepresentation, &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, NULL) != SQLITE_OK) {
        return sqlite3_errcode(db);
    }
    sqlite3_create_function(db, "square", 1, SQLITE_UTF8, NULL, TDSquare, NULL, NULL);
    sqlite3_stmt *statement = NULL;
    sqlite3_prepare_v2(db, "select ?", -1, &statement, NULL);
    sqlite3_bind_text(statement, 1, "x", -1, SQLITE_TRANSIENT);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        NSLog(@"%s %lld", (const char *)sqlite3_column_text(statement, 0), sqlite3_column_int64(statement, 0));
    }
    sqlite3_finalize(statement);
    sqlite3_wal_checkpoint_v2(db, NULL, SQLITE_CHECKPOINT_PASSIVE, NULL, NULL);
    return sqlite3_close(db);
}
)"},
        {"SecurityWithAssertMacros", on("MacOSX", "arm64-apple-macos11.0"), R"(
#import <Foundation/Foundation.h>
#import <Security/Security.h>
#import <AssertMacros.h>

static NSData *TDKeyData(SecKeyRef key) {
    CFDataRef data = NULL;
    __Require_noErr_Quiet(SecItemExport(key, kSecFormatUnknown, kSecItemPemArmour, NULL, &data), _out);
    return (__bridge_transfer NSData *)data;
_out:
    return nil;
}

BOOL TDTrusts(SecTrustRef trust, NSData *certificate) {
    SecCertificateRef allowed = SecCertificateCreateWithData(NULL, (__bridge CFDataRef)certificate);
    __Require_Quiet(allowed != NULL, _out);
    SecTrustSetAnchorCertificates(trust, (__bridge CFArrayRef)@[ (__bridge id)allowed ]);
    SecTrustSetPolicies(trust, (__bridge CFArrayRef)@[ (__bridge_transfer id)SecPolicyCreateSSL(true, CFSTR("a")) ]);
    CFRelease(allowed);
    NSLog(@"%@", TDKeyData(SecTrustCopyKey(trust)));
    return SecTrustEvaluateWithError(trust, NULL);
_out:
    return NO;
}
)"},
        {"NetworkReachability", on("AppleTVOS", "arm64-apple-tvos10.0"), R"(
#import <Foundation/Foundation.h>
#import <SystemConfiguration/SystemConfiguration.h>
#import <netinet/in.h>
#import <arpa/inet.h>

static void TDCallback(SCNetworkReachabilityRef target, SCNetworkReachabilityFlags flags, void *info) {
    BOOL reachable = (flags & kSCNetworkReachabilityFlagsReachable) != 0;
    BOOL needsConnection = (flags & kSCNetworkReachabilityFlagsConnectionRequired) != 0;
    NSLog(@"%d %d", reachable, needsConnection);
}

SCNetworkReachabilityRef TDReachability(void) {
    struct sockaddr_in6 address;
    bzero(&address, sizeof(address));
    address.sin6_len = sizeof(address);
    address.sin6_family = AF_INET6;
    SCNetworkReachabilityRef reachability =
        SCNetworkReachabilityCreateWithAddress(kCFAllocatorDefault, (const struct sockaddr *)&address);
    SCNetworkReachabilityContext context = {0, NULL, NULL, NULL, NULL};
    SCNetworkReachabilitySetCallback(reachability, TDCallback, &context);
    SCNetworkReachabilityScheduleWithRunLoop(reachability, CFRunLoopGetMain(), kCFRunLoopCommonModes);
    return reachability;
}
)"},
        {"VImageScaling", on("XROS", "arm64-apple-xros1.0"), R"(
#import <UIKit/UIKit.h>
#import <Accelerate/Accelerate.h>

CGImageRef TDScale(CGImageRef image, vImagePixelCount width, vImagePixelCount height) {
    vImage_CGImageFormat format = {
        .bitsPerComponent = 8,
        .bitsPerPixel = 32,
        .colorSpace = NULL,
        .bitmapInfo = kCGImageAlphaFirst | kCGBitmapByteOrder32Host,
        .version = 0,
        .decode = NULL,
        .renderingIntent = kCGRenderingIntentDefault,
    };
    vImage_Buffer source, destination;
    vImage_Error error = vImageBuffer_InitWithCGImage(&source, &format, NULL, image, kvImageNoFlags);
    if (error != kvImageNoError) {
        return NULL;
    }
    vImageBuffer_Init(&destination, height, width, format.bitsPerPixel, kvImageNoFlags);
    vImageScale_ARGB8888(&source, &destination, NULL, kvImageHighQualityResampling);
    Pixel_8888 background = {0, 0, 0, 0};
    vImageBoxConvolve_ARGB8888(&destination, &source, NULL, 0, 0, 3, 3, background, kvImageEdgeExtend);
    free(source.data);
    return vImageCreateCGImageFromBuffer(&destination, &format, NULL, NULL, kvImageNoAllocate, &error);
}
)"},
        {"WatchKitInterface", on("WatchOS", "arm64_32-apple-watchos6.0"), R"(
#import <WatchKit/WatchKit.h>

#define UIView WKInterfaceObject
#define UIImageView WKInterfaceImage

@interface TDController : WKInterfaceController
@property (weak, nonatomic) IBOutlet UIImageView *imageView;
@end

@implementation TDController
- (void)awakeWithContext:(id)context {
    [super awakeWithContext:context];
    CGFloat scale = [WKInterfaceDevice currentDevice].screenScale;
    UIImage *image = [UIImage imageWithData:[NSData data] scale:scale];
    [self.imageView setImage:image];
    [self.imageView startAnimating];
    NSLog(@"%@ %@", [WKInterfaceDevice currentDevice].systemVersion, [WKInterfaceDevice currentDevice].model);
}
@end

@interface TDExtension : NSObject <WKExtensionDelegate>
@end
@implementation TDExtension
- (void)applicationDidFinishLaunching {}
@end
)"},
        {"AppKitImageRepresentations", on("MacOSX", "x86_64-apple-macosx10.13"), R"(
#import <Cocoa/Cocoa.h>

@interface TDImageView : NSImageView
@end

@implementation TDImageView
- (NSUInteger)frameCountOfImage:(NSImage *)image {
    NSBitmapImageRep *rep = (NSBitmapImageRep *)[image bestRepresentationForRect:NSZeroRect context:nil hints:nil];
    [rep setProperty:NSImageCurrentFrame withValue:@0];
    self.imageScaling = NSImageScaleProportionallyUpOrDown;
    self.animates = YES;
    NSGraphicsContext *context = [NSGraphicsContext graphicsContextWithBitmapImageRep:rep];
    [NSGraphicsContext saveGraphicsState];
    NSGraphicsContext.currentContext = context;
    [[NSBezierPath bezierPathWithRoundedRect:NSMakeRect(0, 0, 1, 1) xRadius:1 yRadius:1] addClip];
    [NSGraphicsContext restoreGraphicsState];
    NSColor *color = [[NSColor redColor] colorUsingColorSpace:[NSColorSpace sRGBColorSpace]];
    NSLog(@"%@ %f", color, [NSScreen mainScreen].backingScaleFactor);
    return [[rep valueForProperty:NSImageFrameCount] unsignedIntegerValue];
}
@end
)"},
        {"WhatFoundationBringsAlong", on("iPhoneOS", "arm64-apple-ios14.0"), R"(
#import <Foundation/Foundation.h>

static const void *TDRetain(const void *info) { return Block_copy(info); }

id TDKeyOfCertificate(NSData *certificate) {
    char name[NAME_MAX + 1];
    name[0] = 0;
    SecCertificateRef allowed = SecCertificateCreateWithData(NULL, (__bridge CFDataRef)certificate);
    SecPolicyRef policy = SecPolicyCreateBasicX509();
    SecTrustRef trust = NULL;
    SecTrustCreateWithCertificates(allowed, policy, &trust);
    NSLog(@"%s %@ %p", name, @TRUE, TDRetain(NULL));
    return (__bridge_transfer id)SecTrustCopyKey(trust);
}
)"},
        {"LocksAndAtomics", on("iPhoneOS", "arm64-apple-ios10.0"), R"(
#import <Foundation/Foundation.h>
#import <os/lock.h>
#import <stdatomic.h>
#import <mach/mach.h>
#import <sys/sysctl.h>

static os_unfair_lock gLock = OS_UNFAIR_LOCK_INIT;
static atomic_flag gFlag = ATOMIC_FLAG_INIT;
static _Atomic(unsigned long) gCounter;

NSUInteger TDFreeMemory(void) {
    os_unfair_lock_lock(&gLock);
    atomic_fetch_add_explicit(&gCounter, 1, memory_order_relaxed);
    if (!atomic_flag_test_and_set_explicit(&gFlag, memory_order_acquire)) {
        atomic_flag_clear(&gFlag);
    }
    os_unfair_lock_unlock(&gLock);
    mach_port_t host = mach_host_self();
    mach_msg_type_number_t size = sizeof(vm_statistics_data_t) / sizeof(integer_t);
    vm_size_t pageSize;
    vm_statistics_data_t statistics;
    if (host_page_size(host, &pageSize) != KERN_SUCCESS ||
        host_statistics(host, HOST_VM_INFO, (host_info_t)&statistics, &size) != KERN_SUCCESS) {
        return 0;
    }
    size_t length = 0;
    sysctlbyname("hw.machine", NULL, &length, NULL, 0);
    return statistics.free_count * pageSize + length;
}
)"},
    };
    return cases;
}

class SDKStandInConstructTest : public ::testing::TestWithParam<UseCase> {};
class SDKStandInFrameworkUseTest : public ::testing::TestWithParam<UseCase> {};

TEST_P(SDKStandInConstructTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }
TEST_P(SDKStandInFrameworkUseTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }

std::string useCaseName(const ::testing::TestParamInfo<UseCase> &info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(RealProjects, SDKStandInConstructTest, ::testing::ValuesIn(constructCases()), useCaseName);
INSTANTIATE_TEST_SUITE_P(RealProjects, SDKStandInFrameworkUseTest, ::testing::ValuesIn(frameworkCases()), useCaseName);

// ------------------------------------------------------------------------------------------------------------------
// Every framework of every SDK, for each architecture and the oldest and newest deployment targets

// A file that imports the umbrella header of every framework the SDK holds, and the C headers real projects use.
std::string everyFrameworkOf(const std::string &platform) {
    std::string code;
    const std::filesystem::path frameworks = sdkPath(platform) + "/System/Library/Frameworks";
    for (const auto &entry : std::filesystem::directory_iterator(frameworks)) {
        const std::string name = entry.path().stem().string();
        if (std::filesystem::is_regular_file(entry.path() / "Headers" / (name + ".h"))) {
            code += "#import <" + name + "/" + name + ".h>\n";
        }
    }
    static const char *const systemHeaders[] = {"sqlite3.h",
                                                "mach/mach.h",
                                                "os/lock.h",
                                                "os/log.h",
                                                "compression.h",
                                                "AssertMacros.h",
                                                "CommonCrypto/CommonCrypto.h",
                                                "sys/xattr.h",
                                                "sys/sysctl.h",
                                                "netinet/in.h",
                                                "arpa/inet.h",
                                                "netdb.h",
                                                "ifaddrs.h",
                                                "libkern/OSAtomic.h",
                                                "tgmath.h",
                                                "stdatomic.h",
                                                "objc/runtime.h",
                                                "Block.h",
                                                "dirent.h",
                                                "fts.h",
                                                "syslog.h",
                                                "asl.h",
                                                "termios.h",
                                                "xlocale.h",
                                                "zlib.h",
                                                "xpc/xpc.h",
                                                "notify.h",
                                                "execinfo.h",
                                                "mach-o/dyld.h",
                                                "mach-o/loader.h",
                                                "libkern/OSByteOrder.h",
                                                "malloc/malloc.h",
                                                "pthread/pthread.h",
                                                "sys/mman.h",
                                                "sys/event.h",
                                                "sys/mount.h",
                                                "sys/ioctl.h"};
    for (const char *header : systemHeaders) {
        code += std::string("#import <") + header + ">\n";
    }
    return code;
}

struct TargetCase {
    const char *platform;
    const char *triple;
    bool modules;
};

std::ostream &operator<<(std::ostream &stream, const TargetCase &target) { return stream << target.triple; }

class SDKStandInEveryFrameworkTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(SDKStandInEveryFrameworkTest, ParsesWithoutErrorsOrWarnings) {
    const TargetCase &target = GetParam();
    const std::string code = everyFrameworkOf(target.platform);
    ParseSettings settings = on(target.platform, target.triple, target.modules);
    settings.extraArguments = {"-Wno-unused-function"}; // the compiler's <tgmath.h> defines static helpers
    ParsedUnit unit(snippetPath("objective-c"), settings, &code);
    const std::vector<std::string> problems = unit.problems();
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
}

INSTANTIATE_TEST_SUITE_P(Platforms, SDKStandInEveryFrameworkTest,
                         ::testing::Values(TargetCase{"iPhoneOS", "armv7-apple-ios5.0", false},
                                           TargetCase{"iPhoneOS", "arm64-apple-ios18.0", true},
                                           TargetCase{"iPhoneSimulator", "x86_64-apple-ios5.0-simulator", false},
                                           TargetCase{"iPhoneSimulator", "arm64-apple-ios18.0-simulator", false},
                                           TargetCase{"MacOSX", "x86_64-apple-macosx10.6", false},
                                           TargetCase{"MacOSX", "arm64-apple-macos15.0", true},
                                           TargetCase{"WatchOS", "armv7k-apple-watchos2.0", false},
                                           TargetCase{"WatchOS", "arm64_32-apple-watchos11.0", true},
                                           TargetCase{"WatchSimulator", "x86_64-apple-watchos2.0-simulator", false},
                                           TargetCase{"AppleTVOS", "arm64-apple-tvos9.0", false},
                                           TargetCase{"AppleTVSimulator", "arm64-apple-tvos18.0-simulator", true},
                                           TargetCase{"XROS", "arm64-apple-xros1.0", false},
                                           TargetCase{"XRSimulator", "arm64-apple-xros2.0-simulator", true}),
                         [](const ::testing::TestParamInfo<TargetCase> &info) {
                             std::string name = std::string(info.param.triple) + (info.param.modules ? "_modules" : "");
                             for (char &character : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(character))) {
                                     character = '_';
                                 }
                             }
                             return name;
                         });

} // namespace
