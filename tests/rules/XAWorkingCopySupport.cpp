#include "XAWorkingCopySupport.h"

#include <git2.h>

#include <filesystem>

namespace fs = std::filesystem;

const char *const kXARecommendedGitIgnore = "build/\nDerivedData/\n.DS_Store\n*.swp\n*.mode1v3\n*.mode2v3\n"
                                            "*.perspectivev3\n*.moved-aside\n";

namespace {

void makeGitRepository(const std::string &root) {
    git_libgit2_init();
    git_repository *repository = nullptr;
    const int status = git_repository_init(&repository, root.c_str(), 0);
    EXPECT_EQ(status, 0) << "cannot make a Git repository at " << root;
    git_repository_free(repository);
    git_libgit2_shutdown();
}

void makeMarker(XAWorkingCopyKind kind, const std::string &root) {
    switch (kind) {
    case XAWorkingCopyKind::Git:
        makeGitRepository(root);
        break;
    case XAWorkingCopyKind::BrokenGit:
        std::ofstream(root + "/.git") << "\x01\x7f garbage, not a gitdir line\n";
        break;
    case XAWorkingCopyKind::Mercurial:
        fs::create_directories(root + "/.hg");
        break;
    case XAWorkingCopyKind::None:
        break;
    }
}

std::string xcodeprojIn(const std::string &folder) {
    for (const fs::directory_entry &entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".xcodeproj") {
            return entry.path().string();
        }
    }
    ADD_FAILURE() << "no .xcodeproj in " << folder;
    return folder + "/missing.xcodeproj";
}

} // namespace

std::string XAPrepareWorkingCopy(const XAScratchFolder &scratch, const std::string &fixture,
                                 const XAWorkingCopy &workingCopy) {
    const std::string source = fixture.starts_with("/") ? fixture : TESSARY_FIXTURES_DIR "/vcs/" + fixture;
    const std::string projectFolder = scratch / ("work/" + workingCopy.projectFolderName);
    std::error_code error;
    fs::create_directories(projectFolder, error);
    fs::copy(source, projectFolder, fs::copy_options::recursive, error);
    EXPECT_FALSE(error) << "cannot copy " << source << ": " << error.message();
    makeMarker(workingCopy.kind, workingCopy.rootAboveProject ? scratch / "work" : projectFolder);
    for (const auto &[relativePath, contents] : workingCopy.files) {
        scratch.write("work/" + workingCopy.projectFolderName + "/" + relativePath, contents);
    }
    return xcodeprojIn(projectFolder);
}
