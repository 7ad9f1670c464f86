// The SDK completion: declarations derived from a target's own uses make files parse that lack them in the SDK
// stand-in, and nothing else is declared.

#include "platform/XASDKStandInParsing.h"
#include "platform/devtools/XAXcodebuildBuild.h"
#include "platform/devtools/completion/XACompletionPreambles.h"
#include "platform/devtools/completion/XACompletionRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

using namespace XASDKStandIn;

namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path &path) {
    std::ifstream stream(path, std::ios::binary);
    std::stringstream text;
    text << stream.rdbuf();
    return text.str();
}

void writeText(const fs::path &path, const std::string &text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

const ParseSettings &macSettings() {
    static const ParseSettings settings{"MacOSX", "x86_64-apple-macosx10.15", "objective-c", true, false, {}};
    return settings;
}

// A target of the given files (name -> text) in a temporary folder, completed as the build completes one.
class CompletedTarget {
public:
    // `settings`: how the files are compiled, the Mac SDK without modules when null.
    explicit CompletedTarget(const std::map<std::string, std::string> &files, const ParseSettings *settings = nullptr)
        : settings_(settings ? *settings : macSettings()) {
        XACompletionJob job;
        job.outputFolder = folder_.path() + "/SDKCompletion";
        for (const auto &[name, text] : files) {
            writeText(fs::path(folder_.path()) / name, text);
            if (!name.ends_with(".h")) {
                job.compilations.push_back(
                    {folder_.path() + "/" + name, folder_.path(), compilerArguments(settings_), true});
            }
        }
        outcome_ = XARunCompletion(job);
    }

    const XACompletionOutcome &outcome() const { return outcome_; }
    std::string header() const { return readText(folder_.path() + "/SDKCompletion/SDKCompletion.h"); }
    bool hasCompletionFile(const std::string &name) const {
        return fs::exists(folder_.path() + "/SDKCompletion/" + name);
    }
    nlohmann::json record() const {
        return nlohmann::json::parse(readText(folder_.path() + "/SDKCompletion/record.json"), nullptr, false);
    }
    bool completes(const std::string &name) const {
        return outcome_.completedSources.count(folder_.path() + "/" + name) > 0;
    }

    // The compiler errors of a file parsed as its logged compile line has it, completion included.
    std::vector<std::string> errors(const std::string &name, bool withCompletion = true) const {
        ParseSettings settings = settings_;
        const std::string path = folder_.path() + "/" + name;
        if (withCompletion) {
            settings.extraArguments.insert(settings.extraArguments.end(), outcome_.targetArguments.begin(),
                                           outcome_.targetArguments.end());
            settings.extraArguments.insert(settings.extraArguments.end(), outcome_.arguments.begin(),
                                           outcome_.arguments.end());
        }
        ParsedUnit unit(path, settings);
        std::vector<std::string> errors;
        for (const ParseDiagnostic &diagnostic : unit.diagnostics()) {
            if (diagnostic.severity >= CXDiagnostic_Error) {
                errors.push_back(diagnostic.file + ": " + diagnostic.text);
            }
        }
        return errors;
    }

private:
    ParseSettings settings_;
    TemporaryFolder folder_;
    XACompletionOutcome outcome_;
};

std::string joined(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines) {
        text += line + "\n";
    }
    return text;
}

struct UseCase {
    const char *title;
    const char *code;     // after #import <Cocoa/Cocoa.h>
    const char *declared; // what the generated header must hold
};

