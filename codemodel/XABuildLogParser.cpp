#include "codemodel/XABuildLogParser.h"

#include "codemodel/XABuildLogText.h"
#include "core/XARegex.h"
#include "core/XAString.h"
#include "project/XABuildSettingValues.h"
#include "project/XAProject.h"
#include "project/XAProjectTarget.h"

#include <optional>
#include <utility>

namespace {

// Capacity hints: a target rarely has more steps, a step more lines.
constexpr std::size_t kExpectedStepsPerTarget = 1000;
constexpr std::size_t kExpectedLinesPerStep = 100;

// The text without white space and line ends at its start.
std::string_view trimmedFromStart(std::string_view text) {
    std::size_t offset = 0;
    while (offset < text.size()) {
        const XAUTF8Char character = XADecodeUTF8(text, offset);
        if (!character.valid || !XAIsWhitespaceOrNewline(character.codePoint)) {
            break;
        }
        offset += character.length;
    }
    return text.substr(offset);
}

// The text without white space and line ends at its end.
std::string_view trimmedFromEnd(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0) {
        std::size_t start = end - 1;
        while (start > 0 && end - start < 4 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
            --start;
        }
        const XAUTF8Char character = XADecodeUTF8(text, start);
        if (!character.valid || start + character.length != end || !XAIsWhitespaceOrNewline(character.codePoint)) {
            break;
        }
        end = start;
    }
    return text.substr(0, end);
}

// As xa_trimmed, without copying: the log's lines are long compiler invocations.
std::string_view trimmed(std::string_view text) { return trimmedFromEnd(trimmedFromStart(text)); }

bool contains(std::string_view text, std::string_view needle) { return text.find(needle) != std::string_view::npos; }

bool isBanner(std::string_view line) { return trimmedFromStart(line).starts_with("=== BUILD"); }

void sendWarning(const XAProgressHandler &progress, std::string message) {
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindWarning, std::move(message)));
    }
}

// The name the project spells the way xcodebuild printed it, or the printed name when none matches.
std::string ownSpelling(const std::string &printedName, const std::vector<std::string> &ownNames) {
    for (const std::string &ownName : ownNames) {
        if (xa_isEqualToXcodebuildOutputMangledString(ownName, printedName)) {
            return ownName;
        }
    }
    return printedName;
}

// Reads the lines of one target section (after its banner) into steps.
class XASectionReader {
public:
    explicit XASectionReader(const XAProgressHandler &progress) : progress_(progress) {
        steps_.reserve(kExpectedStepsPerTarget);
        openStep_.reserve(kExpectedLinesPerStep);
    }

    void readLine(std::string_view line) {
        const bool indented = line.starts_with(' '); // only a blank indents; a tab starts a new step
        const std::string_view text = trimmed(line);
        if (skipping_) {
            skipping_ = !text.empty();
            return;
        }
        if (startsBlockThatIsNoStep(text)) {
            skipping_ = true;
            return;
        }
        if (text.starts_with("warning:") && !contains(text, "all apps should include an armv7 architecture")) {
            sendWarning(progress_, "xcodebuild: " + std::string(text));
        }
        if (text.starts_with("** BUILD ") || text == "Check dependencies" || text.starts_with("Copying lib")) {
            return;
        }
        if (!indented) {
            closeOpenStep();
            if (!text.empty()) {
                hasOpenStep_ = true;
                openStep_.emplace_back(text);
            }
        } else if (!text.empty() && hasOpenStep_) {
            openStep_.emplace_back(text);
        }
    }

    std::vector<XABuildStep> finish() {
        closeOpenStep();
        return std::move(steps_);
    }

private:
    static bool startsBlockThatIsNoStep(std::string_view text) {
        return text.starts_with("Write auxiliary files") || text.starts_with("Create product structure") ||
               contains(text, "com.apple.actool.compilation-results");
    }

    void closeOpenStep() {
        if (hasOpenStep_ && !openStep_.empty()) {
            steps_.emplace_back(openStep_);
        }
        openStep_.clear();
        hasOpenStep_ = false;
    }

    const XAProgressHandler &progress_;
    std::vector<XABuildStep> steps_;
    // The lines of the open step. At the start of a section an empty step counts as open, so that lines indented
    // before the first header are kept; a blank unindented line leaves no step open.
    std::vector<std::string> openStep_;
    bool hasOpenStep_ = true;
    bool skipping_ = false;
};

// Reads one section (its banner first) into the result.
void readSection(const std::vector<std::string_view> &lines, std::size_t begin, std::size_t end,
                 const XABuildLogProjectNames &names, const XAProgressHandler &progress,
                 XABuildStepsByTargetKey &stepsByTargetKey) {
    const std::string banner(lines[begin]);
    const std::optional<std::string> printedTarget = xa_substringUsingRegex(banner, "TARGET (.+?) OF PROJECT", 1);
    if (!printedTarget || printedTarget->empty()) {
        sendWarning(progress, "Could not read target name from xcodebuild log line: '" + banner + "'");
        return;
    }
    // Without a project name the steps could only go under a key that no lookup ever asks for.
    const std::optional<std::string> printedProject = xa_substringUsingRegex(banner, "OF PROJECT (.+?) WITH", 1);
    if (!printedProject || printedProject->empty()) {
        sendWarning(progress, "Could not read project name from xcodebuild log line: '" + banner + "'");
        return;
    }
    const std::string projectName = ownSpelling(*printedProject, {names.projectName});
    const std::string targetName = ownSpelling(*printedTarget, names.targetNames);

    XASectionReader reader(progress);
    for (std::size_t index = begin + 1; index < end; ++index) {
        reader.readLine(lines[index]);
    }
    stepsByTargetKey[XABuildLogParser::keyForProjectName(projectName, targetName)] = reader.finish();
}

} // namespace

XABuildLogProjectNames XABuildLogProjectNames::of(const XAProject &project) {
    XABuildLogProjectNames names{project.projectName(), {}};
    for (const std::shared_ptr<XAProjectTarget> &target : project.targets()) {
        if (target) {
            names.targetNames.push_back(target->name());
        }
    }
    return names;
}

std::string XABuildLogParser::keyForProjectName(std::string_view projectName, std::string_view targetName) {
    std::string key;
    key.reserve(projectName.size() + 2 + targetName.size());
    return key.append(projectName).append("__").append(targetName);
}

XABuildStepsByTargetKey XABuildLogParser::buildStepsByTargetKeyFromLog(std::string_view log,
                                                                       const XABuildLogProjectNames &names,
                                                                       const XAProgressHandler &progress) {
    std::string decodedStorage;
    const std::vector<std::string_view> lines = XABuildLogLines(XAValidUTF8(log, decodedStorage));

    // Sections run from one banner to the next; what stands before the first banner belongs to none.
    std::vector<std::size_t> bannerIndexes;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (isBanner(lines[index])) {
            bannerIndexes.push_back(index);
        }
    }
    XABuildStepsByTargetKey stepsByTargetKey;
    for (std::size_t section = 0; section < bannerIndexes.size(); ++section) {
        const std::size_t end = section + 1 < bannerIndexes.size() ? bannerIndexes[section + 1] : lines.size();
        readSection(lines, bannerIndexes[section], end, names, progress, stepsByTargetKey);
    }
    return stepsByTargetKey;
}

XABuildStepsByTargetKey XABuildLogParser::buildStepsByTargetKeyFromLog(std::string_view log, const XAProject &project,
                                                                       const XAProgressHandler &progress) {
    return buildStepsByTargetKeyFromLog(log, XABuildLogProjectNames::of(project), progress);
}
