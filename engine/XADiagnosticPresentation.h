#pragma once

// The display settings of a project that the HTML templates of diagnostics need, and the class of the page body that
// depends on the operating system's version.

#include <cstdint>
#include <string>

class XAProject;

class XADiagnosticPresentation {
public:
    explicit XADiagnosticPresentation(std::int64_t indentTabWidth = 4) : indentTabWidth_(indentTabWidth) {}
    // The tab width of the project's editor settings, or 4 when it sets none.
    static XADiagnosticPresentation presentationForProject(const XAProject &project);

    // The width of a tab in code snippets, in columns.
    std::int64_t indentTabWidth() const { return indentTabWidth_; }
    void setIndentTabWidth(std::int64_t width) { indentTabWidth_ = width; }

private:
    std::int64_t indentTabWidth_;
};

// The class of the HTML templates' page body for the running system: "" on every system but OS X 10.9 and 10.10.
std::string xa_htmlTemplateBodyClasses();
// "mavericks" for OS X 10.9, "yosemite" for 10.10, "" for every other version.
std::string XAHTMLTemplateBodyClassesForOSXVersion(int majorVersion, int minorVersion);
