#include "project/XAAddFileToProjectOperation.h"

#include "core/XAPaths.h"
#include "core/XAPathsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(XAAddFileToProjectOperation, ASecondRunLeavesTheFirstCopyAlone) {
    XAScratchFolder folder;
    const std::string source = folder.write("resources/TessaryAnnotations.h", "#define ANNOTATION 1\n");
    std::filesystem::create_directories(folder / "App/Sources");
    XAAddFileToProjectOperation operation(folder / "App/App.xcodeproj", source, folder / "App/Sources");
    EXPECT_TRUE(operation.wasSuccessful()) << "no error before the first run";
    EXPECT_EQ(operation.fileTargetPath(), folder / "App/Sources/TessaryAnnotations.h");

    operation.main();
    EXPECT_TRUE(operation.wasSuccessful());
    EXPECT_EQ(XAContentsOfFile(operation.fileTargetPath(), nullptr), "#define ANNOTATION 1\n");

    folder.write("App/Sources/TessaryAnnotations.h", "edited by the user\n");
    operation.main();
    ASSERT_FALSE(operation.wasSuccessful());
    EXPECT_EQ(operation.error()->message, "The file already exists: " + operation.fileTargetPath());
    EXPECT_EQ(operation.error()->domain, "org.quenby.tessary");
    EXPECT_EQ(XAContentsOfFile(operation.fileTargetPath(), nullptr), "edited by the user\n");
}

TEST(XAAddFileToProjectOperation, FailuresLeaveTheFolderUntouched) {
    XAScratchFolder folder;
    const std::string source = folder.write("TessaryAnnotations.h", "x");
    std::filesystem::create_directories(folder / "project");
    std::filesystem::create_symlink(folder / "elsewhere", folder / "project/TessaryAnnotations.h");
    struct Case {
        std::string source;
        std::string targetDir;
    };
    const Case cases[] = {
        {source, folder / "missing"},                // the folder is not created
        {folder / "nothing.h", folder / "project"},  // no source
        {folder / "project/..", folder / "project"}, // a name that leads out of the folder
        {source, folder / "project"},                // a dangling link counts as an existing file
    };
    for (const Case &c : cases) {
        XAAddFileToProjectOperation operation("", c.source, c.targetDir);
        operation.main();
        EXPECT_FALSE(operation.wasSuccessful()) << c.source << " into " << c.targetDir;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_FALSE(std::filesystem::exists(folder / "elsewhere"));
}
