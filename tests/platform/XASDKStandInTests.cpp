// Checks the header trees of the stand-in SDKs the way the checker uses them: by parsing code against them with
// libclang and the arguments a build would use. The example project and the fixture projects must parse without
// errors and without warnings from the SDK, snippets of common API uses must parse clean, the platform macros
// must answer for each SDK, the declarations' attributes must take effect, and SDK declarations must count as
// system declarations.

#include "platform/XASDKStandInParsing.h"

#include <clang-c/Index.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace XAStagedPrograms;
using namespace XASDKStandIn;

namespace {

// ------------------------------------------------------------------------------------------------------------------
// The layout of each SDK

struct SDKLayoutCase {
    const char *platform;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

TEST(SDKStandInLayoutTest, EachSDKHoldsTheSharedTreeAndItsPlatformFrameworks) {
    const std::vector<std::string> shared = {
        "usr/include/TargetConditionals.h",
        "usr/include/objc/objc.h",
        "usr/include/objc/runtime.h",
        "usr/include/dispatch/dispatch.h",
        "usr/include/stdio.h",
        "usr/include/module.modulemap",
        "System/Library/Frameworks/Foundation.framework/Headers/Foundation.h",
        "System/Library/Frameworks/Foundation.framework/Modules/module.modulemap",
        "System/Library/Frameworks/CoreFoundation.framework/Headers/CoreFoundation.h",
        "System/Library/Frameworks/CoreGraphics.framework/Headers/CoreGraphics.h",
        "System/Library/Frameworks/QuartzCore.framework/Headers/QuartzCore.h",
        "System/Library/Frameworks/XCTest.framework/Headers/XCTest.h",
        "System/Library/Frameworks/XCTest.framework/Modules/module.modulemap",
    };
    const std::string uiKit = "System/Library/Frameworks/UIKit.framework/";
    const std::string watchKit = "System/Library/Frameworks/WatchKit.framework/";
    const std::string appKit = "System/Library/Frameworks/AppKit.framework/";
    const std::string displays = "System/Library/Frameworks/CoreGraphics.framework/Headers/CGDirectDisplay.h";
    const std::string webKit = "System/Library/Frameworks/WebKit.framework/Headers/WebKit.h";
    const std::string mapKit = "System/Library/Frameworks/MapKit.framework/Headers/MapKit.h";
    const std::vector<std::string> iOS = {uiKit + "Headers/UIKit.h", uiKit + "Headers/UIImage.h",
                                          uiKit + "Headers/UIView.h", uiKit + "Modules/module.modulemap", mapKit};
    const std::vector<std::string> watchOS = {uiKit + "Headers/UIKit.h", uiKit + "Headers/UIImage.h",
                                              uiKit + "Modules/module.modulemap", watchKit + "Headers/WatchKit.h",
                                              watchKit + "Modules/module.modulemap"};
    const std::vector<std::string> macOS = {appKit + "Headers/AppKit.h",
                                            "System/Library/Frameworks/Cocoa.framework/Headers/Cocoa.h",
                                            "System/Library/Frameworks/Cocoa.framework/Modules/module.modulemap",
                                            displays,
                                            mapKit,
                                            webKit};
    std::vector<std::string> iOSWithWebKit = iOS;
    iOSWithWebKit.push_back(webKit);
    const std::vector<SDKLayoutCase> cases = {
        {"iPhoneOS", iOSWithWebKit, {appKit + "Headers/AppKit.h", watchKit + "Headers/WatchKit.h", displays}},
        {"iPhoneSimulator", iOSWithWebKit, {appKit + "Headers/AppKit.h", watchKit + "Headers/WatchKit.h"}},
        {"AppleTVOS", iOS, {appKit + "Headers/AppKit.h", watchKit + "Headers/WatchKit.h", webKit}},
        {"XRSimulator", iOSWithWebKit, {appKit + "Headers/AppKit.h", watchKit + "Headers/WatchKit.h"}},
        {"WatchOS", watchOS, {uiKit + "Headers/UIView.h", appKit + "Headers/AppKit.h", displays, webKit, mapKit}},
        {"WatchSimulator", watchOS, {uiKit + "Headers/UIView.h", webKit, mapKit}},
        {"MacOSX", macOS, {uiKit + "Headers/UIKit.h", watchKit + "Headers/WatchKit.h"}}};
    for (const SDKLayoutCase &layout : cases) {
        SCOPED_TRACE(layout.platform);
        std::vector<std::string> present = shared;
        present.insert(present.end(), layout.present.begin(), layout.present.end());
        for (const std::string &relative : present) {
            EXPECT_TRUE(std::filesystem::is_regular_file(sdkPath(layout.platform) + "/" + relative)) << relative;
        }
        for (const std::string &relative : layout.absent) {
            EXPECT_FALSE(std::filesystem::exists(sdkPath(layout.platform) + "/" + relative)) << relative;
        }
        // The compiler's own headers are used, never copies of them.
        for (const char *builtin : {"stdint.h", "stddef.h", "stdarg.h", "stdbool.h", "float.h", "limits.h"}) {
            EXPECT_FALSE(std::filesystem::exists(sdkPath(layout.platform) + "/usr/include/" + builtin)) << builtin;
        }
    }
}

// ------------------------------------------------------------------------------------------------------------------
// The example project and the fixture projects

struct ProjectCase {
    const char *name;
    std::string root;
    std::string platform;
    std::string triple;
    std::string prefixHeader; // relative to the root, empty for none
    bool modules;
};

std::ostream &operator<<(std::ostream &stream, const ProjectCase &project) { return stream << project.name; }

// The source files of a project folder, and the folders of its headers (Xcode finds project headers through a
// header map wherever they lie; the include paths stand in for it).
struct ProjectFiles {
    std::vector<std::string> sources;
    std::vector<std::string> headerFolders;
};

ProjectFiles projectFiles(const std::string &root) {
    ProjectFiles files;
    std::set<std::string> headerFolders;
    for (auto it = std::filesystem::recursive_directory_iterator(root); it != std::filesystem::end(it); ++it) {
        const std::filesystem::path &path = it->path();
        const std::string extension = path.extension().string();
        if (it->is_directory() && (extension == ".xcodeproj" || extension == ".xcassets" || extension == ".lproj")) {
            it.disable_recursion_pending();
        } else if (extension == ".m" || extension == ".c" || extension == ".mm") {
            files.sources.push_back(path.string());
        } else if (extension == ".h") {
            headerFolders.insert(path.parent_path().string());
        }
    }
    std::sort(files.sources.begin(), files.sources.end());
    files.headerFolders.assign(headerFolders.begin(), headerFolders.end());
    return files;
}

std::string languageOfSource(const std::string &path) {
    if (endsWith(path, ".c")) {
        return "c";
    }
    return endsWith(path, ".mm") ? "objective-c++" : "objective-c";
}

class SDKStandInProjectTest : public ::testing::TestWithParam<ProjectCase> {};
class SDKStandInPrefixHeaderTest : public ::testing::TestWithParam<ProjectCase> {};

TEST_P(SDKStandInProjectTest, EverySourceFileParsesWithoutErrorsOrSDKWarnings) {
    const ProjectCase &project = GetParam();
    const ProjectFiles files = projectFiles(project.root);
    ASSERT_FALSE(files.sources.empty()) << "no source files under " << project.root;
    for (const std::string &source : files.sources) {
        SCOPED_TRACE(source);
        ParseSettings settings{project.platform, project.triple, languageOfSource(source), true, project.modules, {}};
        if (!project.prefixHeader.empty()) {
            settings.extraArguments.push_back("-include");
            settings.extraArguments.push_back(project.root + "/" + project.prefixHeader);
        }
        for (const std::string &folder : files.headerFolders) {
            settings.extraArguments.push_back("-I" + folder);
        }
        ParsedUnit unit(source, settings);
        const std::vector<std::string> problems = unit.problems(sdkPath(project.platform));
        EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
    }
}

TEST_P(SDKStandInPrefixHeaderTest, ParsesOnItsOwn) {
    const ProjectCase &project = GetParam();
    ParseSettings settings{project.platform, project.triple, "objective-c-header", true, project.modules, {}};
    ParsedUnit unit(project.root + "/" + project.prefixHeader, settings);
    const std::vector<std::string> problems = unit.problems(sdkPath(project.platform));
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
}

const std::vector<ProjectCase> &projectCases() {
    static const std::vector<ProjectCase> cases = {
        ProjectCase{"TessaryDemoOnDevice", TESSARY_SOURCE_DIR "/examples/TessaryDemo", "iPhoneOS",
                    "arm64-apple-ios15.0", "TessaryDemo/TessaryDemo-Prefix.pch", true},
        ProjectCase{"TessaryDemoInSimulatorWithoutModules", TESSARY_SOURCE_DIR "/examples/TessaryDemo",
                    "iPhoneSimulator", "arm64-apple-ios15.0-simulator", "TessaryDemo/TessaryDemo-Prefix.pch", false},
        ProjectCase{"iOSAppOnDevice", TESSARY_FIXTURES_DIR "/projects/iOSApp", "iPhoneOS", "arm64-apple-ios12.0",
                    "iOSApp/iOSApp-Prefix.pch", false},
        ProjectCase{"iOSAppInSimulatorWithModules", TESSARY_FIXTURES_DIR "/projects/iOSApp", "iPhoneSimulator",
                    "x86_64-apple-ios12.0-simulator", "iOSApp/iOSApp-Prefix.pch", true},
        ProjectCase{"MacAppOnIntel", TESSARY_FIXTURES_DIR "/projects/MacApp", "MacOSX", "x86_64-apple-macosx10.13", "",
                    false},
        ProjectCase{"MacAppOnAppleSiliconWithModules", TESSARY_FIXTURES_DIR "/projects/MacApp", "MacOSX",
                    "arm64-apple-macos11.0", "", true}};
    return cases;
}

std::vector<ProjectCase> projectCasesWithPrefixHeaders() {
    std::vector<ProjectCase> cases;
    std::copy_if(projectCases().begin(), projectCases().end(), std::back_inserter(cases),
                 [](const ProjectCase &project) { return !project.prefixHeader.empty(); });
    return cases;
}

std::string projectCaseName(const ::testing::TestParamInfo<ProjectCase> &info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Projects, SDKStandInProjectTest, ::testing::ValuesIn(projectCases()), projectCaseName);
INSTANTIATE_TEST_SUITE_P(Projects, SDKStandInPrefixHeaderTest, ::testing::ValuesIn(projectCasesWithPrefixHeaders()),
                         projectCaseName);

// ------------------------------------------------------------------------------------------------------------------
// Snippets of common API uses, each of which must parse without any error or warning

struct SnippetCase {
    const char *name;
    ParseSettings settings;
    std::string code;
};

std::ostream &operator<<(std::ostream &stream, const SnippetCase &snippet) { return stream << snippet.name; }

ParseSettings iOSDevice(bool arc = true, bool modules = false, const std::string &language = "objective-c") {
    return {"iPhoneOS", "arm64-apple-ios15.0", language, arc, modules, {}};
}

ParseSettings macOS(bool arc = true, bool modules = false, const std::string &language = "objective-c") {
    return {"MacOSX", "x86_64-apple-macosx10.13", language, arc, modules, {}};
}

const std::vector<SnippetCase> &snippetCases() {
    static const std::vector<SnippetCase> cases = {
        {"FoundationWithARC", iOSDevice(), R"(
#import <Foundation/Foundation.h>

typedef NS_ENUM(NSInteger, TDShape) { TDShapeCircle, TDShapeSquare };
typedef NS_OPTIONS(NSUInteger, TDEdges) { TDEdgeTop = 1 << 0, TDEdgeBottom = 1 << 1 };

NS_ASSUME_NONNULL_BEGIN
@interface TDItem : NSObject <NSCopying, NSSecureCoding>
@property (nonatomic, copy) NSString *name;
@property (nonatomic, copy, nullable) NSArray<NSNumber *> *values;
@property (nonatomic) TDShape shape;
- (instancetype)initWithName:(NSString *)name NS_DESIGNATED_INITIALIZER;
- (instancetype)init NS_UNAVAILABLE;
@end
NS_ASSUME_NONNULL_END

@implementation TDItem
+ (BOOL)supportsSecureCoding { return YES; }
- (instancetype)initWithName:(NSString *)name {
    if ((self = [super init])) { _name = [name copy]; }
    return self;
}
- (nullable instancetype)initWithCoder:(NSCoder *)coder {
    return [self initWithName:[coder decodeObjectOfClass:[NSString class] forKey:@"name"] ?: @""];
}
- (void)encodeWithCoder:(NSCoder *)coder { [coder encodeObject:self.name forKey:@"name"]; }
- (id)copyWithZone:(NSZone *)zone { return [[TDItem alloc] initWithName:self.name]; }
- (NSString *)summary {
    NSAssert(self.name.length > 0, @"an item needs a name, not %@", self.name);
    NSParameterAssert(self.values != nil);
    NSMutableArray<NSString *> *parts = [NSMutableArray array];
    for (NSNumber *value in self.values) { [parts addObject:value.stringValue]; }
    NSDictionary<NSString *, id> *info = @{@"name" : self.name, @"count" : @(parts.count), @"ok" : @YES};
    NSMutableDictionary *copy = [info mutableCopy];
    copy[@"first"] = parts.firstObject ?: [NSNull null];
    NSRange range = [self.name rangeOfString:@"x" options:NSCaseInsensitiveSearch];
    if (range.location != NSNotFound) { NSLog(@"found at %lu", (unsigned long)range.location); }
    switch (self.shape) { case TDShapeCircle: case TDShapeSquare: break; }
    TDEdges edges = TDEdgeTop | TDEdgeBottom;
    NSLog(@"%@ %@ %lu %@", info, copy, (unsigned long)edges, NSStringFromClass([self class]));
    return [NSString stringWithFormat:@"%@: %@", NSLocalizedString(@"item.title", @"A title"),
                                      [parts componentsJoinedByString:@", "]];
}
@end

static void TDCheck(NSInteger count) { NSCAssert(count >= 0, @"negative count %ld", (long)count); }

void TDUseFoundation(void) {
    TDCheck(1);
    NSError *error = nil;
    NSData *data = [NSJSONSerialization dataWithJSONObject:@[ @1, @"two" ] options:0 error:&error];
    id parsed = data ? [NSJSONSerialization JSONObjectWithData:data options:NSJSONReadingMutableContainers error:&error] : nil;
    NSURL *url = [NSURL fileURLWithPath:NSTemporaryDirectory()];
    BOOL isFolder = NO;
    [[NSFileManager defaultManager] fileExistsAtPath:url.path isDirectory:&isFolder];
    [[NSUserDefaults standardUserDefaults] setObject:parsed forKey:@"last"];
    [[NSNotificationCenter defaultCenter] postNotificationName:@"TDChanged" object:nil userInfo:@{@"k" : @2}];
    NSDateFormatter *formatter = [[NSDateFormatter alloc] init];
    formatter.dateFormat = @"yyyy-MM-dd";
    NSString *day = [formatter stringFromDate:[NSDate date]];
    NSScanner *scanner = [NSScanner scannerWithString:day];
    NSInteger year = 0;
    [scanner scanInteger:&year];
    NSPredicate *predicate = [NSPredicate predicateWithFormat:@"SELF BEGINSWITH %@", @"20"];
    NSIndexSet *indexes = [NSIndexSet indexSetWithIndexesInRange:NSMakeRange(0, 2)];
    NSAttributedString *text = [[NSAttributedString alloc] initWithString:day];
    NSLog(@"%d %ld %@ %@ %lu", [predicate evaluateWithObject:day], (long)year, indexes, text,
          (unsigned long)[NSProcessInfo processInfo].processorCount);
    @try {
        [NSException raise:NSInvalidArgumentException format:@"bad %@", day];
    } @catch (NSException *exception) {
        NSLog(@"%@", exception.reason);
    }
}
)"},
        {"FoundationWithoutARC", iOSDevice(false), R"(
#import <Foundation/Foundation.h>
#import <CoreFoundation/CoreFoundation.h>
#include <Block.h>

@interface TDHolder : NSObject {
    NSString *_name;
}
@property (nonatomic, retain) NSString *name;
@end

@implementation TDHolder
@synthesize name = _name;
- (void)dealloc {
    [_name release];
    [super dealloc];
}
@end

void TDUseReferenceCounting(void) {
    NSAutoreleasePool *pool = [[NSAutoreleasePool alloc] init];
    TDHolder *holder = [[[TDHolder alloc] init] autorelease];
    holder.name = [[[NSString alloc] initWithFormat:@"%d", 3] autorelease];
    NSArray *array = [[NSArray alloc] initWithObjects:holder.name, nil];
    NSLog(@"%lu %@", (unsigned long)[array retainCount], array);
    [array release];
    CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, "x", kCFStringEncodingUTF8);
    NSString *bridged = CFBridgingRelease(string);
    NSLog(@"%@", bridged);
    void (^block)(void) = Block_copy(^{ NSLog(@"copied"); });
    block();
    Block_release(block);
    [pool drain];
}
)"},
        {"ImportFoundationAsModule", iOSDevice(true, true), R"(
@import Foundation;
@import CoreGraphics;
@import Darwin;
@import ObjectiveC;

int main(void) {
    @autoreleasepool {
        NSLog(@"%@ %f %d", NSStringFromSelector(@selector(description)), CGRectGetWidth(CGRectZero), EXIT_SUCCESS);
    }
    return 0;
}
)"},
        {"ImportUIKitAsModule", iOSDevice(true, true), R"(
@import UIKit;
@import XCTest;
@import QuartzCore;

@interface TDTests : XCTestCase
@end
@implementation TDTests
- (void)testLayer {
    CALayer *layer = [CALayer layer];
    layer.frame = CGRectMake(0, 0, 10, 10);
    XCTAssertEqual(CGRectGetWidth(layer.frame), 10);
    XCTAssertNotNil([UIColor redColor]);
}
@end
)"},
        {"BlocksAndDispatch", iOSDevice(), R"(
#import <Foundation/Foundation.h>

@interface TDLoader : NSObject
@property (nonatomic, copy) void (^completion)(NSArray *results, NSError *error);
@end

@implementation TDLoader
+ (instancetype)sharedLoader {
    static TDLoader *shared;
    static dispatch_once_t onceToken;
    dispatch_once(&onceToken, ^{ shared = [[TDLoader alloc] init]; });
    return shared;
}
- (void)load {
    __weak typeof(self) weakSelf = self;
    __block NSUInteger count = 0;
    dispatch_queue_t queue = dispatch_queue_create("org.example.loader", DISPATCH_QUEUE_SERIAL);
    dispatch_group_t group = dispatch_group_create();
    dispatch_group_async(group, dispatch_get_global_queue(QOS_CLASS_UTILITY, 0), ^{ count += 1; });
    dispatch_group_notify(group, queue, ^{
        dispatch_async(dispatch_get_main_queue(), ^{
            if (weakSelf.completion) { weakSelf.completion(@[ @(count) ], nil); }
        });
    });
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, (int64_t)(0.5 * NSEC_PER_SEC)), dispatch_get_main_queue(), ^{
        NSLog(@"later");
    });
    dispatch_semaphore_t semaphore = dispatch_semaphore_create(0);
    dispatch_semaphore_signal(semaphore);
    dispatch_semaphore_wait(semaphore, DISPATCH_TIME_FOREVER);
    NSArray *sorted = [@[ @3, @1 ] sortedArrayUsingComparator:^NSComparisonResult(id a, id b) { return [a compare:b]; }];
    [sorted enumerateObjectsUsingBlock:^(id object, NSUInteger index, BOOL *stop) { *stop = index > 0; }];
}
@end
)"},
        {"CoreFoundationAndBridging", iOSDevice(), R"(
#import <Foundation/Foundation.h>

void TDUseCoreFoundation(NSString *name) {
    CFStringRef constant = CFSTR("constant");
    CFStringRef copy = CFStringCreateCopy(kCFAllocatorDefault, (__bridge CFStringRef)name);
    CFIndex length = CFStringGetLength(copy) + CFStringGetLength(constant);
    CFTypeRef retained = CFBridgingRetain(name);
    CFRelease(retained);
    NSString *back = (__bridge_transfer NSString *)copy;
    CFMutableArrayRef array = CFArrayCreateMutable(kCFAllocatorDefault, 0, &kCFTypeArrayCallBacks);
    CFArrayAppendValue(array, constant);
    NSArray *bridgedArray = CFBridgingRelease(array);
    CFBundleRef bundle = CFBundleGetMainBundle();
    CFAbsoluteTime now = CFAbsoluteTimeGetCurrent();
    NSLog(@"%@ %ld %@ %p %f", back, (long)length, bridgedArray, bundle, now);
    CFRetain(constant);
    CFRelease(constant);
}
)"},
        {"CoreGraphicsGeometry", iOSDevice(), R"(
#import <CoreGraphics/CoreGraphics.h>
#import <QuartzCore/QuartzCore.h>

CGFloat TDArea(CGRect rect) {
    CGRect inset = CGRectInset(CGRectStandardize(rect), 2, 2);
    CGPoint center = CGPointMake(CGRectGetMidX(inset), CGRectGetMidY(inset));
    CGSize size = CGSizeMake(CGRectGetWidth(inset), CGRectGetHeight(inset));
    if (CGRectIsEmpty(inset) || CGRectEqualToRect(inset, CGRectZero) || !CGRectContainsPoint(inset, center)) {
        return 0;
    }
    CGAffineTransform transform = CGAffineTransformMakeScale(2, 2);
    CATransform3D transform3D = CATransform3DMakeTranslation(1, 2, 3);
    return size.width * size.height * transform.a + (CGFloat)transform3D.m41 + CGFLOAT_MIN;
}
)"},
        {"XCTestAssertions", iOSDevice(), R"(
#import <XCTest/XCTest.h>

@interface TDAssertionTests : XCTestCase
@end

@implementation TDAssertionTests
- (void)setUp {
    [super setUp];
    self.continueAfterFailure = NO;
}
- (void)testAssertions {
    NSInteger count = 3;
    NSUInteger size = 4;
    double ratio = 0.5;
    NSString *name = @"name";
    XCTAssert(count == 3);
    XCTAssertTrue(count > 0, @"count is %ld", (long)count);
    XCTAssertFalse(count < 0);
    XCTAssertNil(nil);
    XCTAssertNotNil(name, @"a name");
    XCTAssertEqual(count, 3);
    XCTAssertEqual(size, 4u, @"size");
    XCTAssertNotEqual(count, 4);
    XCTAssertEqualObjects(name, @"name");
    XCTAssertNotEqualObjects(name, @"other", @"differs from %@", @"other");
    XCTAssertEqualWithAccuracy(ratio, 0.5, 0.001);
    XCTAssertGreaterThan(count, 1);
    XCTAssertLessThanOrEqual(count, 3);
    XCTAssertThrows([NSException raise:NSGenericException format:@"thrown"]);
    XCTAssertThrowsSpecific([NSException raise:NSGenericException format:@"thrown"], NSException);
    XCTAssertNoThrow([name length]);
    XCTestExpectation *expectation = [self expectationWithDescription:@"callback"];
    dispatch_async(dispatch_get_main_queue(), ^{ [expectation fulfill]; });
    [self waitForExpectationsWithTimeout:1 handler:nil];
    if (count == 5) {
        XCTFail(@"count was %ld", (long)count);
    }
    [self measureBlock:^{ (void)[name uppercaseString]; }];
}
@end
)"},
        {"ObjectiveCRuntime", iOSDevice(true, false, "objective-c"), R"(
#import <Foundation/Foundation.h>
#import <objc/runtime.h>
#import <objc/message.h>

static const void *TDTagKey = &TDTagKey;

@implementation NSObject (TDTagging)
- (NSString *)td_tag { return objc_getAssociatedObject(self, TDTagKey); }
- (void)td_setTag:(NSString *)tag { objc_setAssociatedObject(self, TDTagKey, tag, OBJC_ASSOCIATION_COPY_NONATOMIC); }
+ (void)td_swap {
    Class cls = objc_getClass("NSObject");
    Method first = class_getInstanceMethod(cls, @selector(td_tag));
    Method second = class_getInstanceMethod(cls, sel_registerName("description"));
    method_exchangeImplementations(first, second);
    id (*send)(id, SEL) = (id (*)(id, SEL))objc_msgSend;
    NSLog(@"%@ %s %s", send([self new], @selector(description)), class_getName(cls), sel_getName(@selector(td_swap)));
}
@end
)"},
        {"StrictMessageSendPrototypes",
         {"iPhoneOS", "arm64-apple-ios15.0", "objective-c", true, false, {"-DOBJC_OLD_DISPATCH_PROTOTYPES=0"}},
         R"(
#import <objc/message.h>
#import <Foundation/Foundation.h>

NSUInteger TDLength(NSString *string) {
    return ((NSUInteger (*)(id, SEL))objc_msgSend)(string, @selector(length));
}
)"},
        {"AvailabilityChecks", iOSDevice(), R"(
#import <Foundation/Foundation.h>

void TDNewer(void) API_AVAILABLE(ios(16.0), macos(13.0));
void TDOld(void) API_DEPRECATED("no longer needed", ios(2.0, 17.0));
@interface TDFeature : NSObject
- (void)run NS_AVAILABLE_IOS(16_0);
@end

void TDUseAvailability(TDFeature *feature) {
    if (@available(iOS 16.0, macOS 13.0, *)) {
        TDNewer();
        [feature run];
    }
#if __IPHONE_OS_VERSION_MIN_REQUIRED < __IPHONE_17_0
    TDOld();
#endif
}
)"},
        {"CLibrary", {"iPhoneOS", "arm64-apple-ios15.0", "c", true, false, {}}, R"(
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <math.h>
#include <time.h>
#include <errno.h>
#include <assert.h>
#include <ctype.h>
#include <unistd.h>
#include <fcntl.h>
#include <pthread.h>
#include <inttypes.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <mach/mach_time.h>
#include <dispatch/dispatch.h>
#include <os/log.h>

static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;

static void *TDWork(void *argument) {
    pthread_mutex_lock(&lock);
    char buffer[64];
    snprintf(buffer, sizeof buffer, "%" PRId64 " %s", (int64_t)mach_absolute_time(), (const char *)argument);
    pthread_mutex_unlock(&lock);
    return strdup(buffer);
}

int main(int argc, char *argv[]) {
    assert(argc > 0);
    pthread_t thread;
    pthread_create(&thread, NULL, TDWork, argv[0]);
    void *result = NULL;
    pthread_join(thread, &result);
    struct stat status;
    if (stat(argv[0], &status) != 0) { perror("stat"); return errno; }
    struct timeval now;
    gettimeofday(&now, NULL);
    printf("%s %f %d %ld\n", (char *)result, sqrt(2.0) * M_PI, toupper('a'), (long)now.tv_sec);
    free(result);
    dispatch_queue_t queue = dispatch_get_global_queue(QOS_CLASS_DEFAULT, 0);
    dispatch_async(queue, ^{ os_log(OS_LOG_DEFAULT, "done %{public}s", "now"); });
    return isnan(NAN) ? EXIT_SUCCESS : EXIT_FAILURE;
}
)"},
        {"UIKitApplication", iOSDevice(), R"(
#import <UIKit/UIKit.h>

@interface TDAppDelegate : UIResponder <UIApplicationDelegate>
@property (strong, nonatomic) UIWindow *window;
@end

@interface TDListController : UIViewController <UITableViewDataSource, UITableViewDelegate>
@property (weak, nonatomic) IBOutlet UITableView *tableView;
@property (weak, nonatomic) IBOutlet UIButton *button;
@end

@implementation TDListController
- (void)viewDidLoad {
    [super viewDidLoad];
    self.title = NSLocalizedString(@"list.title", nil);
    [self.tableView registerClass:[UITableViewCell class] forCellReuseIdentifier:@"cell"];
    [self.button addTarget:self action:@selector(add:) forControlEvents:UIControlEventTouchUpInside];
    UILabel *label = [[UILabel alloc] initWithFrame:CGRectMake(0, 0, 100, 20)];
    label.font = [UIFont systemFontOfSize:12 weight:UIFontWeightBold];
    label.textColor = [UIColor colorWithWhite:0.2 alpha:1];
    label.translatesAutoresizingMaskIntoConstraints = NO;
    [self.view addSubview:label];
    [NSLayoutConstraint activateConstraints:@[
        [label.leadingAnchor constraintEqualToAnchor:self.view.safeAreaLayoutGuide.leadingAnchor constant:8],
        [label.heightAnchor constraintEqualToConstant:20]
    ]];
    [UIView animateWithDuration:0.25 animations:^{ label.alpha = 0.5; } completion:nil];
}
- (IBAction)add:(id)sender {
    UIAlertController *alert = [UIAlertController alertControllerWithTitle:@"Add"
                                                                   message:nil
                                                            preferredStyle:UIAlertControllerStyleAlert];
    [alert addAction:[UIAlertAction actionWithTitle:@"OK" style:UIAlertActionStyleDefault handler:nil]];
    [self presentViewController:alert animated:YES completion:nil];
}
- (NSInteger)tableView:(UITableView *)tableView numberOfRowsInSection:(NSInteger)section { return 2; }
- (UITableViewCell *)tableView:(UITableView *)tableView cellForRowAtIndexPath:(NSIndexPath *)indexPath {
    UITableViewCell *cell = [tableView dequeueReusableCellWithIdentifier:@"cell" forIndexPath:indexPath];
    cell.accessoryType = UITableViewCellAccessoryDisclosureIndicator;
    cell.imageView.image = [UIImage imageNamed:@"Logo"];
    return cell;
}
- (void)tableView:(UITableView *)tableView didSelectRowAtIndexPath:(NSIndexPath *)indexPath {
    [tableView deselectRowAtIndexPath:indexPath animated:YES];
    [self.navigationController pushViewController:[[UIViewController alloc] initWithNibName:nil bundle:nil]
                                         animated:YES];
}
@end

@implementation TDAppDelegate
- (BOOL)application:(UIApplication *)application didFinishLaunchingWithOptions:(NSDictionary *)launchOptions {
    self.window = [[UIWindow alloc] initWithFrame:[[UIScreen mainScreen] bounds]];
    UIStoryboard *storyboard = [UIStoryboard storyboardWithName:@"Main" bundle:nil];
    self.window.rootViewController =
        [[UINavigationController alloc] initWithRootViewController:[storyboard instantiateInitialViewController]];
    [self.window makeKeyAndVisible];
    return YES;
}
@end

int main(int argc, char *argv[]) {
    @autoreleasepool {
        return UIApplicationMain(argc, argv, nil, NSStringFromClass([TDAppDelegate class]));
    }
}
)"},
        {"UIKitInObjectiveCPlusPlus", iOSDevice(true, false, "objective-c++"), R"(
#import <UIKit/UIKit.h>

@interface TDCell : UITableViewCell
@end
@implementation TDCell
- (void)prepareForReuse {
    [super prepareForReuse];
    constexpr UIViewAutoresizing masks[] = {UIViewAutoresizingFlexibleWidth, UIViewAutoresizingFlexibleHeight};
    UIViewAutoresizing combined = UIViewAutoresizingNone;
    for (auto mask : masks) { combined |= mask; }
    self.contentView.autoresizingMask = combined;
}
@end
)"},
        {"AppKitApplication", macOS(), R"(
#import <Cocoa/Cocoa.h>

@interface TDAppDelegate : NSObject <NSApplicationDelegate, NSWindowDelegate>
@property (strong) NSWindow *window;
@property (weak) IBOutlet NSTextField *field;
@end

@implementation TDAppDelegate
- (void)applicationDidFinishLaunching:(NSNotification *)notification {
    self.window = [[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, 480, 320)
                                              styleMask:NSWindowStyleMaskTitled | NSWindowStyleMaskClosable
                                                backing:NSBackingStoreBuffered
                                                  defer:NO];
    self.window.title = @"Tessary";
    self.window.delegate = self;
    NSButton *button = [NSButton buttonWithTitle:@"Go" target:self action:@selector(go:)];
    [self.window.contentView addSubview:button];
    NSMenu *menu = [[NSMenu alloc] initWithTitle:@"Main"];
    [menu addItem:[[NSMenuItem alloc] initWithTitle:@"Quit" action:@selector(terminate:) keyEquivalent:@"q"]];
    [NSApp setMainMenu:menu];
    self.window.backgroundColor = [NSColor colorWithCalibratedWhite:0.9 alpha:1];
    [self.window center];
    [self.window makeKeyAndOrderFront:nil];
}
- (IBAction)go:(id)sender {
    self.field.stringValue = @"clicked";
    NSImage *image = [NSImage imageNamed:@"Logo"];
    NSLog(@"%@ %@", image, NSStringFromRect(self.window.frame));
}
- (BOOL)applicationShouldTerminateAfterLastWindowClosed:(NSApplication *)sender { return YES; }
@end

int main(int argc, const char *argv[]) { return NSApplicationMain(argc, argv); }
)"},
        {"AppKitWithoutARC", macOS(false), R"(
#import <Cocoa/Cocoa.h>

@interface TDController : NSViewController
@end
@implementation TDController
- (void)loadView {
    NSView *view = [[[NSView alloc] initWithFrame:NSMakeRect(0, 0, 10, 10)] autorelease];
    view.wantsLayer = YES;
    view.layer.backgroundColor = [NSColor redColor].CGColor;
    self.view = view;
}
@end
)"},
    };
    return cases;
}