TEST(SDKCompletionTest, EachKindOfUseGivesADeclarationThatMakesTheFileParse) {
    const std::vector<UseCase> cases = {
        {"a pointer to an unknown type is a class", "void f(void) { NSFancyGadget *gadget = nil; (void)gadget; }",
         "@interface NSFancyGadget : NSObject"},
        {"a generic use gives a generic class", "NSFancyBox<NSString *> *box;",
         "@interface NSFancyBox<__covariant T0> : NSObject"},
        {"a class message to an unknown class gives a class method",
         "id f(void) { return [NSFancyGadget gadgetWithName:@\"x\" size:3]; }",
         "+ (id)gadgetWithName:(id)a0 size:(long)a1;"},
        {"a name in a protocol list is a protocol",
         "@interface Thing : NSObject <NSFancyDelegate>\n@end\n@implementation Thing\n@end",
         "@protocol NSFancyDelegate <NSObject>"},
        {"@protocol() and conformsToProtocol: give a protocol",
         "BOOL f(id x) { return [x conformsToProtocol:@protocol(NSFancyProtocol)]; }",
         "@protocol NSFancyProtocol <NSObject>"},
        {"a message a known SDK class lacks goes into a category, typed by its use",
         "CGFloat f(NSView *view) { [view setFancyLevel:3]; CGFloat width = [view fancyWidth]; return width; }",
         "- (CGFloat)fancyWidth;"},
        {"a selector sent to id goes into a protocol", "void f(id x) { [x fancyPoke:x]; }",
         "@protocol XASDKCompletionMessagesToId"},
        {"dot syntax gives a getter and a setter",
         "void f(NSWindow *w) { w.fancyTitle = @\"t\"; NSString *t = w.fancyTitle; (void)t; }",
         "- (void)setFancyTitle:(id)a0;"},
        {"an unknown constant is an extern constant of the type its use needs",
         "NSString *f(void) { return NSFancyChangedNotification; }",
         "extern NSString *const NSFancyChangedNotification;"},
        {"an unknown enumeration constant is an integer constant",
         "int f(NSInteger s) { switch (s) { case NSFancyStyleA: return 1; case NSFancyStyleB: return 2; } return 0; }",
         "NSFancyStyleB = "},
        {"a C function is declared from its call, returning what its use needs",
         "NSString *f(void) { NSString *name = FancyCopyName(1); return name; }", "NSString *FancyCopyName("},
        {"a typedef from its use as a type", "void f(void) { FancyFlags flags = 0; (void)flags; }",
         "typedef long FancyFlags;"},
        {"a header of a framework the stand-in lacks is an empty header",
         "#import <ServiceManagement/ServiceManagement.h>\nint f(void) { return SMFancyCall(1); }", "SMFancyCall("},
        {"a missing header of a framework the stand-in has is an empty header",
         "#import <AppKit/NSFancyView.h>\nvoid f(void) {}", "SDK stand-in lacks"},
        {"a missing system header is an empty header",
         "#include <sys/fancy_event.h>\nint f(void) { return kqueue_fancy(); }", "kqueue_fancy("},
        {"a superclass the stand-in lacks derives from the SDK class its name ends with",
         "@interface MyPathControl : NSFancyPathControl\n@end\n@implementation MyPathControl\n"
         "- (void)f { [self setEnabled:YES]; }\n@end",
         "@interface NSFancyPathControl : NSPathControl"},
        {"a category of a class the stand-in lacks gives the class",
         "@interface NSFancyPasteboard (Mine)\n- (void)mine;\n@end", "@interface NSFancyPasteboard : NSPasteboard"},
        {"a class the stand-in only declares gets an interface",
         "@class NSFancyStorage;\nid f(void) { return [[NSFancyStorage alloc] init]; }",
         "@interface NSFancyStorage : NSObject"},
        {"a type in a method declaration is a typedef",
         "@interface Thing : NSObject\n- (void)setDirection:(UIFancyWritingDirection)direction;\n@end",
         "typedef long UIFancyWritingDirection;"},
        {"a value in a message argument is a value, not a type",
         "void f(NSView *v) { [v bind:NSFancyBinding toObject:v withKeyPath:@\"a\" options:@{}]; }",
         "const NSFancyBinding;"},
        {"fields of a completed struct come from member accesses",
         "CGFloat f(void) { NSFancyRect r; r.origin.x = 1; r.count = 2; return r.size.height; }",
         "typedef struct XASDKCompletion_NSFancyRect { long count; struct { long x; } origin; "
         "struct { long height; } size; } NSFancyRect;"},
        {"fields of a struct the SDK only declares come from member accesses",
         "struct ip_fancy_mreq;\nvoid f(void) { struct ip_fancy_mreq m; m.imr_interface.s_addr = 0; (void)m; }",
         "struct ip_fancy_mreq { struct { long s_addr; } imr_interface; };"},
        {"a lower-case function of an SDK family is declared", "long f(void) { return os_fancy_count(3); }",
         "os_fancy_count("},
        {"a struct's field set to NULL is a pointer, and the struct is declared once",
         "void f(void) { NSFancyAttributeList list; list.count = 0; list.attr = NULL; (void)list; }",
         "typedef struct XASDKCompletion_NSFancyAttributeList { void *attr; long count; } NSFancyAttributeList;"},
        {"a name in a case label is an enumeration constant, whatever other uses show",
         "NSData *f(NSBitmapImageRep *r, NSInteger t) { switch (t) { case NSFancy2000FileType: return nil; } "
         "return [r representationUsingType:NSFancy2000FileType properties:@{}]; }",
         "NSFancy2000FileType = "},
        {"a name in an array bound is an enumeration constant",
         "void f(void) { char buffer[NSFancyBufferSizeKey]; (void)buffer; }", "NSFancyBufferSizeKey = "},
        {"a name in an enumerator's value is an enumeration constant",
         "typedef NS_ENUM(NSInteger, MyKind) { MyKindFancy = NSFancyImageType, MyKindPlain };", "NSFancyImageType = "},
        {"a name in a bit-field's width is an enumeration constant",
         "struct MyFlags { unsigned kind : NSFancyWidthType; };", "NSFancyWidthType = 1,"},
        {"dot syntax on the id result of a completed method finds a property of an object",
         "void f(void) { [NSFancyCenter sharedFancyCenter].fancyLevel = 2; }",
         "+ (__kindof NSObject *)sharedFancyCenter;"},
        {"dot syntax on the id result of a completed getter finds a property of an object",
         "id f(NSView *v) { return v.fancyLayer.fancyContents; }", "- (__kindof NSObject *)fancyLayer;"},
        {"(id) and (__bridge id) casts of completed values make them Core Foundation objects",
         "NSArray *f(void) { return @[(id)kFancyColorRef, (__bridge id)FancyCopyColor(1)]; }",
         "extern CFTypeRef const kFancyColorRef;"},
        {"a lower-case value of an SDK family is a value",
         "void f(void) { IMP imp = (IMP)_objc_fancyForward; (void)imp; }", "_objc_fancyForward"},
    };
    for (const UseCase &use : cases) {
        SCOPED_TRACE(use.title);
        CompletedTarget target({{"File.m", std::string("#import <Cocoa/Cocoa.h>\n") + use.code + "\n"}});
        ASSERT_FALSE(target.errors("File.m", false).empty()) << "the snippet parses without completion";
        EXPECT_TRUE(target.completes("File.m"));
        EXPECT_NE(target.header().find(use.declared), std::string::npos) << target.header();
        EXPECT_EQ(joined(target.errors("File.m")), "") << target.header();
    }
}

