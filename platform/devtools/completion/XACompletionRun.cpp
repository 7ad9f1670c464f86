#include "platform/devtools/completion/XACompletionRun.h"

#include "core/XAParallelFor.h"
#include "platform/devtools/completion/XACompletionArguments.h"
#include "platform/devtools/completion/XACompletionFileAnalysis.h"
#include "platform/devtools/completion/XACompletionPreambles.h"
#include "platform/devtools/completion/XASDKHeaderNames.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

struct XAFileState {
    XAFileFindings findings;
    bool failedAtFirst = false;
};

std::string sdkRootOf(const std::vector<std::string> &arguments) {
    for (std::size_t index = 0; index + 1 < arguments.size(); ++index) {
        if (arguments[index] == "-isysroot") {
            return arguments[index + 1];
        }
    }
    return "";
}

bool writeFile(const std::filesystem::path &path, const std::string &text) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream << text;
    return static_cast<bool>(stream);
}

std::vector<std::string> identifiersIn(const std::string &type) {
    std::vector<std::string> names;
    std::string name;
    for (char c : type + " ") {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            name.push_back(c);
        } else if (!name.empty()) {
            names.push_back(name);
            name.clear();
        }
    }
    return names;
}

class XACompletion {
public:
    explicit XACompletion(const XACompletionJob &job)
        : job_(job), folder_(job.outputFolder), headerPath_((folder_ / "SDKCompletion.h").string()),
          overlayPath_((folder_ / "overlay.yaml").string()),
          modulesOverlayPath_((folder_ / "modules-overlay.yaml").string()), states_(job.compilations.size()),
          preambles_(folder_ / "Preambles") {}

