#include "platform/devtools/XAXcodebuildBuildProducts.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

bool makeFolder(const std::string &path, std::vector<std::string> &errors) {
    std::error_code error;
    fs::create_directories(path, error);
    if (error || !fs::is_directory(path, error)) {
        errors.push_back("Unable to create the folder '" + path + "': " + error.message());
        return false;
    }
    return true;
}

bool copyItem(const std::string &source, const std::string &destination, std::vector<std::string> &errors) {
    std::error_code absent;
    if (!fs::exists(source, absent)) {
        return true; // a file a script would write, say: the plan warned about it, and the build goes on without it
    }
    if (!makeFolder(fs::path(destination).parent_path().string(), errors)) {
        return false;
    }
    std::error_code error;
    if (fs::is_directory(source, error)) {
        fs::copy(source, destination,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing | fs::copy_options::copy_symlinks,
                 error);
    } else {
        fs::copy_file(source, destination, fs::copy_options::overwrite_existing, error);
    }
    if (error) {
        errors.push_back("Unable to copy '" + source + "' to '" + destination + "': " + error.message());
        return false;
    }
    return true;
}

bool placeholderFile(const std::string &path, std::vector<std::string> &errors) {
    if (!makeFolder(fs::path(path).parent_path().string(), errors)) {
        return false;
    }
    std::error_code error;
    if (fs::is_directory(path, error)) {
        return true;
    }
    std::ofstream file(path, std::ios::binary | std::ios::app);
    if (!file) {
        errors.push_back("Unable to create the file '" + path + "'.");
        return false;
    }
    return true;
}

bool touch(const std::string &path, std::vector<std::string> &errors) {
    std::error_code error;
    if (!fs::exists(path, error)) {
        return true; // touch -c creates nothing
    }
    fs::last_write_time(path, fs::file_time_type::clock::now(), error);
    if (error) {
        errors.push_back("Unable to touch '" + path + "': " + error.message());
        return false;
    }
    return true;
}

// A second build replaces the link a first one made (or a copy an older build left).
bool link(const std::string &target, const std::string &path, std::vector<std::string> &errors) {
    if (!makeFolder(fs::path(path).parent_path().string(), errors)) {
        return false;
    }
    std::error_code error;
    if (fs::is_symlink(path, error) || fs::exists(path, error)) {
        fs::remove_all(path, error);
    }
    fs::create_symlink(target, path, error);
    if (error) {
        errors.push_back("Unable to link '" + path + "' to '" + target + "': " + error.message());
        return false;
    }
    return true;
}

bool writeFile(const std::string &path, const std::string &text, std::vector<std::string> &errors) {
    if (!makeFolder(fs::path(path).parent_path().string(), errors)) {
        return false;
    }
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::remove(path, error);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!(file << text)) {
        errors.push_back("Unable to write the file '" + path + "'.");
        return false;
    }
    return true;
}

bool carryOut(const XAStandInBuildStep &step, std::vector<std::string> &errors) {
    switch (step.effect) {
    case XAProductEffect::None:
        return true;
    case XAProductEffect::Copy:
        return copyItem(step.source, step.destination, errors);
    case XAProductEffect::PlaceholderFile:
        return placeholderFile(step.destination, errors);
    case XAProductEffect::PlaceholderFolder:
        return makeFolder(step.destination, errors);
    case XAProductEffect::Touch:
        return touch(step.destination, errors);
    case XAProductEffect::Link:
        return link(step.source, step.destination, errors);
    }
    return true;
}

} // namespace

bool XALayOutTargetProducts(const XAStandInTargetBuild &build, bool dryRun, std::vector<std::string> &errors) {
    bool succeeded = true;
    for (const std::string &folder : dryRun ? std::vector<std::string>() : build.productFolders) {
        succeeded = makeFolder(folder, errors) && succeeded;
    }
    for (const XAStandInBuildStep &step : build.steps) {
        if (!dryRun || step.effect == XAProductEffect::Link) {
            succeeded = carryOut(step, errors) && succeeded;
        }
    }
    for (const auto &[path, target] : build.frameworkLinks) {
        succeeded = link(target, path, errors) && succeeded;
    }
    if (build.moduleMap) {
        succeeded = writeFile(build.moduleMap->first, build.moduleMap->second, errors) && succeeded;
    }
    return succeeded;
}