TEST(SDKCompletionTest, ModuleImportsOfSDKFrameworksAndOfTheProjectsOwnFrameworksResolve) {
    // The project's own framework, as a build lays it out beside the products, with a module map: its header uses an
    // SDK name the stand-in lacks, which a module's build would never see through -include.
    const TemporaryFolder products;
    const fs::path framework = fs::path(products.path()) / "Gadgets.framework";
    writeText(framework / "Headers/Gadgets.h", "#import <Foundation/Foundation.h>\nNSFancyLevel GadgetLevel(void);\n");
    writeText(framework / "Modules/module.modulemap",
              "framework module Gadgets {\n  umbrella header \"Gadgets.h\"\n  export *\n}\n");
    ParseSettings settings = macSettings();
    settings.modules = true;
    settings.extraArguments = {"-F" + products.path()};
    CompletedTarget target({{"Own.m", "#import <Gadgets/Gadgets.h>\nlong f(void) { return GadgetLevel(); }\n"},
                            {"Sdk.m", "@import Foundation;\n@import LatentSemanticMapping;\n"
                                      "long g(void) { return LSMFancyCount(2); }\n"}},
                           &settings);
    for (const char *file : {"Own.m", "Sdk.m"}) {
        SCOPED_TRACE(file);
        ASSERT_FALSE(target.errors(file, false).empty()) << "the file parses without completion";
        EXPECT_TRUE(target.completes(file));
        EXPECT_EQ(joined(target.errors(file)), "") << target.header();
    }
    EXPECT_NE(target.header().find("typedef long NSFancyLevel;"), std::string::npos) << target.header();
}

