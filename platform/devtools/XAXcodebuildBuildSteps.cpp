#include "platform/devtools/XAXcodebuildBuildSteps.h"

#include "core/XAHashing.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "platform/devtools/XABuildSettingsResolver.h"
#include "platform/devtools/XAXcodebuildBuildCompiler.h"
#include "project/XAPhaseBuildFiles.h"
#include "project/XAProjectBuildPhase.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"
#include "project/XATargetHeaders.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

namespace {

constexpr const char *kCompilerIdentifier = "com.apple.compilers.llvm.clang.1_0.compiler";

struct XASourceBuildFile {
    std::shared_ptr<XAProjectFile> file;
    std::string compilerFlags; // the build file's COMPILER_FLAGS, as written
};

// The files of a Sources phase with their per-file compiler flags. Build files that name no file of the project's
// tree (variant groups, sub-project products, broken references) have nothing to compile.
std::vector<XASourceBuildFile> sourceBuildFiles(const XAProjectBuildPhase &phase) {
    std::vector<XASourceBuildFile> files;
    for (const XAPhaseBuildFile &buildFile : XAPhaseBuildFiles(phase)) {
        const std::string *flags = buildFile.settings ? buildFile.settings->stringForKey("COMPILER_FLAGS") : nullptr;
        files.push_back({buildFile.file, flags ? *flags : std::string()});
    }
    return files;
}

// The setting that names the product's folder for headers of the visibility; none for project headers.
const char *headersFolderSetting(XAHeaderVisibility visibility) {
    switch (visibility) {
    case XAHeaderVisibility::Public:
        return "PUBLIC_HEADERS_FOLDER_PATH";
    case XAHeaderVisibility::Private:
        return "PRIVATE_HEADERS_FOLDER_PATH";
    case XAHeaderVisibility::Project:
        break;
    }
    return nullptr;
}

std::optional<std::string> fileType(const XAProjectFile &file) {
    const XAValue *own = file.pbx_ownObject();
    const std::string *explicitType = own ? own->stringForKey("explicitFileType") : nullptr;
    return explicitType ? std::optional<std::string>(*explicitType) : file.lastKnownFileType();
}

// 28 lower-case letters from a digest, as Xcode names the folders of shared precompiled headers.
std::string precompiledHeaderHash(const std::string &text) {
    const std::string digest = xa_SHA256Hash(text);
    std::string letters;
    for (std::size_t index = 0; index + 1 < digest.size() && letters.size() < 28; index += 2) {
        const int byte = std::stoi(digest.substr(index, 2), nullptr, 16);
        letters.push_back(static_cast<char>('a' + byte % 26));
    }
    return letters;
}

class XATargetPlanner {
public:
    XATargetPlanner(const XAStandInProject &project, const XAProjectTarget &target,
                    const XATargetBuildSettingsInput &input)
        : project_(project), target_(target) {
        XATargetBuildSettings resolved = XAResolveTargetBuildSettings(project, target, input);
        settings_ = std::move(resolved.settings);
        build_.warnings = std::move(resolved.warnings);
        build_.projectName = project.name();
        build_.targetName = target.name();
        build_.configurationName = input.configurationName;
        const std::string *isa = target.pbx_isa();
        build_.aggregate = isa && *isa == "PBXAggregateTarget";
        build_.completionFolder = completionFolder();
        build_.projectHeaderFolders = project.headerFolders();
    }

