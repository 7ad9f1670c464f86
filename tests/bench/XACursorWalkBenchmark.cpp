// The cost of asking the cursor library about every cursor of a large translation unit, against the parse of that
// unit: a generated Objective-C file of about 5,000 lines that imports the UIKit stand-in, parsed with the arguments
// the checker prepares for an iOS build. The walk visits every cursor of the unit (the SDK's declarations included)
// and asks the common questions of each: spelling, location, kind and type.

#include "codemodel/XALibclang.h"
#include "codemodel/XAParsingArguments.h"
#include "codemodel/XATranslationUnit.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kClasses = 100; // about 50 lines each

// One class of the generated file: an interface with properties and an implementation whose methods send messages,
// branch, loop and build strings.
std::string generatedClass(int index) {
    const std::string name = "Generated" + std::to_string(index);
    return "@interface " + name +
           " : UIViewController <UITableViewDelegate>\n"
           "@property (nonatomic, copy) NSString *title" +
           std::to_string(index) +
           ";\n"
           "@property (nonatomic) NSInteger count;\n"
           "@property (nonatomic, strong) UILabel *label;\n"
           "@property (nonatomic, getter=isEnabled) BOOL enabled;\n"
           "- (NSString *)describe:(NSInteger)value;\n"
           "@end\n\n"
           "@implementation " +
           name +
           "\n"
           "- (void)viewDidLoad {\n"
           "    [super viewDidLoad];\n"
           "    self.label = [[UILabel alloc] initWithFrame:CGRectMake(0, 0, 100, 20)];\n"
           "    self.label.text = [self describe:self.count];\n"
           "    [self.view addSubview:self.label];\n"
           "    if (self.label != nil && self.isEnabled) {\n"
           "        self.count += 1;\n"
           "    }\n"
           "}\n\n"
           "- (NSString *)describe:(NSInteger)value {\n"
           "    NSMutableArray *parts = [NSMutableArray array];\n"
           "    for (NSInteger index = 0; index < value; index++) {\n"
           "        NSString *part = index % 2 == 0 ? @\"even\" : @\"odd\";\n"
           "        [parts addObject:[part stringByAppendingFormat:@\"-%ld\", (long)index]];\n"
           "    }\n"
           "    switch (value) {\n"
           "    case 0:\n"
           "        return @\"none\";\n"
           "    case 1:\n"
           "        return @\"one\";\n"
           "    default:\n"
           "        break;\n"
           "    }\n"
           "    return [parts componentsJoinedByString:@\", \"];\n"
           "}\n\n"
           "- (void)tableView:(UITableView *)tableView didSelectRowAtIndexPath:(NSIndexPath *)indexPath {\n"
           "    NSString *title = [NSString stringWithFormat:@\"%@ %ld\", self.title" +
           std::to_string(index) +
           ", (long)indexPath.row];\n"
           "    if (!title) {\n"
           "        return;\n"
           "    }\n"
           "    self.title" +
           std::to_string(index) +
           " = title;\n"
           "    [tableView deselectRowAtIndexPath:indexPath animated:YES];\n"
           "}\n\n"
           "- (void)setEnabled:(BOOL)enabled {\n"
           "    _enabled = enabled;\n"
           "    self.label.hidden = !enabled;\n"
           "}\n"
           "@end\n\n";
}

std::string generatedSource() {
    std::string source = "#import <UIKit/UIKit.h>\n\n";
    for (int index = 0; index < kClasses; ++index) {
        source += generatedClass(index);
    }
    return source;
}

// The staged developer directory (<stage>/Developer beside <stage>/libexec/tessary-benchmarks), after loading the
// staged libclang; no value when either is missing.
std::optional<std::string> stagedDeveloperDirectoryWithLibclang() {
    static const std::optional<std::string> developerDirectory = []() -> std::optional<std::string> {
        const std::optional<std::string> executable = xa_executablePath();
        if (!executable) {
            return std::nullopt;
        }
        const std::string stage =
            xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(*executable));
        XAError error;
        if (!XALibclang::load(stage + "/lib/tessary/libclang_llvm19_1.so", &error)) {
            return std::nullopt;
        }
        return stage + "/Developer";
    }();
    return developerDirectory;
}

