#include "ruledriver/XARuleCaseFile.h"

#include "core/XAJSON.h"
#include "core/XAPaths.h"
#include "core/XAString.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>

namespace {

constexpr std::string_view kCaseStart = "//---";
constexpr std::string_view kDirectiveStart = "| ";
constexpr std::string_view kMarker = "\u2193"; // ↓
constexpr std::string_view kExpect = "// expect:";
constexpr std::string_view kExpectFile = "// expect-file:";
constexpr std::string_view kExpectNoFile = "// expect-nofile:";
constexpr std::string_view kExpectInfo = "// expect-info:";
constexpr std::string_view kExpectError = "// expect-error:";
constexpr std::string_view kExpectSeverity = "// expect-severity:";

struct Line {
    std::size_t number = 0; // 1-based in the case file
    std::string text;
};

std::vector<Line> linesOf(const std::string &text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back({lines.size() + 1, text.substr(start, end - start)});
        start = end + 1;
    }
    return lines;
}

std::string located(const std::string &path, std::size_t line, const std::string &problem) {
    return xa_lastPathComponent(path) + ":" + std::to_string(line) + ": " + problem;
}

// "id=a id=b" -> {"a", "b"}; an empty list and a problem for anything else.
std::vector<std::string> identifiersOf(std::string_view items, std::string &problem) {
    std::vector<std::string> identifiers;
    const std::string text = xa_trimmed(items);
    if (text.empty()) {
        return identifiers;
    }
    if (!text.starts_with("id=")) {
        problem = "an expectation takes only \"id=<identifier>\" items, not \"" + text + "\"";
        return identifiers;
    }
    std::size_t start = 3;
    while (true) {
        const std::size_t next = text.find(" id=", start);
        identifiers.push_back(xa_trimmed(text.substr(start, next == std::string::npos ? next : next - start)));
        if (next == std::string::npos) {
            break;
        }
        start = next + 4;
    }
    if (std::any_of(identifiers.begin(), identifiers.end(), [](const std::string &id) { return id.empty(); })) {
        problem = "an expectation has an empty identifier";
    }
    return identifiers;
}

// The JSON object of a directive; a problem for anything else.
std::optional<XADictionary> jsonObject(const std::string &text, std::string &problem) {
    XAError error;
    std::optional<XAValue> value = XAValueFromJSON(text, false, "directive", &error);
    if (!value) {
        problem = "the directive's value is not JSON: " + error.message;
        return std::nullopt;
    }
    if (!value->dictionary()) {
        problem = "the directive's value is not a JSON object: " + text;
        return std::nullopt;
    }
    return *value->dictionary();
}

void mergeInto(XADictionary &target, const XADictionary &values) {
    for (const auto &[key, value] : values) {
        target.set(key, value);
    }
}

// The facts a case may write into its project, and what each must be.
std::optional<std::string> projectFactProblem(const std::string &key, const XAValue &value) {
    static const std::set<std::string> stringFacts = {"platform", "deploymentTarget", "configuration", "classPrefix",
                                                      "name"};
    static const std::set<std::string> platforms = {"iphoneos", "macosx", "appletvos", "watchos"};
    if (key == "arc" || key == "modules") {
        return value.isBoolean() ? std::nullopt : std::optional<std::string>("\"" + key + "\" must be true or false");
    }
    if (!stringFacts.contains(key)) {
        return "unknown project fact \"" + key +
               "\" (known: platform, deploymentTarget, configuration, arc, modules, "
               "classPrefix, name)";
    }
    if (!value.string()) {
        return "the project fact \"" + key + "\" must be a string";
    }
    if (key == "platform" && !platforms.contains(*value.string())) {
        return "\"platform\" must be \"iphoneos\", \"macosx\", \"appletvos\" or \"watchos\"";
    }
    if (key == "name" && (value.string()->empty() || value.string()->find('/') != std::string::npos)) {
        return "\"name\" must be a file name";
    }
    return std::nullopt;
}

struct Defaults {
    std::optional<std::string> fixture;
    XADictionary options;
    XADictionary projectFacts;
    std::string headerText;
    std::size_t headerLineCount = 0;
    std::vector<std::string> problems;
};

// Reads one case's lines into it.
class CaseBuilder {
public:
    CaseBuilder(XARuleCase &ruleCase, const Defaults &defaults, std::string defaultFileName)
        : case_(ruleCase), defaults_(defaults), defaultFileName_(std::move(defaultFileName)) {}

