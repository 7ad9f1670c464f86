#pragma once

#include "core/XAValue.h"

#include <map>
#include <memory>
#include <string>

class XAProjectFile;

// The shared record behind every handle of one loaded project: the parsed project file and the
// file-reference maps built from it. Never changed after the load that made it.
struct XAProjectData {
    // Path of the `.xcodeproj` bundle as the user gave it.
    std::string xcodeprojPath;
    // The whole parsed `project.pbxproj`.
    std::shared_ptr<const XAValue> projectDict;
    // Object identifier to file, for every file reference reachable from the main or products group.
    std::map<std::string, std::shared_ptr<XAProjectFile>> fileReferenceObjects;
    // Standardised disk path to file, over the same files.
    std::map<std::string, std::shared_ptr<XAProjectFile>> fileReferenceObjectsByStandardizedPath;
};

// Looks up a dotted key path ("attributes.ORGANIZATIONNAME") step by step; a missing step gives null.
const XAValue *xa_objectWithPath(const XAValue &dictionary, std::string_view keyPath);