class SDKStandInSnippetTest : public ::testing::TestWithParam<SnippetCase> {};

TEST_P(SDKStandInSnippetTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }

INSTANTIATE_TEST_SUITE_P(CommonAPIUses, SDKStandInSnippetTest, ::testing::ValuesIn(snippetCases()),
                         [](const ::testing::TestParamInfo<SnippetCase> &info) {
                             return std::string(info.param.name);
                         });

// ------------------------------------------------------------------------------------------------------------------
// The attributes of the declarations take effect: each snippet draws the one diagnostic that shows it

struct AttributeCase {
    const char *name;
    ParseSettings settings;
    std::string code;
    std::string expectedDiagnostic;
};

TEST(SDKStandInAttributeTest, DeclarationsCarryAttributesThatTheCompilerEnforces) {
    const std::vector<AttributeCase> cases = {
        {"API_AVAILABLE newer than the deployment target", iOSDevice(),
         "#import <Foundation/Foundation.h>\nvoid f(void) API_AVAILABLE(ios(16.0));\nvoid g(void) { f(); }\n",
         "'f' is only available on iOS 16.0 or newer"},
        {"API_DEPRECATED with a message", iOSDevice(),
         "#import <Foundation/Foundation.h>\nvoid f(void) API_DEPRECATED(\"use g\", ios(2.0, 9.0));\n"
         "void g(void) { f(); }\n",
         "'f' is deprecated: first deprecated in iOS 9.0 - use g"},
        {"API_UNAVAILABLE on the platform", macOS(),
         "#import <Foundation/Foundation.h>\nvoid f(void) API_UNAVAILABLE(macos);\nvoid g(void) { f(); }\n",
         "'f' is unavailable: not available on macOS"},
        {"NS_AVAILABLE_IOS with an underscore version", iOSDevice(),
         "#import <Foundation/Foundation.h>\nvoid f(void) NS_AVAILABLE_IOS(16_0);\nvoid g(void) { f(); }\n",
         "'f' is only available on iOS 16.0 or newer"},
        {"__OSX_AVAILABLE_STARTING with version constants", macOS(),
         "#import <Foundation/Foundation.h>\nvoid f(void) __OSX_AVAILABLE_STARTING(__MAC_10_15, __IPHONE_13_0);\n"
         "void g(void) { f(); }\n",
         "'f' is only available on macOS 10.15 or newer"},
        {"an SDK method newer than the deployment target",
         {"iPhoneOS", "arm64-apple-ios12.0", "objective-c", true, false, {}},
         "#import <UIKit/UIKit.h>\nUIColor *f(void) { return [UIColor systemBackgroundColor]; }\n",
         "'systemBackgroundColor' is only available on iOS 13.0 or newer"},
        {"NSLog checks its format", iOSDevice(),
         "#import <Foundation/Foundation.h>\nvoid f(void) { NSLog(@\"%d\", @\"x\"); }\n",
         "format specifies type 'int' but the argument has type 'NSString *'"},
        {"nil-terminated argument lists", iOSDevice(),
         "#import <Foundation/Foundation.h>\nid f(void) { return [NSArray arrayWithObjects:@\"a\", @\"b\"]; }\n",
         "missing sentinel in method dispatch"},
        {"non-null parameters", iOSDevice(),
         "#import <Foundation/Foundation.h>\nid f(void) { return [@\"a\" stringByAppendingString:nil]; }\n",
         "null passed to a callee that requires a non-null argument"},
        {"NS_REQUIRES_SUPER", iOSDevice(),
         "#import <UIKit/UIKit.h>\n@interface C : UITableViewCell\n@end\n@implementation C\n"
         "- (void)prepareForReuse {}\n@end\n",
         "method possibly missing a [super prepareForReuse] call"},
        {"dispatch objects are managed by ARC", iOSDevice(),
         "#include <dispatch/dispatch.h>\nvoid f(dispatch_queue_t q) { dispatch_release(q); }\n",
         "'dispatch_release' is unavailable: Can't be used with ARC"},
        {"deprecated C functions",
         {"iPhoneOS", "arm64-apple-ios16.0", "c", true, false, {}},
         "#include <stdio.h>\nvoid f(char *b) { sprintf(b, \"%d\", 1); }\n",
         "'sprintf' is deprecated"},
    };
    for (const AttributeCase &attribute : cases) {
        SCOPED_TRACE(attribute.name);
        ParsedUnit unit(snippetPath(attribute.settings.language), attribute.settings, &attribute.code);
        ASSERT_NE(unit.unit(), nullptr);
        std::vector<std::string> texts;
        for (const ParseDiagnostic &diagnostic : unit.diagnostics()) {
            texts.push_back(diagnostic.text);
        }
        const bool found = std::any_of(texts.begin(), texts.end(), [&](const std::string &text) {
            return text.find(attribute.expectedDiagnostic) != std::string::npos;
        });
        EXPECT_TRUE(found) << "expected \"" << attribute.expectedDiagnostic << "\" among "
                           << ::testing::PrintToString(texts);
    }
}