TEST(SDKCompletionTest, OptionsOfTheCompileLineThatLibclangRefusesAreLeftOutOfTheCompletionsParses) {
    ParseSettings settings = macSettings();
    settings.extraArguments = {"-Xclang", "-analyzer-tidy-checker=readability-braces-around-statements"};
    CompletedTarget target({{"File.m", "#import <Cocoa/Cocoa.h>\nvoid f(NSView *v) { [v fancyPoke]; }\n"}}, &settings);
    EXPECT_EQ(target.record()["filesBlocked"], 0);
    EXPECT_TRUE(target.completes("File.m"));
    EXPECT_NE(target.header().find("- (id)fancyPoke;"), std::string::npos) << target.header();
}

// After a fatal error clang skips the includes that follow: what their headers declare is undeclared in that parse,
// yet never a name to complete.
TEST(SDKCompletionTest, NamesTheSDKStandInDeclaresAreNeverCompletedAfterAFatalError) {
    const std::string uses = "NSApplicationActivationPolicy f(NSView *v) { [v fancyPoke]; (void)YES; "
                             "return NSApplicationActivationPolicyRegular; }\n";
    ParseSettings settings = macSettings();
    settings.extraArguments = {"-fmodule-map-file=/nonexistent/Fancy.modulemap"};
    const std::vector<std::pair<std::string, const ParseSettings *>> cases = {
        {"#import <AppKit/NSFancyThing.h>\n#import <Cocoa/Cocoa.h>\n", nullptr},
        {"#import <Cocoa/Cocoa.h>\n", &settings},
    };
    for (const auto &[imports, caseSettings] : cases) {
        SCOPED_TRACE(imports);
        CompletedTarget target({{"File.m", imports + uses}}, caseSettings);
        EXPECT_TRUE(target.completes("File.m"));
        const std::string header = target.header();
        EXPECT_NE(header.find("- (id)fancyPoke;"), std::string::npos) << header;
        for (const char *declared : {"NSApplicationActivationPolicyRegular", "YES"}) {
            EXPECT_EQ(header.find(declared), std::string::npos) << declared << "\n" << header;
        }
        if (!caseSettings) {
            EXPECT_EQ(joined(target.errors("File.m")), "") << header;
        }
    }
}

// One file lacks the SDK header that defines a macro and takes the macro's name for a type; another file's use of a
// type of that header (which a third file reaches) makes the generated header import it. The completed name is then
// the macro, and must be dropped, not break both.
TEST(SDKCompletionTest, ACompletedNameThatAnImportedSDKHeaderDefinesAsAMacroIsDropped) {
    CompletedTarget target({{"Stream.m", "#import <Cocoa/Cocoa.h>\nint f(z_stream *stream) { return stream != 0; }\n"},
                            {"Extern.m", "#import <Cocoa/Cocoa.h>\nZEXTERN int fancyCount;\n"},
                            {"Zlib.m", "#import <Cocoa/Cocoa.h>\n#import <zlib.h>\n"}});
    const std::string header = target.header();
    EXPECT_EQ(header.find("ZEXTERN"), std::string::npos) << header;
    EXPECT_EQ(joined(target.errors("Stream.m")), "") << header;
}

