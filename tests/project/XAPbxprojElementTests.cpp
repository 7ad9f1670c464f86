#include "project/XAPbxprojElement.h"
#include "project/XAPbxprojReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <unordered_set>

using ::testing::HasSubstr;

namespace {

const std::string kExampleProject = TESSARY_SOURCE_DIR "/examples/TessaryDemo/TessaryDemo.xcodeproj/project.pbxproj";
const std::string kFixtures = TESSARY_FIXTURES_DIR "/pbxproj/";

std::shared_ptr<XAProjectData> loadData(const std::string &path) {
    XAError error;
    auto dict = XAReadPbxproj(path, &error);
    EXPECT_TRUE(dict) << error.message;
    auto data = std::make_shared<XAProjectData>();
    data->xcodeprojPath = std::filesystem::path(path).parent_path();
    data->projectDict = dict;
    return data;
}

std::vector<std::string> namesOf(const std::vector<std::shared_ptr<XAPbxprojElement>> &elements) {
    std::vector<std::string> names;
    for (const auto &element : elements) {
        const std::string *name = element->pbx_ownObject() ? element->pbx_ownObject()->stringForKey("name") : nullptr;
        names.push_back(name ? *name : "(none)");
    }
    return names;
}

} // namespace

TEST(XAPbxprojElement, WalksFromTheRootObjectToTargetsAndBuildPhaseFiles) {
    auto data = loadData(kExampleProject);
    XAPbxprojElement project;
    project.setProjectData(data);
    const XAValue *root = project.pbx_projectRootObject();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(*root->stringForKey("isa"), "PBXProject");

    auto targets = project.pbx_elementsOfClass<XAPbxprojElement>(root->get("targets"));
    EXPECT_THAT(namesOf(targets), ::testing::ElementsAre("TessaryDemo", "TessaryDemoTests"));
    EXPECT_EQ(*targets[0]->pbx_isa(), "PBXNativeTarget");

    auto phases = targets[0]->pbx_elementsOfClass<XAPbxprojElement>(targets[0]->pbx_ownObject()->get("buildPhases"));
    ASSERT_EQ(phases.size(), 3u);
    EXPECT_EQ(*phases[0]->pbx_isa(), "PBXSourcesBuildPhase");
    auto files = phases[0]->pbx_elementsOfClass<XAPbxprojElement>(phases[0]->pbx_ownObject()->get("files"));
    ASSERT_EQ(files.size(), 3u);
    const XAValue *fileRef = files[2]->pbx_dictForID(*files[2]->pbx_ownObject()->stringForKey("fileRef"));
    EXPECT_EQ(*fileRef->stringForKey("path"), "main.m");

    EXPECT_THAT(targets[0]->description(), HasSubstr("XAPbxprojElement (pbx ID A50000000000000000000001): {"));
}

TEST(XAPbxprojElement, ProjectAttributesAreReadByKeyPathAndKeepNonASCIIText) {
    auto data = loadData(kExampleProject);
    XAPbxprojElement project;
    project.setProjectData(data);
    const XAValue &root = *project.pbx_projectRootObject();
    ASSERT_NE(xa_objectWithPath(root, "attributes.ORGANIZATIONNAME"), nullptr);
    EXPECT_EQ(*xa_objectWithPath(root, "attributes.ORGANIZATIONNAME")->string(), "Quenby Demo Works \u00a9 2026");
    EXPECT_EQ(*xa_objectWithPath(root, "attributes.CLASSPREFIX")->string(), "TD");
    EXPECT_EQ(*xa_objectWithPath(root, "attributes.TargetAttributes.A50000000000000000000002.TestTargetID")->string(),
              "A50000000000000000000001");

    // Missing steps anywhere in the path give nothing.
    XAValue noAttributes(XADictionary{{"isa", XAValue("PBXProject")}});
    for (const char *path : {"attributes.ORGANIZATIONNAME", "isa.more", "", "attributes.", ".isa"}) {
        EXPECT_EQ(xa_objectWithPath(noAttributes, path), nullptr) << path;
    }
    EXPECT_EQ(*xa_objectWithPath(noAttributes, "isa")->string(), "PBXProject");
}

