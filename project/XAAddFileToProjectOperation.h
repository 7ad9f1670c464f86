#pragma once

// Copies one file of the application (the annotations header) into a folder of the user's project. It never
// replaces anything and never writes outside the folder; the project file itself is left to the caller.
//
// An operation: made with its paths, run once (or again) by `main`, its outcome read afterwards. The outcome may be
// read from another thread than the one that ran it.

#include "core/XAError.h"

#include <mutex>
#include <optional>
#include <string>

class XAAddFileToProjectOperation {
public:
    XAAddFileToProjectOperation(std::string xcodeprojPath, std::string sourceFilePath, std::string targetDirPath);

    // The project the file is meant for; the copy does not use it.
    const std::string &xcodeprojPath() const { return xcodeprojPath_; }
    const std::string &sourceFilePath() const { return sourceFilePath_; }
    const std::string &targetDirPath() const { return targetDirPath_; }
    // The target folder plus the source's file name.
    std::string fileTargetPath() const;

    // Copies the source into the target folder. Fails, leaving everything as it was, when something exists at the
    // target path ("The file already exists: <path>"), when the source's file name could lead out of the folder
    // ("", ".", ".."), or when the copy fails (a missing target folder is not created).
    void main();

    // The outcome of the last run; no error before the first.
    std::optional<XAError> error() const;
    bool wasSuccessful() const { return !error(); }

private:
    void setError(std::optional<XAError> error);

    const std::string xcodeprojPath_;
    const std::string sourceFilePath_;
    const std::string targetDirPath_;
    mutable std::mutex lock_;
    std::optional<XAError> error_;
};