    XAStandInTargetBuild plan() && {
        collectScriptOutputs();
        if (!build_.aggregate) {
            planProductStructure();
            planInfoPlist();
        }
        for (const auto &phase : target_.buildPhases()) {
            if (XAIsHeadersBuildPhase(*phase)) {
                planHeaders(*phase);
            }
            switch (phase->phaseType()) {
            case XAProjectBuildPhaseTypeSources:
                planSources(*phase);
                break;
            case XAProjectBuildPhaseTypeResources:
                planResources(*phase);
                break;
            case XAProjectBuildPhaseTypeShellScript:
                planScript(*phase);
                break;
            case XAProjectBuildPhaseTypeCopyFiles:
                planCopyFiles(*phase);
                break;
            default:
                break;
            }
        }
        planFrameworkModule();
        planVersionLinks();
        if (isBundle()) {
            XAStandInBuildStep &step = addStep({"Touch", productPath()}, {"/usr/bin/touch", "-c", productPath()});
            step.effect = XAProductEffect::Touch;
            step.destination = productPath();
        }
        return std::move(build_);
    }

private:
    // The target's intermediates folder, where the SDK completion keeps what it makes; under OBJROOT even when the
    // project empties a temporary folder's setting (CONFIGURATION_TEMP_DIR = ""), which would put it at the root.
    std::string completionFolder() const {
        const std::string objroot = setting("OBJROOT");
        const std::string temporary = setting("TARGET_TEMP_DIR");
        if (!objroot.empty() && !temporary.starts_with(objroot + "/")) {
            return objroot + "/" + setting("PROJECT_NAME") + ".build/" + setting("CONFIGURATION") + "/" +
                   setting("TARGET_NAME") + ".build/SDKCompletion";
        }
        return temporary + "/SDKCompletion";
    }

    std::string setting(const std::string &key) const {
        auto found = settings_.find(key);
        return found == settings_.end() ? std::string() : found->second;
    }

    bool isBundle() const { return !build_.aggregate && !setting("WRAPPER_NAME").empty(); }
    std::string productPath() const { return setting("TARGET_BUILD_DIR") + "/" + setting("FULL_PRODUCT_NAME"); }
    std::string resourcesFolder() const {
        return setting("TARGET_BUILD_DIR") + "/" + setting("UNLOCALIZED_RESOURCES_FOLDER_PATH");
    }
    std::string projectFolder() const { return project_.folder(); }

    std::vector<std::pair<std::string, std::string>> toolEnvironment() const {
        return {{"LANG", "en_US.US-ASCII"},
                {"PATH", setting("PLATFORM_DEVELOPER_DIR") + "/usr/bin:" + setting("DEVELOPER_DIR") +
                             "/usr/bin:/usr/bin:/bin:/usr/sbin:/sbin"}};
    }

    XAStandInBuildStep &addStep(std::vector<std::string> header, std::vector<std::string> command,
                                std::vector<std::pair<std::string, std::string>> environment = {}) {
        XAStandInBuildStep step;
        step.header = std::move(header);
        step.workingDirectory = projectFolder();
        step.environment = environment.empty() ? toolEnvironment() : std::move(environment);
        step.command = std::move(command);
        build_.steps.push_back(std::move(step));
        return build_.steps.back();
    }

    // A path of the project as a command gets it: absolute and standardised, references to settings expanded.
    std::string absolutePath(const std::string &path) {
        std::string expanded = path.find('$') == std::string::npos ? path : expander().expand(path);
        if (!xa_isAbsolutePath(expanded)) {
            expanded = xa_stringByAppendingPathComponent(projectFolder(), expanded);
        }
        return xa_stringByStandardizingPath(expanded);
    }

    // Paths of the project folder as xcodebuild names resources: relative to the folder the steps run in.
    std::string pathFromProjectFolder(const std::string &path) const {
        return XAPathIsInsideOrEqual(path, projectFolder()) ? xa_relativePathFromPath(path, projectFolder()) : path;
    }

    XABuildSettingsResolver &expander() {
        if (!expander_) {
            expander_.emplace();
            for (const auto &[key, value] : settings_) {
                expander_->setFixedValue(key, value);
            }
        }
        return *expander_;
    }

    std::optional<std::string> diskPath(const XAProjectFile &file) {
        if (!file.pathOnDisk() || file.pathOnDisk()->empty()) {
            build_.warnings.push_back("The file '" + file.name() + "' of target '" + target_.name() +
                                      "' has no location on disk and is left out of the build.");
            return std::nullopt;
        }
        return absolutePath(*file.pathOnDisk());
    }

