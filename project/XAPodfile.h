#pragma once

#include <optional>
#include <string>

// A CocoaPods "Podfile", read when it is made. Only its "workspace" statement is read.
class XAPodfile {
public:
    // Reads the file at once; a file that cannot be read is logged and names no workspace.
    explicit XAPodfile(std::string path);

    const std::string &path() const { return path_; }
    // The name of the last `workspace` statement, one pair of surrounding quotes removed. Words are split at blanks
    // and tabs, so a name with a blank in it is taken whole only in double quotes.
    const std::optional<std::string> &workspaceName() const { return workspaceName_; }

private:
    void parseAndStoreInfo();

    std::string path_;
    std::optional<std::string> workspaceName_;
};
