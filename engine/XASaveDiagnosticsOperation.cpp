#include "engine/XASaveDiagnosticsOperation.h"

#include "core/XAPaths.h"
#include "engine/XACheckingOperation.h"
#include "engine/XADiagnosticSerialization.h"

XASaveDiagnosticsOperation::XASaveDiagnosticsOperation(std::shared_ptr<const XACheckingOperation> checkingOperation,
                                                       std::string targetPath, std::string format)
    : checkingOperation_(std::move(checkingOperation)), targetPath_(std::move(targetPath)), format_(std::move(format)) {
}

void XASaveDiagnosticsOperation::main() {
    error_.reset();
    std::string path = targetPath_;
    if (xa_pathExtension(path).empty()) {
        if (std::optional<std::string> extension =
                XADiagnosticSerialization::fileExtensionForSerializationFormat(format_)) {
            path += "." + *extension;
        }
    }
    const XADiagnostics none;
    const XADiagnostics &diagnostics =
        checkingOperation_ && checkingOperation_->diagnostics() ? *checkingOperation_->diagnostics() : none;
    XAError serializationError;
    const std::optional<std::string> text = XADiagnosticSerialization::serializedRepresentationForDiagnostics(
        diagnostics, format_, checkingOperation_.get(), &serializationError);
    if (!text) {
        error_ = serializationError;
        return;
    }
    if (isCancelled()) {
        return;
    }
    XAError writeError;
    if (!XAWriteFileAtomically(path, *text, &writeError)) {
        error_ = writeError.message.empty() ? XAError("Could not write file " + path, 0) : writeError;
    }
}
