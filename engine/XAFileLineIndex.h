#pragma once

// Where the lines of a file start, found in one scan, so that the positions of many findings in one file cost a look-up
// each instead of a scan of the file each.
//
// While a checking run is active (it holds a RunScope), the index of each file is kept and shared by every thread
// that asks for it; when the last active run ends the kept indexes go. Outside a run each request reads the file
// afresh. A kept index is used only while the file keeps its size and modification time, so a file edited between two
// overlapping runs is read again.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class XAFileLineIndex {
public:
    // Lines end at LF; a zero byte ends the text.
    explicit XAFileLineIndex(std::string_view bytes);

    // The byte offsets of the line's first byte and of the byte after its last one (its LF not included); no value for
    // line 0 or a line past the last one (an LF at the very end starts no line).
    std::optional<std::pair<std::uint64_t, std::uint64_t>> lineRange(std::uint64_t line) const;

    // The index of the file at `path`, shared while a run is active; an empty index for a file that cannot be read.
    static std::shared_ptr<const XAFileLineIndex> indexOfFile(const std::string &path);

    // Keeps the indexes of files while it lives; scopes may overlap and nest.
    class RunScope {
    public:
        RunScope();
        ~RunScope();
        RunScope(const RunScope &) = delete;
        RunScope &operator=(const RunScope &) = delete;
    };

private:
    std::vector<std::uint64_t> lineStarts_;
    std::uint64_t lastLineEnd_ = 0; // the last line's end, before an LF that ends the text
};
