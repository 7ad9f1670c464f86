// Platform APIs that ask the user for access (contacts, calendars, location, photos, microphone and others) need a
// usage description in the application's Info.plist, which the system shows with its question; without it the app is
// rejected or terminated. Every file records which keys its API uses need and by which symbols; after the code, each
// needed key that the Info.plist (or, where the target has them, each localised InfoPlist.strings file) lacks is
// reported with the symbols that need it.

#include "codemodel/XABuild.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAVersionStrings.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <map>
#include <set>

namespace {

// One way of using an API that needs a usage description. A row matches a cursor of its kind by exact spelling, by
// spelling prefix, or (for messages) by class and method or by the receiver's class alone.
struct UsageRow {
    std::string key;
    CXCursorKind cursorKind;
    std::optional<std::string> cursorSpelling;
    std::optional<std::string> cursorSpellingPrefix;
    std::optional<std::string> className;
    std::optional<std::string> methodSpelling;
    bool isInstanceMethod = true;
    // The row applies only when the deployment target is below this version.
    std::optional<std::string> untilOSVersion;
};

UsageRow spelled(std::string key, CXCursorKind kind, std::string spelling) {
    return {std::move(key), kind, std::move(spelling), std::nullopt, std::nullopt, std::nullopt, true, std::nullopt};
}
UsageRow spelledWithPrefix(std::string key, CXCursorKind kind, std::string prefix) {
    return {std::move(key), kind, std::nullopt, std::move(prefix), std::nullopt, std::nullopt, true, std::nullopt};
}
UsageRow classUsed(std::string key, std::string className) {
    return {
        std::move(key), CXCursor_ObjCMessageExpr, std::nullopt, std::nullopt, std::move(className), std::nullopt, true,
        std::nullopt};
}
UsageRow methodCalled(std::string key, std::string className, std::string method, bool isInstanceMethod) {
    return {std::move(key),       CXCursor_ObjCMessageExpr, std::nullopt,     std::nullopt,
            std::move(className), std::move(method),        isInstanceMethod, std::nullopt};
}

const std::map<XAPlatform, std::vector<UsageRow>> &usageRowsByPlatform() {
    static const std::map<XAPlatform, std::vector<UsageRow>> rows = [] {
        UsageRow anyLocationManagerUse = classUsed("NSLocationUsageDescription", "CLLocationManager");
        anyLocationManagerUse.untilOSVersion = "8.0";
        std::vector<UsageRow> iOS = {
            spelledWithPrefix("NSContactsUsageDescription", CXCursor_CallExpr, "ABAddressBook"),
            classUsed("NSContactsUsageDescription", "ABPeoplePickerNavigationController"),
            classUsed("NSContactsUsageDescription", "ABNewPersonViewController"),
            classUsed("NSContactsUsageDescription", "ABPersonViewController"),
            classUsed("NSContactsUsageDescription", "ABUnknownPersonViewController"),
            methodCalled("NSContactsUsageDescription", "CNContactStore",
                         "requestAccessForEntityType:completionHandler:", true),
            anyLocationManagerUse,
            methodCalled("NSLocationAlwaysUsageDescription", "CLLocationManager", "requestAlwaysAuthorization", true),
            methodCalled("NSLocationWhenInUseUsageDescription", "CLLocationManager", "requestWhenInUseAuthorization",
                         true),
            spelled("NSCalendarsUsageDescription", CXCursor_DeclRefExpr, "EKEntityTypeEvent"),
            spelled("NSCalendarsUsageDescription", CXCursor_DeclRefExpr, "EKEntityMaskEvent"),
            spelled("NSRemindersUsageDescription", CXCursor_DeclRefExpr, "EKEntityTypeReminder"),
            spelled("NSRemindersUsageDescription", CXCursor_DeclRefExpr, "EKEntityMaskReminder"),
            spelled("NSPhotoLibraryUsageDescription", CXCursor_DeclRefExpr,
                    "UIImagePickerControllerSourceTypePhotoLibrary"),
            spelled("NSPhotoLibraryUsageDescription", CXCursor_DeclRefExpr,
                    "UIImagePickerControllerSourceTypeSavedPhotosAlbum"),
            classUsed("NSPhotoLibraryUsageDescription", "ALAssetsLibrary"),
            methodCalled("NSPhotoLibraryUsageDescription", "PHPhotoLibrary", "requestAuthorization:", false),
            classUsed("NSBluetoothPeripheralUsageDescription", "CBPeripheralManager"),
            methodCalled("NSMicrophoneUsageDescription", "AVAudioSession", "requestRecordPermission:", true),
            spelled("NSCameraUsageDescription", CXCursor_DeclRefExpr, "UIImagePickerControllerSourceTypeCamera"),
            methodCalled("NSAppleMusicUsageDescription", "MPMediaLibrary", "requestAuthorization:", false),
            methodCalled("NSSpeechRecognitionUsageDescription", "SFSpeechRecognizer", "requestAuthorization:", false),
            spelled("NSHomeKitUsageDescription", CXCursor_ModuleImportDecl, "HomeKit"),
            spelled("NSHomeKitUsageDescription", CXCursor_InclusionDirective, "HomeKit/HomeKit.h"),
            spelled("NSSiriUsageDescription", CXCursor_ModuleImportDecl, "Intents"),
            spelled("NSSiriUsageDescription", CXCursor_InclusionDirective, "Intents/Intents.h"),
        };
        std::vector<UsageRow> macOS = {
            classUsed("NSContactsUsageDescription", "ABAddressBook"),
            classUsed("NSContactsUsageDescription", "ABPersonView"),
            classUsed("NSContactsUsageDescription", "ABPeoplePickerView"),
        };
        return std::map<XAPlatform, std::vector<UsageRow>>{{XAPlatformIOS, std::move(iOS)},
                                                           {XAPlatformOSX, std::move(macOS)}};
    }();
    return rows;
}

bool rowApplies(const UsageRow &row, const XARuleContext &context) {
    return !row.untilOSVersion ||
           XACompareVersionStrings(*row.untilOSVersion, context.targetMinOSVersion()) == XAOrderedDescending;
}

bool rowMatches(const UsageRow &row, CXCursor cursor, const std::string &spelling) {
    if (row.cursorSpelling) {
        return spelling == *row.cursorSpelling;
    }
    if (row.cursorSpellingPrefix) {
        return spelling.starts_with(*row.cursorSpellingPrefix);
    }
    if (cursor.kind != CXCursor_ObjCMessageExpr || !row.className) {
        return false;
    }
    if (row.methodSpelling) {
        return XAMessageCallsMethod(*row.className, *row.methodSpelling, row.isInstanceMethod, cursor);
    }
    const CXCursor receiverClass = XAMessageReceiverClassDecl(cursor);
    return !XALibclang::fn().clang_Cursor_isNull(receiverClass) && XACursorSpelling(receiverClass) == *row.className;
}

// How the list of a finding names the symbol that matched the row.
std::string symbolMarkup(const UsageRow &row, CXCursor cursor) {
    switch (cursor.kind) {
    case CXCursor_ObjCMessageExpr:
        if (row.className && !row.methodSpelling) {
            return "<objcclass>" + *row.className + "</objcclass>";
        }
        return "<objcmethod>" + XAMessageExprMethodDisplayName(cursor).value_or("") + "</objcmethod>";
    case CXCursor_CallExpr:
        return "<cfunction>" + XACursorDisplayName(XALibclang::fn().clang_getCursorReferenced(cursor)).value_or("") +
               "</cfunction>";
    default:
        return "<codesymbol>" + XACursorDisplayName(cursor).value_or("") + "</codesymbol>";
    }
}

// A usage description that the system would show: a string that is not blank.
bool hasDescription(const XAValue *value) { return value && value->string() && !xa_trimmed(*value->string()).empty(); }

} // namespace