    XACompletionOutcome run() {
        const auto start = std::chrono::steady_clock::now();
        std::vector<std::size_t> all(states_.size());
        for (std::size_t index = 0; index < all.size(); ++index) {
            all[index] = index;
        }
        parse(all, false);
        std::vector<std::size_t> failing;
        for (std::size_t index : all) {
            collectNames(states_[index].findings);
            states_[index].failedAtFirst = states_[index].findings.hasErrors;
            if (needsCompletion(states_[index])) {
                failing.push_back(index);
            }
        }
        int rounds = 0;
        while (!failing.empty() && rounds < job_.maximumRounds && merge(failing)) {
            ++rounds;
            writeOutputs();
            parse(failing, true);
            std::vector<std::size_t> still;
            for (std::size_t index : failing) {
                if (needsCompletion(states_[index])) {
                    still.push_back(index);
                }
            }
            failing = std::move(still);
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return outcome(rounds, seconds);
    }

private:
    static bool needsCompletion(const XAFileState &state) {
        return state.findings.hasErrors && !state.findings.blockingHeader;
    }

    void collectNames(const XAFileFindings &findings) {
        projectNames_.insert(findings.projectNames.begin(), findings.projectNames.end());
        sdkNames_.insert(findings.sdkNames.begin(), findings.sdkNames.end());
    }

    std::vector<std::string> completionArguments() const {
        std::vector<std::string> arguments;
        if (!declarations_.headers().empty()) {
            arguments.insert(arguments.end(), {"-ivfsoverlay", overlayPath_, "-Wno-incomplete-umbrella"});
        }
        if (!projectModuleMaps_.empty()) {
            arguments.insert(arguments.end(), {"-ivfsoverlay", modulesOverlayPath_});
        }
        arguments.insert(arguments.end(), {"-include", headerPath_});
        return arguments;
    }

    XAParseRequest requestOf(const XACompletionCompilation &compilation, const std::vector<std::string> &extra,
                             const std::string &headerText) const {
        std::vector<std::string> arguments = XACompletionParseArguments(compilation);
        arguments.insert(arguments.end(), {"-fno-spell-checking", "-ferror-limit=0", "-w"});
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return {compilation.source,
                std::move(arguments),
                {compilation.objectiveC, sdkRootOf(compilation.arguments), headerPath_, headerText}};
    }

    void parse(const std::vector<std::size_t> &files, bool completed) {
        const std::vector<std::string> extra = completed ? completionArguments() : std::vector<std::string>{};
        const std::string headerText = completed ? headerText_ : "";
        std::vector<XAParseRequest> requests;
        for (std::size_t index : files) {
            requests.push_back(requestOf(job_.compilations[index], extra, headerText));
        }
        const std::vector<const XAPreamble *> preambles = preambles_.prepare(requests);
        XAParallelFor(files.size(), [&](std::size_t position) {
            XAParseRequest &request = requests[position];
            if (preambles[position]) {
                request.arguments = XAArgumentsWithPreamble(request.arguments, *preambles[position]);
                request.context.preamble = &preambles[position]->findings;
            }
            std::vector<const char *> pointers;
            for (const std::string &argument : request.arguments) {
                pointers.push_back(argument.c_str());
            }
            CXIndex index = clang_createIndex(0, 0);
            CXTranslationUnit unit = nullptr;
            clang_parseTranslationUnit2(index, request.source.c_str(), pointers.data(),
                                        static_cast<int>(pointers.size()), nullptr, 0, CXTranslationUnit_KeepGoing,
                                        &unit);
            XAFileFindings findings;
            if (unit) {
                findings = XAAnalyseTranslationUnit(unit, request.context);
                findings.classes.clear(); // needed only while the parse is read
                findings.declaringFiles.clear();
                clang_disposeTranslationUnit(unit);
            } else {
                findings.hasErrors = true;
                findings.blockingHeader = "";
            }
            clang_disposeIndex(index);
            states_[files[position]].findings = std::move(findings);
        });
        for (const XAPreamble *preamble : std::set<const XAPreamble *>(preambles.begin(), preambles.end())) {
            if (preamble) {
                collectNames(preamble->findings);
            }
        }
    }

    bool usable(const XACompletionUse &use) const {
        if (use.kind == XACompletionUse::Kind::Header || use.kind == XACompletionUse::Kind::Method) {
            return true;
        }
        return !projectNames_.count(use.name) && !sdkNames_.count(use.name);
    }

    bool usableType(const std::string &type) const {
        for (const std::string &name : identifiersIn(type)) {
            if (projectNames_.count(name)) {
                return false;
            }
        }
        return true;
    }

    // The generated header comes before the project's own headers, so a method's types never name what the project
    // declares: an object pointer is `id` instead, anything else an integer.
    XACompletionUse withoutProjectTypes(const XACompletionUse &use) const {
        XACompletionUse usable = use;
        if (usable.method) {
            auto replace = [this](std::string &type) {
                if (!usableType(type)) {
                    type = type.find('*') != std::string::npos ? "id" : "long";
                }
            };
            replace(usable.method->returnType);
            std::for_each(usable.method->parameterTypes.begin(), usable.method->parameterTypes.end(), replace);
        }
        return usable;
    }

    // Adds what the failing files ask for; false when nothing changed.
    bool merge(const std::vector<std::size_t> &failing) {
        bool changed = false;
        for (std::size_t index : failing) {
            const XAFileFindings &findings = states_[index].findings;
            for (const std::string &clash : findings.clashes) {
                changed = declarations_.drop(clash) || changed;
            }
            for (const std::string &value : findings.values) {
                changed = declarations_.markValue(value) || changed;
            }
            for (const auto &[name, bitFieldWidth] : findings.constantExpressions) {
                changed = declarations_.markConstantExpression(name, bitFieldWidth) || changed;
            }
            for (const std::string &module : findings.unbuiltModules) {
                changed = addProjectModule(module, job_.compilations[index].arguments) || changed;
            }
            for (const XACompletionUse &use : findings.uses) {
                // A name the SDK stand-in declares in a header the file does not reach: that header is imported.
                auto sdkName = use.kind == XACompletionUse::Kind::Method ? sdkNames_.end() : sdkNames_.find(use.name);
                if (sdkName != sdkNames_.end() && !sdkName->second.empty() &&
                    declarations_.addImport(sdkName->second)) {
                    changed = true;
                }
                if (usable(use) && declarations_.add(withoutProjectTypes(use))) {
                    changed = true;
                }
                if (usable(use)) {
                    namesByFile_[use.kind == XACompletionUse::Kind::Header ? XASDKHeaderSpelling(use.name) : use.name]
                        .insert(index);
                }
            }
        }
        for (std::size_t index : failing) {
            for (const XACompletionTypeNeed &need : states_[index].findings.typeNeeds) {
                if (usableType(need.type) && refine(need)) {
                    importHeadersOfType(need.type);
                    changed = true;
                }
            }
        }
        return changed;
    }

    // The generated header comes before the file's own imports: it imports the SDK headers that declare the types
    // its declarations name (NSBindingName from AppKit).
    void importHeadersOfType(const std::string &type) {
        for (const std::string &name : identifiersIn(type)) {
            auto declared = sdkNames_.find(name);
            if (declared != sdkNames_.end() && !declared->second.empty()) {
                declarations_.addImport(declared->second);
            }
        }
    }

    // The module map of a framework of the project (found through the -F folders) whose module failed to build.
    bool addProjectModule(const std::string &module, const std::vector<std::string> &arguments) {
        if (XAIsAppleFrameworkName(module)) {
            return false;
        }
        bool added = false;
        for (std::size_t index = 0; index < arguments.size(); ++index) {
            std::string folder = arguments[index].rfind("-F", 0) == 0 ? arguments[index].substr(2) : "";
            if (arguments[index] == "-F" && index + 1 < arguments.size()) {
                folder = arguments[index + 1];
            }
            const std::filesystem::path map =
                std::filesystem::path(folder) / (module + ".framework") / "Modules" / "module.modulemap";
            std::error_code error;
            if (!folder.empty() && std::filesystem::exists(map, error)) {
                added = projectModuleMaps_.insert(map.string()).second || added;
            }
        }
        return added;
    }

    bool refine(const XACompletionTypeNeed &need) {
        switch (need.target) {
        case XACompletionTypeNeed::Target::NameAtUse:
            return declarations_.refineType(need.name, need.type);
        case XACompletionTypeNeed::Target::MethodReturn:
            return declarations_.refineMethodReturn(need.name, need.type);
        case XACompletionTypeNeed::Target::MethodParameter:
            return declarations_.refineMethodParameter(need.name, need.parameterIndex, need.type);
        }
        return false;
    }

    void writeOutputs() {
        headerText_ = declarations_.headerText();
        writeFile(headerPath_, headerText_);
        if (!projectModuleMaps_.empty()) {
            const std::string empty = (folder_ / "empty.modulemap").string();
            writeFile(empty, "// A module map of the project read as empty: its headers are included as they are.\n");
            std::vector<std::pair<std::string, std::string>> files;
            for (const std::string &map : projectModuleMaps_) {
                files.emplace_back(map, empty);
            }
            writeFile(modulesOverlayPath_, overlayText(files));
        }
        if (declarations_.headers().empty()) {
            return;
        }
        // Every header the SDK lacks becomes an empty file of its own, laid into the SDK's folders by the overlay.
        std::map<std::string, std::vector<std::pair<std::string, std::string>>> folders;
        const std::string sdkRoot = job_.compilations.empty() ? "" : sdkRootOf(job_.compilations.front().arguments);
        std::vector<std::pair<std::string, std::string>> files;
        for (const std::string &header : declarations_.headers()) {
            const std::filesystem::path file = folder_ / "Headers" / header;
            writeFile(file, sdkFileText(header));
            files.emplace_back((std::filesystem::path(sdkRoot) / header).string(), file.string());
        }
        writeFile(overlayPath_, overlayText(files));
    }

    // An SDK file the stand-in lacks: a header is empty; a framework's module map has its umbrella header.
    static std::string sdkFileText(const std::string &path) {
        const std::size_t framework = path.find(".framework/Modules/module.modulemap");
        if (framework == std::string::npos) {
            return "// An SDK header the SDK stand-in lacks; what it declares is completed from use.\n";
        }
        const std::string name = std::filesystem::path(path.substr(0, framework)).filename().string();
        return "// A module the SDK stand-in lacks; what it declares is completed from use.\nframework module " + name +
               " {\n  umbrella header \"" + name + ".h\"\n  export *\n  module * { export * }\n}\n";
    }

    // A virtual file-system overlay that lays files (virtual path, file on disk) into their folders.
    static std::string overlayText(const std::vector<std::pair<std::string, std::string>> &files) {
        std::map<std::string, std::vector<std::pair<std::string, std::string>>> folders;
        for (const auto &[virtualPath, external] : files) {
            const std::filesystem::path path(virtualPath);
            folders[path.parent_path().string()].emplace_back(path.filename().string(), external);
        }
        nlohmann::json roots = nlohmann::json::array();
        for (const auto &[folder, contents] : folders) {
            nlohmann::json entries = nlohmann::json::array();
            for (const auto &[name, external] : contents) {
                entries.push_back({{"name", name}, {"type", "file"}, {"external-contents", external}});
            }
            roots.push_back({{"name", folder}, {"type", "directory"}, {"contents", entries}});
        }
        return nlohmann::json{{"version", 0}, {"use-external-names", false}, {"roots", roots}}.dump(1);
    }

    XACompletionOutcome outcome(int rounds, double seconds) {
        XACompletionOutcome outcome;
        std::size_t failedAtFirst = 0;
        std::size_t stillFailing = 0;
        std::size_t blocked = 0;
        for (std::size_t index = 0; index < states_.size(); ++index) {
            const XAFileState &state = states_[index];
            failedAtFirst += state.failedAtFirst ? 1 : 0;
            blocked += state.findings.blockingHeader ? 1 : 0;
            if (state.failedAtFirst && !state.findings.blockingHeader && !declarations_.empty()) {
                outcome.completedSources.insert(job_.compilations[index].source);
                stillFailing += state.findings.hasErrors ? 1 : 0;
            }
        }
        if (!outcome.completedSources.empty()) {
            outcome.arguments = completionArguments();
            if (!declarations_.headers().empty()) {
                outcome.targetArguments = {"-ivfsoverlay", overlayPath_};
                outcome.arguments.erase(outcome.arguments.begin(), outcome.arguments.begin() + 2);
            }
        }
        nlohmann::json names = nlohmann::json::object();
        for (const std::string &name : declarations_.completedNames()) {
            std::string key = name.front() == '<' ? name.substr(1, name.size() - 2) : name;
            if (const std::size_t blank = key.find(' ');
                key.size() > 2 && key[1] == '[' && blank != std::string::npos) {
                key = key.substr(blank + 1, key.size() - blank - 2); // "-[NSWindow foo:]": the selector
            }
            auto files = namesByFile_.find(key);
            names[name] = files == namesByFile_.end() ? 1 : files->second.size();
        }
        nlohmann::json record{{"files", states_.size()},
                              {"filesWithErrors", failedAtFirst},
                              {"filesCompleted", outcome.completedSources.size() - stillFailing},
                              {"filesStillFailing", stillFailing},
                              {"filesBlocked", blocked},
                              {"rounds", rounds},
                              {"seconds", seconds},
                              {"names", names}};
        writeFile(folder_ / "record.json", record.dump(1));
        return outcome;
    }

    const XACompletionJob &job_;
    std::filesystem::path folder_;
    std::string headerPath_;
    std::string overlayPath_;
    std::string modulesOverlayPath_;
    std::vector<XAFileState> states_;
    XACompletionPreambles preambles_;
    std::set<std::string> projectModuleMaps_; // module maps of the project's frameworks, read as empty
    std::set<std::string> projectNames_;
    std::map<std::string, std::string> sdkNames_;
    XACompletionDeclarations declarations_;
    std::string headerText_;
    std::map<std::string, std::set<std::size_t>> namesByFile_;
};

} // namespace

XACompletionOutcome XARunCompletion(const XACompletionJob &job) { return XACompletion(job).run(); }
