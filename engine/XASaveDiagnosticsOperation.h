#pragma once

// Saves the diagnostics of a finished checking run to a file in one of the export formats (XADiagnosticSerialization)
// while the interface stays responsive: made for one run, one path and one format, run once on a background thread,
// and inspected afterwards. A path without an extension gets the format's.

#include "core/XAError.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>

class XACheckingOperation;

class XASaveDiagnosticsOperation {
public:
    XASaveDiagnosticsOperation(std::shared_ptr<const XACheckingOperation> checkingOperation, std::string targetPath,
                               std::string format);

    // Serialises the run's diagnostics and writes them atomically; a failure is kept in error(). A cancelled
    // operation writes nothing.
    void main();
    void cancel() { cancelled_ = true; }
    bool isCancelled() const { return cancelled_; }
    bool wasSuccessful() const { return !error_; }

    const std::optional<XAError> &error() const { return error_; }
    const std::shared_ptr<const XACheckingOperation> &checkingOperation() const { return checkingOperation_; }
    const std::string &targetPath() const { return targetPath_; }
    const std::string &format() const { return format_; }

private:
    std::optional<XAError> error_;
    std::shared_ptr<const XACheckingOperation> checkingOperation_;
    std::string targetPath_;
    std::string format_;
    std::atomic<bool> cancelled_{false};
};
