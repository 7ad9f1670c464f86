// Records and boxed values that rules keep beyond the life of the translation unit their cursors came from.

#include "codemodel/clang/XABoxedValue.h"
#include "codemodel/clang/XACodeModelRecords.h"
#include "codemodel/clang/XACursorSnapshot.h"
#include "codemodel/clang/XADelegateAttachment.h"

#include "codemodel/XACodeSnippetSupport.h"
#include "codemodel/clang/XACursorText.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const char *const kControllerSnippet = R"(#import <UIKit/UIKit.h>
@interface ListController : UIViewController <UITableViewDelegate>
@property (nonatomic) UITableView *tableView;
@end
@implementation ListController
- (void)viewDidLoad {
    [super viewDidLoad];
    self.tableView.delegate = self;
}
@end
)";

// What the records of one parse hold once the parse is gone.
struct XAKeptRecords {
    std::string path;
    XACursorSnapshot property;
    std::string propertyDescription;
    std::optional<std::string> propertyKey;
    std::unique_ptr<XADelegateAttachment> attachment;
    std::string attachmentDescription;
    std::unique_ptr<XABoxedValue> boxedAssignment;
    std::string boxedDescription;
};

XAKeptRecords recordsOfADisposedParse() {
    XAKeptRecords kept;
    XAParsedSnippet snippet(kControllerSnippet);
    EXPECT_TRUE(snippet.problems().empty()) << ::testing::PrintToString(snippet.problems());
    const CXCursor property = snippet.find(CXCursor_ObjCPropertyDecl, "tableView");
    const std::vector<CXCursor> assignments = XAParsedSnippet::findAll(snippet.root(), [&](CXCursor cursor) {
        return cursor.kind == CXCursor_BinaryOperator && snippet.isInSnippetFolder(cursor);
    });
    EXPECT_EQ(assignments.size(), 1u);
    if (assignments.empty()) {
        return kept;
    }
    kept.path = snippet.path();
    kept.property = XACursorSnapshot(property);
    kept.propertyDescription = XACursorDebugDescription(property);
    kept.propertyKey = XACursorUniqueKey(property);
    kept.attachment = std::make_unique<XADelegateAttachment>("delegate", assignments[0], property);
    kept.attachmentDescription = kept.attachment->description();
    kept.boxedAssignment = std::make_unique<XABoxedValue>(xa_valueWithCXCursor(assignments[0]));
    kept.boxedDescription = XACursorDebugDescription(assignments[0]);
    return kept;
}

} // namespace

TEST(XACursorSnapshotTest, RecordsAreReadableAfterTheirUnitIsDisposed) {
    // The snippet, its translation unit and its index are gone when the function returns.
    const XAKeptRecords kept = recordsOfADisposedParse();
    ASSERT_TRUE(kept.attachment);

    EXPECT_FALSE(kept.property.isNull());
    EXPECT_EQ(kept.property.kind(), CXCursor_ObjCPropertyDecl);
    EXPECT_EQ(kept.property.spelling(), "tableView");
    EXPECT_EQ(kept.property.usr(), "c:objc(cs)ListController(py)tableView");
    EXPECT_EQ(kept.property.filePath(), kept.path);
    EXPECT_EQ(kept.property.start(), (XASourcePosition{3, 1, 91}));
    EXPECT_EQ(kept.property.end(), (XASourcePosition{3, 45, 135}));
    EXPECT_EQ(kept.property.debugDescription(), kept.propertyDescription);
    EXPECT_EQ(kept.property.uniqueKey(), kept.propertyKey);

    EXPECT_FALSE(kept.attachment->isXIBAttachment());
    EXPECT_EQ(kept.attachment->occurrence().kind(), CXCursor_BinaryOperator);
    EXPECT_EQ(kept.attachment->occurrence().start().line, 8u);
    EXPECT_EQ(kept.attachment->delegate().usr(), kept.property.usr());
    EXPECT_EQ(kept.attachment->description(), kept.attachmentDescription);
    EXPECT_EQ(kept.attachment->description(),
              "delegate " + kept.attachment->occurrence().debugDescription() + " " + kept.propertyDescription);

    EXPECT_EQ(xa_CXCursorValueDescription(*kept.boxedAssignment), kept.boxedDescription);
}

