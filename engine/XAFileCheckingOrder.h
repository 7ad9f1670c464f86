#pragma once

// The order in which the workers of a checking run take the files. A file's parse and walk take roughly as long as
// the file is large, so the largest files go first: the last files to start are then short ones, and no job still
// works on a long file while the others have nothing left to take.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The files (indexes into `sizes`) ordered by size, largest first; files of equal size keep their order. The first
// `keptInFront` files keep their places (a file that is parsed before the others).
std::vector<std::size_t> XALargestFilesFirst(std::vector<std::size_t> files, const std::vector<std::uintmax_t> &sizes,
                                             std::size_t keptInFront = 0);

// The size in bytes of the file at the path; 0 when it cannot be read.
std::uintmax_t XAFileSizeOrZero(const std::string &path);
