#include "ruledriver/XARuleCaseProject.h"

#include "core/XAOpenStepReader.h"
#include "core/XAOpenStepWriter.h"
#include "core/XAPaths.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, std::string> kFileTypesByExtension = {
    {"m", "sourcecode.c.objc"},       {"mm", "sourcecode.cpp.objcpp"}, {"c", "sourcecode.c.c"},
    {"cpp", "sourcecode.cpp.cpp"},    {"h", "sourcecode.c.h"},         {"hpp", "sourcecode.cpp.h"},
    {"pch", "sourcecode.c.h"},        {"swift", "sourcecode.swift"},   {"xib", "file.xib"},
    {"storyboard", "file.storyboard"}};

bool isCompiled(const std::string &name) {
    const std::string extension = xa_pathExtension(name);
    return extension == "m" || extension == "mm" || extension == "c" || extension == "cpp" || extension == "swift";
}

// Interface files are copied into the product as resources.
bool isResource(const std::string &name) {
    const std::string extension = xa_pathExtension(name);
    return extension == "xib" || extension == "storyboard";
}

// The objects of a project file, edited in place, with fresh identifiers for new objects.
class ProjectObjects {
public:
    explicit ProjectObjects(XAValue &root)
        : root_(root), objects_(root.mutableDictionary()->getMutable("objects")->mutableDictionary()) {}

    XADictionary *object(const std::string &identifier) {
        XAValue *value = objects_->getMutable(identifier);
        return value ? value->mutableDictionary() : nullptr;
    }
    XADictionary *rootProject() {
        const std::string *identifier = root_.stringForKey("rootObject");
        return identifier ? object(*identifier) : nullptr;
    }
    std::string add(XADictionary object) {
        std::string identifier;
        do {
            char text[25];
            std::snprintf(text, sizeof text, "CA5E%020X", nextIdentifier_++);
            identifier = text;
        } while (objects_->contains(identifier));
        objects_->set(identifier, XAValue(std::move(object)));
        return identifier;
    }
    // The objects an array entry of `owner` names, in order.
    std::vector<std::string> identifiers(const XADictionary &owner, std::string_view key) {
        std::vector<std::string> found;
        const XAValue *array = owner.get(key);
        if (array && array->array()) {
            for (const XAValue &entry : *array->array()) {
                if (entry.string()) {
                    found.push_back(*entry.string());
                }
            }
        }
        return found;
    }
    static void append(XADictionary &owner, const std::string &key, const std::string &identifier) {
        if (!owner.get(key) || !owner.get(key)->array()) {
            owner.set(key, XAValue(XAValue::Array{}));
        }
        owner.getMutable(key)->mutableArray()->push_back(XAValue(identifier));
    }

private:
    XAValue &root_;
    XADictionary *objects_;
    unsigned nextIdentifier_ = 1;
};

std::optional<std::string> appTarget(ProjectObjects &objects, XADictionary &project) {
    for (const std::string &identifier : objects.identifiers(project, "targets")) {
        const XADictionary *target = objects.object(identifier);
        const XAValue *type = target ? target->get("productType") : nullptr;
        if (type && type->string() && *type->string() == "com.apple.product-type.application") {
            return identifier;
        }
    }
    return std::nullopt;
}

// The target's build phase of the kind, added when it has none.
std::string buildPhase(ProjectObjects &objects, XADictionary &target, const std::string &isa) {
    for (const std::string &phase : objects.identifiers(target, "buildPhases")) {
        const XAValue *phaseIsa = objects.object(phase)->get("isa");
        if (phaseIsa && phaseIsa->string() && *phaseIsa->string() == isa) {
            return phase;
        }
    }
    const std::string phase = objects.add({{"isa", XAValue(isa)}, {"files", XAValue(XAValue::Array{})}});
    ProjectObjects::append(target, "buildPhases", phase);
    return phase;
}

