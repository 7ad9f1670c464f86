#include "project/XAXIB.h"

#include "core/XALog.h"

#include "core/XAPathsTestSupport.h"
#include "project/XAProjectModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

const std::string kFixtures = std::string(TESSARY_FIXTURES_DIR) + "/xib/";

std::string fixture(const std::string &name) { return kFixtures + name; }

template <typename Record> std::vector<std::string> ids(const std::vector<std::shared_ptr<const Record>> &records) {
    std::vector<std::string> result;
    for (const auto &record : records) {
        result.push_back(record->identifier().value_or("(none)"));
    }
    return result;
}

std::vector<std::string> tags(const std::vector<std::shared_ptr<const XAXIBObject>> &records) {
    std::vector<std::string> result;
    for (const auto &record : records) {
        result.push_back(record->tagName());
    }
    return result;
}

template <typename Record>
std::shared_ptr<const Record> withID(const std::vector<std::shared_ptr<const Record>> &records, const std::string &id) {
    for (const auto &record : records) {
        if (record->identifier() == id) {
            return record;
        }
    }
    return nullptr;
}

// Both ends of a connection in one comparable line.
std::string ends(const XAXIBConnection &c) {
    auto text = [](const std::optional<std::string> &value) { return value.value_or("-"); };
    return c.parentElementTagName() + "(" + text(c.parentElementID()) + "," + text(c.parentClassName()) +
           (c.parentIsFilesOwner() ? ",owner" : "") + (c.parentIsTopLevelObject() ? ",top" : "") + ") -> " +
           text(c.destinationID()) + "(" + text(c.destinationClassName()) +
           (c.destinationIsFilesOwner() ? ",owner" : "") + (c.destinationIsTopLevelObject() ? ",top" : "") + ")";
}

std::vector<std::string> outletLines(const XAXIB &xib) {
    std::vector<std::string> lines;
    for (const auto &outlet : xib.ibOutlets()) {
        lines.push_back(outlet->propertyName().value_or("-") + ": " + ends(*outlet));
    }
    return lines;
}

std::vector<std::string> actionLines(const XAXIB &xib) {
    std::vector<std::string> lines;
    for (const auto &action : xib.ibActions()) {
        lines.push_back(action->selector().value_or("-") + "/" + action->eventType().value_or("-") + ": " +
                        ends(*action));
    }
    return lines;
}

std::vector<std::string> resourceLines(const XAXIB &xib) {
    std::vector<std::string> lines;
    for (const auto &resource : xib.resourcePathReferences()) {
        lines.push_back(resource.description());
    }
    return lines;
}

std::vector<std::string> classNames(const XAXIB &xib) {
    std::vector<std::string> names;
    for (const auto &reference : xib.classReferences()) {
        names.push_back(reference.className());
    }
    return names;
}

// ---- An iOS XIB ----

TEST(XAXIBDocumentTest, IOSXIBHeaderFacts) {
    const XAXIB xib(fixture("ProfileView.xib"));
    EXPECT_FALSE(xib.readError());
    ASSERT_TRUE(xib.XIBData());
    EXPECT_THAT(*xib.XIBData(), HasSubstr("XDProfileViewController"));
    EXPECT_EQ(xib.format(), XAXIBFormatDocument);
    EXPECT_EQ(xib.type(), XAXIBTypeIOSXIB);
    EXPECT_EQ(xib.typeDisplayName(), "XIB");
    EXPECT_TRUE(xib.usesAutolayout());
    EXPECT_EQ(xib.filesOwnerElementID(), "-1");
    EXPECT_EQ(xib.filesOwnerClassName(), "XDProfileViewController");
    EXPECT_THAT(xib.description(), HasSubstr(" ProfileView.xib"));
    EXPECT_THAT(resourceLines(xib), ElementsAre("Avatar (Image)", "Background (Image)"))
        << "the system colour is the system's, not a resource of the bundle";
    EXPECT_THAT(classNames(xib), ElementsAre("XDProfileViewController", "UIResponder", "XDGradientView",
                                             "XDRoundButton", "XDNameFormatter"));
}

