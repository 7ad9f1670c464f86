#include "cli/XACLIHumanReadablePrinter.h"

#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XADiagnosticGroup.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleTags.h"

#include <algorithm>
#include <map>

namespace {

const XAColor kGrey = XAColor::grayColor();

// The text cut after `width` UTF-16 units, never inside a character.
std::string prefixOfUTF16Length(const std::string &text, size_t width) {
    size_t units = 0;
    size_t offset = 0;
    while (offset < text.size()) {
        const XAUTF8Char character = XADecodeUTF8(text, offset);
        units += character.codePoint > 0xFFFF ? 2 : 1;
        if (units > width) {
            break;
        }
        offset += character.length;
    }
    return text.substr(0, offset);
}

bool isEmpty(const std::optional<XAXMLString> &text) { return !text || text->xmlString().empty(); }

std::vector<std::string> publicRulesWithTag(const std::string &tag) {
    std::vector<std::string> shortNames;
    const std::string lowercaseTag = xa_lowercased(tag);
    for (const XARuleDescriptor *rule : XARuleRegistry::shared().allRules()) {
        const bool hasTag = std::any_of(rule->tags.begin(), rule->tags.end(), [&](const std::string &ruleTag) {
            return xa_lowercased(ruleTag) == lowercaseTag;
        });
        if (hasTag && (rule->isPublic || lowercaseTag == xa_lowercased(XARuleTagExperimental))) {
            shortNames.push_back(rule->shortName);
        }
    }
    return shortNames;
}

} // namespace

void XACLIHumanReadablePrinter::printDiagnostics(const XADiagnostics &diagnostics, const XACheckingOperation *) {
    // The first presentation; the least severe groups first.
    const std::vector<XADiagnosticGroup> groups =
        XADiagnosticGroup::sortedGroups(XADiagnosticGroup::groupsFromDiagnostics(diagnostics),
                                        {{"severity", true}, {"confidence", true}, {"ruleShortName", true}});
    for (const XADiagnosticGroup &group : groups) {
        printGroup(group);
    }
}

void XACLIHumanReadablePrinter::printGroup(const XADiagnosticGroup &group) {
    const XADiagnostics &diagnostics = group.diagnostics();
    const XADiagnostic &representative = diagnostics.front();
    const std::string severityText = xa_uppercased(representative.severityString().value_or(""));
    print(representative.severityColor(), severityText + ": " + representative.ruleName().plainString());
    print(kGrey, " [" + representative.ruleShortName() + "]\n");
    const std::string indent(xa_utf16Length(severityText) + 2, ' ');
    const bool sameInfo = group.allDiagnosticsHaveSameInstanceInfo();
    if (sameInfo && !isEmpty(representative.instanceInfo())) {
        printParagraph(std::nullopt, indent, representative.instanceInfo()->attributedString());
    }
    if (!isEmpty(representative.ruleWarning())) {
        printParagraph(XAColor::yellowColor(), indent, representative.ruleWarning()->attributedString());
    }
    for (const XADiagnostic &diagnostic : diagnostics) {
        printDiagnosticOfGroup(diagnostic, indent, !sameInfo);
    }
    print(std::nullopt, "\n");
}

void XACLIHumanReadablePrinter::printDiagnosticOfGroup(const XADiagnostic &diagnostic, const std::string &indent,
                                                       bool printInfo) {
    const size_t bodyWidth = wrapWidthForIndent(indent.size());
    if (diagnostic.filePath()) {
        std::string location = xa_stringByStandardizingPath(*diagnostic.filePath());
        if (const std::string positions = diagnostic.filePositionsString(); !positions.empty()) {
            location += " " + positions;
        }
        print(XAColor::greenColor(), indent + xa_truncatedToLength(location, bodyWidth, XATruncation::Start) + "\n");
    }
    if (diagnostic.positionContext()) {
        print(kGrey, indent + "(in: " + xa_stringByStrippingXMLTags(*diagnostic.positionContext()) + ")\n");
    }
    if (diagnostic.fileSnippet()) {
        printSnippetForDiagnostic(diagnostic, indent);
        print(std::nullopt, "\n");
    }
    if (printInfo && !isEmpty(diagnostic.instanceInfo())) {
        printParagraph(std::nullopt, indent, diagnostic.instanceInfo()->attributedString());
    }
}

void XACLIHumanReadablePrinter::printParagraph(const std::optional<XAColor> &color, const std::string &indent,
                                               const XAAttributedString &text) {
    printWrapAttr(color, indent, text);
    print(std::nullopt, text.string().ends_with('\n') ? "\n" : "\n\n");
}