void addCaseFiles(ProjectObjects &objects, XADictionary &project, XADictionary &target, const XARuleCase &ruleCase) {
    XADictionary group{{"isa", XAValue("PBXGroup")},
                       {"children", XAValue(XAValue::Array{})},
                       {"path", XAValue(kXARuleCaseFilesFolder)},
                       {"sourceTree", XAValue("SOURCE_ROOT")}};
    for (const XARuleCaseSourceFile &file : ruleCase.files) {
        const auto type = kFileTypesByExtension.find(xa_pathExtension(file.name));
        const std::string reference =
            objects.add({{"isa", XAValue("PBXFileReference")},
                         {"lastKnownFileType", XAValue(type == kFileTypesByExtension.end() ? "text" : type->second)},
                         {"path", XAValue(file.name)},
                         {"sourceTree", XAValue("<group>")}});
        ProjectObjects::append(group, "children", reference);
        if (isCompiled(file.name) || isResource(file.name)) {
            const std::string phase =
                buildPhase(objects, target, isCompiled(file.name) ? "PBXSourcesBuildPhase" : "PBXResourcesBuildPhase");
            const std::string buildFile =
                objects.add({{"isa", XAValue("PBXBuildFile")}, {"fileRef", XAValue(reference)}});
            ProjectObjects::append(*objects.object(phase), "files", buildFile);
        }
    }
    const std::string *mainGroup = project.get("mainGroup") ? project.get("mainGroup")->string() : nullptr;
    ProjectObjects::append(*objects.object(*mainGroup), "children", objects.add(std::move(group)));
}

const XAValue *buildSetting(ProjectObjects &objects, const XADictionary &owner, const std::string &configurationName,
                            const char *key) {
    const std::string *list = owner.get("buildConfigurationList")->string();
    for (const std::string &identifier : objects.identifiers(*objects.object(*list), "buildConfigurations")) {
        const XADictionary &configuration = *objects.object(identifier);
        const XAValue *settings = configuration.get("buildSettings");
        if (*configuration.get("name") == XAValue(configurationName) && settings && settings->get(key)) {
            return settings->get(key);
        }
    }
    return nullptr;
}

// Whether a configuration builds for macOS: the case's platform, else the SDK the target or the project names.
bool buildsForMacOS(ProjectObjects &objects, const XADictionary &project, const XADictionary &target,
                    const std::string &configurationName, const XADictionary &facts) {
    const XAValue *platform = facts.get("platform");
    if (!platform) {
        platform = buildSetting(objects, target, configurationName, "SDKROOT");
    }
    if (!platform) {
        platform = buildSetting(objects, project, configurationName, "SDKROOT");
    }
    return platform && platform->string() && *platform->string() == "macosx";
}

// Writes the facts into every build configuration of the target; false with a problem when the configuration the
// case names does not exist.
bool writeFacts(ProjectObjects &objects, XADictionary &project, XADictionary &target, const XADictionary &facts,
                std::vector<std::string> &problems) {
    if (const XAValue *prefix = facts.get("classPrefix")) {
        if (!project.get("attributes") || !project.get("attributes")->dictionary()) {
            project.set("attributes", XAValue(XADictionary{}));
        }
        project.getMutable("attributes")->mutableDictionary()->set("CLASSPREFIX", *prefix);
    }
    const XAValue *configurationName = facts.get("configuration");
    bool configurationFound = configurationName == nullptr;
    const std::string *list = target.get("buildConfigurationList")->string();
    for (const std::string &identifier : objects.identifiers(*objects.object(*list), "buildConfigurations")) {
        XADictionary &configuration = *objects.object(identifier);
        const std::string name = configuration.get("name")->string() ? *configuration.get("name")->string() : "";
        configurationFound = configurationFound || XAValue(name) == *configurationName;
        const bool macOS = buildsForMacOS(objects, project, target, name, facts);
        if (!configuration.get("buildSettings")) {
            configuration.set("buildSettings", XAValue(XADictionary{}));
        }
        XADictionary &settings = *configuration.getMutable("buildSettings")->mutableDictionary();
        if (const XAValue *platform = facts.get("platform")) {
            settings.set("SDKROOT", *platform);
        }
        if (const XAValue *version = facts.get("deploymentTarget")) {
            settings.set(macOS ? "MACOSX_DEPLOYMENT_TARGET" : "IPHONEOS_DEPLOYMENT_TARGET", *version);
        }
        if (const XAValue *arc = facts.get("arc")) {
            settings.set("CLANG_ENABLE_OBJC_ARC", XAValue(arc->boolean().value_or(false) ? "YES" : "NO"));
        }
        if (const XAValue *modules = facts.get("modules")) {
            settings.set("CLANG_ENABLE_MODULES", XAValue(modules->boolean().value_or(false) ? "YES" : "NO"));
        }
    }
    if (!configurationFound) {
        problems.push_back("the project has no build configuration named " + *configurationName->string());
    }
    return configurationFound;
}