    // Whether a step's input is on disk. A build only prints or lays out what it would do, so a missing input (a
    // file that a script phase or a generator would write, a broken reference) is a warning in Xcode's words and
    // the step is printed all the same; files a script phase of the target declares as its outputs are expected to
    // be missing.
    bool inputExists(const std::string &path) {
        std::error_code error;
        if (std::filesystem::exists(path, error)) {
            return true;
        }
        if (!scriptOutputs_.contains(path)) {
            build_.warnings.push_back("Build input file cannot be found: '" + path + "'");
        }
        return false;
    }

    void collectScriptOutputs() {
        for (const auto &phase : target_.buildPhases()) {
            if (phase->phaseType() == XAProjectBuildPhaseTypeShellScript) {
                for (const std::string &output : phase->outputPaths()) {
                    scriptOutputs_.insert(absolutePath(output));
                }
            }
        }
    }

    void planProductStructure() {
        if (!isBundle()) {
            return;
        }
        const std::string productsFolder = setting("TARGET_BUILD_DIR");
        build_.productFolders.push_back(productPath());
        for (const char *key :
             {"CONTENTS_FOLDER_PATH", "EXECUTABLE_FOLDER_PATH", "UNLOCALIZED_RESOURCES_FOLDER_PATH"}) {
            const std::string folder = productsFolder + "/" + setting(key);
            if (!setting(key).empty() && std::find(build_.productFolders.begin(), build_.productFolders.end(),
                                                   folder) == build_.productFolders.end()) {
                build_.productFolders.push_back(folder);
            }
        }
    }

    void planInfoPlist() {
        const std::string infoPlist = setting("INFOPLIST_FILE");
        if (!isBundle() || infoPlist.empty()) {
            return;
        }
        const std::string source = absolutePath(infoPlist);
        inputExists(source);
        const std::string destination = setting("TARGET_BUILD_DIR") + "/" + setting("INFOPLIST_PATH");
        std::vector<std::string> command{"builtin-infoPlistUtility", source};
        if (setting("PRODUCT_TYPE") == "com.apple.product-type.application") {
            command.insert(command.end(), {"-genpkginfo", setting("TARGET_BUILD_DIR") + "/" + setting("PKGINFO_PATH")});
        }
        command.insert(command.end(), {"-expandbuildsettings", "-format", "binary", "-platform",
                                       setting("PLATFORM_NAME"), "-o", destination});
        XAStandInBuildStep &step = addStep({"ProcessInfoPlistFile", destination, source}, std::move(command));
        step.effect = XAProductEffect::Copy;
        step.source = source;
        step.destination = destination;
    }

    // ---- Headers ----

    // Public and private headers are copied into the product (a framework's Headers and PrivateHeaders folders, a
    // static library's include folder under the products folder), where the target's users find them as
    // <ProductName/Header.h>; project headers stay where they are. They are laid out as links, so that a dry run
    // makes them visible too.
    void planHeaders(const XAProjectBuildPhase &phase) {
        for (const XATargetHeader &header : XAHeadersOfBuildPhase(phase)) {
            const char *folderSetting = headersFolderSetting(header.visibility);
            std::optional<std::string> source = folderSetting ? diskPath(*header.file) : std::nullopt;
            if (!source || setting(folderSetting).empty()) {
                continue;
            }
            inputExists(*source);
            const std::string folder = setting("TARGET_BUILD_DIR") + "/" + setting(folderSetting);
            const std::string destination = folder + "/" + xa_lastPathComponent(*source);
            XAStandInBuildStep &step =
                addStep({"CpHeader", destination, *source},
                        {"builtin-copy", "-exclude", ".DS_Store", "-exclude", "CVS", "-exclude", ".svn", "-exclude",
                         ".git", "-exclude", ".hg", "-resolve-src-symlinks", *source, folder});
            step.effect = XAProductEffect::Link;
            step.source = *source;
            step.destination = destination;
            frameworkFolders_.insert(folder);
            if (header.visibility == XAHeaderVisibility::Public) {
                publicHeaderNames_.insert(xa_lastPathComponent(*source));
            }
        }
    }