// The generated header comes before the project's headers: a completed method typed by a use with a class of the
// project is typed with `id` in its place.
TEST(SDKCompletionTest, ACompletedMethodNeverNamesAClassOfTheProject) {
    CompletedTarget target({{"Gadget.h", "#import <Foundation/Foundation.h>\n@interface FancyGadget : NSObject\n@end\n"},
                            {"Uses.m", "#import <Cocoa/Cocoa.h>\n#import \"Gadget.h\"\n"
                                       "FancyGadget *f(NSView *v) { return [v fancyGadget]; }\n"
                                       "void g(NSView *v, FancyGadget *gadget) { [v setFancyGadget:gadget]; }\n"}});
    const std::string header = target.header();
    EXPECT_EQ(header.find("FancyGadget *"), std::string::npos) << header;
    EXPECT_EQ(joined(target.errors("Uses.m")), "") << header;
}

TEST(SDKCompletionTest, AMisspeltCallOfTheProjectsOwnFunctionStaysAnError) {
    const std::map<std::string, std::string> files = {
        {"File.m", "#import <Foundation/Foundation.h>\nstatic int countItems(void) { return 1; }\n"
                   "int f(void) { return countItem() + countItems(); }\n"}};
    CompletedTarget target(files);
    EXPECT_EQ(target.header().find("countItem"), std::string::npos) << target.header();
    EXPECT_NE(joined(target.errors("File.m")).find("countItem"), std::string::npos);
}

TEST(SDKCompletionTest, MissingProjectFilesAndDependenciesStayErrors) {
    const std::vector<std::string> imports = {"#import \"FancyHelpers.h\"", "#import \"MyApp-Swift.h\"",
                                              "#import <AFNetworking/AFNetworking.h>",
                                              "#import \"Pods/Fancy/Fancy.h\""};
    for (const std::string &import : imports) {
        SCOPED_TRACE(import);
        CompletedTarget target({{"File.m", "#import <Cocoa/Cocoa.h>\n" + import +
                                               "\nvoid f(void) { NSFancyGadget *g = nil; (void)g; }\n"}});
        EXPECT_FALSE(target.completes("File.m"));
        EXPECT_TRUE(target.outcome().arguments.empty());
        EXPECT_EQ(target.record()["filesBlocked"], 1);
        EXPECT_EQ(target.header().find("NSFancyGadget"), std::string::npos);
    }
}

TEST(SDKCompletionTest, NamesTheProjectDeclaresAreNeverDeclared) {
    // Gadget.h declares the class; Uses.m uses it without importing the header, beside a real SDK gap.
    CompletedTarget target({
        {"Gadget.h", "#import <Foundation/Foundation.h>\n@interface NSFancyGadget : NSObject\n@end\n"
                     "typedef long FancyFlags;\nextern NSString *const FancyKey;\n"},
        {"Gadget.m", "#import \"Gadget.h\"\n@implementation NSFancyGadget\n@end\n"},
        {"Uses.m", "#import <Cocoa/Cocoa.h>\nvoid f(NSView *v) { NSFancyGadget *g = nil; FancyFlags flags = 0; "
                   "(void)g; (void)flags; (void)FancyKey; [v fancyPoke]; }\n"},
    });
    EXPECT_TRUE(target.completes("Uses.m"));
    EXPECT_FALSE(target.completes("Gadget.m"));
    const std::string header = target.header();
    EXPECT_NE(header.find("- (id)fancyPoke;"), std::string::npos) << header;
    for (const char *name : {"NSFancyGadget", "FancyFlags", "FancyKey"}) {
        EXPECT_EQ(header.find(name), std::string::npos) << name << "\n" << header;
    }
}

TEST(SDKCompletionTest, MembersCompletedOnAnSDKClassLeaveSubclassPropertiesSynthesised) {
    CompletedTarget target({
        {"View.m", "#import <Cocoa/Cocoa.h>\n@interface FancyView : NSView\n@property NSInteger fancyLevel;\n@end\n"
                   "@implementation FancyView\n- (void)reset { _fancyLevel = 0; }\n@end\n"},
        {"Uses.m", "#import <Cocoa/Cocoa.h>\nNSInteger f(NSView *v) { v.fancyLevel = 2; return [v fancyLevel]; }\n"},
    });
    EXPECT_TRUE(target.completes("Uses.m"));
    EXPECT_FALSE(target.completes("View.m"));
    EXPECT_EQ(joined(target.errors("Uses.m")), "") << target.header();
    // Even with the completion on its line, the subclass's property is still synthesised.
    EXPECT_EQ(joined(target.errors("View.m")), "") << target.header();
}

