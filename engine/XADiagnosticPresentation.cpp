#include "engine/XADiagnosticPresentation.h"

#include "project/XAProject.h"

XADiagnosticPresentation XADiagnosticPresentation::presentationForProject(const XAProject &project) {
    return XADiagnosticPresentation(project.editorTextSettings().tabWidth.value_or(4));
}

std::string XAHTMLTemplateBodyClassesForOSXVersion(int majorVersion, int minorVersion) {
    if (majorVersion != 10) {
        return "";
    }
    return minorVersion == 9 ? "mavericks" : minorVersion == 10 ? "yosemite" : "";
}

// The system runs on Linux, never on one of the two versions whose page bodies need a class of their own.
std::string xa_htmlTemplateBodyClasses() { return ""; }