    void read(const Line &line) {
        if (line.text.starts_with(kDirectiveStart)) {
            readDirective(line);
        } else if (xa_trimmed(line.text).starts_with(kExpectFile)) {
            readOtherFinding(line, kExpectFile, true);
        } else if (xa_trimmed(line.text).starts_with(kExpectNoFile)) {
            readOtherFinding(line, kExpectNoFile, false);
        } else if (xa_trimmed(line.text).starts_with(kExpectInfo)) {
            readInfoExpectation(line);
        } else if (xa_trimmed(line.text).starts_with(kExpectError)) {
            readErrorExpectation(line);
        } else if (xa_trimmed(line.text).starts_with(kExpectSeverity)) {
            readSeverityExpectation(line);
        } else {
            readCode(line);
        }
    }

    void finish() {
        if (case_.files.empty()) {
            problem(case_.titleLine, "the case has no code");
        }
        for (const auto &[key, value] : case_.projectFacts) {
            if (std::optional<std::string> factProblem = projectFactProblem(key, value)) {
                problem(case_.titleLine, *factProblem);
            }
        }
    }

private:
    void problem(std::size_t line, const std::string &text) {
        case_.problems.push_back(located(case_.caseFilePath, line, text));
    }

    void readDirective(const Line &line) {
        const std::string directive = line.text.substr(kDirectiveStart.size());
        const std::size_t colon = directive.find(':');
        const std::string name = xa_trimmed(directive.substr(0, colon));
        const std::string value = colon == std::string::npos ? "" : xa_trimmed(directive.substr(colon + 1));
        std::string jsonProblem;
        if (name == "file") {
            startFile(line, value);
        } else if (name == "options" || name == "project") {
            if (std::optional<XADictionary> object = jsonObject(value, jsonProblem)) {
                mergeInto(name == "options" ? case_.options : case_.projectFacts, *object);
            } else {
                problem(line.number, jsonProblem);
            }
        } else {
            problem(line.number, "unknown directive \"" + line.text + "\" (known in a case: options, project, file)");
        }
    }

    void startFile(const Line &line, const std::string &name) {
        const bool escapes = name.starts_with("/") || xa_containsSubstring("/" + name + "/", "/../");
        if (name.empty() || escapes) {
            problem(line.number, "\"| file:\" needs a relative file name inside the case's folder");
            return;
        }
        if (std::any_of(case_.files.begin(), case_.files.end(),
                        [&](const XARuleCaseSourceFile &file) { return file.name == name; })) {
            problem(line.number, "the case names the file " + name + " twice");
            return;
        }
        // The header is code: files of other languages and interface files start empty.
        const bool takesHeader = isCFamilyFile(name);
        case_.files.push_back({name, takesHeader ? defaults_.headerText : std::string()});
        fileLineCount_ = takesHeader ? defaults_.headerLineCount : 0;
    }

    static bool isCFamilyFile(const std::string &name) {
        static const std::set<std::string, std::less<>> extensions = {"m", "mm", "c", "cpp", "h", "hpp", "pch"};
        return extensions.contains(xa_pathExtension(name));
    }

    void readOtherFinding(const Line &line, std::string_view start, bool withPath) {
        std::string rest = xa_trimmed(xa_trimmed(line.text).substr(start.size()));
        XARuleCaseOtherFinding finding;
        finding.caseFileLine = line.number;
        if (withPath) {
            const std::size_t items = rest.find(" id=");
            finding.path = xa_trimmed(rest.substr(0, items));
            rest = items == std::string::npos ? "" : rest.substr(items + 1);
            if (finding.path->empty() || finding.path->starts_with("id=")) {
                problem(line.number, "\"// expect-file:\" needs a path relative to the project folder");
                return;
            }
        }
        std::string itemProblem;
        const std::vector<std::string> identifiers = identifiersOf(rest, itemProblem);
        if (!itemProblem.empty() || identifiers.size() > 1) {
            problem(line.number, itemProblem.empty() ? "one expectation line expects one finding" : itemProblem);
            return;
        }
        if (!identifiers.empty()) {
            finding.identifier = identifiers[0];
        }
        case_.otherFindings.push_back(std::move(finding));
        lastExpectationIsOtherFinding_ = true;
    }