TEST(SDKCompletionTest, TheRecordCountsFilesAndCompletedNames) {
    CompletedTarget target({
        {"A.m", "#import <Cocoa/Cocoa.h>\nid a(void) { return NSFancyChangedNotification; }\n"},
        {"B.m", "#import <Cocoa/Cocoa.h>\nid b(void) { return NSFancyChangedNotification; }\n"},
        {"C.m", "#import <Cocoa/Cocoa.h>\nvoid c(void) {}\n"},
    });
    const nlohmann::json record = target.record();
    EXPECT_EQ(record["files"], 3);
    EXPECT_EQ(record["filesWithErrors"], 2);
    EXPECT_EQ(record["filesCompleted"], 2);
    EXPECT_EQ(record["names"]["NSFancyChangedNotification"], 2);
    EXPECT_FALSE(target.completes("C.m"));
}

TEST(SDKCompletionTest, AResultTypeThatItsPlaceShowsIsCompletedInOneRound) {
    const std::map<std::string, std::string> files = {
        {"File.m", "#import <Cocoa/Cocoa.h>\nCGFloat f(NSView *v) {\n    CGFloat width = [v fancyWidth];\n"
                   "    return width;\n}\n@implementation NSView (Mine)\n- (NSRect)mine { return [self fancyRect]; }\n"
                   "@end\n"}};
    CompletedTarget target(files);
    const std::string header = target.header();
    EXPECT_NE(header.find("- (CGFloat)fancyWidth;"), std::string::npos) << header;
    EXPECT_NE(header.find("- (NSRect)fancyRect;"), std::string::npos) << header;
    EXPECT_EQ(joined(target.errors("File.m")), "") << header;
    EXPECT_EQ(target.record()["rounds"], 1) << "the results' types needed a round of their own";
}

TEST(SDKCompletionTest, FilesThatBeginWithTheSameImportsShareOnePrecompiledPreamble) {
    std::map<std::string, std::string> files;
    for (const char *name : {"A.m", "B.m", "C.m"}) {
        files[name] = std::string("// ") + name + "\n#import <Cocoa/Cocoa.h>\n\nNSInteger f_" + name[0] +
                      "(NSView *v) {\n    NSInteger level = [v fancyLevel];\n    return level + NSFancyOffset;\n}\n";
    }
    files["D.m"] = "#define FANCY 1\n#import <Cocoa/Cocoa.h>\nvoid d(NSView *v) { [v fancyPoke]; }\n";
    CompletedTarget target(files);
    for (const auto &[name, text] : files) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(target.completes(name));
        EXPECT_EQ(joined(target.errors(name)), "") << target.header();
    }
    EXPECT_TRUE(target.hasCompletionFile("Preambles/0.pch"));
    EXPECT_FALSE(target.hasCompletionFile("Preambles/1.pch")) << "D.m defines a macro first: it has no preamble";
    // The category of NSView shows that the files' reading knew NSView from the preamble as an SDK class.
    EXPECT_NE(target.header().find("@interface NSView (XASDKCompletion)"), std::string::npos) << target.header();
}

TEST(SDKCompletionTest, APreambleIsTheImportsOfSDKHeadersAFileBeginsWith) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"// Header comment\n/* and\n   more */\n#import <Cocoa/Cocoa.h>\n#import <WebKit/WebKit.h>\n\nint x;\n",
         "#import <Cocoa/Cocoa.h>\n#import <WebKit/WebKit.h>\n"},
        {"#import <Cocoa/Cocoa.h>\n#import \"Mine.h\"\n#import <WebKit/WebKit.h>\n", "#import <Cocoa/Cocoa.h>\n"},
        {"#define X 1\n#import <Cocoa/Cocoa.h>\n", ""},
        {"#include <stdio.h>\n", ""},
        {"#import <Cocoa/Cocoa.h> // with a comment\n", ""},
        {"#if TARGET_OS_IOS\n#import <UIKit/UIKit.h>\n#endif\n", ""},
    };
    for (const auto &[text, preamble] : cases) {
        EXPECT_EQ(XAImportPreambleOfText(text), preamble) << text;
    }
}

