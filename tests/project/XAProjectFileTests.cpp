#include "project/XAProjectFile.h"

#include "core/XATemporaryFiles.h"
#include "project/XAPbxprojReader.h"
#include "project/XAProjectFileTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

namespace {

// A file whose reference object holds exactly `reference`, at `diskPath`.
std::shared_ptr<XAProjectFile> fileWithReference(XADictionary reference, std::optional<std::string> diskPath,
                                                 std::optional<std::string> resourcePath = std::nullopt) {
    auto record = std::make_shared<XAProjectData>();
    record->xcodeprojPath = "/p/App.xcodeproj";
    record->projectDict = std::make_shared<XAValue>(
        XADictionary{{"objects", XAValue(XADictionary{{"F1", XAValue(std::move(reference))}})}, {"rootObject", "R"}});
    return XAProjectFile::fileWithPbxObjectID("F1", record, std::string("Group"), std::move(diskPath),
                                              std::move(resourcePath), std::string("<group>"));
}

std::shared_ptr<XAProjectFile> fileOfType(std::optional<std::string> lastKnownFileType, const std::string &diskPath) {
    XADictionary reference{{"isa", "PBXFileReference"}};
    if (lastKnownFileType) {
        reference.set("lastKnownFileType", *lastKnownFileType);
    }
    return fileWithReference(std::move(reference), diskPath);
}

std::shared_ptr<const XAProjectData> loadedTree(const std::string &xcodeprojPath) {
    XAError error;
    auto record = std::make_shared<XAProjectData>();
    record->xcodeprojPath = xcodeprojPath;
    record->projectDict = XAReadPbxproj(xcodeprojPath + "/project.pbxproj", &error);
    EXPECT_TRUE(record->projectDict) << error.message;
    return XABuildProjectFileTree(record, [] { return std::optional<std::string>(); });
}

std::shared_ptr<XAProjectFile> treeFile(const std::shared_ptr<const XAProjectData> &record, const std::string &id) {
    auto found = record->fileReferenceObjects.find(id);
    return found == record->fileReferenceObjects.end() ? nullptr : found->second;
}

using Predicate = bool (XAProjectFile::*)() const;

} // namespace

TEST(XAProjectFile, KindPredicatesUseFileTypeOrExtension) {
    struct Case {
        std::optional<std::string> type;
        const char *path;
        Predicate predicate;
        const char *predicateName;
        bool expected;
    } cases[] = {
        {"folder", "/p/Stuff", &XAProjectFile::isFolder, "isFolder", true},
        {"file.xib", "/p/V.xib", &XAProjectFile::isXIBType, "isXIBType", true},
        {"file.storyboard", "/p/Main.storyboard", &XAProjectFile::isStoryboard, "isStoryboard", true},
        {"file.storyboard", "/p/Main.storyboard", &XAProjectFile::isXIB, "isXIB", false},
        {std::nullopt, "/p/Font.TTF", &XAProjectFile::isFontFile, "isFontFile", true},
        {std::nullopt, "/p/Loc.strings", &XAProjectFile::isStringsFile, "isStringsFile", true},
        {"text.plist.strings", "/p/Loc.txt", &XAProjectFile::isStringsFile, "isStringsFile", true},
        {std::nullopt, "/p/Loc.STRINGS", &XAProjectFile::isStringsFile, "isStringsFile", false},
        {std::nullopt, "/p/Loc.stringsdict", &XAProjectFile::isStringsDictFile, "isStringsDictFile", true},
        {std::nullopt, "/p/App.xcconfig", &XAProjectFile::isXcodeConfigFile, "isXcodeConfigFile", true},
        {std::nullopt, "/p/App-Prefix.pch", &XAProjectFile::isPrefixHeader, "isPrefixHeader", true},
        {"sourcecode.c.objc", "/p/a.m", &XAProjectFile::isSourceCodeFile, "isSourceCodeFile", true},
        {"text", "/p/a.m", &XAProjectFile::isSourceCodeFile, "isSourceCodeFile", false},
        {std::nullopt, "/p/a.swift", &XAProjectFile::isSwiftSourceCodeFile, "isSwiftSourceCodeFile", true},
        {"text.plist.xml", "/p/Info.plist", &XAProjectFile::isPropertyListFile, "isPropertyListFile", true},
        {"compiled.mach-o.dylib", "/p/libz.dylib", &XAProjectFile::isDylibFile, "isDylibFile", true},
        {std::nullopt, "/p/libx.a", &XAProjectFile::isLibraryArchiveFile, "isLibraryArchiveFile", true},
        {"wrapper.framework", "/p/UIKit.framework", &XAProjectFile::isFramework, "isFramework", true},
        {std::nullopt, "/p/App.entitlements", &XAProjectFile::isEntitlementsFile, "isEntitlementsFile", true},
        {"folder.iconset", "/p/Icon.iconset", &XAProjectFile::isIconset, "isIconset", true},
        {std::nullopt, "/p/Assets.xcassets", &XAProjectFile::isAssetCatalog, "isAssetCatalog", true},
        {"image.png", "/p/picture", &XAProjectFile::isImage, "isImage", true},
        {std::nullopt, "/p/Photo.PNG", &XAProjectFile::isImage, "isImage", true},
        {std::nullopt, "/p/iTunesArtwork", &XAProjectFile::isImage, "isImage", true},
        {std::nullopt, "/p/notes.txt", &XAProjectFile::isImage, "isImage", false},
        {std::nullopt, "/p/Doc.pdf", &XAProjectFile::isVectorImage, "isVectorImage", true},
        {std::nullopt, "/p/Doc.PDF", &XAProjectFile::isVectorImage, "isVectorImage", false},
        {std::nullopt, "/p/Doc.PDF", &XAProjectFile::isImage, "isImage", true},
    };
    for (const auto &c : cases) {
        auto file = fileOfType(c.type, c.path);
        EXPECT_EQ(((*file).*c.predicate)(), c.expected) << c.predicateName << " of " << c.path;
    }
}