TEST(XAPbxprojElement, DanglingIdentifiersAndMissingListsGiveNothing) {
    auto data = loadData(kExampleProject);
    XAPbxprojElement dangling("FFFFFFFFFFFFFFFFFFFFFFFF", data);
    EXPECT_EQ(dangling.pbx_ownObject(), nullptr);
    EXPECT_EQ(dangling.pbx_isa(), nullptr);
    EXPECT_EQ(dangling.pbx_dictForID("nope"), nullptr);
    EXPECT_THAT(dangling.description(), HasSubstr("(pbx ID FFFFFFFFFFFFFFFFFFFFFFFF): (null)"));
    EXPECT_TRUE(dangling.pbx_elementsOfClass<XAPbxprojElement>(nullptr).empty());
    XAValue notAList("A50000000000000000000001");
    EXPECT_TRUE(dangling.pbx_elementsOfClass<XAPbxprojElement>(&notAList).empty());

    XAPbxprojElement unloaded;
    EXPECT_EQ(unloaded.pbx_projectRootObject(), nullptr);
    EXPECT_EQ(unloaded.pbx_ownObject(), nullptr);
}

TEST(XAPbxprojElement, HandlesOfOneObjectAreEqualWhileIdentifierlessOnesAreOnlyThemselves) {
    auto data = loadData(kExampleProject);
    auto a = std::make_shared<XAPbxprojElement>("A20000000000000000000005", data);
    auto b = std::make_shared<XAPbxprojElement>("A20000000000000000000005", nullptr);
    auto c = std::make_shared<XAPbxprojElement>("A20000000000000000000004", data);
    EXPECT_TRUE(a->isEqual(*b));
    EXPECT_EQ(a->hash(), b->hash());
    EXPECT_FALSE(a->isEqual(*c));

    auto project1 = std::make_shared<XAPbxprojElement>();
    auto project2 = std::make_shared<XAPbxprojElement>();
    EXPECT_TRUE(project1->isEqual(*project1));
    EXPECT_FALSE(project1->isEqual(*project2));
    EXPECT_FALSE(project1->isEqual(*a));
    EXPECT_FALSE(a->isEqual(*project1));

    std::unordered_set<std::shared_ptr<const XAPbxprojElement>, XAPbxprojElementHash, XAPbxprojElementEqual> set{
        a, b, c, project1, project2};
    EXPECT_EQ(set.size(), 4u);
}

TEST(XAReadPbxproj, ReadsANewerProjectWithSynchronizedFolders) {
    auto data = loadData(kFixtures + "Synchronized77.pbxproj");
    XAPbxprojElement project;
    project.setProjectData(data);
    EXPECT_EQ(*data->projectDict->stringForKey("objectVersion"), "77");
    auto groups = XAPbxprojElement("C1A2B3C4D5E6F70000000003", data)
                      .pbx_elementsOfClass<XAPbxprojElement>(
                          XAPbxprojElement("C1A2B3C4D5E6F70000000003", data).pbx_ownObject()->get("children"));
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(*groups[0]->pbx_isa(), "PBXFileSystemSynchronizedRootGroup");
    EXPECT_EQ(*groups[0]->pbx_ownObject()->stringForKey("path"), "Sync");
}

TEST(XAReadPbxproj, ErrorsNameTheFileAndWhatIsWrong) {
    const auto dir = std::filesystem::temp_directory_path() / ("tessary-pbxproj-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    struct Case {
        const char *name;
        const char *contents;
        const char *expected;
    };
    const Case cases[] = {
        {"array.pbxproj", "( a, b )", "is not a dictionary"},
        {"noobjects.pbxproj", "{ rootObject = X; }", "no \"objects\" dictionary"},
        {"objectsarray.pbxproj", "{ objects = ( ); rootObject = X; }", "no \"objects\" dictionary"},
        {"noroot.pbxproj", "{ objects = { X = { isa = PBXProject; }; }; }", "no \"rootObject\""},
        {"danglingroot.pbxproj", "{ objects = { X = { isa = PBXProject; }; }; rootObject = Y; }",
         "\"rootObject\" Y is not among its objects"},
    };
    for (const auto &c : cases) {
        const auto path = (dir / c.name).string();
        std::ofstream(path) << c.contents;
        XAError error;
        EXPECT_EQ(XAReadPbxproj(path, &error), nullptr) << c.name;
        EXPECT_THAT(error.message, HasSubstr(path)) << c.name;
        EXPECT_THAT(error.message, HasSubstr(c.expected)) << c.name;
        EXPECT_EQ(error.domain, "org.quenby.tessary");
    }
    XAError missing;
    EXPECT_EQ(XAReadPbxproj((dir / "absent.pbxproj").string(), &missing), nullptr);
    EXPECT_THAT(missing.message, HasSubstr("absent.pbxproj"));
    std::filesystem::remove_all(dir);
}

TEST(XAReadPbxproj, AMergeConflictedFileSaysSoWithItsLine) {
    XAError error;
    EXPECT_EQ(XAReadPbxproj(kFixtures + "MergeConflict.pbxproj", &error), nullptr);
    EXPECT_THAT(error.message, HasSubstr("MergeConflict.pbxproj:53"));
    EXPECT_THAT(error.message, HasSubstr("merge-conflict"));
}
