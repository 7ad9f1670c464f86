#include "project/XAPbxprojReader.h"

#include "core/XAPropertyList.h"

std::shared_ptr<const XAValue> XAReadPbxproj(const std::string &pbxprojPath, XAError *error) {
    XAError readError;
    std::optional<XAValue> contents = XAPropertyListFromFile(pbxprojPath, &readError);
    if (!contents) {
        if (error) {
            *error = readError;
        }
        return nullptr;
    }
    if (!contents->isDictionary()) {
        XASetError(error, pbxprojPath + ": the project file is not a dictionary at its top level");
        return nullptr;
    }
    const XAValue *objects = contents->get("objects");
    if (!objects || !objects->isDictionary()) {
        XASetError(error, pbxprojPath + ": the project file has no \"objects\" dictionary");
        return nullptr;
    }
    const std::string *rootID = contents->stringForKey("rootObject");
    if (!rootID) {
        XASetError(error, pbxprojPath + ": the project file has no \"rootObject\"");
        return nullptr;
    }
    if (!objects->get(*rootID)) {
        XASetError(error, pbxprojPath + ": the project file's \"rootObject\" " + *rootID + " is not among its objects");
        return nullptr;
    }
    return std::make_shared<const XAValue>(std::move(*contents));
}