// Gives the project the name the case names: the .xcodeproj bundle is renamed. True when nothing is to be done.
bool renameProject(XARuleCaseProject &made, const XADictionary &facts, std::vector<std::string> &problems) {
    const XAValue *name = facts.get("name");
    if (!name || !name->string()) {
        return true;
    }
    const std::string renamed = xa_stringByAppendingPathComponent(made.folder, *name->string() + ".xcodeproj");
    std::error_code error;
    if (renamed != made.xcodeprojPath) {
        fs::rename(made.xcodeprojPath, renamed, error);
    }
    if (error) {
        problems.push_back("cannot name the project " + *name->string() + ": " + error.message());
        return false;
    }
    made.xcodeprojPath = renamed;
    return true;
}

std::optional<std::string> xcodeprojIn(const std::string &folder) {
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".xcodeproj") {
            return entry.path().string();
        }
    }
    return std::nullopt;
}

} // namespace

bool XALayBuiltFixtureFilesOver(const std::string &fixture, const std::string &folder, std::string &problem) {
    const std::string built = xa_stringByAppendingPathComponent(TESSARY_BUILT_FIXTURES_DIR, fixture);
    std::error_code error;
    if (!fs::is_directory(built, error)) {
        return true;
    }
    // Symbolic links stay links, as a framework's do in a real bundle.
    fs::copy(built, folder,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing | fs::copy_options::copy_symlinks,
             error);
    if (error) {
        problem = "cannot copy the built files of the fixture " + fixture + ": " + error.message();
    }
    return !error;
}

std::optional<XARuleCaseProject> XAMakeRuleCaseProject(const XARuleCase &ruleCase, const std::string &scratchFolder,
                                                       const std::string &fixturesFolder,
                                                       std::vector<std::string> &problems) {
    const std::string fixture = ruleCase.fixture.value_or("RuleCase");
    const std::string source = xa_stringByAppendingPathComponent(fixturesFolder, fixture);
    XARuleCaseProject made;
    made.folder = xa_stringByAppendingPathComponent(scratchFolder, xa_lastPathComponent(fixture));
    std::error_code error;
    fs::copy(source, made.folder, fs::copy_options::recursive, error);
    const std::optional<std::string> xcodeproj = error ? std::nullopt : xcodeprojIn(made.folder);
    if (!xcodeproj) {
        problems.push_back("cannot copy the fixture project " + source + (error ? ": " + error.message() : ""));
        return std::nullopt;
    }
    if (std::string problem; !XALayBuiltFixtureFilesOver(fixture, made.folder, problem)) {
        problems.push_back(problem);
        return std::nullopt;
    }
    made.xcodeprojPath = *xcodeproj;
    if (!renameProject(made, ruleCase.projectFacts, problems)) {
        return std::nullopt;
    }
    const std::string pbxproj = made.xcodeprojPath + "/project.pbxproj";
    XAError readError;
    std::optional<std::string> text = XAContentsOfFile(pbxproj, &readError);
    std::optional<XAValue> root =
        text ? XAOpenStepReader::read(*text, pbxproj, XAOpenStepReadMode::PropertyList, &readError) : std::nullopt;
    if (!root || !root->dictionary() || !root->get("objects")) {
        problems.push_back("cannot read the project file: " + readError.message);
        return std::nullopt;
    }
    ProjectObjects objects(*root);
    XADictionary *project = objects.rootProject();
    const std::optional<std::string> target = project ? appTarget(objects, *project) : std::nullopt;
    if (!target) {
        problems.push_back("the project " + fixture + " has no application target");
        return std::nullopt;
    }
    addCaseFiles(objects, *project, *objects.object(*target), ruleCase);
    if (!writeFacts(objects, *project, *objects.object(*target), ruleCase.projectFacts, problems)) {
        return std::nullopt;
    }
    if (const XAValue *configuration = ruleCase.projectFacts.get("configuration")) {
        made.configurationName = *configuration->string();
    }
    const std::optional<std::string> written = XAOpenStepWriter::write(*root, &readError);
    const std::string caseFolder = xa_stringByAppendingPathComponent(made.folder, kXARuleCaseFilesFolder);
    bool saved = written && XAWriteFileAtomically(pbxproj, "// !$*UTF8*$!\n" + *written, &readError);
    for (const XARuleCaseSourceFile &file : ruleCase.files) {
        const std::string path = xa_stringByAppendingPathComponent(caseFolder, file.name);
        fs::create_directories(xa_stringByDeletingLastPathComponent(path), error);
        saved = saved && XAWriteFileAtomically(path, file.text, &readError);
    }
    if (!saved) {
        problems.push_back("cannot write the case's project: " + readError.message);
        return std::nullopt;
    }
    return made;
}
