// Walks real projects along the road from the build log to parsed files, the way a check does, and counts what
// arrives: per target, the compiled sources, the compile lines the build produced, and the files that parse without
// compiler errors, with the errors that stop the others grouped by their text. Nothing in the projects is written to;
// the caches go to a scratch folder of the survey's own unless XDG_CACHE_HOME names one.
//
//   tessary-parse-survey [--full-build] [--verbose] [--target NAME]... [--configuration NAME] [--errors N]
//                        PROJECT.xcodeproj...
//
// Without --target every target of a project that has sources to compile is surveyed. The stand-in developer
// directory and the libclang library are those the build laid out beside the tool (DEVELOPER_DIR may name another
// developer directory).

#include "codemodel/XABuild.h"
#include "codemodel/XALibclang.h"
#include "codemodel/XATranslationUnit.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "core/XAString.h"
#include "engine/config/XAConfiguration.h"
#include "project/XADevEnvironment.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <tbb/parallel_for_each.h>
#include <unistd.h>

namespace {

struct XASurveyOptions {
    bool fullBuild = false;
    bool verbose = false;
    std::vector<std::string> targets;
    std::optional<std::string> configuration;
    std::size_t errorsShown = 8;
    std::vector<std::string> projects;
};

void usage() {
    std::cerr << "usage: tessary-parse-survey [--full-build] [--verbose] [--target NAME]... [--configuration NAME] "
                 "[--errors N] PROJECT.xcodeproj...\n";
    std::exit(64);
}

XASurveyOptions parseOptions(int argc, char **argv) {
    XASurveyOptions options;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        const bool hasValue = index + 1 < argc;
        if (argument == "--full-build") {
            options.fullBuild = true;
        } else if (argument == "--verbose") {
            options.verbose = true;
        } else if (argument == "--target" && hasValue) {
            options.targets.push_back(argv[++index]);
        } else if (argument == "--configuration" && hasValue) {
            options.configuration = argv[++index];
        } else if (argument == "--errors" && hasValue) {
            options.errorsShown = static_cast<std::size_t>(std::atoi(argv[++index]));
        } else if (argument.starts_with("-")) {
            usage();
        } else {
            options.projects.push_back(argument);
        }
    }
    if (options.projects.empty()) {
        usage();
    }
    return options;
}

// The survey's own caches folder, removed when the survey ends; empty when XDG_CACHE_HOME was given.
std::string ownCachesFolder;

// The stand-in developer directory and the libclang library laid out beside the tool (<stage>/libexec/<tool>).
bool setUpToolsAndLibclang() {
    const std::optional<std::string> executable = xa_executablePath();
    if (!executable) {
        std::cerr << "The tool's own path cannot be found.\n";
        return false;
    }
    const std::string stage = xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(*executable));
    const char *given = std::getenv("DEVELOPER_DIR");
    const std::string developerDir = given && *given ? std::string(given) : stage + "/Developer";
    const char *path = std::getenv("PATH");
    ::setenv("DEVELOPER_DIR", developerDir.c_str(), 1);
    ::setenv("PATH", (developerDir + "/usr/bin:" + (path ? path : "/usr/bin:/bin")).c_str(), 1);
    if (!std::getenv("XDG_CACHE_HOME")) {
        ownCachesFolder =
            (std::filesystem::temp_directory_path() / ("tessary-parse-survey-" + std::to_string(::getpid()))).string();
        ::setenv("XDG_CACHE_HOME", ownCachesFolder.c_str(), 1);
    }
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    if (!environment.setUp()) {
        std::cerr << "The developer tools in " << developerDir << " cannot be set up.\n";
        return false;
    }
    XAError error;
    if (!XALibclang::load(stage + "/lib/tessary/libclang_llvm19_1.so", &error)) {
        std::cerr << "libclang cannot be loaded: " << error.message << "\n";
        return false;
    }
    return true;
}

// What became of one file.
struct XAFileOutcome {
    bool parsed = false;             // a translation unit was made
    std::vector<std::string> errors; // texts of its error and fatal diagnostics, or why no unit was made
};

// As the checking run parses a source file.
constexpr unsigned kSourceParseOptions = CXTranslationUnit_DetailedPreprocessingRecord;

XAFileOutcome parseFile(const XACompilationInfo &info) {
    const XALibclangFunctions &clang = XALibclang::fn();
    XAClangIndexOwner index(clang.clang_createIndex(0, 0));
    XAError error;
    XATranslationUnitOwner unit(
        XAParseTranslationUnit(index.get(), info.filePath(), info.parsingCompilerArgs(), kSourceParseOptions, &error));
    XAFileOutcome outcome;
    if (!unit) {
        outcome.errors.push_back("no translation unit: " + error.message);
        return outcome;
    }
    outcome.parsed = true;
    const unsigned count = clang.clang_getNumDiagnostics(unit.get());
    for (unsigned position = 0; position < count; ++position) {
        XADiagnosticOwner diagnostic(clang.clang_getDiagnostic(unit.get(), position));
        if (clang.clang_getDiagnosticSeverity(diagnostic.get()) >= CXDiagnostic_Error) {
            outcome.errors.push_back(
                XAStringFromCXString(clang.clang_getDiagnosticSpelling(diagnostic.get())).value_or("(no text)"));
        }
    }
    return outcome;
}

// An error's text as it is counted: whole, so that equal causes count together, but cut short when very long.
std::string errorKey(const std::string &text) { return text.size() > 160 ? text.substr(0, 160) + "..." : text; }