// ---- Through the xcodebuild stand-in ----

class ProjectCopy {
public:
    ProjectCopy() {
        fs::copy(std::string(TESSARY_SOURCE_DIR) + "/tests/fixtures/projects/MacApp", folder_.path(),
                 fs::copy_options::recursive);
    }
    std::string path(const std::string &relative) const { return folder_.path() + "/" + relative; }
    std::string objroot() const { return products_.path() + "/Tessary-ObjRoot"; }

    XAToolOutput dryRun() const { return build(true); }

    XAToolOutput build(bool dryRun) const {
        XABuildSettingsRequest request;
        request.projectPath = path("MacApp.xcodeproj");
        request.targetNames = {"MacApp"};
        request.configuration = "Debug";
        request.dryRun = dryRun;
        request.commandLineSettings = {{"SYMROOT", products_.path()}, {"OBJROOT", objroot()}};
        return XARunXcodebuildBuild(request, developerDir(), folder_.path());
    }

    std::vector<fs::path> records() const {
        std::vector<fs::path> found;
        for (const auto &entry : fs::recursive_directory_iterator(products_.path())) {
            if (entry.path().filename() == "record.json") {
                found.push_back(entry.path());
            }
        }
        return found;
    }

private:
    TemporaryFolder folder_;
    TemporaryFolder products_;
};

// Whether the compile lines of a build's log include the completion header `header`: of main.m, and of any other file.
std::map<std::string, bool> completedCompileLines(const ProjectCopy &project, const std::string &log,
                                                  const std::string &header) {
    std::istringstream lines(log);
    std::map<std::string, bool> completedLines;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("-c " + project.path("MacApp/")) != std::string::npos) {
            const bool completed = line.find("-include " + header) != std::string::npos;
            completedLines[line.find("main.m") != std::string::npos ? "main.m" : "other"] |= completed;
        }
    }
    return completedLines;
}

TEST(SDKCompletionBuildTest, DryRunCompletesOnlyFilesThatNeedItAndAnUnchangedProjectIsNotCompletedAgain) {
    ProjectCopy project;
    std::ofstream(project.path("MacApp/main.m"), std::ios::app) << "\nvoid fancy(NSView *v) { [v fancyPoke]; }\n";
    const XAToolOutput first = project.dryRun();
    ASSERT_EQ(first.status, 0) << first.standardError;
    const std::vector<fs::path> records = project.records();
    ASSERT_EQ(records.size(), 1u);
    const std::string header = (records.front().parent_path() / "SDKCompletion.h").string();
    std::map<std::string, bool> completedLines = completedCompileLines(project, first.standardOutput, header);
    EXPECT_TRUE(completedLines["main.m"]);
    EXPECT_FALSE(completedLines["other"]);

    const fs::path folder = records.front().parent_path();
    const auto written = fs::last_write_time(records.front());
    const auto jobWritten = fs::last_write_time(folder / "job.json");
    const XAToolOutput second = project.dryRun();
    EXPECT_EQ(second.standardOutput, first.standardOutput);
    EXPECT_EQ(fs::last_write_time(records.front()), written) << "the second dry run completed again";
    EXPECT_EQ(fs::last_write_time(folder / "job.json"), jobWritten) << "the second dry run wrote a job";

    // A project header that changes may come to declare what was completed: the next dry run completes again.
    std::ofstream(project.path("MacApp/AppDelegate.h"), std::ios::app) << "\n// changed\n";
    ASSERT_EQ(project.dryRun().status, 0);
    EXPECT_NE(fs::last_write_time(records.front()), written) << "a changed header left the completion as it was";
}