    // A Copy Files phase copies its files into a folder of the product or of the products folder. Headers among them
    // (a static library's, typically, under include/) are laid out as links, as the Headers phase lays out its own.
    void planCopyFiles(const XAProjectBuildPhase &phase) {
        const std::optional<std::string> folder = copyFilesDestination(phase);
        if (!folder) {
            return;
        }
        for (const auto &file : phase.phaseFiles()) {
            std::optional<std::string> source = diskPath(*file);
            if (!source) {
                continue;
            }
            inputExists(*source);
            const std::string destination = *folder + "/" + xa_lastPathComponent(*source);
            XAStandInBuildStep &step =
                addStep({"PBXCp", *source, destination},
                        {"builtin-copy", "-exclude", ".DS_Store", "-exclude", "CVS", "-exclude", ".svn", "-exclude",
                         ".git", "-exclude", ".hg", "-resolve-src-symlinks", *source, *folder});
            step.effect = isHeader(*source) ? XAProductEffect::Link : XAProductEffect::Copy;
            step.source = *source;
            step.destination = destination;
        }
    }

    // The folder a Copy Files phase copies into: its destination (dstSubfolderSpec) and its subpath; none for a phase
    // that only runs when installing, or whose destination is unknown.
    std::optional<std::string> copyFilesDestination(const XAProjectBuildPhase &phase) {
        static const std::map<std::string, std::string> kFolderSettings = {
            {"1", "WRAPPER_NAME"},
            {"6", "EXECUTABLE_FOLDER_PATH"},
            {"7", "UNLOCALIZED_RESOURCES_FOLDER_PATH"},
            {"10", "FRAMEWORKS_FOLDER_PATH"},
            {"11", "SHARED_FRAMEWORKS_FOLDER_PATH"},
            {"12", "SHARED_SUPPORT_FOLDER_PATH"},
            {"13", "PLUGINS_FOLDER_PATH"},
            {"15", "JAVA_FOLDER_PATH"},
            {"16", ""},
        };
        const XAValue *own = phase.pbx_ownObject();
        const std::string *installOnly = own ? own->stringForKey("runOnlyForDeploymentPostprocessing") : nullptr;
        const std::string *subfolder = own ? own->stringForKey("dstSubfolderSpec") : nullptr;
        const std::string *subpath = own ? own->stringForKey("dstPath") : nullptr;
        if (!subfolder || (installOnly && *installOnly == "1")) {
            return std::nullopt;
        }
        std::string folder;
        if (*subfolder == "0") {
            folder = subpath ? *subpath : "";
        } else {
            auto found = kFolderSettings.find(*subfolder);
            if (found == kFolderSettings.end() || (!found->second.empty() && setting(found->second).empty())) {
                return std::nullopt;
            }
            folder = setting("TARGET_BUILD_DIR");
            if (!found->second.empty()) {
                folder += "/" + setting(found->second);
            }
            if (subpath && !subpath->empty()) {
                folder += "/" + *subpath;
            }
        }
        return folder.empty() ? std::nullopt : std::optional<std::string>(absolutePath(folder));
    }

    static bool isHeader(const std::string &path) {
        static const std::set<std::string> kExtensions = {"h", "hh", "hpp", "hxx", "inc"};
        return kExtensions.contains(xa_pathExtension(path));
    }

    bool isFramework() const { return !build_.aggregate && setting("WRAPPER_EXTENSION") == "framework"; }

