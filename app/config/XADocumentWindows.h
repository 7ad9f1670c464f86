#pragma once

// The two document windows of the Help menu: the licence agreement and the user documentation. Each shows one page
// of the documentation among the resources, rendered when its window first loads, with the resource folder as the
// base of the page's relative references.

#include "app/diagnostics/XAHTMLWindowController.h"

// "<bundle name> License Agreement": the page "license_agreement", without a table of contents.
class XAEULAWindowController : public XAHTMLWindowController {
public:
    XAEULAWindowController();
};

// "<bundle name> Documentation": the page "main", after its table of contents.
class XAAppDocsWindowController : public XAHTMLWindowController {
public:
    XAAppDocsWindowController();
};

// The base address of documentation pages: the resource folder as a file URL (ending in "/").
QUrl XADocsBaseURL();
