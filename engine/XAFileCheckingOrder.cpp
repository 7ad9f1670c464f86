#include "engine/XAFileCheckingOrder.h"

#include <algorithm>
#include <filesystem>

std::vector<std::size_t> XALargestFilesFirst(std::vector<std::size_t> files, const std::vector<std::uintmax_t> &sizes,
                                             std::size_t keptInFront) {
    const auto firstSorted = files.begin() + static_cast<std::ptrdiff_t>(std::min(keptInFront, files.size()));
    std::stable_sort(firstSorted, files.end(),
                     [&](std::size_t left, std::size_t right) { return sizes[left] > sizes[right]; });
    return files;
}

std::uintmax_t XAFileSizeOrZero(const std::string &path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}