TEST(XAProjectFile, FactoryWorksOutResourceAndLocalePaths) {
    auto strings =
        fileWithReference({{"isa", "PBXFileReference"}}, "/p/Sources/en.lproj/Main.strings", "en.lproj/Main.strings");
    EXPECT_EQ(strings->pathAsResource(), "en.lproj/Main.strings");
    EXPECT_EQ(strings->resourceReferencePath(), "Main.strings");
    EXPECT_EQ(strings->localeIdentifier(), "en");
    EXPECT_EQ(strings->localeSpecificity(), 1);
    EXPECT_EQ(strings->humanReadableRegionCode(), "English");
    // The group path ends in the file's name even when the caller's does not.
    EXPECT_EQ(strings->pathInXcode(), "Group/Main.strings");

    auto plain = fileWithReference({{"isa", "PBXFileReference"}, {"path", "Sub/icon.png"}}, std::nullopt, "icon.png");
    EXPECT_EQ(plain->localeIdentifier(), std::nullopt);
    EXPECT_EQ(plain->localeSpecificity(), -2);
    EXPECT_EQ(plain->humanReadableRegionCode(), std::nullopt);
    EXPECT_EQ(plain->resourceReferencePath(), "icon.png");
    // Without a disk path the name comes from the reference's "path".
    EXPECT_EQ(plain->name(), "icon.png");
    EXPECT_EQ(plain->pathInXcode(), "Group/icon.png");
}

TEST(XAProjectFile, ReadsReferenceObjectAndDescribesItself) {
    auto product = fileWithReference({{"isa", "PBXFileReference"}, {"includeInIndex", "0"}, {"sourceTree", "SDKROOT"}},
                                     "/p/App.app");
    EXPECT_FALSE(product->isIncludedInXcodeIndex());
    EXPECT_EQ(product->sourceTree(), "SDKROOT");
    EXPECT_EQ(product->lastKnownFileType(), std::nullopt);
    EXPECT_EQ(product->description(), "XAProjectFile (pbx ID F1): (null) - App.app");

    auto source = fileOfType("sourcecode.c.objc", "/p/a.m");
    EXPECT_TRUE(source->isIncludedInXcodeIndex());
    EXPECT_EQ(source->description(), "XAProjectFile (pbx ID F1): sourcecode.c.objc - a.m");

    // A handle made from an identifier alone has no paths and finds no name without a "path".
    XAProjectFile bare("F1", source->projectData());
    EXPECT_EQ(bare.pathOnDisk(), std::nullopt);
    EXPECT_EQ(bare.name(), "");
    EXPECT_FALSE(bare.isImage());
    EXPECT_TRUE(bare.isEqual(*source));
}

TEST(XAProjectFile, DeviceSpecifiersAndBaseResourceNames) {
    struct Case {
        const char *path;
        std::optional<std::string> device;
        const char *baseName;
        bool coversIPhone;
    } cases[] = {
        {"/p/Icon~ipad.png", "ipad", "Icon.png", false},
        {"/p/Icon@2x~iphone.png", "iphone", "Icon.png", true},
        {"/p/Icon@3x.png", std::nullopt, "Icon.png", true},
        {"/p/Splash~ipadpro@2x.png", "ipad", "Splashpro.png", false},
        {"/p/Odd~.png", std::nullopt, "Odd~.png", true},
        {"/p/Readme", std::nullopt, "Readme", true},
        {"/p/Launch~mac.png", std::nullopt, "Launch~mac.png", true},
    };
    for (const auto &c : cases) {
        auto file = fileOfType(std::nullopt, c.path);
        EXPECT_EQ(file->deviceTypeSpecifier(), c.device) << c.path;
        EXPECT_EQ(file->baseResourceName(), c.baseName) << c.path;
        EXPECT_EQ(file->coversDeviceTypeSpecifier("iphone"), c.coversIPhone) << c.path;
    }
}