// The frameworks whose APIs ask the user for access parse on their platforms, in modules as in headers, and what a
// platform lacks is unavailable there rather than missing.
TEST(SDKStandInDeclarationTest, FrameworksOfPrivacySensitiveAPIsParseOnTheirPlatforms) {
    const std::string shared =
        "#import <Contacts/Contacts.h>\n#import <EventKit/EventKit.h>\n#import <Photos/Photos.h>\n"
        "#import <CoreBluetooth/CoreBluetooth.h>\n#import <Speech/Speech.h>\n"
        "#import <CoreLocation/CoreLocation.h>\n@import Intents;\n";
    const std::string iOSCode =
        shared + "#import <AddressBook/AddressBook.h>\n#import <AddressBookUI/AddressBookUI.h>\n"
                 "#import <AssetsLibrary/AssetsLibrary.h>\n#import <AVFoundation/AVFoundation.h>\n"
                 "#import <MediaPlayer/MediaPlayer.h>\n@import HomeKit;\n#import <UIKit/UIKit.h>\n"
                 "void f(CLLocationManager *m, HMHomeManager *h) {\n"
                 "  [m requestWhenInUseAuthorization];\n  (void)h.homes;\n"
                 "  [[UIImagePickerController alloc] init].sourceType = UIImagePickerControllerSourceTypeCamera;\n"
                 "}\n";
    const std::string macOSCode =
        shared + "#import <AddressBook/AddressBook.h>\n#import <AddressBook/AddressBookUI.h>\n"
                 "void f(ABPersonView *v) { [v setEditing:YES]; [ABAddressBook sharedAddressBook]; }\n";
    const struct {
        const char *name;
        ParseSettings settings;
        std::string code;
    } cases[] = {
        {"iOS",
         {"iPhoneOS", "arm64-apple-ios15.0", "objective-c", true, true, {"-Wno-deprecated-declarations"}},
         iOSCode},
        {"macOS",
         {"MacOSX", "x86_64-apple-macos12.0", "objective-c", true, true, {"-Wno-deprecated-declarations"}},
         macOSCode},
    };
    for (const auto &[name, settings, code] : cases) {
        SCOPED_TRACE(name);
        ParsedUnit unit(snippetPath(settings.language), settings, &code);
        ASSERT_NE(unit.unit(), nullptr);
        for (const ParseDiagnostic &diagnostic : unit.diagnostics()) {
            EXPECT_LT(diagnostic.severity, CXDiagnostic_Warning) << diagnostic.file << ": " << diagnostic.text;
        }
    }
}

