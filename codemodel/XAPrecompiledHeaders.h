#pragma once

// Precompiled (prefix) headers made ready for parsing.
//
// A dry run prints the steps that would make each precompiled header but makes none, while every parse of a source
// file that uses a prefix header ("-include <folder>/<name>.pch") expects a ready-made file at the header step's
// output path ("<folder>/<name>.pch.pch", which clang finds beside the named header). The build therefore makes the
// headers itself: each prefix header is parsed with its step's own arguments and the translation unit is saved at the
// output path.
//
// A saved header is only ever reused when it is certainly what a fresh parse would give: libclang fails without a
// diagnostic, or reports bogus duplicate declarations, when it reads one made by another libclang, with other
// arguments or from other header contents. So every saved header gets a manifest beside it
// ("<output path>.tessary-key.json") holding its key (a SHA-256 digest of the libclang version texts, the parsing
// arguments, the header's path and its contents) and the SHA-256 digest of every file it included. A saved header is
// reused when the manifest's key equals the header's key now, every file it included still has the recorded contents,
// and libclang loads it without complaint (which also covers modules it imported from a cache that has since been
// cleared). Anything else removes it and parses the header again.
//
// A header is parsed with the detailed preprocessing record, as the checking run parses source files: with modules
// on, clang files the modules a unit imports under a hash of such settings, and a parse whose settings differ from
// the header's cannot read it.
//
// Headers are parsed side by side, as many at a time as the configured number of jobs; each parse names the
// compiler's working directory with -working-directory (in the parsing arguments), so the process's own working
// directory is never changed. Headers that share an output path are processed one after the other.

#include "core/XAProgressMessage.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class XAPCHCompilationInfo;

// What a saved precompiled header was made from.
struct XAPrecompiledHeaderManifest {
    std::string key;
    // Every file the header included (the header itself among them), with the SHA-256 digest of its contents.
    std::vector<std::pair<std::string, std::string>> dependencies;

    bool operator==(const XAPrecompiledHeaderManifest &) const = default;
};

// The file beside a saved header that holds its manifest.
std::string XAPrecompiledHeaderManifestPath(std::string_view outputPath);
// The manifest as JSON text, and back; no value for text that is not a manifest.
std::string XAPrecompiledHeaderManifestText(const XAPrecompiledHeaderManifest &manifest);
std::optional<XAPrecompiledHeaderManifest> XAPrecompiledHeaderManifestFromText(std::string_view text);

// The key of a header: the SHA-256 digest of the libclang version text, the parsing arguments, the header's path and
// its contents, each part length-prefixed so that no two different inputs give the same digest input.
std::string XAPrecompiledHeaderKey(std::string_view libclangVersion, const std::vector<std::string> &arguments,
                                   std::string_view headerPath, std::string_view headerContents);

// The loaded libclang's identity for keys: its version text, its full version and the path it was loaded from.
// Needs a loaded libclang.
std::string XAPrecompiledHeaderLibclangIdentity();

struct XAPrecompiledHeaderProcessingOptions {
    // The project's folder: a missing prefix header under it is named in the error message.
    std::string projectDiskRootPath;
    // How many headers are parsed at once; 0 counts as 1.
    std::size_t width = 1;
};

// Makes every header ready: an info for an ignored architecture is only reported as skipped; each other one is
// reused or parsed and saved as described above. Progress (kind 7), warnings in a header (kind 4) and errors (kind 3)
// are numbered by the header's position, counted from 1, among all infos. True when every header that was not
// skipped is ready; a failed header does not stop the others. Needs a loaded libclang. Returns when all are done.
bool XAProcessPrecompiledHeaders(const std::vector<std::shared_ptr<const XAPCHCompilationInfo>> &infos,
                                 const XAPrecompiledHeaderProcessingOptions &options,
                                 const XAProgressHandler &progress);
