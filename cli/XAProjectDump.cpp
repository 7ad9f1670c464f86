// Prints the targets, build phases and file tree of an Xcode project, read through the project
// file's object graph. The command line proper replaces this tool once the checker runs.
#include "core/XAError.h"
#include "project/XAPbxprojElement.h"
#include "project/XAPbxprojReader.h"

#include <cstdio>
#include <string>

namespace {

std::string stringOf(const XAValue *object, std::string_view key, const std::string &fallback = "") {
    const std::string *text = object ? object->stringForKey(key) : nullptr;
    return text ? *text : fallback;
}

// The name Xcode shows for a file or group: its "name", else its "path".
std::string displayName(const XAValue *object) {
    return stringOf(object, "name", stringOf(object, "path", "(unnamed)"));
}

void printGroup(const XAPbxprojElement &group, int depth) {
    const XAValue *object = group.pbx_ownObject();
    for (const auto &child : group.pbx_elementsOfClass<XAPbxprojElement>(object ? object->get("children") : nullptr)) {
        const XAValue *childObject = child->pbx_ownObject();
        const std::string isa = stringOf(childObject, "isa", "(missing object)");
        std::printf("%*s%s  [%s]\n", depth * 2, "", displayName(childObject).c_str(), isa.c_str());
        if (isa == "PBXGroup" || isa == "PBXVariantGroup" || isa == "XCVersionGroup") {
            printGroup(*child, depth + 1);
        }
    }
}

void printTarget(const XAPbxprojElement &target) {
    const XAValue *object = target.pbx_ownObject();
    std::printf("Target %s (%s)\n", stringOf(object, "name").c_str(),
                stringOf(object, "productType", "no product type").c_str());
    for (const auto &phase :
         target.pbx_elementsOfClass<XAPbxprojElement>(object ? object->get("buildPhases") : nullptr)) {
        const XAValue *phaseObject = phase->pbx_ownObject();
        std::printf("  %s\n", stringOf(phaseObject, "isa", "(missing build phase)").c_str());
        auto files = phase->pbx_elementsOfClass<XAPbxprojElement>(phaseObject ? phaseObject->get("files") : nullptr);
        for (const auto &buildFile : files) {
            const std::string fileRef = stringOf(buildFile->pbx_ownObject(), "fileRef");
            std::printf("    %s\n", displayName(target.pbx_dictForID(fileRef)).c_str());
        }
    }
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROJECT.xcodeproj\n", argv[0]);
        return 64;
    }
    const std::string xcodeprojPath = argv[1];
    XAError error;
    auto projectDict = XAReadPbxproj(xcodeprojPath + "/project.pbxproj", &error);
    if (!projectDict) {
        std::fprintf(stderr, "error: %s\n", error.message.c_str());
        return 2;
    }
    auto data = std::make_shared<XAProjectData>();
    data->xcodeprojPath = xcodeprojPath;
    data->projectDict = projectDict;

    XAPbxprojElement project(*projectDict->stringForKey("rootObject"), data);
    const XAValue *root = project.pbx_ownObject();
    std::printf("Project %s (object version %s, organization \"%s\", class prefix %s)\n\n", xcodeprojPath.c_str(),
                stringOf(projectDict.get(), "objectVersion", "?").c_str(),
                stringOf(xa_objectWithPath(*root, "attributes"), "ORGANIZATIONNAME").c_str(),
                stringOf(xa_objectWithPath(*root, "attributes"), "CLASSPREFIX", "(none)").c_str());
    for (const auto &target : project.pbx_elementsOfClass<XAPbxprojElement>(root->get("targets"))) {
        printTarget(*target);
        std::printf("\n");
    }
    std::printf("Files\n");
    XAPbxprojElement mainGroup(stringOf(root, "mainGroup"), data);
    printGroup(mainGroup, 1);
    return 0;
}