// ------------------------------------------------------------------------------------------------------------------
// The platform macros of each SDK

struct PlatformMacroCase {
    const char *name;
    std::string platform;
    std::string triple;
    std::vector<std::string> extraArguments;
    std::vector<std::pair<std::string, long>> expectedValues;
};

std::string staticAssertions(const std::vector<std::pair<std::string, long>> &expectedValues) {
    std::string code = "#include <TargetConditionals.h>\n#include <Availability.h>\n#include <AvailabilityMacros.h>\n";
    for (const auto &[macro, value] : expectedValues) {
        code += "_Static_assert(" + macro + " == " + std::to_string(value) + "L, \"" + macro + "\");\n";
    }
    return code;
}

TEST(SDKStandInPlatformMacroTest, TargetConditionalsAndVersionsAnswerForTheTriple) {
    const std::vector<std::pair<std::string, long>> device = {{"TARGET_OS_MAC", 1},
                                                              {"TARGET_OS_IPHONE", 1},
                                                              {"TARGET_OS_IOS", 1},
                                                              {"TARGET_OS_OSX", 0},
                                                              {"TARGET_OS_SIMULATOR", 0},
                                                              {"TARGET_IPHONE_SIMULATOR", 0},
                                                              {"TARGET_OS_WATCH", 0},
                                                              {"TARGET_OS_TV", 0},
                                                              {"TARGET_CPU_ARM64", 1},
                                                              {"TARGET_CPU_X86_64", 0},
                                                              {"TARGET_RT_64_BIT", 1},
                                                              {"TARGET_RT_LITTLE_ENDIAN", 1},
                                                              {"__IPHONE_OS_VERSION_MIN_REQUIRED", 150000},
                                                              {"__IPHONE_OS_VERSION_MAX_ALLOWED", 180000},
                                                              {"__IPHONE_15_0", 150000}};
    const std::vector<std::pair<std::string, long>> simulator = {
        {"TARGET_OS_IPHONE", 1},        {"TARGET_OS_IOS", 1},
        {"TARGET_OS_OSX", 0},           {"TARGET_OS_SIMULATOR", 1},
        {"TARGET_IPHONE_SIMULATOR", 1}, {"TARGET_CPU_X86_64", 1},
        {"TARGET_CPU_ARM64", 0},        {"__IPHONE_OS_VERSION_MIN_REQUIRED", 120100}};
    const std::vector<std::pair<std::string, long>> mac = {{"TARGET_OS_MAC", 1},
                                                           {"TARGET_OS_OSX", 1},
                                                           {"TARGET_OS_IPHONE", 0},
                                                           {"TARGET_OS_IOS", 0},
                                                           {"TARGET_OS_SIMULATOR", 0},
                                                           {"TARGET_CPU_X86_64", 1},
                                                           {"__MAC_OS_X_VERSION_MIN_REQUIRED", 101300},
                                                           {"MAC_OS_X_VERSION_MIN_REQUIRED", 101300},
                                                           {"MAC_OS_X_VERSION_MAX_ALLOWED", 150000},
                                                           {"__MAC_10_13", 101300},
                                                           {"MAC_OS_X_VERSION_10_9", 1090}};
    const std::vector<std::pair<std::string, long>> watch = {{"TARGET_OS_IPHONE", 1},
                                                             {"TARGET_OS_WATCH", 1},
                                                             {"TARGET_OS_IOS", 0},
                                                             {"TARGET_OS_VISION", 0},
                                                             {"TARGET_OS_SIMULATOR", 0},
                                                             {"TARGET_RT_64_BIT", 0},
                                                             {"__WATCH_OS_VERSION_MIN_REQUIRED", 60000},
                                                             {"__WATCH_OS_VERSION_MAX_ALLOWED", 110000},
                                                             {"__IPHONE_OS_VERSION_MIN_REQUIRED", 90000}};
    const std::vector<std::pair<std::string, long>> tvSimulator = {
        {"TARGET_OS_TV", 1},        {"TARGET_OS_IOS", 0},
        {"TARGET_OS_SIMULATOR", 1}, {"TARGET_OS_OSX", 0},
        {"TARGET_CPU_X86_64", 1},   {"__TV_OS_VERSION_MIN_REQUIRED", 120000},
        {"__TVOS_17_0", 170000},    {"__IPHONE_OS_VERSION_MIN_REQUIRED", 90000}};
    const std::vector<std::pair<std::string, long>> vision = {{"TARGET_OS_VISION", 1},
                                                              {"TARGET_OS_IPHONE", 1},
                                                              {"TARGET_OS_IOS", 0},
                                                              {"TARGET_OS_OSX", 0},
                                                              {"TARGET_OS_SIMULATOR", 0},
                                                              {"__VISION_OS_VERSION_MIN_REQUIRED", 10000},
                                                              {"__VISION_OS_VERSION_MAX_ALLOWED", 20000}};
    const std::vector<PlatformMacroCase> cases = {
        {"device", "iPhoneOS", "arm64-apple-ios15.0", {}, device},
        {"device, macros derived from the deployment target",
         "iPhoneOS",
         "arm64-apple-ios15.0",
         {"-fno-define-target-os-macros"},
         device},
        {"simulator", "iPhoneSimulator", "x86_64-apple-ios12.1-simulator", {}, simulator},
        {"simulator, macros derived from the deployment target",
         "iPhoneSimulator",
         "x86_64-apple-ios12.1-simulator",
         {"-fno-define-target-os-macros"},
         simulator},
        {"watch on 32-bit ARM", "WatchOS", "armv7k-apple-watchos6.0", {}, watch},
        {"watch on arm64_32, macros derived from the deployment target",
         "WatchOS",
         "arm64_32-apple-watchos6.0",
         {"-fno-define-target-os-macros"},
         watch},
        {"TV simulator", "AppleTVSimulator", "x86_64-apple-tvos12.0-simulator", {}, tvSimulator},
        {"visionOS", "XROS", "arm64-apple-xros1.0", {}, vision},
        {"visionOS, macros derived from the deployment target",
         "XROS",
         "arm64-apple-xros1.0",
         {"-fno-define-target-os-macros"},
         vision},
        {"macOS", "MacOSX", "x86_64-apple-macosx10.13", {}, mac},
        {"macOS, macros derived from the deployment target",
         "MacOSX",
         "x86_64-apple-macosx10.13",
         {"-fno-define-target-os-macros"},
         mac},
    };
    for (const PlatformMacroCase &platformCase : cases) {
        SCOPED_TRACE(platformCase.name);
        ParseSettings settings{platformCase.platform,      platformCase.triple, "c", true, false,
                               platformCase.extraArguments};
        const std::string code = staticAssertions(platformCase.expectedValues);
        ParsedUnit unit(snippetPath("c"), settings, &code);
        const std::vector<std::string> problems = unit.problems();
        EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
    }
}