    // The module map of a framework that defines a module: its own MODULEMAP_FILE, else the one Xcode writes over the
    // umbrella header, which only exists when the public headers hold <PRODUCT_NAME>.h.
    void planFrameworkModule() {
        const std::string ownModuleMap = setting("MODULEMAP_FILE");
        if (!isFramework() || (setting("DEFINES_MODULE") != "YES" && ownModuleMap.empty())) {
            return;
        }
        const std::string folder = setting("TARGET_BUILD_DIR") + "/" + setting("MODULES_FOLDER_PATH");
        const std::string path = folder + "/module.modulemap";
        const std::string umbrella = setting("PRODUCT_NAME") + ".h";
        if (!ownModuleMap.empty()) {
            const std::string source = absolutePath(ownModuleMap);
            if (!inputExists(source)) {
                return;
            }
            build_.frameworkLinks.emplace_back(path, source);
        } else if (publicHeaderNames_.contains(umbrella)) {
            build_.moduleMap.emplace(path, "framework module " + setting("PRODUCT_MODULE_NAME") +
                                               " {\n  umbrella header \"" + umbrella +
                                               "\"\n\n  export *\n  module * { export * }\n}\n");
        } else {
            return;
        }
        frameworkFolders_.insert(folder);
    }

    // A versioned framework (macOS) shows its current version's folders at its top level, where the compiler looks
    // for <Name/Header.h>.
    void planVersionLinks() {
        const std::string wrapper = setting("WRAPPER_NAME");
        const std::string version = setting("FRAMEWORK_VERSION");
        if (!isFramework() || version.empty() || setting("CONTENTS_FOLDER_PATH") == wrapper) {
            return;
        }
        const std::string top = setting("TARGET_BUILD_DIR") + "/" + wrapper;
        const std::string current = top + "/Versions/" + version + "/";
        bool linked = false;
        for (const char *folder : {"Headers", "PrivateHeaders", "Modules"}) {
            if (frameworkFolders_.contains(current + folder)) {
                build_.frameworkLinks.emplace_back(top + "/" + folder, std::string("Versions/Current/") + folder);
                linked = true;
            }
        }
        if (linked) {
            build_.frameworkLinks.emplace_back(top + "/Versions/Current", version);
        }
    }

    // ---- Sources ----

    struct XAPrecompiledHeader {
        std::string includePath; // what -include names
        std::string outputPath;  // what the ProcessPCH step writes: the include path and ".pch"
    };

    // The precompiled prefix header for files of the language compiled with these per-file flags: one for each
    // distinct pair, as Xcode makes them, since a header only serves compilations whose options match its own (a
    // file compiled without ARC in an ARC target needs a header made without ARC). Planned before its first use.
    std::optional<XAPrecompiledHeader> precompiledHeader(XASourceLanguage language,
                                                         const std::vector<std::string> &fileFlags) {
        const auto key = std::make_pair(language, fileFlags);
        if (auto known = precompiledHeaders_.find(key); known != precompiledHeaders_.end()) {
            return known->second;
        }
        const std::string &prefixPath = prefixHeaderToPrecompile();
        if (prefixPath.empty()) {
            return std::nullopt;
        }
        std::vector<std::string> arguments = clang().languageArguments(language, true);
        arguments.insert(arguments.end(), fileFlags.begin(), fileFlags.end());
        std::string fingerprint = prefixPath + "\n" + XALanguageDialectName(language);
        for (const std::string &argument : arguments) {
            fingerprint += "\n" + argument;
        }
        const std::string name = xa_lastPathComponent(prefixPath);
        const std::string folder = setting("SHARED_PRECOMPS_DIR") + "/" + xa_stringByDeletingPathExtension(name) + "-" +
                                   precompiledHeaderHash(fingerprint);
        XAPrecompiledHeader header{folder + "/" + name, folder + "/" + name + ".pch"};
        precompiledHeaders_.emplace(key, header);
        build_.prefixHeaderSources.emplace(header.includePath, prefixPath);
        std::vector<std::string> command{clang().compilerPath()};
        command.insert(command.end(), arguments.begin(), arguments.end());
        appendOutputArguments(command, prefixPath, header.outputPath, header.outputPath);
        addStep({XAIsCPlusPlusLanguage(language) ? "ProcessPCH++" : "ProcessPCH", header.outputPath, prefixPath,
                 "normal", clang().architecture(), XALanguageDialectName(language), kCompilerIdentifier},
                std::move(command));
        return header;
    }