TEST(XAProjectFile, TextContentsOnlyForTextFiles) {
    const std::string folder = TESSARY_FIXTURES_DIR "/projects/FileTree/Sources";
    EXPECT_THAT(fileOfType("sourcecode.c.objc", folder + "/a.m")->textContentsIfTextFile().value_or(""),
                HasSubstr("return 42;"));
    // The kind decides before the disk is read.
    EXPECT_EQ(fileOfType("image.png", folder + "/a.m")->textContentsIfTextFile(), std::nullopt);
    EXPECT_EQ(fileOfType("folder", folder + "/a.m")->textContentsIfTextFile(), std::nullopt);
    EXPECT_EQ(fileOfType(std::nullopt, folder + "/missing.m")->textContentsIfTextFile(), std::nullopt);

    auto binary = XATemporaryFilePath("BinaryFile-XXXXXXXX");
    ASSERT_TRUE(binary);
    std::ofstream(*binary, std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\xff\xfe\xfd", 11);
    EXPECT_EQ(fileOfType(std::nullopt, *binary)->textContentsIfTextFile(), std::nullopt);
    std::filesystem::remove(*binary);
}

TEST(XAProjectFile, StringsFileDictionaryReadsUTF8AndUTF16AndReportsErrors) {
    auto demo = loadedTree(TESSARY_SOURCE_DIR "/examples/TessaryDemo/TessaryDemo.xcodeproj");
    XAError error;
    auto german = treeFile(demo, "A2000000000000000000000B");
    ASSERT_NE(german, nullptr);
    auto table = german->stringsFileDictionary(&error);
    ASSERT_TRUE(table) << error.message;
    ASSERT_NE(table->stringForKey("greeting.tapped"), nullptr);
    EXPECT_EQ(*table->stringForKey("greeting.tapped"), "Du hast \u201eGr\u00fc\u00dfen\u201c getippt");

    auto tree = loadedTree(TESSARY_FIXTURES_DIR "/projects/FileTree/FileTree.xcodeproj");
    auto english = treeFile(tree, "C000000000000000ENSTRING");
    ASSERT_NE(english, nullptr);
    table = english->stringsFileDictionary(&error);
    ASSERT_TRUE(table) << error.message;
    EXPECT_EQ(*table, XAValue(XADictionary{{"hello", "Hello"}}));

    error = XAError();
    EXPECT_FALSE(treeFile(tree, "C000000000000000DESTRING")->stringsFileDictionary(&error));
    EXPECT_THAT(error.message, HasSubstr("de.lproj/Main.strings"));

    error = XAError();
    EXPECT_FALSE(fileOfType(std::nullopt, "/nonexistent/x.strings")->stringsFileDictionary(&error));
    EXPECT_THAT(error.message, HasSubstr("/nonexistent/x.strings"));

    auto empty = XATemporaryFilePath("Empty-XXXXXXXX");
    ASSERT_TRUE(empty);
    table = fileOfType(std::nullopt, *empty)->stringsFileDictionary(&error);
    ASSERT_TRUE(table);
    EXPECT_EQ(*table, XAValue(XADictionary{}));
    std::filesystem::remove(*empty);
}

TEST(XAProjectFile, XcconfigStatementsFindIncludesInTheProjectFolder) {
    auto tree = loadedTree(TESSARY_FIXTURES_DIR "/projects/FileTree/FileTree.xcodeproj");
    auto config = treeFile(tree, "C000000000000000SRCROOTX");
    ASSERT_NE(config, nullptr);
    ASSERT_TRUE(config->isXcodeConfigFile());
    auto statements = config->xcConfigFileStatements();
    ASSERT_TRUE(statements);
    ASSERT_EQ(statements->size(), 4u);
    EXPECT_EQ((*statements)[0].xcFilePath, TESSARY_FIXTURES_DIR "/projects/FileTree/Config/Base.xcconfig");
    EXPECT_EQ((*statements)[2].xcKey, "PRODUCT_NAME");
    EXPECT_EQ((*statements)[2].xcLineNumber, 4u);
    EXPECT_THAT(config->xcConfigBuildSettings(), ElementsAre(Pair("OTHER_LDFLAGS[sdk=iphoneos*]", "-lz"),
                                                             Pair("PRODUCT_NAME", "App"), Pair("SWIFT_VERSION", "5")));

    EXPECT_EQ(fileOfType("text.xcconfig", "/nonexistent/App.xcconfig")->xcConfigFileStatements(), std::nullopt);
    EXPECT_TRUE(fileOfType("text.xcconfig", "/nonexistent/App.xcconfig")->xcConfigBuildSettings().empty());
}

TEST(XAProjectFile, BaseResourceNameOfResourceFilename) {
    EXPECT_EQ(XABaseResourceNameOfResourceFilename("Icon@2x~ipad.png"), "Icon.png");
    EXPECT_EQ(XABaseResourceNameOfResourceFilename("Icon@2x~iphone.png"),
              XABaseResourceNameOfResourceFilename("Icon~ipad.png"));
    EXPECT_EQ(XABaseResourceNameOfResourceFilename("a@2x@3x"), "a");
    EXPECT_EQ(XABaseResourceNameOfResourceFilename(""), "");
}
