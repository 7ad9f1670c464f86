#include "cli/XACLICurrentPrinter.h"

#include "cli/XACLIHumanReadablePrinter.h"

#include <mutex>

namespace {

std::mutex printerMutex;

std::shared_ptr<XACLIOutputPrinter> &storedPrinter() {
    static std::shared_ptr<XACLIOutputPrinter> printer = std::make_shared<XACLIHumanReadablePrinter>();
    return printer;
}

} // namespace

std::shared_ptr<XACLIOutputPrinter> XACLICurrentPrinter() {
    std::lock_guard lock(printerMutex);
    return storedPrinter();
}

void XACLISetCurrentPrinter(std::shared_ptr<XACLIOutputPrinter> printer) {
    std::lock_guard lock(printerMutex);
    storedPrinter() = std::move(printer);
}

XAProgressHandler XACLIPrintingProgressHandler() {
    return [](const XAProgressMessage &message) { XACLICurrentPrinter()->printProgress(message); };
}
