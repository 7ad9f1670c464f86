#pragma once

// The diagnostics of a checking run as one document: a root object with facts about the run (tool version, time,
// project, target, build configuration, project icon, version-control state) and one object per diagnostic, written
// as JSON or as an XML property list. The command line prints it for its "json" and "plist" formats; the desktop
// application saves it through XASaveDiagnosticsOperation.
//
// A diagnostic's absent values are nulls in JSON and left out of the property list. Every function keeps no state
// and may be called from any thread for a run that has finished.

#include "core/XAError.h"
#include "core/XAValue.h"
#include "engine/XADiagnostic.h"

#include <optional>
#include <string>
#include <vector>

class XACheckingOperation;

class XADiagnosticSerialization {
public:
    XADiagnosticSerialization() = delete;

    // "JSON" and "Property List".
    static std::vector<std::string> supportedSerializationFormats();
    // "json" or "plist" for a format name in any letter case; no value for other names.
    static std::optional<std::string> fileExtensionForSerializationFormat(const std::string &format);

    // The document in the named format ("json" or "property list" in any letter case); no value, with the error
    // "Unknown serialization format: '<format>'", for another name. `operation` may be null: its facts are then "".
    static std::optional<std::string> serializedRepresentationForDiagnostics(const XADiagnostics &diagnostics,
                                                                             const std::string &format,
                                                                             const XACheckingOperation *operation,
                                                                             XAError *error);
    static std::optional<std::string> jsonRepresentationForDiagnostics(const XADiagnostics &diagnostics,
                                                                       const XACheckingOperation *operation,
                                                                       XAError *error);
    static std::optional<std::string> plistRepresentationForDiagnostics(const XADiagnostics &diagnostics,
                                                                        const XACheckingOperation *operation,
                                                                        XAError *error);

    // The object of one diagnostic: 16 keys, absent values null.
    static XADictionary serializableFormat(const XADiagnostic &diagnostic);
    static XAValue::Array dictionaryRepresentationsOfDiagnostics(const XADiagnostics &diagnostics);
    // The root object without "diagnostics", and with it (an empty array when none are given).
    static XADictionary rootObjectForOperation(const XACheckingOperation *operation);
    static XADictionary rootObjectForOperation(const XACheckingOperation *operation,
                                               std::optional<XAValue::Array> diagnosticRepresentations);
};