TEST(XAXIBDocumentTest, IOSXIBConnections) {
    const XAXIB xib(fixture("ProfileView.xib"));
    // Document order of the holders; the outlet collection is no connection.
    EXPECT_THAT(ids(xib.connections()), ElementsAre("c-view", "c-name", "c-avatar", "c-formatter", "c-ghost", "c-save",
                                                    "c-changed", "c-delegate", "c-field"));
    EXPECT_THAT(
        outletLines(xib),
        ElementsAre("view: placeholder(-1,XDProfileViewController,owner,top) -> root-view(XDGradientView,top)",
                    "nameLabel: placeholder(-1,XDProfileViewController,owner,top) -> name-label(-)",
                    "avatarView: placeholder(-1,XDProfileViewController,owner,top) -> avatar(-)",
                    "formatter: placeholder(-1,XDProfileViewController,owner,top) -> formatter(XDNameFormatter,top)",
                    "ghost: placeholder(-1,XDProfileViewController,owner,top) -> no-such-element(-)",
                    "delegate: textField(name-field,-) -> -1(XDProfileViewController,owner,top)",
                    "field: customObject(formatter,XDNameFormatter,top) -> name-field(-)"));
    EXPECT_THAT(
        actionLines(xib),
        ElementsAre("save:/touchUpInside: button(save-button,XDRoundButton) -> -1(XDProfileViewController,owner,top)",
                    "nameChanged:/editingChanged: textField(name-field,-) -> formatter(XDNameFormatter,top)"));
    for (const auto &connection : xib.connections()) {
        EXPECT_EQ(connection->parentXIBPath(), fixture("ProfileView.xib"));
    }
}

TEST(XAXIBDocumentTest, IOSXIBObjectsAndViews) {
    const XAXIB xib(fixture("ProfileView.xib"));
    EXPECT_THAT(tags(xib.rootObjects()), ElementsAre("placeholder", "placeholder", "view", "customObject"));
    EXPECT_THAT(ids(xib.rootViews()), ElementsAre("root-view"));
    // Everything with an id (the device description included), but nothing inside "connections".
    EXPECT_THAT(ids(xib.allObjects()),
                ElementsAre("retina6_1", "-1", "-2", "root-view", "name-label", "avatar", "save-button", "name-field",
                            "safe-area", "constraint-1", "formatter"));
    EXPECT_THAT(ids(xib.allViews()), ElementsAre("root-view", "name-label", "avatar", "save-button", "name-field"));

    const auto root = xib.rootViews().front();
    EXPECT_EQ(root->viewClassName(), "XDGradientView");
    EXPECT_THAT(ids(root->directSubviews()), ElementsAre("name-label", "avatar", "save-button", "name-field"));
    // The walk and the subview tree share their records.
    EXPECT_EQ(root->directSubviews()[1], withID(xib.allViews(), "avatar"));

    const auto label = withID(xib.allViews(), "name-label");
    EXPECT_TRUE(label->isMisplaced());
    EXPECT_EQ(label->viewIdentifierForUser(), "<objcclass>UILabel</objcclass> <string>A greeting that is far too "
                                              "long to show in one li…</string> (id <string>name-label</string>)");
    EXPECT_TRUE(withID(xib.allViews(), "name-field")->layoutIsAmbiguous());
    const auto avatar = withID(xib.allViews(), "avatar");
    EXPECT_EQ(avatar->accessibilityLabel(), "Profile picture");
    EXPECT_EQ(avatar->accessibilityHint(), "Shows your photo");
    EXPECT_EQ(avatar->accessibilityIdentifier(), "profile.avatar");
}