TEST(XACursorSnapshotTest, ACursorWithoutAFileHasNoPathAndAKeyWithoutFile) {
    XASnippetSettings settings;
    settings.fileName = "Snippet.c";
    XAParsedSnippet snippet("int value;\n", settings);
    ASSERT_SNIPPET_PARSED(snippet);
    // Predefined macros are defined in no file.
    const std::vector<CXCursor> builtins = XAParsedSnippet::findAll(snippet.root(), [](CXCursor cursor) {
        return cursor.kind == CXCursor_MacroDefinition && XACursorSpelling(cursor) == "__clang__";
    });
    ASSERT_EQ(builtins.size(), 1u);
    const XACursorSnapshot snapshot(builtins[0]);
    EXPECT_EQ(snapshot.filePath(), std::nullopt);
    ASSERT_TRUE(snapshot.uniqueKey().has_value());
    EXPECT_NE(snapshot.uniqueKey()->find("<nofileid>__"), std::string::npos) << *snapshot.uniqueKey();
    EXPECT_NE(snapshot.debugDescription().find(" in ??]"), std::string::npos) << snapshot.debugDescription();
}

TEST(XACursorSnapshotTest, TheNullCursorsSnapshot) {
    ASSERT_TRUE(XALoadStagedLibclang());
    const XACursorSnapshot snapshot(XALibclang::fn().clang_getNullCursor());
    EXPECT_TRUE(snapshot.isNull());
    EXPECT_EQ(snapshot.debugDescription(), "<null cursor>");
    EXPECT_EQ(snapshot.uniqueKey(), std::nullopt);
    EXPECT_EQ(snapshot.usr(), std::nullopt);
    EXPECT_TRUE(XACursorSnapshot().isNull());
}

TEST(XABoxedValueTest, BoxedValuesComeBackUnchanged) {
    XAParsedSnippet snippet(kControllerSnippet);
    ASSERT_SNIPPET_PARSED(snippet);
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor method = snippet.find(CXCursor_ObjCInstanceMethodDecl, "viewDidLoad");
    const XABoxedValue cursor = xa_valueWithCXCursor(method);
    EXPECT_STREQ(cursor.objCType(), "{?=ii[3^v]}");
    EXPECT_TRUE(clang.clang_equalCursors(xa_CXCursorValue(cursor), method));
    EXPECT_EQ(xa_CXCursorValueDescription(cursor), XACursorDebugDescription(method));

    const XABoxedValue nullCursor = xa_valueWithCXCursor(clang.clang_getNullCursor());
    EXPECT_TRUE(clang.clang_Cursor_isNull(xa_CXCursorValue(nullCursor)));
    EXPECT_EQ(xa_CXCursorValueDescription(nullCursor), "<null cursor>");

    const XABoxedValue unit = xa_valueWithCXTranslationUnit(snippet.unit());
    EXPECT_STREQ(unit.objCType(), "^{CXTranslationUnitImpl=}");
    EXPECT_EQ(xa_CXTranslationUnitValue(unit), snippet.unit());
    int indexStandIn = 0;
    const XABoxedValue index = xa_valueWithCXIndex(&indexStandIn);
    EXPECT_STREQ(index.objCType(), "^v");
    EXPECT_EQ(xa_CXIndexValue(index), &indexStandIn);
    // A box answers only for what it holds.
    EXPECT_EQ(xa_CXIndexValue(unit), nullptr);
    EXPECT_TRUE(clang.clang_Cursor_isNull(xa_CXCursorValue(index)));
}

TEST(XADelegateAttachmentTest, XIBAttachmentsAndDataSources) {
    auto outlet = std::make_shared<XAXIBOutlet>();
    outlet->setPropertyName("dataSource");
    const XADelegateAttachment fromXIB(outlet, "dataSource");
    EXPECT_TRUE(fromXIB.isXIBAttachment());
    EXPECT_EQ(fromXIB.xibOutlet(), outlet);
    EXPECT_TRUE(fromXIB.occurrence().isNull());
    EXPECT_TRUE(fromXIB.delegate().isNull());
    EXPECT_EQ(fromXIB.description(), "dataSource <null cursor> <null cursor>");

    for (const auto &[spelling, isDataSource] : std::vector<std::pair<std::string, bool>>{
             {"dataSource", true}, {"delegate", false}, {"tableViewDataSource", false}}) {
        EXPECT_EQ(XADelegateAttachment(nullptr, spelling).isDataSourceAttachment(), isDataSource) << spelling;
    }
}