bool isCompiledSource(const XAProjectFile &file) {
    const std::string extension = xa_pathExtension(file.name());
    return extension == "m" || extension == "c" || extension == "mm" || extension == "cpp" || extension == "cc";
}

std::size_t compiledSourceCount(const XAProjectTarget &target) {
    return static_cast<std::size_t>(std::count_if(target.sourceFiles().begin(), target.sourceFiles().end(),
                                                  [](const auto &file) { return isCompiledSource(*file); }));
}

struct XATargetSurvey {
    std::size_t sources = 0;
    std::size_t compileLines = 0;
    std::size_t clean = 0;
    std::size_t withoutUnit = 0;
    std::map<std::string, std::size_t> errorCounts; // error text -> files it occurs in
    std::vector<std::string> preparationErrors;
};

XATargetSurvey surveyTarget(const std::shared_ptr<XAProject> &project, const std::shared_ptr<XAProjectTarget> &target,
                            const std::shared_ptr<XAProjectBuildConfiguration> &configuration,
                            const XASurveyOptions &options) {
    XATargetSurvey survey;
    survey.sources = compiledSourceCount(*target);
    XAConfiguration checkConfiguration;
    checkConfiguration.setValue(options.fullBuild, *XAConfiguration::appOptionWithLongName("fullBuild"));
    checkConfiguration.setValue(options.verbose, *XAConfiguration::appOptionWithLongName("verbose"));
    XABuild build(project, target, configuration, checkConfiguration);
    std::mutex messagesMutex;
    const XAProgressHandler progress = [&](const XAProgressMessage &message) {
        std::lock_guard lock(messagesMutex);
        if (message.isError()) {
            survey.preparationErrors.push_back(message.message());
        } else if (options.verbose && (message.kind() == XAProgressMessageKindInfo || message.isWarning())) {
            std::cerr << "  " << message.message() << "\n";
        }
    };
    build.processBuildWithPermissionToProcessPCHs(true, progress);
    survey.compileLines = build.compilationInfosByFilePath().size();

    std::vector<std::shared_ptr<const XAProjectFileCompilationInfo>> infos;
    for (const auto &[path, info] : build.compilationInfosByFilePath()) {
        infos.push_back(info);
    }
    std::mutex outcomesMutex;
    bool argumentsShown = false; // the arguments of the first file with errors, in verbose mode
    tbb::parallel_for_each(infos.begin(), infos.end(), [&](const auto &info) {
        const XAFileOutcome outcome = parseFile(*info);
        std::lock_guard lock(outcomesMutex);
        survey.clean += outcome.parsed && outcome.errors.empty();
        survey.withoutUnit += !outcome.parsed;
        std::vector<std::string> keys;
        for (const std::string &error : outcome.errors) {
            keys.push_back(errorKey(error));
        }
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        for (const std::string &key : keys) {
            ++survey.errorCounts[key];
        }
        if (options.verbose && !outcome.errors.empty()) {
            std::cerr << "  " << info->filePath() << ": " << outcome.errors.front() << "\n";
            if (!argumentsShown) {
                argumentsShown = true;
                std::cerr << "   ";
                for (const std::string &argument : info->parsingCompilerArgs()) {
                    std::cerr << " " << xa_quotedForArgumentUsage(argument);
                }
                std::cerr << "\n";
            }
        }
    });
    return survey;
}

void report(const std::string &projectName, const std::string &targetName, const XATargetSurvey &survey,
            const XASurveyOptions &options) {
    std::cout << projectName << " / " << targetName << ": " << survey.sources << " sources, " << survey.compileLines
              << " compile lines, " << survey.clean << " parse without errors, " << survey.withoutUnit
              << " without translation unit\n";
    for (const std::string &error : survey.preparationErrors) {
        std::cout << "    preparation: " << errorKey(error) << "\n";
    }
    std::vector<std::pair<std::size_t, std::string>> errors;
    for (const auto &[text, count] : survey.errorCounts) {
        errors.emplace_back(count, text);
    }
    std::sort(errors.begin(), errors.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (std::size_t index = 0; index < errors.size() && index < options.errorsShown; ++index) {
        std::cout << "    " << errors[index].first << " files: " << errors[index].second << "\n";
    }
}

} // namespace

int main(int argc, char **argv) {
    const XASurveyOptions options = parseOptions(argc, argv);
    if (!setUpToolsAndLibclang()) {
        return 1;
    }
    int status = 0;
    for (const std::string &path : options.projects) {
        auto project = XAProject::projectWithXcodeproj(xa_stringByStandardizingPath(path));
        std::string loadError;
        if (!project->loadProject([&loadError](const XAProgressMessage &message) {
                if (message.isError() && loadError.empty()) {
                    loadError = message.message();
                }
            })) {
            std::cout << path << ": the project did not load: " << loadError << "\n";
            status = 1;
            continue;
        }
        auto configuration = options.configuration ? project->buildConfigurationForName(*options.configuration)
                                                   : project->defaultBuildConfiguration();
        if (!configuration) {
            std::cout << path << ": no such build configuration\n";
            status = 1;
            continue;
        }
        for (const auto &target : project->targets()) {
            const bool named =
                std::find(options.targets.begin(), options.targets.end(), target->name()) != options.targets.end();
            if (options.targets.empty() ? compiledSourceCount(*target) == 0 : !named) {
                continue;
            }
            report(project->projectName(), target->name(), surveyTarget(project, target, configuration, options),
                   options);
        }
    }
    if (!ownCachesFolder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(ownCachesFolder, ignored);
    }
    return status;
}
