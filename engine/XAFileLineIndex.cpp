#include "engine/XAFileLineIndex.h"

#include "core/XAPaths.h"

#include <algorithm>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

#include <sys/stat.h>

namespace {

// What tells one version of a file from another cheaply.
struct FileVersion {
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileVersion &) const = default;
};

std::optional<FileVersion> versionOfFile(const std::string &path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileVersion{status.st_size, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

std::shared_ptr<const XAFileLineIndex> readIndex(const std::string &path) {
    return std::make_shared<const XAFileLineIndex>(XAContentsOfFile(path, nullptr).value_or(""));
}

// The indexes kept for the active runs.
class KeptIndexes {
public:
    static KeptIndexes &shared() {
        static KeptIndexes kept;
        return kept;
    }

    void beginRun() {
        std::unique_lock lock(mutex_);
        ++activeRuns_;
    }

    void endRun() {
        std::unique_lock lock(mutex_);
        if (--activeRuns_ == 0) {
            indexes_.clear();
        }
    }

    std::shared_ptr<const XAFileLineIndex> indexOfFile(const std::string &path) {
        const std::optional<FileVersion> version = versionOfFile(path);
        if (!version) {
            static const auto empty = std::make_shared<const XAFileLineIndex>("");
            return empty;
        }
        {
            std::shared_lock lock(mutex_);
            if (activeRuns_ == 0) {
                return readIndex(path);
            }
            if (auto kept = indexes_.find(path); kept != indexes_.end() && kept->second.version == *version) {
                return kept->second.index;
            }
        }
        // Read without the lock: two threads may read the same file once each, and the later one's index is kept.
        std::shared_ptr<const XAFileLineIndex> index = readIndex(path);
        std::unique_lock lock(mutex_);
        if (activeRuns_ > 0) {
            indexes_.insert_or_assign(path, Kept{*version, index});
        }
        return index;
    }

private:
    struct Kept {
        FileVersion version;
        std::shared_ptr<const XAFileLineIndex> index;
    };

    std::shared_mutex mutex_;
    int activeRuns_ = 0;
    std::unordered_map<std::string, Kept> indexes_;
};

} // namespace

XAFileLineIndex::XAFileLineIndex(std::string_view bytes) {
    const std::uint64_t textEnd = std::min(bytes.find('\0'), bytes.size());
    for (std::uint64_t index = 0; index < textEnd; ++index) {
        if (index == 0 || bytes[index - 1] == '\n') {
            lineStarts_.push_back(index);
        }
    }
    lastLineEnd_ = textEnd > 0 && bytes[textEnd - 1] == '\n' ? textEnd - 1 : textEnd;
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> XAFileLineIndex::lineRange(std::uint64_t line) const {
    if (line == 0 || line > lineStarts_.size()) {
        return std::nullopt;
    }
    const std::uint64_t end = line < lineStarts_.size() ? lineStarts_[line] - 1 : lastLineEnd_;
    return std::pair(lineStarts_[line - 1], end);
}

std::shared_ptr<const XAFileLineIndex> XAFileLineIndex::indexOfFile(const std::string &path) {
    return KeptIndexes::shared().indexOfFile(path);
}

XAFileLineIndex::RunScope::RunScope() { KeptIndexes::shared().beginRun(); }

XAFileLineIndex::RunScope::~RunScope() { KeptIndexes::shared().endRun(); }