    // Applies to the expectation line just before it, else to every marker of the case's last line with markers.
    void readInfoExpectation(const Line &line) {
        const std::string fragment = xa_trimmed(xa_trimmed(line.text).substr(kExpectInfo.size()));
        if (!fragment.empty() && lastExpectationIsOtherFinding_) {
            case_.otherFindings.back().infoFragments.push_back(fragment);
            return;
        }
        if (fragment.empty() || case_.markers.empty()) {
            problem(line.number, "\"// expect-info:\" needs a text and a marked line before it");
            return;
        }
        const std::size_t markedLine = case_.markers.back().caseFileLine;
        for (XARuleCaseMarker &marker : case_.markers) {
            if (marker.caseFileLine == markedLine) {
                marker.infoFragments.push_back(fragment);
            }
        }
    }

    void readErrorExpectation(const Line &line) {
        const std::string fragment = xa_trimmed(xa_trimmed(line.text).substr(kExpectError.size()));
        if (fragment.empty()) {
            problem(line.number, "\"// expect-error:\" needs a text");
            return;
        }
        case_.expectedErrors.push_back({fragment, line.number});
    }

    // Applies to every marker of the case's last line with markers.
    void readSeverityExpectation(const Line &line) {
        const std::string text = xa_trimmed(xa_trimmed(line.text).substr(kExpectSeverity.size()));
        const bool isNumber = !text.empty() && text.size() <= 2 &&
                              std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!isNumber || case_.markers.empty()) {
            problem(line.number, "\"// expect-severity:\" needs a number and a marked line before it");
            return;
        }
        const std::size_t markedLine = case_.markers.back().caseFileLine;
        for (XARuleCaseMarker &marker : case_.markers) {
            if (marker.caseFileLine == markedLine) {
                marker.severity = std::stoi(text);
            }
        }
    }

    void readCode(const Line &line) {
        lastExpectationIsOtherFinding_ = false;
        if (case_.files.empty()) {
            if (xa_trimmed(line.text).empty()) {
                return; // blank lines between a title and the code
            }
            case_.files.push_back({defaultFileName_, defaults_.headerText});
            fileLineCount_ = defaults_.headerLineCount;
        }
        XARuleCaseSourceFile &file = case_.files.back();
        std::string code = line.text;
        std::vector<std::string> identifiers;
        const std::size_t expectation = code.find(kExpect);
        if (expectation != std::string::npos) {
            std::string itemProblem;
            identifiers = identifiersOf(std::string_view(code).substr(expectation + kExpect.size()), itemProblem);
            if (!itemProblem.empty()) {
                problem(line.number, itemProblem);
            }
            code.erase(expectation);
        }
        std::vector<std::size_t> markerColumns;
        for (std::size_t found = code.find(kMarker); found != std::string::npos; found = code.find(kMarker, found)) {
            code.erase(found, kMarker.size());
            markerColumns.push_back(found);
        }
        if (identifiers.size() > markerColumns.size()) {
            problem(line.number, "the line expects " + std::to_string(identifiers.size()) + " identifiers but marks " +
                                     std::to_string(markerColumns.size()) + " findings");
        }
        ++fileLineCount_;
        for (std::size_t i = 0; i < markerColumns.size(); ++i) {
            XARuleCaseMarker marker;
            marker.fileName = file.name;
            marker.offset = file.text.size() + markerColumns[i];
            marker.line = fileLineCount_;
            marker.column = markerColumns[i] + 1;
            marker.caseFileLine = line.number;
            if (i < identifiers.size()) {
                marker.identifier = identifiers[i];
            }
            case_.markers.push_back(std::move(marker));
            lastExpectationIsOtherFinding_ = false;
        }
        file.text += code + "\n";
    }

    XARuleCase &case_;
    const Defaults &defaults_;
    std::string defaultFileName_;
    std::size_t fileLineCount_ = 0;
    bool lastExpectationIsOtherFinding_ = false;
};

