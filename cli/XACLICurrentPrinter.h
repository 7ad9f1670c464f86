#pragma once

// The one printer of a command-line run. It starts as the human-readable printer and is replaced once, before a
// check starts, by the printer of the check's configuration; progress handlers on any thread print through whatever
// it holds when they are called.

#include "cli/XACLIOutputPrinter.h"

#include <memory>

std::shared_ptr<XACLIOutputPrinter> XACLICurrentPrinter();
void XACLISetCurrentPrinter(std::shared_ptr<XACLIOutputPrinter> printer);
// A handler that prints each message through the current printer.
XAProgressHandler XACLIPrintingProgressHandler();
