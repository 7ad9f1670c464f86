#include "project/XAPodfile.h"

#include "core/XALog.h"
#include "core/XAString.h"
#include "project/XAProjectFile.h"

XAPodfile::XAPodfile(std::string path) : path_(std::move(path)) { parseAndStoreInfo(); }

void XAPodfile::parseAndStoreInfo() {
    XAError error;
    std::optional<std::string> text = XATextOfFile(path_, &error);
    if (!text) {
        XALog(XALogLevelError, "Error reading CocoaPods podfile " + path_ + ": " + error.message);
        return;
    }
    for (const std::string &line : xa_lines(*text)) {
        const std::vector<std::string> words = xa_argumentLineColumns(xa_trimmed(line));
        if (words.size() >= 2 && words[0] == "workspace") {
            workspaceName_ = xa_stringByRemovingSurroundingQuotes(xa_trimmed(words[1]));
        }
    }
}