// The generated file in a folder removed at the end, parsed as an iOS build would parse it.
class XAGeneratedUnit {
public:
    explicit XAGeneratedUnit(std::string developerDirectory)
        : developerDirectory_(std::move(developerDirectory)), index_(XALibclang::fn().clang_createIndex(0, 0)) {
        folder_ = std::filesystem::temp_directory_path() / ("tessary-bench-cursors-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        const std::string source = generatedSource();
        lines_ = std::count(source.begin(), source.end(), '\n');
        std::ofstream(path(), std::ios::binary) << source;
    }
    ~XAGeneratedUnit() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string path() const { return folder_ / "Generated.m"; }
    long lines() const { return lines_; }

    // The parsed unit; null when the file does not parse without errors.
    XATranslationUnitOwner parse() const {
        XAParsingArgumentsContext context;
        context.workingDirectory = folder_;
        context.buildSettings = {{"PLATFORM_NAME", "iphoneos"}, {"IPHONEOS_DEPLOYMENT_TARGET", "15.0"}};
        context.resourceDirectory = XALibclang::resourceDirectory();
        context.developerDirectory = developerDirectory_;
        const std::vector<std::string> arguments = XAArgumentsAdaptedForLoadedClang(
            {"-x", "objective-c", "-arch", "arm64", "-fblocks", "-fobjc-arc"}, context);
        XATranslationUnitOwner unit(XAParseTranslationUnit(index_.get(), path(), arguments, 0, nullptr));
        return unit && XANumberOfErrorDiagnostics(unit.get()) == 0 ? std::move(unit) : nullptr;
    }

private:
    std::string developerDirectory_;
    XAClangIndexOwner index_;
    std::filesystem::path folder_;
    long lines_ = 0;
};

// Every cursor of the unit, each asked the common questions; the number of cursors.
long walkWithCommonQueries(CXTranslationUnit unit) {
    long cursors = 0;
    const auto visit = [&](CXCursor cursor) {
        ++cursors;
        benchmark::DoNotOptimize(XACursorSpelling(cursor));
        benchmark::DoNotOptimize(XACursorExtentStart(cursor));
        benchmark::DoNotOptimize(cursor.kind);
        benchmark::DoNotOptimize(XACursorTypeKind(cursor));
        return CXChildVisit_Recurse;
    };
    XAVisitChildren(XALibclang::fn().clang_getTranslationUnitCursor(unit), visit);
    return cursors;
}

void BM_ParseLargeUnit(benchmark::State &state) {
    const std::optional<std::string> developerDirectory = stagedDeveloperDirectoryWithLibclang();
    if (!developerDirectory) {
        state.SkipWithError("the staged libclang or developer directory is missing");
        return;
    }
    const XAGeneratedUnit generated(*developerDirectory);
    for (auto _ : state) {
        if (!generated.parse()) {
            state.SkipWithError("the generated file does not parse cleanly");
            break;
        }
    }
    state.counters["lines"] = static_cast<double>(generated.lines());
}

void BM_WalkLargeUnitWithCommonQueries(benchmark::State &state) {
    const std::optional<std::string> developerDirectory = stagedDeveloperDirectoryWithLibclang();
    if (!developerDirectory) {
        state.SkipWithError("the staged libclang or developer directory is missing");
        return;
    }
    const XAGeneratedUnit generated(*developerDirectory);
    const XATranslationUnitOwner unit = generated.parse();
    if (!unit) {
        state.SkipWithError("the generated file does not parse cleanly");
        return;
    }
    long cursors = 0;
    for (auto _ : state) {
        cursors = walkWithCommonQueries(unit.get());
    }
    state.counters["cursors"] = static_cast<double>(cursors);
    state.counters["lines"] = static_cast<double>(generated.lines());
}

} // namespace

BENCHMARK(BM_ParseLargeUnit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WalkLargeUnitWithCommonQueries)->Unit(benchmark::kMillisecond)->UseRealTime();