    // The prefix header's path when it is set, to be precompiled and on disk; else empty. A missing header has
    // nothing to precompile: the compilations include it as it is, and each reports it missing.
    const std::string &prefixHeaderToPrecompile() {
        if (!prefixHeaderToPrecompile_) {
            const std::string prefix = setting("GCC_PREFIX_HEADER");
            const bool precompiled = !prefix.empty() && setting("GCC_PRECOMPILE_PREFIX_HEADER") == "YES";
            const std::string path = precompiled ? prefixHeaderPath() : std::string();
            prefixHeaderToPrecompile_ = precompiled && inputExists(path) ? path : std::string();
        }
        return *prefixHeaderToPrecompile_;
    }

    // GCC_PREFIX_HEADER as a path. A system header named by its absolute path (/System/Library/Frameworks/...) is the
    // SDK's, as on a Mac whose /System holds the same headers.
    std::string prefixHeaderPath() {
        const std::string path = absolutePath(setting("GCC_PREFIX_HEADER"));
        const std::string sdk = setting("SDKROOT");
        std::error_code error;
        if (!sdk.empty() && (path.starts_with("/System/") || path.starts_with("/usr/")) &&
            !std::filesystem::exists(path, error) && std::filesystem::exists(sdk + path, error)) {
            return sdk + path;
        }
        return path;
    }

    static void appendOutputArguments(std::vector<std::string> &command, const std::string &source,
                                      const std::string &output, const std::string &stem) {
        command.insert(command.end(), {"-MMD", "-MT", "dependencies", "-MF", stem + ".d", "--serialize-diagnostics",
                                       stem + ".dia", "-c", source, "-o", output});
    }

    XAClangArguments &clang() {
        if (!clang_) {
            clang_.emplace(settings_);
        }
        return *clang_;
    }

    void planSources(const XAProjectBuildPhase &phase) {
        struct Compilation {
            std::string source;
            XASourceLanguage language;
            std::string compilerFlags;
        };
        std::vector<Compilation> compilations;
        std::map<std::string, int> stemCounts;
        for (const XASourceBuildFile &buildFile : sourceBuildFiles(phase)) {
            std::optional<XASourceLanguage> language =
                XASourceLanguageForFile(fileType(*buildFile.file), buildFile.file->name());
            std::optional<std::string> source = language ? diskPath(*buildFile.file) : std::nullopt;
            if (source) {
                ++stemCounts[xa_stringByDeletingPathExtension(xa_lastPathComponent(*source))];
                compilations.push_back({*source, *language, buildFile.compilerFlags});
            }
        }
        const std::string objectFolder = setting("OBJECT_FILE_DIR_normal") + "/" + clang().architecture();
        for (const Compilation &compilation : compilations) {
            std::string stem = xa_stringByDeletingPathExtension(xa_lastPathComponent(compilation.source));
            if (stemCounts[stem] > 1) {
                stem += "-" + xa_SHA1Hash(compilation.source).substr(0, 8); // files of one name in several folders
            }
            planCompilation(compilation.source, compilation.language, compilation.compilerFlags,
                            objectFolder + "/" + stem);
        }
    }

    // The file's COMPILER_FLAGS: split first, then expanded word by word, so that a setting whose value holds a
    // blank stays one argument.
    std::vector<std::string> fileFlags(const std::string &compilerFlags) {
        std::vector<std::string> flags = XABuildSettingWords(compilerFlags);
        for (std::string &flag : flags) {
            if (flag.find('$') != std::string::npos) {
                flag = expander().expand(flag);
            }
        }
        return flags;
    }