void XACLIHumanReadablePrinter::printSnippetForDiagnostic(const XADiagnostic &diagnostic, const std::string &indent) {
    const size_t width = wrapWidthForIndent(indent.size());
    const XAAttributedString snippet = diagnostic.fileSnippet()->trimmedMarkedSnippetMultiline(false);
    const std::string &text = snippet.string();
    const std::string shown = prefixOfUTF16Length(text, width);
    print(std::nullopt, "\n" + xa_indentedWith(shown, indent) + "\n");
    XAStringRange marked = xa_firstRangeOfAttribute(snippet, XAAttributeName::Marker);
    if (marked.found()) {
        const size_t start = xa_utf16Length(std::string_view(text).substr(0, marked.location));
        marked = {start, xa_utf16Length(std::string_view(text).substr(marked.location, marked.length))};
    }
    print(diagnostic.severityColor(), indent + XACLISnippetUnderline(text, marked, width) + "\n");
}

std::string XACLISnippetUnderline(const std::string &line, XAStringRange markedUTF16Range, size_t width) {
    if (!markedUTF16Range.found()) {
        return std::string(width, ' ');
    }
    std::string underline;
    size_t position = 0;
    for (size_t offset = 0; offset < line.size() && position < markedUTF16Range.end() && position < width;) {
        const XAUTF8Char character = XADecodeUTF8(line, offset);
        underline += position < markedUTF16Range.location ? " " : "~";
        position += character.codePoint > 0xFFFF ? 2 : 1;
        offset += character.length;
    }
    return underline;
}

void XACLIHumanReadablePrinter::printDescriptionsOfRules(const std::vector<std::string> &ruleShortNames) {
    for (const std::string &shortName : ruleShortNames) {
        const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName(shortName);
        if (!rule || !rule->isPublic) {
            continue;
        }
        print(XAColor::greenColor(), rule->shortName + "\n");
        printBold(XAColor::greenColor(), rule->ruleName.plainString() + "\n");
        if (rule->isConditionallyApplied()) {
            printWrap(kGrey, "", "(" + xa_stringByStrippingXMLTags(rule->applicationConditionDescription()) + ")\n");
        }
        print(kGrey, "Tags: ");
        print(XAColor::blueColor(), xa_componentsJoinedByString(rule->tags, ", ") + "\n");
        if (!rule->ruleDescription.xmlString().empty()) {
            print(std::nullopt, "\n");
            printWrapAttr(std::nullopt, "", rule->ruleDescription.attributedString());
            print(std::nullopt, "\n");
        }
        if (!rule->externalLinks.empty()) {
            print(kGrey, "\nRead more:\n");
            for (const XAExternalLink &link : rule->externalLinks) {
                printWrapAttr(kGrey, "    ", xa_stringWithBoldSystemFont(link.linkTitle));
                print(std::nullopt, "\n");
                printWrap(kGrey, "    ", link.URL.value_or(""));
                print(std::nullopt, "\n\n");
            }
        }
        bool printedOptionsHeading = false;
        for (const XARuleOptionGroup &group : rule->optionGroups) {
            for (const XARuleOption &option : group.options) {
                if (!printedOptionsHeading) {
                    print(kGrey, "\nOptions:\n");
                    printedOptionsHeading = true;
                }
                printBold(kGrey, "    " + group.shortName + "." + option.longName());
                print(kGrey,
                      " (" + option.valueTypeDisplayName() + ". Default: " + option.defaultValueDisplayName() + ")\n");
                printWrap(kGrey, "        ", option.optionDescription());
                print(std::nullopt, "\n");
                if (option.optionInfo()) {
                    printWrap(kGrey, "        ", "(" + *option.optionInfo() + ")");
                    print(std::nullopt, "\n");
                }
            }
        }
        print(std::nullopt, "\n\n");
    }
}

void XACLIHumanReadablePrinter::printDescriptionsOfRuleTags(const std::vector<std::string> &tagNames) {
    for (const std::string &tag : tagNames) {
        printBold(XAColor::greenColor(), tag + "\n");
        if (const std::optional<std::string> description = XARuleDescriptionForTag(tag);
            description && !description->empty()) {
            printWrap(std::nullopt, "", *description);
            print(std::nullopt, "\n");
        }
        const std::vector<std::string> shortNames = publicRulesWithTag(tag);
        if (shortNames.empty()) {
            printBold(kGrey, "No rules currently have this tag.\n");
        } else {
            printBold(kGrey, std::to_string(shortNames.size()) + " Rules have this tag:\n");
            for (const std::string &shortName : shortNames) {
                print(kGrey, "    " + shortName + "\n");
            }
        }
        print(std::nullopt, "\n\n");
    }
}