TEST(SDKCompletionBuildTest, AProjectThatEmptiesItsTemporaryFolderKeepsItsCompletionUnderTheIntermediatesFolder) {
    ProjectCopy project;
    const std::string pbxproj = project.path("MacApp.xcodeproj/project.pbxproj");
    std::string text = readText(pbxproj);
    const std::string settings = "buildSettings = {";
    for (std::size_t at = text.find(settings); at != std::string::npos; at = text.find(settings, at + 1)) {
        text.insert(at + settings.size(), "\n\t\t\t\tCONFIGURATION_TEMP_DIR = \"\";");
    }
    writeText(pbxproj, text);
    std::ofstream(project.path("MacApp/main.m"), std::ios::app) << "\nvoid fancy(NSView *v) { [v fancyPoke]; }\n";
    const XAToolOutput output = project.dryRun();
    ASSERT_EQ(output.status, 0) << output.standardError;
    const std::vector<fs::path> records = project.records();
    ASSERT_EQ(records.size(), 1u) << output.standardOutput;
    EXPECT_EQ(records.front().string().rfind(project.objroot() + "/", 0), 0u) << records.front();
}

TEST(SDKCompletionBuildTest, ProjectHeadersOutsideTheProjectFolderAreFoundAsTheHeaderMapsFindThem) {
    // The app delegate's header lives beside the project's folder, as sources of many projects do (the project in
    // a subfolder, the code in a sibling one): `#import "AppDelegate.h"` finds it through the header maps.
    ProjectCopy project;
    const TemporaryFolder shared;
    fs::rename(project.path("MacApp/AppDelegate.h"), shared.path() + "/AppDelegate.h");
    const std::string pbxproj = project.path("MacApp.xcodeproj/project.pbxproj");
    std::string text = readText(pbxproj);
    const std::string reference = "path = AppDelegate.h; sourceTree = \"<group>\";";
    ASSERT_NE(text.find(reference), std::string::npos);
    text.replace(text.find(reference), reference.size(),
                 "path = \"" + shared.path() + "/AppDelegate.h\"; sourceTree = \"<absolute>\";");
    writeText(pbxproj, text);
    std::ofstream(project.path("MacApp/main.m"), std::ios::app)
        << "\n#import \"AppDelegate.h\"\nvoid fancy(NSView *v) { [v fancyPoke]; }\n";
    const XAToolOutput output = project.dryRun();
    ASSERT_EQ(output.status, 0) << output.standardError;
    const std::vector<fs::path> records = project.records();
    ASSERT_EQ(records.size(), 1u);
    const nlohmann::json record = nlohmann::json::parse(readText(records.front()), nullptr, false);
    EXPECT_EQ(record["filesBlocked"], 0) << readText(records.front());
    EXPECT_EQ(record["filesCompleted"], 1) << readText(records.front());
}

// The checker asks for a full build when a project holds Swift code: its log's compile lines are completed alike.
TEST(SDKCompletionBuildTest, AFullBuildCompletesAsADryRunDoes) {
    ProjectCopy project;
    std::ofstream(project.path("MacApp/main.m"), std::ios::app) << "\nvoid fancy(NSView *v) { [v fancyPoke]; }\n";
    const XAToolOutput output = project.build(false);
    ASSERT_EQ(output.status, 0) << output.standardError;
    const std::vector<fs::path> records = project.records();
    ASSERT_EQ(records.size(), 1u);
    const std::string header = (records.front().parent_path() / "SDKCompletion.h").string();
    std::map<std::string, bool> completedLines = completedCompileLines(project, output.standardOutput, header);
    EXPECT_TRUE(completedLines["main.m"]);
    EXPECT_FALSE(completedLines["other"]);
}

TEST(SDKCompletionBuildTest, DryRunWithoutAnIntermediatesFolderCompletesNothing) {
    ProjectCopy project;
    std::ofstream(project.path("MacApp/main.m"), std::ios::app) << "\nvoid fancy(NSView *v) { [v fancyPoke]; }\n";
    XABuildSettingsRequest request;
    request.projectPath = project.path("MacApp.xcodeproj");
    request.dryRun = true;
    const XAToolOutput output = XARunXcodebuildBuild(request, developerDir(), project.path(""));
    ASSERT_EQ(output.status, 0) << output.standardError;
    EXPECT_EQ(output.standardOutput.find("SDKCompletion"), std::string::npos);
    EXPECT_FALSE(fs::exists(project.path("build")));
}

} // namespace