TEST(XAXIBDocumentTest, IOSXIBRuntimeAttributes) {
    const XAXIB xib(fixture("ProfileView.xib"));
    const auto &attributes = xib.rootViews().front()->userDefinedRuntimeAttributes();
    ASSERT_TRUE(attributes);
    std::vector<std::string> lines;
    for (const auto &attribute : *attributes) {
        lines.push_back(attribute.keyPath().value_or("-") + " " + attribute.typeDisplayName().value_or("-") + " " +
                        attribute.valueDescription());
    }
    EXPECT_THAT(lines, ElementsAre("accessibilityHint string Profile", "title localized string Your profile",
                                   "gradientAngle number 2.5", "startColor color NSCalibratedRGBColorSpace 1 0.5 0.1 1",
                                   "overlay image Background", "gradientStart point {0.5, 1}", "shadowSize size {2, 3}",
                                   "contentFrame rect {{1, 2}, {30, 40}}", "selection range {3, 7}",
                                   "placeholderImage nil nil", "titleFont - "));
    const auto button = withID(xib.allViews(), "save-button");
    ASSERT_TRUE(button->userDefinedRuntimeAttributes());
    ASSERT_EQ(button->userDefinedRuntimeAttributes()->size(), 2u);
    EXPECT_EQ((*button->userDefinedRuntimeAttributes())[0].numberValue(), 8.0);
    EXPECT_TRUE((*button->userDefinedRuntimeAttributes())[1].boolValue());
}

// ---- Storyboards, OS X documents, edge cases ----

TEST(XAXIBDocumentTest, StoryboardHasScenesAndNoTopLevelObjects) {
    const XAXIB storyboard(fixture("Catalog.storyboard"));
    EXPECT_EQ(storyboard.type(), XAXIBTypeIOSStoryboard);
    EXPECT_EQ(storyboard.typeDisplayName(), "Storyboard");
    EXPECT_TRUE(storyboard.usesAutolayout()); // "yes" in lower case
    EXPECT_FALSE(storyboard.filesOwnerElementID());
    EXPECT_FALSE(storyboard.filesOwnerClassName());
    EXPECT_THAT(ids(storyboard.rootObjects()),
                ElementsAre("list-vc", "list-fr", "detail-vc", "detail-fr", "detail-exit"));
    EXPECT_THAT(storyboard.rootViews(), IsEmpty());
    // Segues are no connections; nothing is top-level without "/document/objects".
    EXPECT_THAT(
        outletLines(storyboard),
        ElementsAre("dataSource: tableView(list-table,-) -> list-vc(XDCatalogViewController)",
                    "delegate: tableView(list-table,-) -> list-vc(XDCatalogViewController)",
                    "titleLabel: tableViewCell(item-cell,XDItemCell) -> cell-title(-)",
                    "photoView: viewController(detail-vc,XDDetailViewController) -> detail-photo(XDZoomingImageView)"));
    EXPECT_THAT(actionLines(storyboard),
                ElementsAre("unwindToCatalog:/-: viewController(detail-vc,XDDetailViewController) -> detail-exit(-)"));
    EXPECT_EQ(withID(storyboard.allObjects(), "segue-detail"), nullptr);
    EXPECT_EQ(withID(storyboard.allViews(), "cell-content")->viewClassName(), "UIView");
    EXPECT_EQ(withID(storyboard.allViews(), "item-cell")->viewClassName(), "XDItemCell");
    EXPECT_THAT(resourceLines(storyboard), ElementsAre("Photo (Image)"));
    EXPECT_THAT(classNames(storyboard),
                ElementsAre("XDCatalogViewController", "XDItemCell", "XDDetailViewController", "XDZoomingImageView"));
}

TEST(XAXIBDocumentTest, OSXDocumentWithoutAutoLayout) {
    const XAXIB xib(fixture("PreferencesWindow.xib"));
    EXPECT_EQ(xib.format(), XAXIBFormatDocument);
    EXPECT_EQ(xib.type(), XAXIBTypeOther);
    EXPECT_EQ(xib.typeDisplayName(), "XIB");
    EXPECT_FALSE(xib.usesAutolayout());
    // OS X documents make the top-level custom object -2 their File's Owner.
    EXPECT_EQ(xib.filesOwnerElementID(), "-2");
    EXPECT_EQ(xib.filesOwnerClassName(), "XDPreferencesWindowController");
    EXPECT_THAT(outletLines(xib),
                ElementsAre("window: customObject(-2,XDPreferencesWindowController,owner,top) -> prefs-window(-,top)",
                            "nameField: customObject(-2,XDPreferencesWindowController,owner,top) -> prefs-name(-)"));
    // OS X actions name a target, not a destination.
    EXPECT_THAT(actionLines(xib), ElementsAre("apply:/-: button(prefs-apply,-) -> -(-)"));
    EXPECT_THAT(ids(xib.allViews()), ElementsAre("prefs-content", "prefs-name", "prefs-apply", "prefs-preview"));
    std::vector<std::string> classes;
    for (const auto &view : xib.allViews()) {
        classes.push_back(view->viewClassName().value_or("-"));
    }
    EXPECT_THAT(classes, ElementsAre("NSView", "NSTextField", "NSButton", "XDPreviewView"));
}

