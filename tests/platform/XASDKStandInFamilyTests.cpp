// Checks the families of SDK headers that real macOS and iOS code includes beyond the common frameworks: the
// availability macros in all their version forms, the declarations projects guard or redeclare themselves, the
// POSIX, BSD, Mach and Mach-O headers, the C++ standard library of Objective-C++ files, and the macOS frameworks of
// desktop applications (Carbon, Application Services, IOKit, Core Services, AppKit, legacy WebKit, JavaScriptCore,
// Quick Look), and the text and graphics families of both platforms (Core Text, Core Graphics fonts and PDF, Core
// Foundation collections and sockets, decimal numbers, UIKit's text input, fonts and attributes), and UIKit's families
// of iOS apps (TextKit, layouts and dynamics, transitions, controls, menus, bars and Dynamic Type). Each case is a
// snippet written as real projects write it; it must parse without errors or warnings, the SDK's own headers included.

#include "platform/XASDKStandInParsing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace XASDKStandIn;

namespace {

struct FamilyCase {
    const char *name;
    ParseSettings settings;
    std::string code;
};

std::ostream &operator<<(std::ostream &stream, const FamilyCase &familyCase) { return stream << familyCase.name; }

ParseSettings on(const std::string &platform, const std::string &triple, const std::string &language = "objective-c") {
    return {platform, triple, language, true, false, {}};
}

ParseSettings onMac(const std::string &language = "objective-c") {
    return on("MacOSX", "x86_64-apple-macosx10.13", language);
}

ParseSettings withCxxLibrary(ParseSettings settings) {
    settings.extraArguments = {"-std=c++17"};
    return settings;
}

const std::vector<FamilyCase> &declarationCases() {
    static const std::vector<FamilyCase> cases = {
        {"AvailabilityMacrosWithDottedVersions", onMac(), R"(
#import <Foundation/Foundation.h>

NS_CLASS_AVAILABLE(10_7, 5_0) @interface TDOld : NSObject @end
NS_CLASS_AVAILABLE(10.11, 9.0) @interface TDDotted : NSObject @end
@interface TDVersions : NSObject
- (void)deprecatedOnMac NS_DEPRECATED_MAC(10.12, 11);
- (void)underscored NS_AVAILABLE(10_7, 5_0);
- (void)dotted NS_AVAILABLE_MAC(10.10);
- (void)both NS_DEPRECATED(10.0, 10.12, 2.0, 10.0, "use something else");
- (void)threeParts API_AVAILABLE(macos(10.12.2));
- (void)constants __OSX_AVAILABLE_STARTING(__MAC_10_6, __IPHONE_4_0);
- (void)older AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER;
- (void)olderDeprecated AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER_BUT_DEPRECATED_IN_MAC_OS_X_VERSION_10_9;
- (void)enumerated NS_ENUM_AVAILABLE(10.9, 7.0);
@end
)"},
        {"OwnIntegerTypesGuardedByTheSDKMacro", on("iPhoneOS", "armv7-apple-ios9.0"), R"(
#import <Foundation/Foundation.h>

#ifndef NSINTEGER_DEFINED
typedef int NSInteger;
typedef unsigned int NSUInteger;
#define NSINTEGER_DEFINED 1
#endif

NSInteger TDCount(NSArray *items) { return (NSInteger)items.count; }
)"},
        {"EqualityRedeclaredInANonnullRegion", onMac(), R"(
#import <Foundation/Foundation.h>

NS_ASSUME_NONNULL_BEGIN
@interface TDValue : NSObject
- (BOOL)isEqual:(id)other;
@end
@interface NSObject (TDEquality)
- (BOOL)isEqual:(id)object;
- (id)performSelector:(SEL)selector withObject:(id)object;
@end
NS_ASSUME_NONNULL_END

@implementation TDValue
- (BOOL)isEqual:(id)other { return other == self || [super isEqual:other]; }
- (NSUInteger)hash { return 1; }
@end
)"},
        {"CoreFoundationByteOrder", on("iPhoneOS", "arm64-apple-ios12.0"), R"(
#import <Foundation/Foundation.h>

uint32_t TDReadHeader(NSData *data, double *scale) {
    const uint32_t *words = data.bytes;
    CFSwappedFloat64 swapped = CFConvertDoubleHostToSwapped(2.5);
    *scale = CFConvertDoubleSwappedToHost(swapped);
    if (CFByteOrderGetCurrent() == CFByteOrderLittleEndian) {
        return CFSwapInt32BigToHost(words[0]) + NSSwapBigIntToHost(words[1]) + (uint32_t)CFSwapInt64(1);
    }
    return CFSwapInt32HostToLittle(words[0]);
}
)"},
    };
    return cases;
}

const std::vector<FamilyCase> &systemLibraryCases() {
    static const std::vector<FamilyCase> cases = {
        {"POSIXAndBSDHeaders", on("MacOSX", "x86_64-apple-macosx10.11", "c"), R"(
#include <dirent.h>
#include <fts.h>
#include <syslog.h>
#include <asl.h>
#include <termios.h>
#include <poll.h>
#include <pwd.h>
#include <spawn.h>
#include <glob.h>
#include <regex.h>
#include <util.h>
#include <execinfo.h>
#include <copyfile.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/event.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/uio.h>
#include <sys/utsname.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/file.h>
#include <netinet/tcp.h>
#include <net/if_dl.h>
#include <string.h>

int TDInspect(const char *path) {
    struct winsize size;
    ioctl(0, TIOCGWINSZ, &size);
    struct termios attributes;
    tcgetattr(0, &attributes);
    cfmakeraw(&attributes);
    DIR *directory = opendir(path);
    struct dirent *entry = readdir(directory);
    syslog(LOG_ERR, "%s %llu", entry->d_name, (unsigned long long)entry->d_ino);
    closedir(directory);
    char *const paths[] = {(char *)path, NULL};
    FTS *tree = fts_open(paths, FTS_PHYSICAL | FTS_NOCHDIR, NULL);
    for (FTSENT *node = fts_read(tree); node; node = fts_read(tree)) {
        if (node->fts_info == FTS_F) break;
    }
    fts_close(tree);
    struct statfs volume;
    statfs(path, &volume);
    int queue = kqueue();
    struct kevent change;
    EV_SET(&change, 1, EVFILT_VNODE, EV_ADD | EV_CLEAR, NOTE_WRITE, 0, NULL);
    kevent(queue, &change, 1, NULL, 0, NULL);
    struct sockaddr_un address;
    address.sun_family = AF_UNIX;
    strlcpy(address.sun_path, path, sizeof(address.sun_path));
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(queue, &readable);
    int status = 0;
    waitpid(-1, &status, WNOHANG);
    void *frames[8];
    backtrace(frames, 8);
    void *mapped = mmap(NULL, 4096, PROT_READ, MAP_PRIVATE | MAP_ANON, -1, 0);
    munmap(mapped, 4096);
    aslclient client = asl_open("td", "com.example", ASL_OPT_STDERR);
    asl_close(client);
    return WEXITSTATUS(status) + FD_ISSET(queue, &readable) + (int)volume.f_bsize + TCP_NODELAY;
}
)"},
        {"MachAndMachOHeaders", on("iPhoneOS", "arm64-apple-ios12.0", "c"), R"(
#include <mach/mach.h>
#include <mach-o/dyld.h>
#include <mach-o/loader.h>
#include <mach-o/getsect.h>
#include <mach-o/arch.h>
#include <mach-o/nlist.h>
#include <malloc/malloc.h>
#include <pthread/pthread.h>
#include <libkern/OSByteOrder.h>
#include <AvailabilityInternal.h>
#include <zlib.h>
#include <uuid/uuid.h>

uint64_t TDImages(void) {
    uint64_t total = 0;
    for (uint32_t index = 0; index < _dyld_image_count(); index++) {
        const struct mach_header *header = _dyld_get_image_header(index);
        if (header->magic == MH_MAGIC_64) {
            const struct load_command *command = (const struct load_command *)((const struct mach_header_64 *)header + 1);
            total += command->cmd == LC_UUID ? ((const struct uuid_command *)command)->uuid[0] : 0;
        }
        total += (uint64_t)_dyld_get_image_vmaddr_slide(index) + OSSwapBigToHostInt32(header->ncmds);
    }
    thread_basic_info_data_t info;
    mach_msg_type_number_t count = THREAD_BASIC_INFO_COUNT;
    thread_info(mach_thread_self(), THREAD_BASIC_INFO, (thread_info_t)&info, &count);
    pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
    pthread_mutex_lock(&lock);
    z_stream stream = {0};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    uuid_t identifier;
    uuid_generate(identifier);
    pthread_mutex_unlock(&lock);
    return total + info.cpu_usage + malloc_size(&stream) + (uint64_t)NXGetLocalArchInfo()->cputype;
}
)"},
        {"XPCAndNotifications", onMac(), R"(
#import <Foundation/Foundation.h>
#include <xpc/xpc.h>
#include <notify.h>

void TDConnect(void) {
    xpc_connection_t connection = xpc_connection_create_mach_service("com.example.helper", NULL,
                                                                     XPC_CONNECTION_MACH_SERVICE_PRIVILEGED);
    xpc_connection_set_event_handler(connection, ^(xpc_object_t event) {
        if (xpc_get_type(event) == XPC_TYPE_ERROR && event == XPC_ERROR_CONNECTION_INVALID) {
            NSLog(@"%s", xpc_dictionary_get_string(event, XPC_ERROR_KEY_DESCRIPTION));
        }
    });
    xpc_object_t message = xpc_dictionary_create(NULL, NULL, 0);
    xpc_dictionary_set_string(message, "request", "status");
    xpc_connection_resume(connection);
    xpc_connection_send_message(connection, message);
    int token = 0;
    notify_register_dispatch("com.example.changed", &token, dispatch_get_main_queue(), ^(int changed) {
        notify_cancel(changed);
    });
}
)"},
        {"CxxStandardLibraryOnMacOS", withCxxLibrary(onMac("objective-c++")), R"(
#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>
#import <Foundation/Foundation.h>

std::string TDJoin(NSArray<NSString *> *names) {
    std::vector<std::string> parts;
    for (NSString *name in names) {
        parts.emplace_back(name.UTF8String);
    }
    std::sort(parts.begin(), parts.end());
    std::map<std::string, std::shared_ptr<int>> counts;
    static std::mutex lock;
    std::lock_guard<std::mutex> guard(lock);
    std::ostringstream stream;
    for (const auto &part : parts) {
        counts[part] = std::make_shared<int>(1);
        stream << part;
    }
    return stream.str();
}
)"},
        {"CxxStandardLibraryOnIOS", withCxxLibrary(on("iPhoneOS", "arm64-apple-ios12.0", "objective-c++")), R"(
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <string_view>
#import <UIKit/UIKit.h>

std::optional<CGFloat> TDWidth(std::string_view key, const std::unordered_map<std::string, UIView *> &views) {
    const auto found = views.find(std::string(key));
    std::function<CGFloat(UIView *)> width = [](UIView *view) { return view.bounds.size.width; };
    return found == views.end() ? std::nullopt : std::optional<CGFloat>(width(found->second));
}
)"},
    };
    return cases;
}

const std::vector<FamilyCase> &desktopFrameworkCases() {
    static const std::vector<FamilyCase> cases = {
        {"CarbonHotKeysAndInputSources", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <Carbon/Carbon.h>

static OSStatus TDHotKeyPressed(EventHandlerCallRef call, EventRef event, void *context) {
    EventHotKeyID identifier;
    GetEventParameter(event, kEventParamDirectObject, typeEventHotKeyID, NULL, sizeof(identifier), NULL, &identifier);
    return identifier.id == 1 ? noErr : eventNotHandledErr;
}

EventHotKeyRef TDRegister(void) {
    EventTypeSpec hotKeyPressed = {kEventClassKeyboard, kEventHotKeyPressed};
    InstallApplicationEventHandler(&TDHotKeyPressed, 1, &hotKeyPressed, NULL, NULL);
    EventHotKeyRef hotKey = NULL;
    EventHotKeyID identifier = {'tdhk', 1};
    RegisterEventHotKey(kVK_ANSI_A, cmdKey | optionKey, identifier, GetApplicationEventTarget(), 0, &hotKey);
    TISInputSourceRef source = TISCopyCurrentKeyboardLayoutInputSource();
    CFDataRef layout = TISGetInputSourceProperty(source, kTISPropertyUnicodeKeyLayoutData);
    UInt32 deadKeys = 0;
    UniChar characters[4];
    UniCharCount length = 0;
    UCKeyTranslate((const UCKeyboardLayout *)CFDataGetBytePtr(layout), kVK_Return, kUCKeyActionDisplay, 0,
                   LMGetKbdType(), kUCKeyTranslateNoDeadKeysBit, &deadKeys, 4, &length, characters);
    CFRelease(source);
    return hotKey;
}
)"},
        {"AccessibilityQuartzEventsAndWindows", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <ApplicationServices/ApplicationServices.h>

static CGEventRef TDTap(CGEventTapProxy proxy, CGEventType type, CGEventRef event, void *context) {
    if (type == kCGEventKeyDown && (CGEventGetFlags(event) & kCGEventFlagMaskCommand)) {
        NSLog(@"%lld", CGEventGetIntegerValueField(event, kCGKeyboardEventKeycode));
    }
    return event;
}

CGPoint TDFocusedWindowPosition(pid_t pid) {
    NSDictionary *options = @{(__bridge id)kAXTrustedCheckOptionPrompt : @YES};
    AXIsProcessTrustedWithOptions((__bridge CFDictionaryRef)options);
    AXUIElementRef application = AXUIElementCreateApplication(pid);
    CFTypeRef window = NULL;
    CGPoint position = CGPointZero;
    if (AXUIElementCopyAttributeValue(application, kAXFocusedWindowAttribute, &window) == kAXErrorSuccess) {
        CFTypeRef value = NULL;
        AXUIElementCopyAttributeValue(window, kAXPositionAttribute, &value);
        AXValueGetValue(value, kAXValueCGPointType, &position);
    }
    CFMachPortRef tap = CGEventTapCreate(kCGSessionEventTap, kCGHeadInsertEventTap, kCGEventTapOptionListenOnly,
                                         CGEventMaskBit(kCGEventKeyDown), TDTap, NULL);
    CFRunLoopAddSource(CFRunLoopGetMain(), CFMachPortCreateRunLoopSource(NULL, tap, 0), kCFRunLoopCommonModes);
    NSArray *windows = CFBridgingRelease(CGWindowListCopyWindowInfo(kCGWindowListOptionOnScreenOnly, kCGNullWindowID));
    NSLog(@"%@ %d", windows.firstObject[(__bridge NSString *)kCGWindowOwnerName], CGWindowLevelForKey(kCGFloatingWindowLevelKey));
    CGEventRef key = CGEventCreateKeyboardEvent(NULL, (CGKeyCode)36, true);
    CGEventPost(kCGHIDEventTap, key);
    CFRelease(key);
    return position;
}
)"},
        {"IOKitServicesPowerAndHID", onMac(), R"(
#import <Foundation/Foundation.h>
#import <IOKit/IOKitLib.h>
#import <IOKit/pwr_mgt/IOPMLib.h>
#import <IOKit/ps/IOPowerSources.h>
#import <IOKit/ps/IOPSKeys.h>
#import <IOKit/hid/IOHIDLib.h>
#import <IOKit/hidsystem/ev_keymap.h>
#import <IOKit/graphics/IOGraphicsLib.h>

IOPMAssertionID TDKeepAwake(void) {
    IOPMAssertionID assertion = kIOPMNullAssertionID;
    IOPMAssertionCreateWithName(kIOPMAssertionTypeNoDisplaySleep, kIOPMAssertionLevelOn, CFSTR("Working"), &assertion);
    io_iterator_t iterator = IO_OBJECT_NULL;
    IOServiceGetMatchingServices(kIOMasterPortDefault, IOServiceMatching("IODisplayConnect"), &iterator);
    for (io_object_t service = IOIteratorNext(iterator); service; service = IOIteratorNext(iterator)) {
        float brightness = 0;
        IODisplayGetFloatParameter(service, kNilOptions, CFSTR(kIODisplayBrightnessKey), &brightness);
        IOObjectRelease(service);
    }
    IOHIDManagerRef manager = IOHIDManagerCreate(kCFAllocatorDefault, kIOHIDOptionsTypeNone);
    IOHIDManagerSetDeviceMatching(manager, NULL);
    IOHIDManagerOpen(manager, kIOHIDOptionsTypeNone);
    CFTypeRef sources = IOPSCopyPowerSourcesInfo();
    NSLog(@"%@ %d", CFBridgingRelease(sources), NX_KEYTYPE_PLAY);
    return assertion;
}
)"},
        {"AppleEventsLaunchServicesAndFileSystemEvents", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <CoreServices/CoreServices.h>

static void TDChanged(ConstFSEventStreamRef stream, void *info, size_t count, void *paths,
                      const FSEventStreamEventFlags flags[], const FSEventStreamEventId ids[]) {
    NSLog(@"%zu %d", count, (flags[0] & kFSEventStreamEventFlagItemModified) != 0);
}

void TDWatch(NSString *folder) {
    FSEventStreamRef stream = FSEventStreamCreate(NULL, TDChanged, NULL, (__bridge CFArrayRef)@[ folder ],
                                                  kFSEventStreamEventIdSinceNow, 0.5,
                                                  kFSEventStreamCreateFlagFileEvents);
    FSEventStreamScheduleWithRunLoop(stream, CFRunLoopGetMain(), kCFRunLoopDefaultMode);
    FSEventStreamStart(stream);
    CFStringRef handler = LSCopyDefaultHandlerForURLScheme(CFSTR("https"));
    AEDesc descriptor;
    AEInitializeDesc(&descriptor);
    AECreateDesc(typeUTF8Text, "x", 1, &descriptor);
    AEDisposeDesc(&descriptor);
    NSLog(@"%@ %d", handler, kInternetEventClass == kAEGetURL);
}
)"},
        {"AppKitWorkspacePasteboardAndPanels", onMac(), R"(
#import <Cocoa/Cocoa.h>

@interface TDDropView : NSView <NSDraggingDestination, NSOpenSavePanelDelegate, NSPasteboardItemDataProvider>
@end

@implementation TDDropView
- (NSDragOperation)draggingEntered:(id<NSDraggingInfo>)sender {
    NSArray *urls = [sender.draggingPasteboard readObjectsForClasses:@[ [NSURL class] ]
                                                             options:@{NSPasteboardURLReadingFileURLsOnlyKey : @YES}];
    return urls.count ? NSDragOperationCopy : NSDragOperationNone;
}
- (void)pasteboard:(NSPasteboard *)pasteboard item:(NSPasteboardItem *)item provideDataForType:(NSPasteboardType)type {
    [item setString:@"x" forType:NSPasteboardTypeString];
}
- (void)chooseFolder {
    [self registerForDraggedTypes:@[ NSPasteboardTypeFileURL ]];
    NSOpenPanel *panel = [NSOpenPanel openPanel];
    panel.canChooseDirectories = YES;
    panel.delegate = self;
    [panel beginSheetModalForWindow:self.window completionHandler:^(NSModalResponse result) {
        if (result == NSModalResponseOK) {
            [[NSWorkspace sharedWorkspace] activateFileViewerSelectingURLs:panel.URLs];
        }
    }];
    NSRunningApplication *front = [NSWorkspace sharedWorkspace].frontmostApplication;
    [[NSWorkspace sharedWorkspace].notificationCenter addObserver:self selector:@selector(chooseFolder)
                                                             name:NSWorkspaceDidActivateApplicationNotification
                                                           object:nil];
    [[NSPasteboard generalPasteboard] clearContents];
    [[NSPasteboard generalPasteboard] writeObjects:@[ front.bundleURL ?: [NSURL fileURLWithPath:@"/"] ]];
}
@end
)"},
        {"AppKitTablesOutlinesAndControls", onMac(), R"(
#import <Cocoa/Cocoa.h>

@interface TDSidebar : NSViewController <NSOutlineViewDataSource, NSOutlineViewDelegate, NSTableViewDataSource,
                                         NSTableViewDelegate, NSToolbarDelegate, NSSplitViewDelegate,
                                         NSTabViewDelegate, NSPopoverDelegate, NSSearchFieldDelegate>
@property (weak) IBOutlet NSOutlineView *outlineView;
@property (weak) IBOutlet NSPopUpButton *popUpButton;
@property (weak) IBOutlet NSSearchField *searchField;
@property (strong) NSStatusItem *statusItem;
@end

@implementation TDSidebar
- (NSInteger)outlineView:(NSOutlineView *)outlineView numberOfChildrenOfItem:(id)item { return item ? 0 : 1; }
- (id)outlineView:(NSOutlineView *)outlineView child:(NSInteger)index ofItem:(id)item { return @"root"; }
- (BOOL)outlineView:(NSOutlineView *)outlineView isItemExpandable:(id)item { return NO; }
- (NSView *)outlineView:(NSOutlineView *)outlineView viewForTableColumn:(NSTableColumn *)column item:(id)item {
    NSTableCellView *cell = [outlineView makeViewWithIdentifier:column.identifier owner:self];
    cell.textField.stringValue = item;
    cell.backgroundStyle = NSBackgroundStyleEmphasized;
    return cell;
}
- (NSToolbarItem *)toolbar:(NSToolbar *)toolbar itemForItemIdentifier:(NSToolbarItemIdentifier)identifier
    willBeInsertedIntoToolbar:(BOOL)flag {
    NSToolbarItem *item = [[NSToolbarItem alloc] initWithItemIdentifier:identifier];
    item.label = @"Search";
    item.view = self.searchField;
    return item;
}
- (void)viewDidLoad {
    [super viewDidLoad];
    [self.popUpButton removeAllItems];
    [self.popUpButton addItemsWithTitles:@[ @"One", @"Two" ]];
    [self.popUpButton selectItemAtIndex:self.popUpButton.indexOfSelectedItem + 1];
    [self.outlineView expandItem:nil expandChildren:YES];
    self.statusItem = [[NSStatusBar systemStatusBar] statusItemWithLength:NSVariableStatusItemLength];
    self.statusItem.button.title = @"TD";
    NSScrollView *scrollView = self.outlineView.enclosingScrollView;
    scrollView.hasVerticalScroller = YES;
    NSPopover *popover = [[NSPopover alloc] init];
    popover.behavior = NSPopoverBehaviorTransient;
    popover.delegate = self;
    [popover showRelativeToRect:NSZeroRect ofView:self.view preferredEdge:NSRectEdgeMaxY];
    NSAlert *alert = [[NSAlert alloc] init];
    alert.alertStyle = NSAlertStyleWarning;
    [alert beginSheetModalForWindow:self.view.window completionHandler:nil];
}
@end
)"},
        {"AppKitTextSystemStacksPathsAndContainerControllers", onMac(), R"(
#import <Cocoa/Cocoa.h>

@interface TDPathBar : NSPathControl <NSPathControlDelegate, NSTextStorageDelegate, NSStackViewDelegate>
@end

@implementation TDPathBar
- (void)mouseDown:(NSEvent *)event {
    NSGradient *gradient = [[NSGradient alloc] initWithStartingColor:[NSColor whiteColor]
                                                         endingColor:[NSColor blackColor]];
    [gradient drawInRect:self.bounds angle:90];
    NSShadow *shadow = [[NSShadow alloc] init];
    shadow.shadowOffset = NSMakeSize(0, -1);
    [shadow set];
    NSMutableParagraphStyle *style = [[NSParagraphStyle defaultParagraphStyle] mutableCopy];
    style.lineBreakMode = NSLineBreakByTruncatingMiddle;
    NSTextStorage *storage = [[NSTextStorage alloc] init];
    NSLayoutManager *layoutManager = [[NSLayoutManager alloc] init];
    [layoutManager addTextContainer:[[NSTextContainer alloc] initWithContainerSize:NSMakeSize(100, 100)]];
    [storage addLayoutManager:layoutManager];
    storage.delegate = self;
    NSStackView *stack = [NSStackView stackViewWithViews:@[ self ]];
    stack.orientation = NSUserInterfaceLayoutOrientationVertical;
    [stack setVisibilityPriority:NSStackViewVisibilityPriorityNotVisible forView:self];
    [[NSUserDefaultsController sharedUserDefaultsController] setAppliesImmediately:YES];
    [[NSCursor pointingHandCursor] set];
    [self addTrackingArea:[[NSTrackingArea alloc] initWithRect:self.bounds
                                                       options:NSTrackingMouseEnteredAndExited | NSTrackingActiveAlways
                                                         owner:self
                                                      userInfo:nil]];
    [NSApp dockTile].badgeLabel = @"1";
    NSTreeNode *node = [NSTreeNode treeNodeWithRepresentedObject:self.URL];
    NSLog(@"%@ %lu", node.childNodes, (unsigned long)(event.modifierFlags & NSEventModifierFlagCommand));
    [super mouseDown:event];
}
@end

@interface TDTabs : NSTabViewController
@end

@implementation TDTabs
- (void)viewDidLoad {
    [super viewDidLoad];
    self.tabStyle = NSTabViewControllerTabStyleToolbar;
    self.transitionOptions = NSViewControllerTransitionNone | NSViewControllerTransitionAllowUserInteraction;
    NSSplitViewController *split = [[NSSplitViewController alloc] init];
    [split addSplitViewItem:[NSSplitViewItem sidebarWithViewController:[[NSViewController alloc] init]]];
    [self addTabViewItem:[NSTabViewItem tabViewItemWithViewController:split]];
}
@end
)"},
        {"AppKitEventTypesAndMasksUnderTheirOlderNames", on("MacOSX", "x86_64-apple-macosx10.11"), R"(
#import <Cocoa/Cocoa.h>

@interface TDHotKeyWindow : NSWindow
@end

@implementation TDHotKeyWindow
- (void)sendEvent:(NSEvent *)event {
    if (event.type == NSKeyDown && (event.modifierFlags & NSDeviceIndependentModifierFlagsMask) == NSCommandKeyMask) {
        NSEvent *copy = [NSEvent keyEventWithType:NSKeyUp
                                         location:NSZeroPoint
                                    modifierFlags:NSCommandKeyMask | NSAlternateKeyMask
                                        timestamp:event.timestamp
                                     windowNumber:self.windowNumber
                                          context:nil
                                       characters:@"a"
                      charactersIgnoringModifiers:@"a"
                                        isARepeat:NO
                                          keyCode:0];
        NSLog(@"%@ %@", copy, [NSEvent eventWithCGEvent:event.CGEvent]);
    }
    [NSEvent addGlobalMonitorForEventsMatchingMask:NSLeftMouseDownMask | NSKeyDownMask
                                           handler:^(NSEvent *global) { NSLog(@"%ld", (long)global.type); }];
    [super sendEvent:event];
}
@end
)"},
        {"LegacyWebViewsAndJavaScriptCore", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <WebKit/WebKit.h>
#import <JavaScriptCore/JavaScriptCore.h>

@protocol TDBridge <JSExport>
- (NSString *)version;
@end

@interface TDHelpController : NSObject <WebFrameLoadDelegate, WebPolicyDelegate, WebUIDelegate, TDBridge>
@property (weak) IBOutlet WebView *webView;
@end

@implementation TDHelpController
- (NSString *)version { return @"1"; }
- (void)show:(NSURL *)url {
    self.webView.frameLoadDelegate = self;
    self.webView.policyDelegate = self;
    [self.webView.preferences setJavaScriptEnabled:YES];
    [[self.webView mainFrame] loadRequest:[NSURLRequest requestWithURL:url]];
}
- (void)webView:(WebView *)sender didFinishLoadForFrame:(WebFrame *)frame {
    DOMElement *body = [frame.DOMDocument getElementById:@"body"];
    [body setAttribute:@"class" value:@"ready"];
    [sender stringByEvaluatingJavaScriptFromString:@"start();"];
}
- (void)webView:(WebView *)webView didCreateJavaScriptContext:(JSContext *)context forFrame:(WebFrame *)frame {
    context[@"bridge"] = self;
    JSValue *result = [context evaluateScript:@"bridge.version();"];
    NSLog(@"%@ %d", [result toString], result.isString);
}
- (void)webView:(WebView *)webView
    decidePolicyForNavigationAction:(NSDictionary *)actionInformation
                            request:(NSURLRequest *)request
                              frame:(WebFrame *)frame
                   decisionListener:(id<WebPolicyDecisionListener>)listener {
    if ([actionInformation[WebActionNavigationTypeKey] integerValue] == WebNavigationTypeLinkClicked) {
        [[NSWorkspace sharedWorkspace] openURL:request.URL];
        [listener ignore];
    } else {
        [listener use];
    }
}
@end
)"},
        {"QuickLookPanelAndUserNotifications", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <Quartz/Quartz.h>

@interface TDPreviewer : NSResponder <QLPreviewPanelDataSource, QLPreviewPanelDelegate, NSUserNotificationCenterDelegate>
@property (copy) NSArray<NSURL *> *files;
@end

@implementation TDPreviewer
- (BOOL)acceptsPreviewPanelControl:(QLPreviewPanel *)panel { return YES; }
- (void)beginPreviewPanelControl:(QLPreviewPanel *)panel {
    panel.dataSource = self;
    panel.delegate = self;
    [panel reloadData];
}
- (NSInteger)numberOfPreviewItemsInPreviewPanel:(QLPreviewPanel *)panel { return (NSInteger)self.files.count; }
- (id<QLPreviewItem>)previewPanel:(QLPreviewPanel *)panel previewItemAtIndex:(NSInteger)index {
    return self.files[(NSUInteger)index];
}
- (void)toggle {
    if ([QLPreviewPanel sharedPreviewPanelExists] && [[QLPreviewPanel sharedPreviewPanel] isVisible]) {
        [[QLPreviewPanel sharedPreviewPanel] orderOut:nil];
    } else {
        [[QLPreviewPanel sharedPreviewPanel] makeKeyAndOrderFront:nil];
    }
    NSUserNotification *notification = [[NSUserNotification alloc] init];
    notification.title = @"Done";
    notification.soundName = NSUserNotificationDefaultSoundName;
    [NSUserNotificationCenter defaultUserNotificationCenter].delegate = self;
    [[NSUserNotificationCenter defaultUserNotificationCenter] deliverNotification:notification];
}
- (BOOL)userNotificationCenter:(NSUserNotificationCenter *)center
     shouldPresentNotification:(NSUserNotification *)notification {
    return YES;
}
@end
)"},
        {"QuickLookGeneratorRequests", on("MacOSX", "x86_64-apple-macosx10.13", "c"), R"(
#include <QuickLook/QuickLook.h>

OSStatus GeneratePreviewForURL(void *plugIn, QLPreviewRequestRef preview, CFURLRef url, CFStringRef type,
                               CFDictionaryRef options) {
    if (QLPreviewRequestIsCancelled(preview)) {
        return noErr;
    }
    const char *html = "<p></p>";
    CFDataRef data = CFDataCreate(NULL, (const UInt8 *)html, 7);
    QLPreviewRequestSetDataRepresentation(preview, data, kUTTypeHTML, NULL);
    CFRelease(data);
    return noErr;
}
)"},
    };
    return cases;
}

ParseSettings onIOS(const std::string &language = "objective-c") {
    return on("iPhoneOS", "arm64-apple-ios12.0", language);
}

const std::vector<FamilyCase> &textAndGraphicsCases() {
    static const std::vector<FamilyCase> cases = {
        {"CoreTextFramesLinesRunsAndRunDelegates", onIOS(), R"(
#import <UIKit/UIKit.h>
#import <CoreText/CoreText.h>

static CGFloat TDAscent(void *refCon) { return 12; }
static CGFloat TDWidth(void *refCon) { return 20; }

void TDDraw(NSAttributedString *text, CGContextRef context, CGRect bounds) {
    CTRunDelegateCallbacks callbacks = {kCTRunDelegateCurrentVersion, NULL, TDAscent, NULL, TDWidth};
    CTRunDelegateRef delegate = CTRunDelegateCreate(&callbacks, NULL);
    CTLineBreakMode lineBreak = kCTLineBreakByTruncatingTail;
    CTParagraphStyleSetting settings[] = {{kCTParagraphStyleSpecifierLineBreakMode, sizeof(lineBreak), &lineBreak}};
    CTParagraphStyleRef style = CTParagraphStyleCreate(settings, 1);
    CTFontRef font = CTFontCreateWithName(CFSTR("Helvetica"), 14, NULL);
    NSMutableAttributedString *laid = [text mutableCopy];
    [laid addAttributes:@{(id)kCTFontAttributeName : (__bridge id)font, (id)kCTParagraphStyleAttributeName : (__bridge id)style,
                          (id)kCTRunDelegateAttributeName : (__bridge id)delegate}
                  range:NSMakeRange(0, laid.length)];
    CTFramesetterRef setter = CTFramesetterCreateWithAttributedString((__bridge CFAttributedStringRef)laid);
    CGSize fitting = CTFramesetterSuggestFrameSizeWithConstraints(setter, CFRangeMake(0, 0), NULL, bounds.size, NULL);
    CGPathRef path = CGPathCreateWithRect((CGRect){CGPointZero, fitting}, NULL);
    CTFrameRef frame = CTFramesetterCreateFrame(setter, CFRangeMake(0, 0), path, NULL);
    CFArrayRef lines = CTFrameGetLines(frame);
    CGPoint origins[16];
    CTFrameGetLineOrigins(frame, CFRangeMake(0, 0), origins);
    for (CFIndex index = 0; index < CFArrayGetCount(lines); index++) {
        CTLineRef line = CFArrayGetValueAtIndex(lines, index);
        for (id item in (__bridge NSArray *)CTLineGetGlyphRuns(line)) {
            CTRunRef run = (__bridge CTRunRef)item;
            CGFloat ascent, descent;
            CTRunGetTypographicBounds(run, CFRangeMake(0, 0), &ascent, &descent, NULL);
            if (CTRunGetStatus(run) & kCTRunStatusRightToLeft) {
                CTRunDraw(run, context, CFRangeMake(0, 0));
            }
        }
        CGContextSetTextPosition(context, origins[index].x, origins[index].y);
        CTLineDraw(line, context);
    }
    CFRelease(frame);
    CGPathRelease(path);
    CFRelease(setter);
    CFRelease(font);
    CFRelease(style);
    CFRelease(delegate);
}
)"},
        {"CoreTextFontsGlyphsAndRubyOnMacOS", onMac(), R"(
#import <Cocoa/Cocoa.h>
#import <CoreText/CoreText.h>

CGFloat TDGlyphWidth(NSURL *fontFile, CGContextRef context) {
    CTFontManagerRegisterFontsForURL((__bridge CFURLRef)fontFile, kCTFontManagerScopeProcess, NULL);
    CTFontRef font = CTFontCreateWithName(CFSTR("Menlo"), 12, NULL);
    UniChar characters[1] = {'A'};
    CGGlyph glyphs[1];
    CTFontGetGlyphsForCharacters(font, characters, glyphs, 1);
    CGSize advance;
    CTFontGetAdvancesForGlyphs(font, kCTFontOrientationHorizontal, glyphs, &advance, 1);
    CGPathRef outline = CTFontCreatePathForGlyph(font, glyphs[0], NULL);
    CGFontRef graphicsFont = CTFontCopyGraphicsFont(font, NULL);
    CGContextSetFont(context, graphicsFont);
    CGPoint position = CGPointZero;
    CGContextShowGlyphsAtPositions(context, glyphs, &position, 1);
    CFStringRef annotations[kCTRubyPositionCount] = {CFSTR("ruby"), NULL, NULL, NULL};
    CTRubyAnnotationRef ruby = CTRubyAnnotationCreate(kCTRubyAlignmentAuto, kCTRubyOverhangAuto, 0.5, annotations);
    BOOL bold = (CTFontGetSymbolicTraits(font) & kCTFontTraitBold) != 0;
    const CGFloat width = bold ? advance.width : CTFontGetAscent(font);
    CFRelease(ruby);
    CGFontRelease(graphicsFont);
    CGPathRelease(outline);
    CFRelease(font);
    return width;
}
)"},
        {"CoreGraphicsPDFContextsAndPathWalking", onIOS(), R"(
#import <UIKit/UIKit.h>

static void TDCountElement(void *info, const CGPathElement *element) {
    if (element->type != kCGPathElementCloseSubpath) ++*(NSUInteger *)info;
}

NSData *TDRenderPDF(UIBezierPath *shape) {
    NSMutableData *data = [NSMutableData data];
    CGDataConsumerRef consumer = CGDataConsumerCreateWithCFData((__bridge CFMutableDataRef)data);
    CGRect page = CGRectMake(0, 0, 612, 792);
    CGContextRef context = CGPDFContextCreate(consumer, &page, NULL);
    CGPDFContextBeginPage(context, NULL);
    CGPathRef stroked = CGPathCreateCopyByStrokingPath(shape.CGPath, NULL, 2, kCGLineCapRound, kCGLineJoinRound, 4);
    NSUInteger elements = 0;
    CGPathApply(stroked, &elements, TDCountElement);
    CGRect rect;
    if (!CGPathIsRect(stroked, &rect)) {
        CGContextAddPath(context, stroked);
        CGContextFillPath(context);
    }
    CGPDFContextEndPage(context);
    CGPDFContextClose(context);
    CGPathRelease(stroked);
    CGContextRelease(context);
    CGDataConsumerRelease(consumer);
    return elements ? data : nil;
}
)"},
        {"CoreFoundationCollectionsSocketsAndRunLoopObservers", onIOS(), R"(
#import <Foundation/Foundation.h>

static CFComparisonResult TDCompare(const void *left, const void *right, void *context) {
    return left < right ? kCFCompareLessThan : left > right ? kCFCompareGreaterThan : kCFCompareEqualTo;
}
static void TDBeforeWaiting(CFRunLoopObserverRef observer, CFRunLoopActivity activity, void *info) {}

void TDSetUp(int nativeSocket) {
    CFBinaryHeapCallBacks callbacks = {0, NULL, NULL, NULL, TDCompare};
    CFBinaryHeapRef heap = CFBinaryHeapCreate(kCFAllocatorDefault, 0, &callbacks, NULL);
    CFBinaryHeapAddValue(heap, (const void *)2);
    const void *minimum = NULL;
    if (CFBinaryHeapGetMinimumIfPresent(heap, &minimum)) CFBinaryHeapRemoveMinimumValue(heap);
    CFRunLoopObserverRef observer = CFRunLoopObserverCreate(kCFAllocatorDefault, kCFRunLoopBeforeWaiting | kCFRunLoopExit,
                                                            true, 0xFFFFFF, TDBeforeWaiting, NULL);
    CFRunLoopAddObserver(CFRunLoopGetMain(), observer, kCFRunLoopCommonModes);
    CFReadStreamRef readStream = NULL;
    CFWriteStreamRef writeStream = NULL;
    CFStreamCreatePairWithSocket(kCFAllocatorDefault, (CFSocketNativeHandle)nativeSocket, &readStream, &writeStream);
    CFCharacterSetRef spaces = CFCharacterSetGetPredefined(kCFCharacterSetWhitespaceAndNewline);
    CFMutableAttributedStringRef text = CFAttributedStringCreateMutable(kCFAllocatorDefault, 0);
    CFAttributedStringReplaceString(text, CFRangeMake(0, 0), CFSTR("a b"));
    NSString *decoded = CFBridgingRelease(CFURLCreateStringByReplacingPercentEscapes(kCFAllocatorDefault, CFSTR("a%20b"), CFSTR("")));
    NSLog(@"%@ %d", decoded, CFCharacterSetIsCharacterMember(spaces, ' '));
    CFRelease(text);
    CFRelease(readStream);
    CFRelease(writeStream);
    CFRelease(observer);
    CFRelease(heap);
}
)"},
        {"DecimalNumbersAndKeyedArchiverDelegates", onMac(), R"(
#import <Foundation/Foundation.h>

@interface TDArchiveWatcher : NSObject <NSKeyedArchiverDelegate, NSKeyedUnarchiverDelegate>
@end

@implementation TDArchiveWatcher
- (id)archiver:(NSKeyedArchiver *)archiver willEncodeObject:(id)object { return object; }
- (Class)unarchiver:(NSKeyedUnarchiver *)unarchiver cannotDecodeObjectOfClassName:(NSString *)name
    originalClasses:(NSArray<NSString *> *)classNames {
    return [NSDecimalNumber class];
}
@end

NSDecimalNumber *TDTotal(NSArray<NSString *> *prices, TDArchiveWatcher *watcher) {
    NSDecimalNumberHandler *cents = [NSDecimalNumberHandler decimalNumberHandlerWithRoundingMode:NSRoundBankers
                                                                                          scale:2
                                                                               raiseOnExactness:NO
                                                                                raiseOnOverflow:NO
                                                                               raiseOnUnderflow:NO
                                                                            raiseOnDivideByZero:YES];
    NSDecimalNumber *total = [NSDecimalNumber zero];
    for (NSString *price in prices) {
        total = [total decimalNumberByAdding:[NSDecimalNumber decimalNumberWithString:price] withBehavior:cents];
    }
    NSDecimal value = total.decimalValue;
    NSKeyedArchiver *archiver = [[NSKeyedArchiver alloc] initRequiringSecureCoding:YES];
    archiver.delegate = watcher;
    return NSDecimalIsNotANumber(&value) ? [NSDecimalNumber notANumber] : total;
}
)"},
        {"MessageForwardingAtomicsAndBackgroundReads", on("iPhoneOS", "armv7-apple-ios9.0"), R"(
#import <Foundation/Foundation.h>
#import <objc/runtime.h>
#import <objc/message.h>
#import <libkern/OSAtomic.h>

static volatile uint32_t TDHookFlags = 0;

@interface TDHooker : NSObject
@end

@implementation TDHooker
- (BOOL)hookSelector:(SEL)selector ofClass:(Class)cls {
    Method method = class_getInstanceMethod(cls, selector);
    IMP previous = class_replaceMethod(cls, selector, _objc_msgForward, method_getTypeEncoding(method));
    OSAtomicOr32Barrier(1, &TDHookFlags);
    OSAtomicAnd32Barrier(~2u, &TDHookFlags);
    return previous == (IMP)_objc_msgForward_stret;
}
- (void)follow:(NSFileHandle *)handle describedAt:(NSURL *)url {
    NSStringEncoding encoding;
    NSString *description = [NSString stringWithContentsOfURL:url usedEncoding:&encoding error:NULL];
    [[NSNotificationCenter defaultCenter] addObserverForName:NSFileHandleReadCompletionNotification
                                                      object:handle
                                                       queue:nil
                                                  usingBlock:^(NSNotification *note) {
                                                      NSLog(@"%@ %@", description, note.userInfo[NSFileHandleNotificationDataItem]);
                                                  }];
    [handle readInBackgroundAndNotify];
}
@end
)"},
        {"UIKitTextInputAndItsObjects", onIOS(), R"(
#import <UIKit/UIKit.h>

@interface TDTextPosition : UITextPosition
@property (nonatomic, readonly) NSUInteger offset;
@end
@implementation TDTextPosition
@end

@interface TDTextRange : UITextRange
@end
@implementation TDTextRange
@end

@interface TDSelectionRect : UITextSelectionRect
@property (nonatomic) UITextWritingDirection direction;
@end
@implementation TDSelectionRect
@end

@interface TDEditor : UIView <UITextInput>
@end

NSString *TDSelectedWord(UITextField *field, UITextView *view) {
    UITextPosition *start = [field positionFromPosition:field.beginningOfDocument inDirection:UITextLayoutDirectionRight offset:1];
    UITextRange *word = [field.tokenizer rangeEnclosingPosition:start withGranularity:UITextGranularityWord
                                                    inDirection:UITextStorageDirectionForward];
    view.dataDetectorTypes = UIDataDetectorTypeLink | UIDataDetectorTypePhoneNumber | UIDataDetectorTypeAddress;
    CGRect caret = [view caretRectForPosition:view.endOfDocument];
    NSInteger length = [field offsetFromPosition:word.start toPosition:word.end];
    return caret.size.height > 0 && length > 0 ? [field textInRange:word] : nil;
}
)"},
        {"UIKitCollectionControllersAndAccessibilityElements", onIOS(), R"(
#import <UIKit/UIKit.h>

@interface TDGridController : UICollectionViewController
@end

@implementation TDGridController
- (void)viewDidLoad {
    [super viewDidLoad];
    self.collectionView.backgroundColor = UIColor.whiteColor;
}
@end

@interface TDLinkElement : UIAccessibilityElement
@property (nonatomic, copy) NSURL *target;
@end

@implementation TDLinkElement
@end

void TDExposeLink(UIView *label, NSURL *target) {
    TDLinkElement *element = [[TDLinkElement alloc] initWithAccessibilityContainer:label];
    element.target = target;
    element.accessibilityTraits = UIAccessibilityTraitLink | UIAccessibilityTraitStaticText;
    element.accessibilityFrame = UIAccessibilityConvertFrameToScreenCoordinates(label.bounds, label);
    label.accessibilityElements = @[ element ];
    label.accessibilityLabel = target.absoluteString;
    const double unbounded = HUGE;
    UIAccessibilityPostNotification(UIAccessibilityLayoutChangedNotification, unbounded > 0 ? element : nil);
}
)"},
        {"UIKitFontsTextAttributesPasteboardAndStatusBar", onIOS(), R"(
#import <UIKit/UIKit.h>

NSAttributedString *TDStyled(NSString *text, UIFont *font) {
    UIFontDescriptor *descriptor = [font.fontDescriptor
        fontDescriptorWithSymbolicTraits:UIFontDescriptorTraitBold | UIFontDescriptorTraitItalic];
    UIFont *emphasized = [UIFont fontWithDescriptor:descriptor size:0];
    NSShadow *shadow = [[NSShadow alloc] init];
    shadow.shadowOffset = CGSizeMake(0, 1);
    shadow.shadowBlurRadius = 2;
    NSMutableParagraphStyle *style = [[NSMutableParagraphStyle alloc] init];
    style.tabStops = @[ [[NSTextTab alloc] initWithTextAlignment:NSTextAlignmentRight location:80 options:@{}] ];
    style.baseWritingDirection = NSWritingDirectionNatural;
    NSDictionary *attributes = @{
        NSFontAttributeName : emphasized,
        NSShadowAttributeName : shadow,
        NSParagraphStyleAttributeName : style,
        NSUnderlineColorAttributeName : UIColor.redColor,
        NSObliquenessAttributeName : @0.2,
        NSTextEffectAttributeName : NSTextEffectLetterpressStyle,
    };
    [[UIPasteboard generalPasteboard] setData:[text dataUsingEncoding:NSUTF8StringEncoding] forPasteboardType:@"public.text"];
    UIBezierPath *underline = [UIBezierPath bezierPathWithRect:CGRectMake(0, 0, 10, 1)];
    [underline applyTransform:CGAffineTransformMakeScale(2, 1)];
    UIInterfaceOrientation orientation = [UIApplication sharedApplication].statusBarOrientation;
    NSLog(@"%d %@", UIInterfaceOrientationIsLandscape(orientation), UIKeyboardDidChangeFrameNotification);
    return [[NSAttributedString alloc] initWithString:text attributes:attributes];
}
)"},
    };
    return cases;
}

// UIKit's families of iOS apps: TextKit, collection view layouts and UIKit Dynamics, view controller transitions,
// search and popover presentation, the controls and container controllers, menus and key commands, bar appearances,
// Dynamic Type, accessibility, custom keyboards and the APIs of older iOS versions (web view, notifications, drawing).
const std::vector<FamilyCase> &uiKitCases() {
    static const std::vector<FamilyCase> cases = {
        {"TextKitStorageLayoutAndAttachments", on("iPhoneOS", "arm64-apple-ios12.0"), R"(
#import <UIKit/UIKit.h>

@interface TDHighlightStorage : NSTextStorage
@end

@implementation TDHighlightStorage {
    NSMutableAttributedString *_backing;
}
- (NSString *)string { return _backing.string; }
- (NSDictionary<NSAttributedStringKey, id> *)attributesAtIndex:(NSUInteger)location effectiveRange:(NSRangePointer)range {
    return [_backing attributesAtIndex:location effectiveRange:range];
}
- (void)replaceCharactersInRange:(NSRange)range withString:(NSString *)text {
    [_backing replaceCharactersInRange:range withString:text];
    [self edited:NSTextStorageEditedCharacters range:range changeInLength:(NSInteger)text.length - (NSInteger)range.length];
}
- (void)setAttributes:(NSDictionary<NSAttributedStringKey, id> *)attributes range:(NSRange)range {
    [_backing setAttributes:attributes range:range];
    [self edited:NSTextStorageEditedAttributes range:range changeInLength:0];
}
@end

@interface TDLabelLayout : NSObject <NSLayoutManagerDelegate>
@end

@implementation TDLabelLayout
- (CGFloat)layoutManager:(NSLayoutManager *)layoutManager
    lineSpacingAfterGlyphAtIndex:(NSUInteger)glyphIndex
    withProposedLineFragmentRect:(CGRect)rect {
    return 2;
}
- (NSUInteger)linkIndexAtPoint:(CGPoint)point text:(NSAttributedString *)text size:(CGSize)size {
    NSTextStorage *storage = [[TDHighlightStorage alloc] initWithAttributedString:text];
    NSLayoutManager *layoutManager = [[NSLayoutManager alloc] init];
    layoutManager.delegate = self;
    NSTextContainer *container = [[NSTextContainer alloc] initWithSize:size];
    container.lineFragmentPadding = 0;
    container.maximumNumberOfLines = 3;
    container.lineBreakMode = NSLineBreakByTruncatingTail;
    container.exclusionPaths = @[ [UIBezierPath bezierPathWithOvalInRect:CGRectMake(0, 0, 20, 20)] ];
    [layoutManager addTextContainer:container];
    [storage addLayoutManager:layoutManager];
    NSRange glyphs = [layoutManager glyphRangeForTextContainer:container];
    __block CGRect lastLine = CGRectZero;
    [layoutManager enumerateLineFragmentsForGlyphRange:glyphs
                                            usingBlock:^(CGRect rect, CGRect usedRect, NSTextContainer *textContainer,
                                                         NSRange glyphRange, BOOL *stop) {
                                                lastLine = usedRect;
                                            }];
    CGFloat fraction = 0;
    NSUInteger index = [layoutManager characterIndexForPoint:point
                                             inTextContainer:container
                    fractionOfDistanceBetweenInsertionPoints:&fraction];
    CGRect used = [layoutManager usedRectForTextContainer:container];
    return CGRectContainsPoint(used, point) && !CGRectIsEmpty(lastLine) ? index : NSNotFound;
}
@end

NSAttributedString *TDBadge(UIImage *image) {
    NSTextAttachment *attachment = [[NSTextAttachment alloc] init];
    attachment.image = image;
    attachment.bounds = CGRectMake(0, -3, image.size.width, image.size.height);
    NSMutableAttributedString *badge = [[NSAttributedString attributedStringWithAttachment:attachment] mutableCopy];
    [badge addAttribute:NSUnderlineStyleAttributeName
                  value:@(NSUnderlineStyleSingle | NSUnderlineStylePatternDot)
                  range:NSMakeRange(0, badge.length)];
    return [badge.string characterAtIndex:0] == NSAttachmentCharacter ? badge : nil;
}
)"},
        {"CollectionLayoutsDynamicsAndGestureSubclasses", on("iPhoneOS", "arm64-apple-ios11.0"), R"(
#import <UIKit/UIKit.h>
#import <UIKit/UIGestureRecognizerSubclass.h>

@interface TDBubbleAttributes : UICollectionViewLayoutAttributes
@property (nonatomic) CGFloat bubbleWidth;
@end

@implementation TDBubbleAttributes
- (id)copyWithZone:(NSZone *)zone {
    TDBubbleAttributes *copy = [super copyWithZone:zone];
    copy.bubbleWidth = self.bubbleWidth;
    return copy;
}
@end

@interface TDBubbleInvalidation : UICollectionViewFlowLayoutInvalidationContext
@property (nonatomic) BOOL invalidateBubbleSizes;
@end

@implementation TDBubbleInvalidation
@end

@interface TDSpringLayout : UICollectionViewFlowLayout
@property (nonatomic, strong) UIDynamicAnimator *animator;
@end

@implementation TDSpringLayout
+ (Class)layoutAttributesClass { return [TDBubbleAttributes class]; }
+ (Class)invalidationContextClass { return [TDBubbleInvalidation class]; }
- (void)prepareLayout {
    [super prepareLayout];
    if (!self.animator) {
        self.animator = [[UIDynamicAnimator alloc] initWithCollectionViewLayout:self];
    }
    CGRect visible = (CGRect){self.collectionView.contentOffset, self.collectionView.bounds.size};
    for (UICollectionViewLayoutAttributes *item in [super layoutAttributesForElementsInRect:visible]) {
        UIAttachmentBehavior *spring = [[UIAttachmentBehavior alloc] initWithItem:item attachedToAnchor:item.center];
        spring.length = 0;
        spring.damping = 0.8;
        spring.frequency = 1;
        [self.animator addBehavior:spring];
    }
}
- (NSArray<UICollectionViewLayoutAttributes *> *)layoutAttributesForElementsInRect:(CGRect)rect {
    return (NSArray<UICollectionViewLayoutAttributes *> *)[self.animator itemsInRect:rect];
}
- (BOOL)shouldInvalidateLayoutForBoundsChange:(CGRect)newBounds {
    TDBubbleInvalidation *context = (TDBubbleInvalidation *)[self invalidationContextForBoundsChange:newBounds];
    context.invalidateFlowLayoutDelegateMetrics = context.invalidateBubbleSizes;
    [self invalidateLayoutWithContext:context];
    return self.flipsHorizontallyInOppositeLayoutDirection;
}
- (void)prepareForCollectionViewUpdates:(NSArray<UICollectionViewUpdateItem *> *)updateItems {
    for (UICollectionViewUpdateItem *update in updateItems) {
        if (update.updateAction == UICollectionUpdateActionInsert) {
            TDBubbleAttributes *attributes =
                [TDBubbleAttributes layoutAttributesForCellWithIndexPath:update.indexPathAfterUpdate];
            if (attributes.representedElementCategory == UICollectionElementCategoryCell) {
                attributes.alpha = 0;
            }
        }
    }
}
@end

@interface TDDropView : UIView <UICollisionBehaviorDelegate>
@property (nonatomic, strong) UIDynamicAnimator *animator;
@end

@implementation TDDropView
- (void)drop:(UIView *)item {
    self.animator = [[UIDynamicAnimator alloc] initWithReferenceView:self];
    UIGravityBehavior *gravity = [[UIGravityBehavior alloc] initWithItems:@[ item ]];
    gravity.magnitude = 2;
    UICollisionBehavior *collision = [[UICollisionBehavior alloc] initWithItems:@[ item ]];
    collision.translatesReferenceBoundsIntoBoundary = YES;
    collision.collisionDelegate = self;
    UIDynamicItemBehavior *bounce = [[UIDynamicItemBehavior alloc] initWithItems:@[ item ]];
    bounce.elasticity = 0.5;
    UISnapBehavior *snap = [[UISnapBehavior alloc] initWithItem:item snapToPoint:self.center];
    UIPushBehavior *push = [[UIPushBehavior alloc] initWithItems:@[ item ] mode:UIPushBehaviorModeInstantaneous];
    push.pushDirection = CGVectorMake(0, 1);
    for (UIDynamicBehavior *behavior in @[ gravity, collision, bounce, snap, push ]) {
        [self.animator addBehavior:behavior];
    }
}
- (void)collisionBehavior:(UICollisionBehavior *)behavior
      beganContactForItem:(id<UIDynamicItem>)item
   withBoundaryIdentifier:(id<NSCopying>)identifier
                  atPoint:(CGPoint)p {
    [self.animator removeAllBehaviors];
}
@end

@interface TDSwipeRecognizer : UIGestureRecognizer
@end

@implementation TDSwipeRecognizer
- (void)touchesMoved:(NSSet<UITouch *> *)touches withEvent:(UIEvent *)event {
    [super touchesMoved:touches withEvent:event];
    UITouch *touch = touches.anyObject;
    if (touch.type == UITouchTypePencil || touch.force > touch.maximumPossibleForce / 2) {
        self.state = UIGestureRecognizerStateFailed;
    } else if (self.state == UIGestureRecognizerStatePossible) {
        self.state = UIGestureRecognizerStateBegan;
    }
}
- (void)reset {
    [super reset];
}
@end
)"},
        {"TransitionsSearchPopoversAndRestoration", on("iPhoneOS", "arm64-apple-ios11.0"), R"(
#import <UIKit/UIKit.h>

@interface TDFadeAnimator : NSObject <UIViewControllerAnimatedTransitioning, UIViewControllerTransitioningDelegate>
@end

@implementation TDFadeAnimator
- (NSTimeInterval)transitionDuration:(id<UIViewControllerContextTransitioning>)transitionContext {
    return transitionContext.isAnimated ? 0.3 : 0;
}
- (void)animateTransition:(id<UIViewControllerContextTransitioning>)transitionContext {
    UIViewController *to = [transitionContext viewControllerForKey:UITransitionContextToViewControllerKey];
    UIView *toView = [transitionContext viewForKey:UITransitionContextToViewKey];
    toView.frame = [transitionContext finalFrameForViewController:to];
    [transitionContext.containerView addSubview:toView];
    toView.alpha = 0;
    [UIView animateWithDuration:[self transitionDuration:transitionContext]
        animations:^{
            toView.alpha = 1;
        }
        completion:^(BOOL finished) {
            [transitionContext completeTransition:!transitionContext.transitionWasCancelled];
        }];
}
- (id<UIViewControllerAnimatedTransitioning>)animationControllerForPresentedController:(UIViewController *)presented
                                                                  presentingController:(UIViewController *)presenting
                                                                      sourceController:(UIViewController *)source {
    return self;
}
@end

@interface TDResultsController : UITableViewController <UISearchResultsUpdating, UISearchControllerDelegate,
                                                        UIPopoverPresentationControllerDelegate>
@property (nonatomic, strong) UISearchController *searchController;
@property (nonatomic, strong) UIPercentDrivenInteractiveTransition *interaction;
@end

@implementation TDResultsController
- (void)viewDidLoad {
    [super viewDidLoad];
    self.searchController = [[UISearchController alloc] initWithSearchResultsController:nil];
    self.searchController.searchResultsUpdater = self;
    self.searchController.delegate = self;
    self.searchController.obscuresBackgroundDuringPresentation = NO;
    self.searchController.searchBar.scopeButtonTitles = @[ @"All", @"Recent" ];
    self.searchController.searchBar.keyboardAppearance = UIKeyboardAppearanceDark;
    self.searchController.searchBar.autocorrectionType = UITextAutocorrectionTypeNo;
    self.navigationItem.searchController = self.searchController;
    self.navigationItem.hidesSearchBarWhenScrolling = NO;
    self.definesPresentationContext = YES;
}
- (void)updateSearchResultsForSearchController:(UISearchController *)searchController {
    [self.tableView reloadData];
}
- (void)viewWillTransitionToSize:(CGSize)size
       withTransitionCoordinator:(id<UIViewControllerTransitionCoordinator>)coordinator {
    [super viewWillTransitionToSize:size withTransitionCoordinator:coordinator];
    [coordinator animateAlongsideTransition:^(id<UIViewControllerTransitionCoordinatorContext> context) {
        [self.tableView layoutIfNeeded];
    }
                                 completion:nil];
}
- (void)showOptionsFrom:(UIBarButtonItem *)item {
    UIViewController *options = [[UIViewController alloc] init];
    options.modalPresentationStyle = UIModalPresentationPopover;
    options.popoverPresentationController.barButtonItem = item;
    options.popoverPresentationController.permittedArrowDirections = UIPopoverArrowDirectionUp;
    options.popoverPresentationController.delegate = self;
    [self presentViewController:options animated:YES completion:nil];
}
- (UIModalPresentationStyle)adaptivePresentationStyleForPresentationController:(UIPresentationController *)controller
                                                               traitCollection:(UITraitCollection *)traitCollection {
    return UIModalPresentationNone;
}
- (void)encodeRestorableStateWithCoder:(NSCoder *)coder {
    [super encodeRestorableStateWithCoder:coder];
    [coder encodeObject:self.searchController.searchBar.text forKey:@"query"];
}
@end
)"},
        {"PickersSteppersFeedbackSharingAndContainers", on("iPhoneOS", "arm64-apple-ios11.0"), R"(
#import <UIKit/UIKit.h>

@interface TDFormController : UIViewController <UIPickerViewDataSource, UIPickerViewDelegate,
                                                UIPageViewControllerDataSource, UISplitViewControllerDelegate,
                                                UIDocumentInteractionControllerDelegate, UIToolbarDelegate>
@property (nonatomic, strong) NSArray<NSString *> *sizes;
@property (nonatomic, strong) UIDocumentInteractionController *documentController;
@end

@implementation TDFormController
- (void)viewDidLoad {
    [super viewDidLoad];
    UIPickerView *picker = [[UIPickerView alloc] initWithFrame:CGRectZero];
    picker.dataSource = self;
    picker.delegate = self;
    [picker selectRow:1 inComponent:0 animated:NO];
    UIDatePicker *datePicker = [[UIDatePicker alloc] init];
    datePicker.datePickerMode = UIDatePickerModeDateAndTime;
    datePicker.minuteInterval = 5;
    [datePicker addTarget:self action:@selector(dateChanged:) forControlEvents:UIControlEventValueChanged];
    UIStepper *stepper = [[UIStepper alloc] init];
    stepper.minimumValue = 1;
    stepper.stepValue = 0.5;
    UIPageControl *pages = [[UIPageControl alloc] init];
    pages.numberOfPages = 3;
    pages.currentPageIndicatorTintColor = UIColor.systemPinkColor;
    UIToolbar *toolbar = [[UIToolbar alloc] init];
    toolbar.delegate = self;
    toolbar.barStyle = UIBarStyleBlackOpaque == UIBarStyleBlack ? UIBarStyleBlack : UIBarStyleDefault;
    self.toolbarItems = @[ [[UIBarButtonItem alloc] initWithCustomView:stepper] ];
    self.navigationController.interactivePopGestureRecognizer.enabled = NO;
    self.tabBarController.tabBar.unselectedItemTintColor = UIColor.systemGrayColor;
    self.tabBarController.tabBar.hidden = self.tabBarController.tabBar.items.count < 2;
    [self.view addSubview:picker];
    [self.view addSubview:datePicker];
    [self.view addSubview:pages];
}
- (NSInteger)numberOfComponentsInPickerView:(UIPickerView *)pickerView { return 1; }
- (NSInteger)pickerView:(UIPickerView *)pickerView numberOfRowsInComponent:(NSInteger)component {
    return (NSInteger)self.sizes.count;
}
- (NSString *)pickerView:(UIPickerView *)pickerView titleForRow:(NSInteger)row forComponent:(NSInteger)component {
    return self.sizes[(NSUInteger)row];
}
- (void)dateChanged:(UIDatePicker *)sender {
    UIImpactFeedbackGenerator *impact = [[UIImpactFeedbackGenerator alloc] initWithStyle:UIImpactFeedbackStyleLight];
    [impact prepare];
    [impact impactOccurred];
    [[[UISelectionFeedbackGenerator alloc] init] selectionChanged];
}
- (UIViewController *)pageViewController:(UIPageViewController *)pageViewController
      viewControllerBeforeViewController:(UIViewController *)viewController {
    return nil;
}
- (UIViewController *)pageViewController:(UIPageViewController *)pageViewController
       viewControllerAfterViewController:(UIViewController *)viewController {
    return nil;
}
- (BOOL)splitViewController:(UISplitViewController *)splitViewController
    collapseSecondaryViewController:(UIViewController *)secondaryViewController
          ontoPrimaryViewController:(UIViewController *)primaryViewController {
    return YES;
}
- (UIBarPosition)positionForBar:(id<UIBarPositioning>)bar {
    return UIBarPositionBottom;
}
- (void)share:(NSURL *)file from:(UIBarButtonItem *)item {
    UIActivityViewController *share = [[UIActivityViewController alloc] initWithActivityItems:@[ file ]
                                                                         applicationActivities:nil];
    share.excludedActivityTypes = @[ UIActivityTypeAirDrop, UIActivityTypePrint ];
    share.completionWithItemsHandler = ^(UIActivityType activityType, BOOL completed, NSArray *items, NSError *error) {
        self.documentController = [UIDocumentInteractionController interactionControllerWithURL:file];
        self.documentController.delegate = self;
        [self.documentController presentOpenInMenuFromBarButtonItem:item animated:YES];
    };
    share.popoverPresentationController.barButtonItem = item;
    [self presentViewController:share animated:YES completion:nil];
}
- (UIViewController *)documentInteractionControllerViewControllerForPreview:
    (UIDocumentInteractionController *)controller {
    return self;
}
@end

UIPageViewController *TDPager(UISplitViewController *split) {
    split.preferredDisplayMode = UISplitViewControllerDisplayModeAllVisible;
    UIPageViewController *pager =
        [[UIPageViewController alloc] initWithTransitionStyle:UIPageViewControllerTransitionStyleScroll
                                        navigationOrientation:UIPageViewControllerNavigationOrientationHorizontal
                                                      options:@{UIPageViewControllerOptionInterPageSpacingKey : @8}];
    [pager setViewControllers:@[ [[UIViewController alloc] init] ]
                    direction:UIPageViewControllerNavigationDirectionForward
                     animated:NO
                   completion:nil];
    return pager;
}
)"},
        {"KeyCommandsMenusAppearancesAndDynamicType", on("iPhoneOS", "arm64-apple-ios13.0"), R"(
#import <UIKit/UIKit.h>

@interface TDComposerView : UITextView <UIContextMenuInteractionDelegate>
@end

@implementation TDComposerView
- (NSArray<UIKeyCommand *> *)keyCommands {
    UIKeyCommand *send = [UIKeyCommand keyCommandWithInput:@"\r"
                                             modifierFlags:UIKeyModifierCommand
                                                    action:@selector(send:)];
    send.discoverabilityTitle = @"Send";
    return @[ send, [UIKeyCommand keyCommandWithInput:UIKeyInputUpArrow modifierFlags:0 action:@selector(edit:)] ];
}
- (void)send:(UIKeyCommand *)command {
    if (self.undoManager == nil) {
        [self resignFirstResponder];
    }
}
- (void)edit:(UIKeyCommand *)command {
    if (command.modifierFlags & UIKeyModifierShift) {
        [self paste:nil];
    }
}
- (void)pressesBegan:(NSSet<UIPress *> *)presses withEvent:(UIPressesEvent *)event {
    if (presses.anyObject.type == UIPressTypeSelect) {
        [self selectAll:nil];
    }
    [super pressesBegan:presses withEvent:event];
}
- (UIContextMenuConfiguration *)contextMenuInteraction:(UIContextMenuInteraction *)interaction
                        configurationForMenuAtLocation:(CGPoint)location {
    return [UIContextMenuConfiguration
        configurationWithIdentifier:nil
                    previewProvider:nil
                     actionProvider:^UIMenu *(NSArray<UIMenuElement *> *suggestedActions) {
                         UIAction *copy = [UIAction actionWithTitle:@"Copy"
                                                              image:nil
                                                         identifier:nil
                                                            handler:^(__kindof UIAction *action) {
                                                                [UIPasteboard generalPasteboard].string = self.text;
                                                            }];
                         copy.attributes = UIMenuElementAttributesDisabled;
                         return [UIMenu menuWithTitle:@"" children:@[ copy ]];
                     }];
}
@end

@interface TDThemedController : UIViewController
@end

@implementation TDThemedController
- (void)viewDidLoad {
    [super viewDidLoad];
    UINavigationBarAppearance *appearance = [[UINavigationBarAppearance alloc] init];
    [appearance configureWithOpaqueBackground];
    appearance.backgroundColor = UIColor.secondarySystemGroupedBackgroundColor;
    appearance.titleTextAttributes = @{NSForegroundColorAttributeName : UIColor.quaternaryLabelColor};
    self.navigationController.navigationBar.standardAppearance = appearance;
    self.navigationController.navigationBar.scrollEdgeAppearance = appearance;
    [self.navigationController.navigationBar setBackgroundImage:nil forBarMetrics:UIBarMetricsDefault];
    [self.navigationItem setLeftBarButtonItems:@[] animated:NO];
    [[NSNotificationCenter defaultCenter] addObserver:self
                                             selector:@selector(sizeChanged:)
                                                 name:UIContentSizeCategoryDidChangeNotification
                                               object:nil];
}
- (void)sizeChanged:(NSNotification *)note {
    UIContentSizeCategory category = note.userInfo[UIContentSizeCategoryNewValueKey];
    BOOL large = UIContentSizeCategoryIsAccessibilityCategory(category) ||
                 [UIApplication.sharedApplication.preferredContentSizeCategory
                     isEqualToString:UIContentSizeCategoryExtraExtraExtraLarge];
    self.view.backgroundColor = large ? UIColor.systemGray4Color : UIColor.systemPurpleColor;
    if (self.traitCollection.layoutDirection == UITraitEnvironmentLayoutDirectionRightToLeft ||
        UIApplication.sharedApplication.userInterfaceLayoutDirection == UIUserInterfaceLayoutDirectionRightToLeft) {
        self.view.restorationIdentifier = @"rtl";
    }
}
- (void)traitCollectionDidChange:(UITraitCollection *)previousTraitCollection {
    [super traitCollectionDidChange:previousTraitCollection];
    if ([self.traitCollection hasDifferentColorAppearanceComparedToTraitCollection:previousTraitCollection]) {
        [self.view setNeedsDisplay];
    }
}
@end
)"},
        {"LegacyWebViewsMenusRotationAndRemoteControl", on("iPhoneOS", "armv7-apple-ios7.0"), R"(
#import <UIKit/UIKit.h>

@interface TDLegacyBrowser : UIViewController <UIWebViewDelegate>
@property (nonatomic, strong) UIWebView *webView;
@end

@implementation TDLegacyBrowser
- (void)viewDidLoad {
    [super viewDidLoad];
    self.webView = [[UIWebView alloc] initWithFrame:self.view.bounds];
    self.webView.delegate = self;
    self.webView.scalesPageToFit = YES;
    self.webView.dataDetectorTypes = UIDataDetectorTypeLink;
    [self.view addSubview:self.webView];
}
- (BOOL)webView:(UIWebView *)webView
    shouldStartLoadWithRequest:(NSURLRequest *)request
                navigationType:(UIWebViewNavigationType)navigationType {
    return navigationType != UIWebViewNavigationTypeFormSubmitted;
}
- (void)webViewDidFinishLoad:(UIWebView *)webView {
    self.title = [webView stringByEvaluatingJavaScriptFromString:@"document.title"];
    UIMenuController *menu = [UIMenuController sharedMenuController];
    [menu setTargetRect:CGRectMake(0, 0, 10, 10) inView:webView];
    [menu setMenuVisible:YES animated:YES];
}
- (void)willRotateToInterfaceOrientation:(UIInterfaceOrientation)toInterfaceOrientation
                                duration:(NSTimeInterval)duration {
    [super willRotateToInterfaceOrientation:toInterfaceOrientation duration:duration];
    self.webView.scrollView.scrollEnabled = UIInterfaceOrientationIsPortrait(toInterfaceOrientation);
}
- (void)remoteControlReceivedWithEvent:(UIEvent *)event {
    if (event.subtype == UIEventSubtypeRemoteControlTogglePlayPause) {
        [self.webView reload];
    }
}
@end
)"},
        {"AccessibilityInputViewsOlderNotificationsAndStringDrawing", on("iPhoneOS", "armv7-apple-ios6.0"), R"(
#import <UIKit/UIKit.h>

@interface TDKeyboardView : UIInputView <UIInputViewAudioFeedback>
@end

@implementation TDKeyboardView
- (BOOL)enableInputClicksWhenVisible {
    return YES;
}
- (void)tap:(UIButton *)key {
    [[UIDevice currentDevice] playInputClick];
}
@end

@interface TDKeyboardController : UIInputViewController
@end

@implementation TDKeyboardController
- (void)insert:(NSString *)text {
    if (self.textDocumentProxy.documentContextBeforeInput.length == 0) {
        [self.textDocumentProxy adjustTextPositionByCharacterOffset:0];
    }
    [self.textDocumentProxy insertText:text];
}
@end

@interface TDRatingView : UIView
@property (nonatomic) NSInteger rating;
@end

@implementation TDRatingView
- (void)didMoveToWindow {
    [super didMoveToWindow];
    self.accessibilityIdentifier = @"rating";
    self.tintAdjustmentMode = UIViewTintAdjustmentModeDimmed;
    self.accessibilityCustomActions = @[ [[UIAccessibilityCustomAction alloc] initWithName:@"Reset"
                                                                                    target:self
                                                                                  selector:@selector(reset)] ];
    if (UIAccessibilityIsReduceTransparencyEnabled() || UIAccessibilityDarkerSystemColorsEnabled()) {
        self.backgroundColor = [UIColor darkTextColor];
    }
}
- (BOOL)reset {
    self.rating = 0;
    UIAccessibilityPostNotification(UIAccessibilityPageScrolledNotification, @"0");
    return YES;
}
- (void)accessibilityIncrement {
    self.rating += 1;
}
- (BOOL)accessibilityScroll:(UIAccessibilityScrollDirection)direction {
    return direction == UIAccessibilityScrollDirectionNext;
}
- (void)drawRect:(CGRect)rect {
    NSString *label = [NSString stringWithFormat:@"%ld", (long)self.rating];
    UIFont *font = [UIFont boldSystemFontOfSize:12];
    CGSize size = [label sizeWithFont:font constrainedToSize:rect.size lineBreakMode:NSLineBreakByTruncatingTail];
    [label drawInRect:(CGRect){CGPointZero, size}
             withFont:font
        lineBreakMode:NSLineBreakByTruncatingTail
            alignment:NSTextAlignmentCenter];
    CTTextAlignment alignment = NSTextAlignmentToCTTextAlignment(NSTextAlignmentNatural);
    (void)NSTextAlignmentFromCTTextAlignment(alignment);
}
@end

void TDRemind(UIApplication *application, UIImage *snapshot) {
    UIUserNotificationSettings *settings =
        [UIUserNotificationSettings settingsForTypes:UIUserNotificationTypeAlert | UIUserNotificationTypeBadge
                                          categories:nil];
    [application registerUserNotificationSettings:settings];
    UILocalNotification *reminder = [[UILocalNotification alloc] init];
    reminder.fireDate = [NSDate dateWithTimeIntervalSinceNow:60];
    reminder.alertBody = @"Rate it";
    reminder.soundName = UILocalNotificationDefaultSoundName;
    [application scheduleLocalNotification:reminder];
    UIImageWriteToSavedPhotosAlbum(snapshot, nil, NULL, NULL);
    [application beginReceivingRemoteControlEvents];
    if ([UIReferenceLibraryViewController dictionaryHasDefinitionForTerm:@"rate"]) {
        [application.keyWindow.rootViewController
            presentViewController:[[UIReferenceLibraryViewController alloc] initWithTerm:@"rate"]
                         animated:YES
                       completion:nil];
    }
}
)"},
    };
    return cases;
}

class SDKStandInDeclarationFamilyTest : public ::testing::TestWithParam<FamilyCase> {};
class SDKStandInSystemLibraryTest : public ::testing::TestWithParam<FamilyCase> {};
class SDKStandInDesktopFrameworkTest : public ::testing::TestWithParam<FamilyCase> {};
class SDKStandInTextAndGraphicsTest : public ::testing::TestWithParam<FamilyCase> {};
class SDKStandInUIKitFamilyTest : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(SDKStandInDeclarationFamilyTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }
TEST_P(SDKStandInSystemLibraryTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }
TEST_P(SDKStandInDesktopFrameworkTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }
TEST_P(SDKStandInTextAndGraphicsTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }
TEST_P(SDKStandInUIKitFamilyTest, ParsesWithoutErrorsOrWarnings) { expectCleanParse(GetParam()); }

std::string familyCaseName(const ::testing::TestParamInfo<FamilyCase> &info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Families, SDKStandInDeclarationFamilyTest, ::testing::ValuesIn(declarationCases()),
                         familyCaseName);
INSTANTIATE_TEST_SUITE_P(Families, SDKStandInSystemLibraryTest, ::testing::ValuesIn(systemLibraryCases()),
                         familyCaseName);
INSTANTIATE_TEST_SUITE_P(Families, SDKStandInDesktopFrameworkTest, ::testing::ValuesIn(desktopFrameworkCases()),
                         familyCaseName);
INSTANTIATE_TEST_SUITE_P(Families, SDKStandInTextAndGraphicsTest, ::testing::ValuesIn(textAndGraphicsCases()),
                         familyCaseName);
INSTANTIATE_TEST_SUITE_P(Families, SDKStandInUIKitFamilyTest, ::testing::ValuesIn(uiKitCases()), familyCaseName);

// The desktop frameworks are macOS's alone: an iOS file that imports them does not find them.
TEST(SDKStandInDesktopFrameworkTest, AreNotPartOfTheIOSSDK) {
    const std::string code = "#import <Carbon/Carbon.h>\n";
    ParsedUnit unit(snippetPath("objective-c"), on("iPhoneOS", "arm64-apple-ios15.0"), &code);
    const std::vector<std::string> problems = unit.problems();
    ASSERT_EQ(problems.size(), 1u) << ::testing::PrintToString(problems);
    EXPECT_NE(problems.front().find("'Carbon/Carbon.h' file not found"), std::string::npos) << problems.front();
}

} // namespace