TEST(SDKStandInPlatformMacroTest, BOOLIsABooleanOnARMAndASignedCharOnIntelMacs) {
    const std::vector<std::tuple<std::string, std::string, CXTypeKind>> cases = {
        {"iPhoneOS", "arm64-apple-ios15.0", CXType_Bool},
        {"MacOSX", "arm64-apple-macos11.0", CXType_Bool},
        {"WatchOS", "armv7k-apple-watchos6.0", CXType_Bool},
        {"iPhoneSimulator", "i386-apple-ios9.0-simulator", CXType_SChar},
        {"MacOSX", "x86_64-apple-macosx10.13", CXType_SChar},
    };
    for (const auto &[platform, triple, expectedKind] : cases) {
        SCOPED_TRACE(triple);
        const std::string code = "#import <objc/objc.h>\nBOOL flag = YES;\nid object = nil;\n";
        ParsedUnit unit(snippetPath("objective-c"), {platform, triple, "objective-c", true, false, {}}, &code);
        ASSERT_TRUE(unit.problems().empty()) << ::testing::PrintToString(unit.problems());
        std::vector<CXCursor> flags = unit.cursors([](CXCursor cursor) {
            return cursor.kind == CXCursor_VarDecl && textOf(clang_getCursorSpelling(cursor)) == "flag";
        });
        ASSERT_EQ(flags.size(), 1u);
        EXPECT_EQ(clang_getCanonicalType(clang_getCursorType(flags[0])).kind, expectedKind);
    }
}