Defaults readHeader(const std::string &path, const std::vector<Line> &lines, std::size_t end) {
    Defaults defaults;
    for (std::size_t i = 0; i < end; ++i) {
        const Line &line = lines[i];
        if (line.text.starts_with(kDirectiveStart)) {
            const std::string directive = line.text.substr(kDirectiveStart.size());
            const std::size_t colon = directive.find(':');
            const std::string name = xa_trimmed(directive.substr(0, colon));
            const std::string value = colon == std::string::npos ? "" : xa_trimmed(directive.substr(colon + 1));
            std::string problem;
            if (name == "fixture" && !value.empty()) {
                defaults.fixture = value;
            } else if (name == "options" || name == "project") {
                if (std::optional<XADictionary> object = jsonObject(value, problem)) {
                    mergeInto(name == "options" ? defaults.options : defaults.projectFacts, *object);
                } else {
                    defaults.problems.push_back(located(path, line.number, problem));
                }
            } else {
                defaults.problems.push_back(located(path, line.number,
                                                    "unknown header directive \"" + line.text +
                                                        "\" (known in a header: fixture, options, project)"));
            }
            continue;
        }
        if (xa_containsSubstring(line.text, kMarker)) {
            defaults.problems.push_back(located(path, line.number, "a marker stands above the first case"));
        }
        defaults.headerText += line.text + "\n";
        ++defaults.headerLineCount;
    }
    return defaults;
}

std::string sanitizedName(const std::string &text) {
    std::string name;
    for (char c : text) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

// "NSLogUsed" for "NSLogUsed.m" and for "NSLogUsed+Fixture.m".
std::string ruleShortNameOfCaseFile(const std::string &path) {
    const std::string name = xa_stringByDeletingPathExtension(xa_lastPathComponent(path));
    return name.substr(0, name.find('+'));
}

XARuleCase caseWithProblem(const std::string &path, const std::string &problem) {
    XARuleCase ruleCase;
    ruleCase.caseFilePath = path;
    ruleCase.ruleShortName = ruleShortNameOfCaseFile(path);
    ruleCase.title = "case file";
    ruleCase.problems.push_back(problem);
    return ruleCase;
}

} // namespace

std::string XARuleCase::testName() const { return sanitizedName(ruleShortName + "_" + title); }

std::vector<XARuleCase> XAReadRuleCaseFile(const std::string &path) {
    XAError error;
    const std::optional<std::string> text = XAContentsOfFile(path, &error);
    if (!text) {
        return {caseWithProblem(path, "cannot read the case file: " + error.message)};
    }
    const std::vector<Line> lines = linesOf(*text);
    const auto firstCase =
        std::find_if(lines.begin(), lines.end(), [](const Line &line) { return line.text.starts_with(kCaseStart); });
    if (firstCase == lines.end()) {
        return {caseWithProblem(path, "the case file holds no case (a line beginning with \"//---\")")};
    }
    const Defaults defaults = readHeader(path, lines, static_cast<std::size_t>(firstCase - lines.begin()));
    const std::string defaultFileName = "Case." + xa_pathExtension(path);
    std::vector<XARuleCase> cases;
    std::map<std::string, int> namesSeen;
    for (auto line = firstCase; line != lines.end();) {
        XARuleCase ruleCase;
        ruleCase.caseFilePath = path;
        ruleCase.ruleShortName = ruleShortNameOfCaseFile(path);
        ruleCase.title = xa_trimmed(line->text.substr(kCaseStart.size()));
        ruleCase.titleLine = line->number;
        ruleCase.fixture = defaults.fixture;
        ruleCase.options = defaults.options;
        ruleCase.projectFacts = defaults.projectFacts;
        ruleCase.problems = defaults.problems;
        if (ruleCase.title.empty()) {
            ruleCase.problems.push_back(located(path, line->number, "the case has no title"));
            ruleCase.title = "untitled";
        }
        CaseBuilder builder(ruleCase, defaults, defaultFileName);
        for (++line; line != lines.end() && !line->text.starts_with(kCaseStart); ++line) {
            builder.read(*line);
        }
        builder.finish();
        const int seen = ++namesSeen[ruleCase.testName()];
        if (seen > 1) {
            ruleCase.title += " " + std::to_string(seen);
        }
        cases.push_back(std::move(ruleCase));
    }
    return cases;
}

std::vector<XARuleCase> XAReadRuleCaseFolder(const std::string &folder) {
    static const std::set<std::string> extensions = {"m", "mm", "c", "cpp", "h"};
    std::vector<std::string> paths;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file() && extensions.contains(xa_pathExtension(entry.path().string()))) {
            paths.push_back(entry.path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    std::vector<XARuleCase> cases;
    for (const std::string &path : paths) {
        std::vector<XARuleCase> fileCases = XAReadRuleCaseFile(path);
        cases.insert(cases.end(), std::make_move_iterator(fileCases.begin()), std::make_move_iterator(fileCases.end()));
    }
    if (cases.empty()) {
        cases.push_back(caseWithProblem(folder + "/", "the folder holds no case file"));
    }
    return cases;
}