    void planCompilation(const std::string &source, XASourceLanguage language, const std::string &compilerFlags,
                         const std::string &objectStem) {
        inputExists(source);
        const std::vector<std::string> flags = fileFlags(compilerFlags);
        std::optional<XAPrecompiledHeader> header = precompiledHeader(language, flags);
        const std::vector<std::string> &arguments = clang().languageArguments(language, false);
        std::vector<std::string> command;
        command.reserve(arguments.size() + 24);
        command.push_back(clang().compilerPath());
        command.insert(command.end(), arguments.begin(), arguments.end());
        if (header) {
            command.insert(command.end(), {"-include", header->includePath});
        } else if (!setting("GCC_PREFIX_HEADER").empty()) {
            command.insert(command.end(), {"-include", prefixHeaderPath()});
        }
        command.insert(command.end(), flags.begin(), flags.end());
        const std::string object = objectStem + ".o";
        appendOutputArguments(command, source, object, objectStem);
        addStep({"CompileC", object, source, "normal", clang().architecture(), XALanguageDialectName(language),
                 kCompilerIdentifier},
                std::move(command));
    }

    // ---- Resources ----

    std::vector<std::string> interfaceBuilderDevices() const {
        if (setting("PLATFORM_NAME") == "macosx") {
            return {"--target-device", "mac"};
        }
        std::vector<std::string> devices;
        for (const std::string &family : xa_componentsSeparatedByString(setting("TARGETED_DEVICE_FAMILY"), ",")) {
            const std::string trimmed = xa_trimmed(family);
            if (trimmed == "1" || trimmed == "2") {
                devices.insert(devices.end(), {"--target-device", trimmed == "1" ? "iphone" : "ipad"});
            }
        }
        return devices;
    }

    std::string deploymentTarget() const { return setting(setting("DEPLOYMENT_TARGET_SETTING_NAME")); }

    std::vector<std::pair<std::string, std::string>> interfaceBuilderEnvironment() const {
        return {{"XCODE_DEVELOPER_USR_PATH", setting("DEVELOPER_DIR") + "/usr/bin/.."}};
    }

    void planResources(const XAProjectBuildPhase &phase) {
        for (const auto &file : phase.phaseFiles()) {
            std::optional<std::string> source = diskPath(*file);
            if (!source) {
                continue;
            }
            inputExists(*source);
            const std::string resourcePath = file->pathAsResource().value_or(file->name());
            const std::string extension = xa_pathExtension(*source);
            const std::string type = fileType(*file).value_or("");
            if (extension == "xib" || type == "file.xib") {
                planInterfaceFile(
                    "CompileXIB", *source,
                    xa_stringByAppendingPathExtension(xa_stringByDeletingPathExtension(resourcePath), "nib"));
            } else if (extension == "storyboard" || type == "file.storyboard") {
                planInterfaceFile(
                    "CompileStoryboard", *source,
                    xa_stringByAppendingPathExtension(xa_stringByDeletingPathExtension(resourcePath), "storyboardc"));
            } else if (extension == "xcassets" || type == "folder.assetcatalog") {
                planAssetCatalog(*source);
            } else if (extension == "strings" || type == "text.plist.strings") {
                planStringsFile(*source, resourcesFolder() + "/" + resourcePath);
            } else {
                const std::string destination = resourcesFolder() + "/" + resourcePath;
                XAStandInBuildStep &step =
                    addStep({"CpResource", pathFromProjectFolder(*source), destination},
                            {"builtin-copy", "-exclude", ".DS_Store", "-exclude", "CVS", "-exclude", ".svn", "-exclude",
                             ".git", "-exclude", ".hg", "-resolve-src-symlinks", *source,
                             xa_stringByDeletingLastPathComponent(destination)});
                step.effect = XAProductEffect::Copy;
                step.source = *source;
                step.destination = destination;
            }
        }
    }

    void planInterfaceFile(const char *stepName, const std::string &source, const std::string &resourcePath) {
        const std::string output = resourcesFolder() + "/" + resourcePath;
        std::vector<std::string> command{setting("DEVELOPER_DIR") + "/usr/bin/ibtool",
                                         "--errors",
                                         "--warnings",
                                         "--notices",
                                         "--module",
                                         setting("PRODUCT_MODULE_NAME")};
        for (std::string &device : interfaceBuilderDevices()) {
            command.push_back(std::move(device));
        }
        if (const std::string minimum = deploymentTarget(); !minimum.empty()) {
            command.insert(command.end(), {"--minimum-deployment-target", minimum});
        }
        command.insert(command.end(), {"--output-format", "human-readable-text", "--compile", output, source});
        XAStandInBuildStep &step = addStep({stepName, source}, std::move(command), interfaceBuilderEnvironment());
        step.effect = std::string_view(stepName) == "CompileXIB" ? XAProductEffect::PlaceholderFile
                                                                 : XAProductEffect::PlaceholderFolder;
        step.destination = output;
    }

