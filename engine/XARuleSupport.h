#pragma once

// The non-template work behind the rule base classes (XARule.h): option values, the default option groups and the
// diagnostic factories, each for a given rule descriptor.

#include "engine/XARuleContext.h"
#include "engine/XARuleDescriptor.h"

#include <typeinfo>

// The class name of a type as written in its declaration, without namespaces ("XARuleNSLogUsed").
std::string XARuleClassNameOfType(const std::type_info &type);
// The class name with every "XARule" removed ("XARuleNSLogUsed" gives "NSLogUsed").
std::string XARuleShortNameFromClassName(std::string_view className);

// The option every rule has besides its own: "ignoredFileRegexes", an array of regular expressions without default.
const std::vector<XARuleOption> &XARuleOptionsCommonForAllRules();
// The group a rule has unless it names its own: "Options for rule: <plain rule name>", the rule's short name, its
// own options followed by the common ones, not collective.
XARuleOptionGroup XARuleDefaultOptionGroup(const std::string &shortName, const XAXMLString &ruleName,
                                           const std::vector<XARuleOption> &options);

// Whether a value says something: not null, a string that is not blank, a number whose integer value is not 0, an
// array that is not empty, or any other value.
bool XAOptionValueIsMeaningful(const std::optional<XAOptionValue> &value);

// A diagnostic of the rule with its names, texts and links.
XADiagnostic XARuleDiagnosticWithFile(const XARuleDescriptor &rule, std::optional<std::string> filePath,
                                      std::optional<XADiagnosticPosition> startPosition,
                                      std::optional<XADiagnosticPosition> endPosition,
                                      std::optional<std::string> positionContext, std::optional<XAXMLString> info,
                                      std::optional<std::string> identifier, XADiagnosticImpact impact,
                                      XADiagnosticSeverity severity, XADiagnosticConfidence confidence);
// A diagnostic at the cursor: its positions, its normalised file path, and as position context the display name of
// the nearest enclosing function, method, class or category declaration or implementation. The null diagnostic when
// the cursor has no file and no position.
XADiagnostic XARuleDiagnosticWithCursor(const XARuleDescriptor &rule, CXCursor cursor, std::optional<XAXMLString> info,
                                        std::optional<std::string> identifier, XADiagnosticImpact impact,
                                        XADiagnosticSeverity severity, XADiagnosticConfidence confidence);