TEST(XAXIBDocumentTest, EdgeCases) {
    const XAXIB xib(fixture("EdgeCases.xib"));
    EXPECT_FALSE(xib.usesAutolayout()); // "NO"
    EXPECT_EQ(xib.filesOwnerElementID(), "owner");
    EXPECT_EQ(xib.filesOwnerClassName(), "");
    // An empty custom class names no class.
    EXPECT_THAT(classNames(xib), ElementsAre("XDInnerView", "XDLater"));
    EXPECT_THAT(resourceLines(xib), ElementsAre("Icon (Image)", "Tint ()"));
    // Of two elements with one id the later one names the destination's class.
    EXPECT_THAT(outletLines(xib), ElementsAre("partner: view(inner,XDInnerView) -> dup(XDLater,top)",
                                              "owner: view(inner,XDInnerView) -> owner(,owner,top)"));

    // The repeated view is dropped; the object with the same id is of another record class and stays. The element
    // inside "connections" is not an object.
    EXPECT_THAT(ids(xib.allObjects()), ElementsAre("owner", "dup", "inner", "odd-view", "widget-1", "dup"));
    EXPECT_THAT(tags(xib.allObjects()),
                ElementsAre("placeholder", "view", "view", "odd", "customWidget", "customObject"));
    EXPECT_THAT(ids(xib.allViews()), ElementsAre("dup", "inner"));
    EXPECT_THAT(ids(xib.rootViews()), ElementsAre("dup"));

    const auto root = xib.rootViews().front();
    EXPECT_FALSE(root->isMisplaced());
    EXPECT_THAT(ids(root->directSubviews()), ElementsAre("inner", "dup", "odd-view"));
    const auto odd = root->directSubviews()[2];
    EXPECT_EQ(odd->viewClassName(), std::nullopt);
    EXPECT_EQ(odd->viewIdentifierForUser(),
              "<objcclass>(null)</objcclass> <string>A &amp; B &lt;C&gt;</string> (id <string>odd-view</string>)");
    EXPECT_THAT(ids(odd->directSubviews()), ElementsAre("widget-1"));
    const auto inner = root->directSubviews()[0];
    EXPECT_EQ(inner->accessibilityLabel(), "Second label");
    EXPECT_EQ(inner->accessibilityHint(), std::nullopt);
    EXPECT_EQ(inner->accessibilityIdentifier(), "inner.id");
}

TEST(XAXIBDocumentTest, ArchiveFormatIsRecognisedButNotInterpreted) {
    const XAXIB xib(fixture("LegacyArchive.xib"));
    EXPECT_FALSE(xib.readError());
    EXPECT_EQ(xib.format(), XAXIBFormatArchive);
    EXPECT_EQ(xib.type(), XAXIBTypeIOSXIB);
    EXPECT_FALSE(xib.usesAutolayout());
    EXPECT_FALSE(xib.filesOwnerElementID());
    // Its elements carry ids, yet none becomes an object.
    EXPECT_THAT(xib.allObjects(), IsEmpty());
    EXPECT_THAT(xib.rootObjects(), IsEmpty());
    EXPECT_THAT(xib.connections(), IsEmpty());
    EXPECT_THAT(xib.classReferences(), IsEmpty());
    EXPECT_THAT(xib.resourcePathReferences(), IsEmpty());
}

// ---- The project fixtures ----

