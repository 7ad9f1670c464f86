#pragma once

// Small records that rules fill while they check code and read afterwards, also in the after-code phase when every
// translation unit is gone: so they hold names, paths and positions, never a cursor. Two records are the same only
// when they are the same object; they define no equality of their own.

#include "codemodel/clang/XACursorSnapshot.h"
#include "core/XAPair.h"

#include <optional>
#include <string>
#include <vector>

// A method implemented in a category, as the category-method conflict rule collects them.
class XACategoryMethodInfo {
public:
    // The class the category extends.
    const std::optional<std::string> &categoryClassName() const { return categoryClassName_; }
    const std::optional<std::string> &categoryName() const { return categoryName_; }
    // "-" or "+" followed by the selector.
    const std::optional<std::string> &methodName() const { return methodName_; }
    // The file of the method's cursor.
    const std::optional<std::string> &cursorFilePath() const { return cursorFilePath_; }
    // The start and end of the method's cursor; set by the rule that collects the methods.
    const std::optional<XAPair<XASourcePosition, XASourcePosition>> &cursorPositions() const {
        return cursorPositions_;
    }

    void setCategoryClassName(std::optional<std::string> value) { categoryClassName_ = std::move(value); }
    void setCategoryName(std::optional<std::string> value) { categoryName_ = std::move(value); }
    void setMethodName(std::optional<std::string> value) { methodName_ = std::move(value); }
    void setCursorFilePath(std::optional<std::string> value) { cursorFilePath_ = std::move(value); }
    void setCursorPositions(std::optional<XAPair<XASourcePosition, XASourcePosition>> value) {
        cursorPositions_ = std::move(value);
    }

private:
    std::optional<std::string> categoryClassName_;
    std::optional<std::string> categoryName_;
    std::optional<std::string> methodName_;
    std::optional<std::string> cursorFilePath_;
    std::optional<XAPair<XASourcePosition, XASourcePosition>> cursorPositions_;
};

// One inclusion: the file that holds the directive and the file it includes.
class XAInclusionInfo {
public:
    const std::optional<std::string> &includingFilePath() const { return includingFilePath_; }
    const std::optional<std::string> &includedFilePath() const { return includedFilePath_; }
    void setIncludingFilePath(std::optional<std::string> value) { includingFilePath_ = std::move(value); }
    void setIncludedFilePath(std::optional<std::string> value) { includedFilePath_ = std::move(value); }

private:
    std::optional<std::string> includingFilePath_;
    std::optional<std::string> includedFilePath_;
};

// One compiler warning option of the compiler-warnings rule's catalogue.
class XAWarningInfo {
public:
    // `languages` names the source languages the flag applies to ("objective-c", "objective-c++"); none means all.
    static XAWarningInfo infoWithFlag(std::string flag, std::optional<std::string> xcconfigKey,
                                      std::optional<std::string> xcodeName, std::string description,
                                      std::optional<std::vector<std::string>> languages = std::nullopt) {
        XAWarningInfo info;
        info.flag_ = std::move(flag);
        info.xcconfigKey_ = std::move(xcconfigKey);
        info.xcodeName_ = std::move(xcodeName);
        info.flagDescription_ = std::move(description);
        info.languages_ = std::move(languages);
        return info;
    }

    // "-Wshadow".
    const std::string &flag() const { return flag_; }
    // The build setting that controls the flag ("GCC_WARN_SHADOW"); none for a flag such as "-Wall".
    const std::optional<std::string> &xcconfigKey() const { return xcconfigKey_; }
    // The setting's name in Xcode's build-settings editor ("Hidden local variables").
    const std::optional<std::string> &xcodeName() const { return xcodeName_; }
    const std::string &flagDescription() const { return flagDescription_; }
    const std::optional<std::vector<std::string>> &languages() const { return languages_; }

private:
    std::string flag_;
    std::optional<std::string> xcconfigKey_;
    std::optional<std::string> xcodeName_;
    std::string flagDescription_;
    std::optional<std::vector<std::string>> languages_;
};
