// Checks the system service families of the SDK stand-in that desktop applications and networking libraries use
// below the interface frameworks: authorization, the keychain and code signing of the Security framework, Secure
// Transport over CFNetwork's socket streams, Service Management, XPC connections, Apple events and scripting,
// Foundation's desktop services, CFNetwork's HTTP, host, Bonjour and proxy calls, the Carbon core of Core Services,
// and BSD headers. Each case is a snippet written as real projects write it; it must parse without errors or
// warnings, the SDK's own headers included.

#include "platform/XASDKStandInParsing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace XASDKStandIn;

namespace {

struct ServiceCase {
    const char *name;
    ParseSettings settings;
    std::string code;
};

std::ostream &operator<<(std::ostream &stream, const ServiceCase &serviceCase) { return stream << serviceCase.name; }

// Deprecated calls are what much of this code uses; the warnings they give are not what these cases check.
ParseSettings on(const std::string &platform, const std::string &triple, const std::string &language = "objective-c") {
    return {platform, triple, language, true, false, {"-Wno-deprecated-declarations"}};
}

ParseSettings onMac(const std::string &language = "objective-c") {
    return on("MacOSX", "x86_64-apple-macosx10.13", language);
}

ParseSettings withModules(ParseSettings settings) {
    settings.modules = true;
    return settings;
}

const std::vector<ServiceCase> &serviceCases() {
    static const std::vector<ServiceCase> cases = {
        {"AuthorizationAndTheKeychain", onMac(), R"(
#import <Foundation/Foundation.h>
#import <Security/Security.h>

OSStatus TDRunPrivileged(NSString *service, NSString *account, NSString **password) {
    AuthorizationRef authorization = NULL;
    AuthorizationItem right = {kAuthorizationRightExecute, 0, NULL, 0};
    AuthorizationRights rights = {1, &right};
    AuthorizationFlags flags = kAuthorizationFlagDefaults | kAuthorizationFlagInteractionAllowed |
                               kAuthorizationFlagPreAuthorize | kAuthorizationFlagExtendRights;
    OSStatus status = AuthorizationCreate(&rights, kAuthorizationEmptyEnvironment, flags, &authorization);
    if (status == errAuthorizationCanceled) return status;
    AuthorizationExternalForm external;
    AuthorizationMakeExternalForm(authorization, &external);
    AuthorizationFree(authorization, kAuthorizationFlagDestroyRights);

    UInt32 length = 0;
    void *data = NULL;
    SecKeychainItemRef item = NULL;
    const char *serviceName = service.UTF8String;
    status = SecKeychainFindGenericPassword(NULL, (UInt32)strlen(serviceName), serviceName,
                                            (UInt32)account.length, account.UTF8String, &length, &data, &item);
    if (status == errSecItemNotFound) {
        status = SecKeychainFindInternetPassword(NULL, 4, "host", 0, NULL, 0, NULL, 0, NULL, 443,
                                                 kSecProtocolTypeHTTPS, kSecAuthenticationTypeDefault, &length,
                                                 &data, &item);
    }
    *password = [[NSString alloc] initWithBytes:data length:length encoding:NSUTF8StringEncoding];
    SecKeychainAttribute attribute = {kSecLabelItemAttr, 5, "label"};
    SecKeychainAttributeList attributes = {1, &attribute};
    SecKeychainItemModifyAttributesAndData(item, &attributes, length, data);
    SecKeychainItemFreeContent(NULL, data);
    NSDictionary *query = @{
        (__bridge id)kSecClass : (__bridge id)kSecClassInternetPassword,
        (__bridge id)kSecAttrProtocol : (__bridge id)kSecAttrProtocolHTTPS,
        (__bridge id)kSecAttrAuthenticationType : (__bridge id)kSecAttrAuthenticationTypeHTMLForm,
        (__bridge id)kSecAttrSecurityDomain : @"example.com",
        (__bridge id)kSecMatchLimit : (__bridge id)kSecMatchLimitAll,
        (__bridge id)kSecUseAuthenticationUI : (__bridge id)kSecUseAuthenticationUIFail,
    };
    CFTypeRef result = NULL;
    status = SecItemCopyMatching((__bridge CFDictionaryRef)query, &result);
    return status == errSecInteractionNotAllowed ? errSecAuthFailed : status;
}
)"},
        {"CodeSigning", onMac(), R"(
#import <Foundation/Foundation.h>
#import <Security/CodeSigning.h>

BOOL TDIsSignedByTeam(NSURL *bundleURL, NSString *teamIdentifier, NSError **error) {
    SecStaticCodeRef staticCode = NULL;
    OSStatus status = SecStaticCodeCreateWithPath((__bridge CFURLRef)bundleURL, kSecCSDefaultFlags, &staticCode);
    if (status != errSecSuccess) return NO;
    SecRequirementRef requirement = NULL;
    NSString *text = [NSString stringWithFormat:@"anchor apple generic and certificate leaf[subject.OU] = \"%@\"",
                                                teamIdentifier];
    SecRequirementCreateWithString((__bridge CFStringRef)text, kSecCSDefaultFlags, &requirement);
    CFErrorRef validationError = NULL;
    status = SecStaticCodeCheckValidityWithErrors(staticCode, kSecCSCheckAllArchitectures | kSecCSStrictValidate,
                                                  requirement, &validationError);
    CFDictionaryRef information = NULL;
    SecCodeCopySigningInformation(staticCode, kSecCSSigningInformation, &information);
    NSString *team = ((__bridge NSDictionary *)information)[(__bridge NSString *)kSecCodeInfoTeamIdentifier];
    SecCodeRef me = NULL;
    SecCodeCopySelf(kSecCSDefaultFlags, &me);
    SecRequirementRef designated = NULL;
    SecCodeCopyDesignatedRequirement(staticCode, kSecCSDefaultFlags, &designated);
    if (error && validationError) *error = (__bridge_transfer NSError *)validationError;
    return status != errSecCSUnsigned && status != errSecCSReqFailed && [team isEqualToString:teamIdentifier];
}
)"},
        {"SecureTransportOverSocketStreams", on("iPhoneOS", "arm64-apple-ios12.0"), R"(
#import <Foundation/Foundation.h>
#import <CFNetwork/CFNetwork.h>
#import <Security/Security.h>

static OSStatus TDRead(SSLConnectionRef connection, void *data, size_t *length) { return errSSLWouldBlock; }
static OSStatus TDWrite(SSLConnectionRef connection, const void *data, size_t *length) { return noErr; }

SSLContextRef TDStartTLS(id socket, CFReadStreamRef readStream, NSDictionary *tlsSettings) {
    NSMutableDictionary *settings = [NSMutableDictionary dictionary];
    settings[(__bridge NSString *)kCFStreamSSLPeerName] = tlsSettings[(__bridge NSString *)kCFStreamSSLPeerName];
    settings[(__bridge NSString *)kCFStreamSSLValidatesCertificateChain] = @NO;
    CFReadStreamSetProperty(readStream, kCFStreamPropertySSLSettings, (__bridge CFDictionaryRef)settings);
    SSLContextRef context = SSLCreateContext(kCFAllocatorDefault, kSSLClientSide, kSSLStreamType);
    SSLSetIOFuncs(context, &TDRead, &TDWrite);
    SSLSetConnection(context, (__bridge SSLConnectionRef)socket);
    SSLSetPeerDomainName(context, "example.com", strlen("example.com"));
    SSLSetProtocolVersionMin(context, kTLSProtocol12);
    SSLSetSessionOption(context, kSSLSessionOptionBreakOnServerAuth, true);
    SSLCipherSuite ciphers[] = {TLS_ECDHE_RSA_WITH_AES_128_GCM_SHA256, TLS_AES_128_GCM_SHA256};
    SSLSetEnabledCiphers(context, ciphers, sizeof(ciphers) / sizeof(ciphers[0]));
    OSStatus status = SSLHandshake(context);
    if (status == errSSLPeerAuthCompleted) {
        SecTrustRef trust = NULL;
        SSLCopyPeerTrust(context, &trust);
        status = SSLHandshake(context);
    }
    size_t processed = 0;
    uint8_t buffer[16];
    if (status == noErr) SSLRead(context, buffer, sizeof(buffer), &processed);
    size_t buffered = 0;
    SSLGetBufferedReadSize(context, &buffered);
    return status == errSSLClosedGraceful ? NULL : context;
}
)"},
        {"ServiceManagementHelpers", withModules(onMac()), R"(
@import Foundation;
@import ServiceManagement;

BOOL TDBlessHelper(NSString *label, NSError **error) {
    AuthorizationItem item = {kSMRightBlessPrivilegedHelper, 0, NULL, 0};
    AuthorizationRights rights = {1, &item};
    AuthorizationRef authorization = NULL;
    AuthorizationCreate(&rights, kAuthorizationEmptyEnvironment,
                        kAuthorizationFlagInteractionAllowed | kAuthorizationFlagExtendRights, &authorization);
    NSDictionary *job = (__bridge_transfer NSDictionary *)SMJobCopyDictionary(kSMDomainSystemLaunchd,
                                                                               (__bridge CFStringRef)label);
    CFErrorRef blessError = NULL;
    if (job) SMJobRemove(kSMDomainSystemLaunchd, (__bridge CFStringRef)label, authorization, true, NULL);
    BOOL blessed = SMJobBless(kSMDomainSystemLaunchd, (__bridge CFStringRef)label, authorization, &blessError);
    if (!blessed && error) *error = (__bridge_transfer NSError *)blessError;
    if (@available(macOS 13.0, *)) {
        SMAppService *service = [SMAppService loginItemServiceWithIdentifier:label];
        return service.status == SMAppServiceStatusEnabled || [service registerAndReturnError:error];
    }
    return SMLoginItemSetEnabled((__bridge CFStringRef)label, true) && blessed;
}
)"},
        {"XPCConnectionsAndListeners", onMac(), R"(
#import <Foundation/Foundation.h>

@protocol TDHelperProtocol
- (void)installUpdateAtPath:(NSString *)path reply:(void (^)(NSError *error))reply;
@end

@interface TDHelper : NSObject <NSXPCListenerDelegate, TDHelperProtocol>
@property (nonatomic, strong) NSXPCListener *listener;
@end

@implementation TDHelper
- (instancetype)init {
    if ((self = [super init])) {
        _listener = [[NSXPCListener alloc] initWithMachServiceName:@"com.example.helper"];
        _listener.delegate = self;
        [_listener resume];
    }
    return self;
}
- (BOOL)listener:(NSXPCListener *)listener shouldAcceptNewConnection:(NSXPCConnection *)connection {
    connection.exportedInterface = [NSXPCInterface interfaceWithProtocol:@protocol(TDHelperProtocol)];
    connection.exportedObject = self;
    __weak NSXPCConnection *weakConnection = connection;
    connection.invalidationHandler = ^{ NSLog(@"gone %d", weakConnection.processIdentifier); };
    [connection resume];
    return connection.effectiveUserIdentifier == 0;
}
- (void)installUpdateAtPath:(NSString *)path reply:(void (^)(NSError *error))reply { reply(nil); }
@end

void TDCallHelper(void) {
    NSXPCConnection *connection = [[NSXPCConnection alloc] initWithMachServiceName:@"com.example.helper"
                                                                           options:NSXPCConnectionPrivileged];
    NSXPCInterface *interface = [NSXPCInterface interfaceWithProtocol:@protocol(TDHelperProtocol)];
    [interface setClasses:[NSSet setWithObject:NSString.class] forSelector:@selector(installUpdateAtPath:reply:)
            argumentIndex:0 ofReply:NO];
    connection.remoteObjectInterface = interface;
    connection.interruptionHandler = ^{ NSLog(@"interrupted"); };
    [connection resume];
    id<TDHelperProtocol> helper = [connection remoteObjectProxyWithErrorHandler:^(NSError *error) {
        NSLog(@"%@", error);
    }];
    [helper installUpdateAtPath:@"/tmp" reply:^(NSError *error) { [connection invalidate]; }];
}
)"},
        {"AppleEventsAndScripting", onMac(), R"(
#import <Foundation/Foundation.h>

@interface TDOpenCommand : NSScriptCommand
@end

@implementation TDOpenCommand
- (id)performDefaultImplementation {
    NSAppleEventDescriptor *event = self.appleEvent;
    NSAppleEventDescriptor *direct = [event paramDescriptorForKeyword:keyDirectObject];
    NSMutableArray *names = [NSMutableArray array];
    for (NSInteger index = 1; index <= direct.numberOfItems; index++) {
        NSString *name = [[direct descriptorAtIndex:index] stringValue];
        if ([name isNotEqualTo:@""] && ![name isEqualTo:nil]) [names addObject:name];
    }
    NSScriptObjectSpecifier *receivers = self.receiversSpecifier;
    if (!receivers) {
        self.scriptErrorNumber = NSReceiversCantHandleCommandScriptError;
        self.scriptErrorString = @"no receivers";
    }
    NSScriptClassDescription *description =
        (NSScriptClassDescription *)[NSScriptClassDescription classDescriptionForClass:[self class]];
    NSIndexSpecifier *first = [[NSIndexSpecifier alloc] initWithContainerClassDescription:description
                                                                       containerSpecifier:nil
                                                                                      key:@"documents"
                                                                                    index:0];
    return first.key ? names : nil;
}
@end

@interface TDHandler : NSObject
@end

@implementation TDHandler
- (void)install {
    [[NSAppleEventManager sharedAppleEventManager] setEventHandler:self
                                                       andSelector:@selector(handleURL:withReply:)
                                                     forEventClass:kInternetEventClass
                                                        andEventID:kAEGetURL];
}
- (void)handleURL:(NSAppleEventDescriptor *)event withReply:(NSAppleEventDescriptor *)reply {
    NSString *url = [[event paramDescriptorForKeyword:keyDirectObject] stringValue];
    NSDictionary<NSString *, id> *error = nil;
    NSAppleScript *script = [[NSAppleScript alloc] initWithSource:[NSString stringWithFormat:@"open location \"%@\"", url]];
    NSAppleEventDescriptor *result = [script executeAndReturnError:&error];
    if (!result) NSLog(@"%@", error[NSAppleScriptErrorMessage]);
    NSAppleEventDescriptor *target = [NSAppleEventDescriptor descriptorWithBundleIdentifier:@"com.apple.finder"];
    NSAppleEventDescriptor *quit = [NSAppleEventDescriptor appleEventWithEventClass:kCoreEventClass
                                                                            eventID:kAEQuitApplication
                                                                   targetDescriptor:target
                                                                           returnID:kAutoGenerateReturnID
                                                                      transactionID:kAnyTransactionID];
    [quit sendEventWithOptions:NSAppleEventSendNoReply timeout:NSAppleEventTimeOutDefault error:NULL];
}
@end
)"},
        {"FoundationDesktopServices", onMac(), R"(
#import <Foundation/Foundation.h>

@interface TDBrowser : NSObject <NSNetServiceBrowserDelegate, NSNetServiceDelegate, NSURLConnectionDataDelegate>
@property (nonatomic, strong) NSNetServiceBrowser *browser;
@property (nonatomic, strong) NSMutableData *received;
@end

@implementation TDBrowser
- (void)start {
    self.browser = [[NSNetServiceBrowser alloc] init];
    self.browser.delegate = self;
    [self.browser searchForServicesOfType:@"_http._tcp." inDomain:@"local."];
    [[NSDistributedNotificationCenter defaultCenter] addObserver:self
                                                        selector:@selector(themeChanged:)
                                                            name:@"AppleInterfaceThemeChangedNotification"
                                                          object:nil
                                              suspensionBehavior:NSNotificationSuspensionBehaviorDeliverImmediately];
    NSURLRequest *request = [NSURLRequest requestWithURL:[NSURL URLWithString:@"https://example.com"]];
    [NSURLConnection connectionWithRequest:request delegate:self];
}
- (void)netServiceBrowser:(NSNetServiceBrowser *)browser didFindService:(NSNetService *)service moreComing:(BOOL)more {
    service.delegate = self;
    [service resolveWithTimeout:5.0];
}
- (void)netServiceDidResolveAddress:(NSNetService *)sender {
    NSDictionary *txt = [NSNetService dictionaryFromTXTRecordData:sender.TXTRecordData];
    NSLog(@"%@ %@ %ld %@", sender.hostName, txt, (long)sender.port, [NSHost currentHost].localizedName);
}
- (void)connection:(NSURLConnection *)connection didReceiveData:(NSData *)data { [self.received appendData:data]; }
- (void)connectionDidFinishLoading:(NSURLConnection *)connection {
    NSLog(@"%@", [NSByteCountFormatter stringFromByteCount:(long long)self.received.length
                                                 countStyle:NSByteCountFormatterCountStyleFile]);
}
- (void)themeChanged:(NSNotification *)notification {
    NSAffineTransform *transform = [NSAffineTransform transform];
    [transform translateXBy:10 yBy:20];
    [transform rotateByDegrees:90];
    NSPoint point = [transform transformPoint:NSMakePoint(1, 1)];
    NSURL *scriptURL = [NSURL fileURLWithPath:@"/tmp/hook.sh"];
    NSUserUnixTask *task = [[NSUserUnixTask alloc] initWithURL:scriptURL error:NULL];
    [task executeWithArguments:@[ @(point.x).stringValue ] completionHandler:^(NSError *error) {
        [[NSDistributedNotificationCenter defaultCenter] postNotificationName:@"TDDone"
                                                                       object:nil
                                                                     userInfo:nil
                                                           deliverImmediately:YES];
    }];
}
@end

@interface TDProtocol : NSURLProtocol
@end

@implementation TDProtocol
+ (BOOL)canInitWithRequest:(NSURLRequest *)request {
    return [NSURLProtocol propertyForKey:@"TDHandled" inRequest:request] == nil;
}
+ (NSURLRequest *)canonicalRequestForRequest:(NSURLRequest *)request { return request; }
- (void)startLoading {
    [self.client URLProtocol:self didFailWithError:[NSError errorWithDomain:NSURLErrorDomain code:-1 userInfo:nil]];
}
- (void)stopLoading {}
@end
)"},
        {"CFNetworkServices", on("MacOSX", "arm64-apple-macosx11.0", "c"), R"(
#include <CFNetwork/CFNetwork.h>

static void TDResolved(CFHostRef host, CFHostInfoType type, const CFStreamError *error, void *info) {}

CFIndex TDRequest(CFURLRef url, CFStringRef name) {
    CFHTTPMessageRef request = CFHTTPMessageCreateRequest(kCFAllocatorDefault, CFSTR("GET"), url, kCFHTTPVersion1_1);
    CFHTTPMessageSetHeaderFieldValue(request, CFSTR("Accept"), CFSTR("*/*"));
    CFDataRef serialized = CFHTTPMessageCopySerializedMessage(request);
    CFHTTPMessageRef response = CFHTTPMessageCreateEmpty(kCFAllocatorDefault, false);
    CFHTTPMessageAppendBytes(response, CFDataGetBytePtr(serialized), CFDataGetLength(serialized));
    CFIndex status = CFHTTPMessageIsHeaderComplete(response) ? CFHTTPMessageGetResponseStatusCode(response) : 0;

    CFHostRef host = CFHostCreateWithName(kCFAllocatorDefault, name);
    CFHostClientContext context = {0, NULL, NULL, NULL, NULL};
    CFHostSetClient(host, TDResolved, &context);
    CFHostScheduleWithRunLoop(host, CFRunLoopGetCurrent(), kCFRunLoopDefaultMode);
    CFStreamError error;
    CFHostStartInfoResolution(host, kCFHostAddresses, &error);

    CFNetServiceRef service = CFNetServiceCreate(kCFAllocatorDefault, CFSTR("local."), CFSTR("_http._tcp."), name, 80);
    CFNetServiceRegisterWithOptions(service, kCFNetServiceFlagNoAutoRename, &error);

    CFDictionaryRef proxySettings = CFNetworkCopySystemProxySettings();
    CFArrayRef proxies = CFNetworkCopyProxiesForURL(url, proxySettings);
    if (CFArrayGetCount(proxies) > 0) {
        CFDictionaryRef proxy = (CFDictionaryRef)CFArrayGetValueAtIndex(proxies, 0);
        if (CFEqual(CFDictionaryGetValue(proxy, kCFProxyTypeKey), kCFProxyTypeHTTPS)) {
            CFDictionaryGetValue(proxy, kCFProxyPasswordKey);
        }
    }
    return error.error == kCFHostErrorHostNotFound ? kCFURLErrorCannotFindHost : status;
}
)"},
        {"CarbonCoreFilesAndLaunchServices", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <Carbon/Carbon.h>

BOOL TDMarkCustomIcon(NSString *path, NSString *aliasTarget) {
    FSRef ref;
    Boolean isDirectory = false;
    if (FSPathMakeRef((const UInt8 *)path.fileSystemRepresentation, &ref, &isDirectory) != noErr) return NO;
    FSCatalogInfo info;
    OSErr error = FSGetCatalogInfo(&ref, kFSCatInfoFinderInfo | kFSCatInfoNodeFlags, &info, NULL, NULL, NULL);
    if (isDirectory || (info.nodeFlags & kFSNodeIsDirectoryMask)) {
        ((FolderInfo *)&info.finderInfo)->finderFlags |= kHasCustomIcon;
    } else {
        ((FileInfo *)&info.finderInfo)->finderFlags |= kHasCustomIcon;
    }
    error = FSSetCatalogInfo(&ref, kFSCatInfoFinderInfo, &info);

    AliasHandle alias = NULL;
    FSNewAliasMinimal(&ref, &alias);
    Boolean changed = false;
    FSResolveAlias(NULL, alias, &ref, &changed);
    Size size = GetHandleSize((Handle)alias);
    DisposeHandle((Handle)alias);

    FSRef support;
    FSFindFolder(kUserDomain, kApplicationSupportFolderType, kCreateFolder, &support);
    ResFileRefNum resources = FSOpenResFile(&ref, fsRdWrPerm);
    if (resources != kResFileNotOpened) {
        Handle icon = Get1Resource(kIconFamilyType, kCustomIconResource);
        if (icon) RemoveResource(icon);
        CloseResFile(resources);
    }

    LSItemInfoRecord record;
    LSCopyItemInfoForURL((__bridge CFURLRef)[NSURL fileURLWithPath:path], kLSRequestBasicFlagsOnly, &record);
    FSRef application;
    LSGetApplicationForURL((__bridge CFURLRef)[NSURL URLWithString:@"https://example.com"], kLSRolesAll, &application,
                           NULL);
    LSLaunchFSRefSpec launch = {&application, 1, &ref, NULL, kLSLaunchDefaults | kLSLaunchDontSwitch, NULL};
    LSOpenFromRefSpec(&launch, NULL);
    IconRef iconRef = NULL;
    GetIconRef(kOnSystemDisk, kSystemIconsCreator, kGenericFolderIcon, &iconRef);
    ReleaseIconRef(iconRef);
    unichar command = kCommandUnicode;
    NSString *shortcut = [NSString stringWithFormat:@"%C%C", (unichar)kOptionUnicode, command];
    return error != dupFNErr && size > 0 && (record.flags & kLSItemInfoIsPackage) == 0 && ResError() == noErr &&
           shortcut.length == 2;
}
)"},
        {"UserNotificationsUndoAndCryptors", on("iPhoneOS", "arm64-apple-ios13.0"), R"(
#import <Foundation/Foundation.h>
#import <UserNotifications/UserNotifications.h>
#import <CommonCrypto/CommonCrypto.h>

@interface TDReminders : NSObject <UNUserNotificationCenterDelegate>
@property (nonatomic, strong) NSUndoManager *undoManager;
@end

@implementation TDReminders
- (void)scheduleTitle:(NSString *)title after:(NSTimeInterval)seconds {
    UNUserNotificationCenter *center = [UNUserNotificationCenter currentNotificationCenter];
    center.delegate = self;
    [center requestAuthorizationWithOptions:UNAuthorizationOptionAlert | UNAuthorizationOptionSound
                          completionHandler:^(BOOL granted, NSError *error) {
                              if (!granted) NSLog(@"%@", error);
                          }];
    UNMutableNotificationContent *content = [[UNMutableNotificationContent alloc] init];
    content.title = title;
    content.sound = [UNNotificationSound defaultSound];
    content.userInfo = @{@"seconds" : @(seconds)};
    UNNotificationAction *snooze = [UNNotificationAction actionWithIdentifier:@"snooze"
                                                                        title:@"Snooze"
                                                                      options:UNNotificationActionOptionNone];
    [center setNotificationCategories:[NSSet setWithObject:[UNNotificationCategory categoryWithIdentifier:@"reminder"
                                                                                                  actions:@[ snooze ]
                                                                                        intentIdentifiers:@[]
                                                                                                  options:0]]];
    UNTimeIntervalNotificationTrigger *trigger = [UNTimeIntervalNotificationTrigger triggerWithTimeInterval:seconds
                                                                                                    repeats:NO];
    [center addNotificationRequest:[UNNotificationRequest requestWithIdentifier:title content:content trigger:trigger]
             withCompletionHandler:nil];
    [self.undoManager registerUndoWithTarget:self handler:^(id target) {
        [center removePendingNotificationRequestsWithIdentifiers:@[ title ]];
    }];
    [self.undoManager setActionName:title];
}
- (void)userNotificationCenter:(UNUserNotificationCenter *)center
       willPresentNotification:(UNNotification *)notification
         withCompletionHandler:(void (^)(UNNotificationPresentationOptions))completionHandler {
    completionHandler(UNNotificationPresentationOptionSound | UNNotificationPresentationOptionBadge);
}
- (void)userNotificationCenter:(UNUserNotificationCenter *)center
    didReceiveNotificationResponse:(UNNotificationResponse *)response
             withCompletionHandler:(void (^)(void))completionHandler {
    if ([response.actionIdentifier isEqualToString:UNNotificationDefaultActionIdentifier] && self.undoManager.canUndo) {
        [self.undoManager undo];
    }
    completionHandler();
}
- (NSData *)encrypt:(NSData *)data key:(NSData *)key {
    CCCryptorRef cryptor = NULL;
    CCCryptorStatus status = CCCryptorCreateWithMode(kCCEncrypt, kCCModeCTR, kCCAlgorithmAES, ccNoPadding, NULL,
                                                     key.bytes, key.length, NULL, 0, 0, kCCModeOptionCTR_BE, &cryptor);
    NSMutableData *output = [NSMutableData dataWithLength:CCCryptorGetOutputLength(cryptor, data.length, true)];
    size_t moved = 0;
    if (status == kCCSuccess) CCCryptorUpdate(cryptor, data.bytes, data.length, output.mutableBytes, output.length, &moved);
    CCCryptorRelease(cryptor);
    return output;
}
@end
)"},
        {"FileCoordinationPredicatesAndDetectors", onMac(), R"(
#import <Foundation/Foundation.h>

@interface TDDocument : NSObject <NSFilePresenter>
@property (nonatomic, copy) NSURL *presentedItemURL;
@property (nonatomic, strong) NSOperationQueue *presentedItemOperationQueue;
@end

@implementation TDDocument
- (void)presentedItemDidChange {
    NSFileCoordinator *coordinator = [[NSFileCoordinator alloc] initWithFilePresenter:self];
    NSError *error = nil;
    [coordinator coordinateReadingItemAtURL:self.presentedItemURL
                                    options:NSFileCoordinatorReadingWithoutChanges
                                      error:&error
                                 byAccessor:^(NSURL *newURL) {
                                     NSFileWrapper *wrapper = [[NSFileWrapper alloc] initWithURL:newURL
                                                                                         options:NSFileWrapperReadingImmediate
                                                                                           error:NULL];
                                     NSLog(@"%@", wrapper.fileWrappers[@"contents.json"].regularFileContents);
                                 }];
}
- (NSArray<NSURL *> *)linksIn:(NSAttributedString *)text matching:(NSArray<NSString *> *)words {
    NSMutableArray<NSPredicate *> *parts = [NSMutableArray array];
    for (NSString *word in words) {
        [parts addObject:[NSComparisonPredicate
                             predicateWithLeftExpression:[NSExpression expressionForKeyPath:@"absoluteString"]
                                         rightExpression:[NSExpression expressionForConstantValue:word]
                                                modifier:NSDirectPredicateModifier
                                                    type:NSContainsPredicateOperatorType
                                                 options:NSCaseInsensitivePredicateOption]];
    }
    NSPredicate *any = [NSCompoundPredicate orPredicateWithSubpredicates:parts];
    NSDataDetector *detector = [NSDataDetector dataDetectorWithTypes:NSTextCheckingTypeLink error:NULL];
    NSMutableArray<NSURL *> *links = [NSMutableArray array];
    [detector enumerateMatchesInString:text.string
                               options:0
                                 range:NSMakeRange(0, text.length)
                            usingBlock:^(NSTextCheckingResult *result, NSMatchingFlags flags, BOOL *stop) {
                                NSRange effective;
                                id link = [text attribute:@"NSLink"
                                                  atIndex:result.range.location
                                    longestEffectiveRange:&effective
                                                  inRange:result.range];
                                if (link == nil && [any evaluateWithObject:result.URL]) [links addObject:result.URL];
                            }];
    return links;
}
@end
)"},
        {"KernelProcessInformationAndCLocale", on("iPhoneOS", "arm64-apple-ios12.0", "c"), R"(
#include <fts.h>
#include <stdbool.h>
#include <string.h>
#include <sys/sysctl.h>
#include <unistd.h>
#include <xlocale.h>

static int TDCompareNames(const FTSENT **a, const FTSENT **b) {
    return strcoll_l((*a)->fts_name, (*b)->fts_name, _c_locale);
}

bool TDIsBeingDebugged(char *path) {
    struct kinfo_proc info;
    memset(&info, 0, sizeof(info));
    int mib[] = {CTL_KERN, KERN_PROC, KERN_PROC_PID, getpid()};
    size_t size = sizeof(info);
    if (sysctl(mib, sizeof(mib) / sizeof(*mib), &info, &size, NULL, 0) != 0) return false;
    struct timeval started = info.kp_proc.p_starttime;
    char *const paths[] = {path, NULL};
    FTS *tree = fts_open(paths, FTS_PHYSICAL, TDCompareNames);
    fts_close(tree);
    return (info.kp_proc.p_flag & P_TRACED) != 0 && info.kp_eproc.e_ppid != 1 && started.tv_sec > 0 &&
           info.kp_proc.p_stat != SZOMB && info.kp_eproc.e_ucred.cr_uid == getuid();
}
)"},
        {"BSDFileSecurityAndArchives", on("MacOSX", "x86_64-apple-macosx10.13", "c"), R"(
#include <bitstring.h>
#include <bsm/audit.h>
#include <bzlib.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/acl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <xar/xar.h>

int TDCopyPermissions(const char *from, const char *to, FILE *compressed) {
    acl_t acl = acl_get_link_np(from, ACL_TYPE_EXTENDED);
    acl_entry_t entry = NULL;
    for (int id = ACL_FIRST_ENTRY; acl_get_entry(acl, id, &entry) == 0; id = ACL_NEXT_ENTRY) {
        acl_permset_t permissions;
        acl_get_permset(entry, &permissions);
        if (acl_get_perm_np(permissions, ACL_WRITE_DATA)) acl_delete_perm(permissions, ACL_DELETE);
    }
    acl_set_link_np(to, ACL_TYPE_EXTENDED, acl);
    acl_free(acl);
    lchmod(to, 0755);
    struct timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
    struct timeval converted;
    TIMESPEC_TO_TIMEVAL(&converted, &times[0]);
    renamex_np(from, to, RENAME_SWAP);

    xar_t archive = xar_open(from, READ);
    for (xar_subdoc_t document = xar_subdoc_first(archive); document; document = xar_subdoc_next(document)) {
        const char *value = NULL;
        xar_subdoc_prop_get(document, "version", &value);
    }
    xar_iter_t iterator = xar_iter_new();
    for (xar_file_t file = xar_file_first(archive, iterator); file; file = xar_file_next(iterator)) {
        char *path = xar_get_path(file);
        xar_extract_tofile(archive, file, path);
    }
    xar_iter_free(iterator);
    xar_close(archive);

    int bzerror = BZ_OK;
    BZFILE *reader = BZ2_bzReadOpen(&bzerror, compressed, 0, 0, NULL, 0);
    char buffer[64];
    while (bzerror == BZ_OK) BZ2_bzRead(&bzerror, reader, buffer, sizeof(buffer));
    BZ2_bzReadClose(&bzerror, reader);
    au_asid_t session = AU_DEFAUDITSID;
    bitstr_t bit_decl(seen, 64);
    bit_nclear(seen, 0, 63);
    bit_set(seen, session);
    return bzerror == BZ_STREAM_END ? session + O_SYMLINK : -1;
}
)"},
    };
    return cases;
}

class SDKStandInSystemServiceTest : public ::testing::TestWithParam<ServiceCase> {};

TEST_P(SDKStandInSystemServiceTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }

std::string serviceCaseName(const ::testing::TestParamInfo<ServiceCase> &info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Families, SDKStandInSystemServiceTest, ::testing::ValuesIn(serviceCases()), serviceCaseName);

// The desktop-only services are macOS's: iOS code that uses them does not find them.
TEST(SDKStandInSystemServiceTest, DesktopServicesAreNotPartOfTheIOSSDK) {
    const std::string code = R"(
#import <Foundation/Foundation.h>
#import <Security/Security.h>
void TDUse(void) {
    AuthorizationRef authorization = NULL;
    [NSAppleEventManager sharedAppleEventManager];
}
)";
    ParsedUnit unit(snippetPath("objective-c"), on("iPhoneOS", "arm64-apple-ios15.0"), &code);
    const std::vector<std::string> problems = unit.problems();
    ASSERT_EQ(problems.size(), 2u) << ::testing::PrintToString(problems);
    EXPECT_NE(problems[0].find("'AuthorizationRef'"), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("'NSAppleEventManager'"), std::string::npos) << problems[1];
}

} // namespace