TEST(XAXIBDocumentTest, ExampleAndProjectFixtures) {
    const XAXIB demo(std::string(TESSARY_SOURCE_DIR) + "/examples/TessaryDemo/TessaryDemo/MainView.xib");
    EXPECT_EQ(demo.filesOwnerClassName(), "TDViewController");
    EXPECT_THAT(outletLines(demo), ElementsAre("greetingLabel: placeholder(-1,TDViewController,owner,top) -> lbl-01(-)",
                                               "view: placeholder(-1,TDViewController,owner,top) -> view-01(-,top)"));
    EXPECT_THAT(actionLines(demo),
                ElementsAre("greet:/touchUpInside: button(btn-01,-) -> -1(TDViewController,owner,top)"));
    EXPECT_THAT(resourceLines(demo), ElementsAre("Logo (Image)"));
    EXPECT_THAT(ids(demo.allViews()), ElementsAre("view-01", "lbl-01", "btn-01", "img-01"));

    const XAXIB storyboard(std::string(TESSARY_FIXTURES_DIR) + "/projects/iOSApp/iOSApp/Base.lproj/Main.storyboard");
    EXPECT_EQ(storyboard.type(), XAXIBTypeIOSStoryboard);
    EXPECT_THAT(ids(storyboard.rootObjects()), ElementsAre("vc-1", "fr-1"));
    EXPECT_THAT(ids(storyboard.allViews()), ElementsAre("view-1"));
    EXPECT_THAT(classNames(storyboard), ElementsAre("UIViewController"));

    const XAXIB menu(std::string(TESSARY_FIXTURES_DIR) + "/projects/MacApp/MacApp/Base.lproj/MainMenu.xib");
    EXPECT_EQ(menu.type(), XAXIBTypeOther);
    EXPECT_FALSE(menu.usesAutolayout());
    EXPECT_THAT(outletLines(menu),
                ElementsAre("delegate: customObject(-2,NSApplication,owner,top) -> app-1(AppDelegate,top)"));
    EXPECT_EQ(menu.filesOwnerClassName(), "NSApplication");
    EXPECT_THAT(menu.allViews(), IsEmpty());
    EXPECT_THAT(ids(menu.allObjects()), ElementsAre("-2", "-1", "app-1", "menu-1", "item-1"));
}

// ---- Bad input ----

class XAXIBBadInputTest : public ::testing::Test {
protected:
    std::string write(const std::string &relativePath, const std::string &contents) {
        return scratch_.write(relativePath, contents);
    }
    std::vector<std::pair<int, std::string>> logLines() const { return log_.lines(); }

    XAScratchFolder scratch_;
    const std::string folder_ = scratch_.path();

private:
    XALogCapture log_;
};

void expectNothingRead(const XAXIB &xib) {
    EXPECT_EQ(xib.format(), XAXIBFormatUnknown);
    EXPECT_EQ(xib.type(), XAXIBTypeOther);
    EXPECT_FALSE(xib.usesAutolayout());
    EXPECT_FALSE(xib.filesOwnerElementID());
    EXPECT_THAT(xib.connections(), IsEmpty());
    EXPECT_THAT(xib.allObjects(), IsEmpty());
    EXPECT_THAT(xib.rootObjects(), IsEmpty());
    EXPECT_THAT(xib.classReferences(), IsEmpty());
    EXPECT_THAT(xib.resourcePathReferences(), IsEmpty());
}

TEST_F(XAXIBBadInputTest, UnreadableDocumentsGiveAnErrorNamingTheFile) {
    const std::string valid = R"(<document type="com.apple.InterfaceBuilder3.CocoaTouch.XIB"><objects/></document>)";
    const struct {
        std::string path;
        const char *reason;
    } cases[] = {
        {fixture("Empty.xib"), "empty"},
        {fixture("NotXML.xib"), "Invalid XML"},
        {fixture("Truncated.xib"), "Invalid XML: line 12"},
        {folder_ + "/Missing.xib", " : empty NSData"},
        {folder_, " : empty NSData"},
        {write("TwoRoots.xib", valid + "<document/>"), "Invalid XML"},
        {write("TextAfterRoot.xib", valid + " trailing words"), "Invalid XML"},
        {write("RepeatedAttribute.xib", R"(<document type="a" type="b"/>)"), "Invalid XML"},
        {write("Binary.xib", std::string("bplist00\0\x01\x02<document>", 20)), "Invalid XML"},
    };
    for (const auto &c : cases) {
        const size_t linesBefore = logLines().size();
        const XAXIB xib(c.path);
        ASSERT_TRUE(xib.readError()) << c.path;
        EXPECT_THAT(xib.readError()->message, HasSubstr("Error parsing XIB XML " + c.path + " : ")) << c.path;
        EXPECT_THAT(xib.readError()->message, HasSubstr(c.reason)) << c.path;
        EXPECT_EQ(xib.readError()->message.ends_with(" : empty NSData"), !xib.XIBData()) << c.path;
        expectNothingRead(xib);
        const auto lines = logLines();
        ASSERT_EQ(lines.size(), linesBefore + 1) << c.path;
        EXPECT_EQ(lines.back().first, XALogLevelError);
        EXPECT_EQ(lines.back().second, xib.readError()->message);
    }
    EXPECT_FALSE(XAXIB(folder_ + "/Missing.xib").XIBData());
    EXPECT_EQ(XAXIB(fixture("Empty.xib")).XIBData(), "");
}