struct XARuleMissingAPIUsageDescription : XACursorRule<XARuleMissingAPIUsageDescription> {
    static XAXMLString ruleName() { return XAXMLString("Missing API usage description"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Some APIs (for example those that access the contacts or calendars of the user) need a "
                           "usage description (a “purpose string”) in the application's metadata, which the system "
                           "shows when it asks the user for access. This rule warns when such APIs are used and their "
                           "usage description is missing.");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.projectTarget() && context.projectTarget()->targetTypeIsAnAppOrAppExtension();
    }
    static std::string applicationConditionDescription() { return "Applies to application targets."; }
    static std::vector<std::string> tags() { return {"Recommended", "Config"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Information Property List Key Reference: Cocoa Keys",
            "https://developer.apple.com/library/archive/documentation/General/Reference/InfoPlistKeyReference/"
            "Articles/CocoaKeys.html")};
    }
    static std::vector<int> cursorKinds() {
        return {CXCursor_CallExpr, CXCursor_ObjCMessageExpr, CXCursor_DeclRefExpr, CXCursor_ModuleImportDecl,
                CXCursor_InclusionDirective};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        const auto rows = usageRowsByPlatform().find(context.targetPlatform());
        if (rows == usageRowsByPlatform().end()) {
            return {};
        }
        const std::string spelling = XACursorSpelling(cursor).value_or("");
        for (const UsageRow &row : rows->second) {
            if (row.cursorKind != kind || !rowApplies(row, context) || !rowMatches(row, cursor, spelling)) {
                continue;
            }
            context.stateStore().addValueToStateSet(symbolMarkup(row, cursor), usedAPIsKey(row.key));
            context.stateStore().addValueToStateSet(row.key, neededKeysKey());
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        const std::set<std::string> neededKeys =
            context.stateStore().copyOfStateSet<std::string>(neededKeysKey()).value_or(std::set<std::string>{});
        if (neededKeys.empty() || !context.build()) {
            return diagnostics;
        }
        const XABuild &build = *context.build();
        const std::vector<std::shared_ptr<XAProjectFile>> localizedFiles = localizedInfoPlistFiles(context);
        for (const std::string &key : neededKeys) {
            if (build.infoPlistDictionary() && hasDescription(build.infoPlistDictionary()->get(key))) {
                continue;
            }
            const XAXMLString info = missingKeyInfo(key, context);
            if (localizedFiles.empty()) {
                diagnostics.push_back(missingKeyDiagnostic(infoPlistPath(context), info, key));
                continue;
            }
            for (const std::shared_ptr<XAProjectFile> &file : localizedFiles) {
                XAError error;
                const std::optional<XAValue> table = file->stringsFileDictionary(&error);
                if (!table) {
                    context.reportError("ERROR: Cannot read strings file " + file->pathOnDisk().value_or("") + " : " +
                                        error.message);
                } else if (!hasDescription(table->get(key))) {
                    diagnostics.push_back(missingKeyDiagnostic(file->pathOnDisk(), info, key));
                }
            }
        }
        return diagnostics;
    }

private:
    static std::string neededKeysKey() { return "neededUsageDescriptionKeys_" + ruleShortName(); }
    static std::string usedAPIsKey(const std::string &key) {
        return "usedAPIsForUsageDescriptionKey_" + key + "_" + ruleShortName();
    }

    // The target's localised Info.plist tables: its strings resources named InfoPlist.
    static std::vector<std::shared_ptr<XAProjectFile>> localizedInfoPlistFiles(const XARuleContext &context) {
        std::vector<std::shared_ptr<XAProjectFile>> files;
        if (!context.projectTarget()) {
            return files;
        }
        for (const std::shared_ptr<XAProjectFile> &file : context.projectTarget()->resourceFiles()) {
            if (file->isStringsFile() && xa_stringByDeletingPathExtension(file->basename()) == "InfoPlist") {
                files.push_back(file);
            }
        }
        return files;
    }

    // The Info.plist the findings are about: its file reference's path, or the build's path when the project does
    // not reference the file, so that the finding keeps its file either way.
    static std::optional<std::string> infoPlistPath(const XARuleContext &context) {
        const std::optional<std::string> &buildPath = context.build()->infoPlistFilePath();
        if (!buildPath || !context.project()) {
            return buildPath;
        }
        const std::shared_ptr<XAProjectFile> file = context.project()->projectFileWithPath(*buildPath);
        return file && file->pathOnDisk() ? file->pathOnDisk() : buildPath;
    }

    // The symbols are listed in sorted order, so that the text does not depend on the order in which files were seen.
    static XAXMLString missingKeyInfo(const std::string &key, const XARuleContext &context) {
        std::string symbols;
        const std::set<std::string> used =
            context.stateStore().copyOfStateSet<std::string>(usedAPIsKey(key)).value_or(std::set<std::string>{});
        for (const std::string &symbol : used) {
            symbols += "<li>" + symbol + "</li>";
        }
        return XAXMLString("<p>The <string>" + xa_escapedForXML(key) +
                           "</string> Info.plist key is strongly recommended but missing.</p> <p>This key is needed "
                           "due to the usage of the following code symbols:</p><ul>" +
                           symbols + "</ul>");
    }

    static XADiagnostic missingKeyDiagnostic(std::optional<std::string> path, const XAXMLString &info,
                                             const std::string &key) {
        return diagnosticWithFile(std::move(path), info, key, XADiagnosticImpactFunctionality,
                                  XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh);
    }
};

TESSARY_REGISTER_RULE(XARuleMissingAPIUsageDescription)