// ------------------------------------------------------------------------------------------------------------------
// SDK declarations are system declarations; Interface Builder markers are attributes

TEST(SDKStandInDeclarationTest, SDKDeclarationsAreInSystemHeadersAndTheProjectsAreNot) {
    const std::string code = "#import <UIKit/UIKit.h>\n"
                             "@interface TDModel : NSObject\n@end\n"
                             "@interface TDView : UIView\n@end\n";
    for (bool modules : {false, true}) {
        SCOPED_TRACE(modules ? "with modules" : "without modules");
        ParsedUnit unit(snippetPath("objective-c"), iOSDevice(true, modules), &code);
        ASSERT_TRUE(unit.problems().empty()) << ::testing::PrintToString(unit.problems());
        const std::vector<CXCursor> superclasses =
            unit.cursors([](CXCursor cursor) { return cursor.kind == CXCursor_ObjCSuperClassRef; });
        std::map<std::string, std::string> declarationFiles;
        for (CXCursor reference : superclasses) {
            CXCursor declaration = clang_getCursorReferenced(reference);
            const std::string name = textOf(clang_getCursorSpelling(declaration));
            EXPECT_TRUE(clang_Location_isInSystemHeader(clang_getCursorLocation(declaration))) << name;
            declarationFiles[name] = cursorFile(declaration);
        }
        ASSERT_EQ(declarationFiles.size(), 2u);
        const std::string sdk = std::filesystem::canonical(sdkPath("iPhoneOS")).string();
        EXPECT_EQ(std::filesystem::canonical(declarationFiles["NSObject"]).string(),
                  sdk + "/usr/include/objc/NSObject.h");
        EXPECT_EQ(std::filesystem::canonical(declarationFiles["UIView"]).string(),
                  sdk + "/System/Library/Frameworks/UIKit.framework/Headers/UIView.h");

        const std::vector<CXCursor> ownClasses = unit.cursors([](CXCursor cursor) {
            return cursor.kind == CXCursor_ObjCInterfaceDecl &&
                   startsWith(textOf(clang_getCursorSpelling(cursor)), "TD");
        });
        ASSERT_EQ(ownClasses.size(), 2u);
        for (CXCursor own : ownClasses) {
            EXPECT_FALSE(clang_Location_isInSystemHeader(clang_getCursorLocation(own)));
        }
    }
}

