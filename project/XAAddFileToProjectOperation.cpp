#include "project/XAAddFileToProjectOperation.h"

#include "core/XAPaths.h"

#include <filesystem>

XAAddFileToProjectOperation::XAAddFileToProjectOperation(std::string xcodeprojPath, std::string sourceFilePath,
                                                         std::string targetDirPath)
    : xcodeprojPath_(std::move(xcodeprojPath)), sourceFilePath_(std::move(sourceFilePath)),
      targetDirPath_(std::move(targetDirPath)) {}

std::string XAAddFileToProjectOperation::fileTargetPath() const {
    return xa_stringByAppendingPathComponent(targetDirPath_, xa_lastPathComponent(sourceFilePath_));
}

void XAAddFileToProjectOperation::main() {
    setError(std::nullopt);
    const std::string name = xa_lastPathComponent(sourceFilePath_);
    if (name.empty() || name == "." || name == ".." || name == "/") {
        setError(XAError("The file name is not allowed: " + sourceFilePath_));
        return;
    }
    const std::string target = fileTargetPath();
    std::error_code code;
    if (std::filesystem::exists(std::filesystem::symlink_status(target, code))) {
        setError(XAError("The file already exists: " + target));
        return;
    }
    // Without an overwrite option the copy itself refuses an item that appeared meanwhile.
    std::filesystem::copy(sourceFilePath_, target, std::filesystem::copy_options::recursive, code);
    if (code) {
        setError(XAError("Cannot copy " + sourceFilePath_ + " to " + target + ": " + code.message()));
    }
}

std::optional<XAError> XAAddFileToProjectOperation::error() const {
    std::lock_guard guard(lock_);
    return error_;
}

void XAAddFileToProjectOperation::setError(std::optional<XAError> error) {
    std::lock_guard guard(lock_);
    error_ = std::move(error);
}