    void planAssetCatalog(const std::string &source) {
        const std::string output = resourcesFolder();
        std::vector<std::string> command{setting("DEVELOPER_DIR") + "/usr/bin/actool",
                                         "--output-format",
                                         "human-readable-text",
                                         "--notices",
                                         "--warnings",
                                         "--output-partial-info-plist",
                                         setting("TARGET_TEMP_DIR") + "/assetcatalog_generated_info.plist"};
        if (const std::string icon = setting("ASSETCATALOG_COMPILER_APPICON_NAME"); !icon.empty()) {
            command.insert(command.end(), {"--app-icon", icon});
        }
        for (std::string &device : interfaceBuilderDevices()) {
            command.push_back(std::move(device));
        }
        if (const std::string minimum = deploymentTarget(); !minimum.empty()) {
            command.insert(command.end(), {"--minimum-deployment-target", minimum});
        }
        command.insert(command.end(), {"--platform", setting("PLATFORM_NAME"), "--compile", output, source});
        XAStandInBuildStep &step =
            addStep({"CompileAssetCatalog", output, source}, std::move(command), interfaceBuilderEnvironment());
        step.effect = XAProductEffect::PlaceholderFile;
        step.destination = output + "/Assets.car";
    }

    void planStringsFile(const std::string &source, const std::string &destination) {
        XAStandInBuildStep &step =
            addStep({"CopyStringsFile", destination, pathFromProjectFolder(source)},
                    {"builtin-copyStrings", "--validate", "--inputencoding", "utf-8", "--outputencoding", "binary",
                     "--outdir", xa_stringByDeletingLastPathComponent(destination), "--", source});
        step.effect = XAProductEffect::Copy;
        step.source = source;
        step.destination = destination;
    }

    // ---- Scripts ----

    void planScript(const XAProjectBuildPhase &phase) {
        const XAValue *own = phase.pbx_ownObject();
        const std::string *installOnly = own ? own->stringForKey("runOnlyForDeploymentPostprocessing") : nullptr;
        if (installOnly && *installOnly == "1") {
            return;
        }
        for (const std::string &input : phase.inputPaths()) {
            inputExists(absolutePath(input));
        }
        const std::string *name = own ? own->stringForKey("name") : nullptr;
        const std::string script = setting("TARGET_TEMP_DIR") + "/Script-" + phase.objectID().value_or("") + ".sh";
        std::vector<std::pair<std::string, std::string>> environment(settings_.begin(), settings_.end());
        addStep({"PhaseScriptExecution", name && !name->empty() ? *name : "Run Script", script},
                {"/bin/sh", "-c", script}, std::move(environment));
    }

    const XAStandInProject &project_;
    const XAProjectTarget &target_;
    std::map<std::string, std::string> settings_;
    XAStandInTargetBuild build_;
    std::optional<XAClangArguments> clang_;
    std::optional<XABuildSettingsResolver> expander_;
    std::map<std::pair<XASourceLanguage, std::vector<std::string>>, XAPrecompiledHeader> precompiledHeaders_;
    std::optional<std::string> prefixHeaderToPrecompile_;
    std::set<std::string> scriptOutputs_;     // what the target's script phases write, as absolute paths
    std::set<std::string> publicHeaderNames_; // the names of a framework's public headers
    std::set<std::string> frameworkFolders_;  // the folders of a framework that its headers or module map go to
};

} // namespace

XAStandInTargetBuild XAPlanTargetBuild(const XAStandInProject &project, const XAProjectTarget &target,
                                       const XATargetBuildSettingsInput &input) {
    return XATargetPlanner(project, target, input).plan();
}