TEST_F(XAXIBBadInputTest, DeepNestingIsRefusedAndModerateNestingRead) {
    auto nested = [](int views) {
        std::string xml = R"(<document type="com.apple.InterfaceBuilder3.CocoaTouch.XIB"><objects>)";
        for (int i = 0; i < views; ++i) {
            xml += "<view id=\"v" + std::to_string(i) + "\"><subviews>";
        }
        for (int i = 0; i < views; ++i) {
            xml += "</subviews></view>";
        }
        return xml + "</objects></document>";
    };
    const XAXIB tooDeep(write("Deep.xib", nested(600)));
    ASSERT_TRUE(tooDeep.readError());
    EXPECT_THAT(tooDeep.readError()->message, HasSubstr("levels deep"));
    expectNothingRead(tooDeep);

    const XAXIB moderate(write("Moderate.xib", nested(300)));
    EXPECT_FALSE(moderate.readError());
    EXPECT_EQ(moderate.allViews().size(), 300u);
    size_t depth = 0;
    for (auto view = moderate.rootViews().front(); view;
         view = view->directSubviews().empty() ? nullptr : view->directSubviews().front()) {
        ++depth;
    }
    EXPECT_EQ(depth, 300u);
}

TEST_F(XAXIBBadInputTest, DocumentsWithByteOrderMarksAreRead) {
    const std::string text = R"(<?xml version="1.0" encoding="UTF-16"?>)"
                             R"(<document type="com.apple.InterfaceBuilder3.CocoaTouch.XIB" useAutolayout="YES">)"
                             R"(<objects><view id="v" customClass="XDViewé"/></objects></document>)";
    // UTF-16 little endian with a byte-order mark; every character of the text above is in the BMP.
    std::u16string units;
    for (size_t i = 0; i < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            units.push_back(byte);
            i += 1;
        } else {
            units.push_back(static_cast<char16_t>(((byte & 0x1F) << 6) | (text[i + 1] & 0x3F)));
            i += 2;
        }
    }
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    const XAXIB wide(write("Wide.xib", bytes));
    EXPECT_FALSE(wide.readError());
    EXPECT_TRUE(wide.usesAutolayout());
    EXPECT_THAT(classNames(wide), ElementsAre("XDViewé"));

    const XAXIB marked(write("Marked.xib", "\xEF\xBB\xBF" + text));
    EXPECT_FALSE(marked.readError());
    EXPECT_THAT(classNames(marked), ElementsAre("XDViewé"));
}

// The build reads the documents of a target on several threads at once.
TEST(XAXIBDocumentTest, ConcurrentReadsGiveEqualModels) {
    const XAXIB reference(fixture("ProfileView.xib"));
    std::vector<std::shared_ptr<const XAXIB>> models(8);
    std::vector<std::thread> threads;
    for (auto &model : models) {
        threads.emplace_back([&model] { model = XAXIB::XIBWithFile(fixture("ProfileView.xib")); });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    for (const auto &model : models) {
        ASSERT_TRUE(model);
        EXPECT_EQ(outletLines(*model), outletLines(reference));
        EXPECT_EQ(ids(model->allObjects()), ids(reference.allObjects()));
    }
}

} // namespace