TEST(SDKStandInDeclarationTest, InterfaceBuilderMarkersBecomeAttributes) {
    const std::vector<std::pair<ParseSettings, std::string>> cases = {
        {iOSDevice(), "#import <UIKit/UIKit.h>\n@interface C : UIViewController\n"
                      "@property (weak, nonatomic) IBOutlet UILabel *label;\n"
                      "@property (strong, nonatomic) IBOutletCollection(UIButton) NSArray *buttons;\n"
                      "- (IBAction)tap:(id)sender;\n@end\n"},
        {macOS(), "#import <Cocoa/Cocoa.h>\n@interface C : NSViewController\n"
                  "@property (weak) IBOutlet NSTextField *label;\n"
                  "@property (strong) IBOutletCollection(NSButton) NSArray *buttons;\n"
                  "- (IBAction)tap:(id)sender;\n@end\n"},
    };
    for (const auto &[settings, code] : cases) {
        SCOPED_TRACE(settings.platform);
        ParsedUnit unit(snippetPath("objective-c"), settings, &code);
        ASSERT_TRUE(unit.problems().empty()) << ::testing::PrintToString(unit.problems());
        auto countOf = [&](CXCursorKind kind) {
            return unit.cursors([kind](CXCursor cursor) { return cursor.kind == kind; }).size();
        };
        EXPECT_EQ(countOf(CXCursor_IBOutletAttr), 1u);
        EXPECT_EQ(countOf(CXCursor_IBOutletCollectionAttr), 1u);
        EXPECT_EQ(countOf(CXCursor_IBActionAttr), 1u);
    }
}

} // namespace
