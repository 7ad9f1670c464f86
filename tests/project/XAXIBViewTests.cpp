#include "project/XAXIBReferences.h"
#include "project/XAXIBView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

using ::testing::ElementsAre;

namespace {

// Parses a document and keeps it alive for the records made from it.
class XAXIBViewTest : public ::testing::Test {
protected:
    pugi::xml_node load(const std::string &xml) {
        auto &document = documents_.emplace_back(std::make_unique<pugi::xml_document>());
        EXPECT_TRUE(document->load_string(xml.c_str())) << xml;
        return document->document_element();
    }

    // The first element of the document with that id.
    pugi::xml_node element(const std::string &xml, const std::string &id) {
        const pugi::xml_node root = load(xml);
        return root.find_node([&](pugi::xml_node node) { return id == node.attribute("id").value(); });
    }

    XAXIBView view(const std::string &xml) { return XAXIBView(load(xml)); }

private:
    std::vector<std::unique_ptr<pugi::xml_document>> documents_;
};

TEST_F(XAXIBViewTest, ObjectFieldsAndRuntimeAttributes) {
    const XAXIBObject object(load(R"(<customObject id="o1" customClass="XDThing">
        <userDefinedRuntimeAttributes>
            <userDefinedRuntimeAttribute type="string" keyPath="name" value="n"/>
            <userDefinedRuntimeAttribute type="boolean" keyPath="on" value="YES"/>
        </userDefinedRuntimeAttributes>
        <userDefinedRuntimeAttributes>
            <userDefinedRuntimeAttribute type="string" keyPath="ignored"/>
        </userDefinedRuntimeAttributes>
    </customObject>)"));
    EXPECT_EQ(object.tagName(), "customObject");
    EXPECT_EQ(object.customClassName(), "XDThing");
    EXPECT_EQ(object.identifier(), "o1");
    ASSERT_TRUE(object.userDefinedRuntimeAttributes());
    ASSERT_EQ(object.userDefinedRuntimeAttributes()->size(), 2u);
    EXPECT_EQ((*object.userDefinedRuntimeAttributes())[1].keyPath(), "on");

    // No attributes element is no list; an empty one is an empty list.
    EXPECT_FALSE(XAXIBObject(load(R"(<placeholder id="p"/>)")).userDefinedRuntimeAttributes());
    const XAXIBObject empty(load(R"(<placeholder><userDefinedRuntimeAttributes/></placeholder>)"));
    ASSERT_TRUE(empty.userDefinedRuntimeAttributes());
    EXPECT_TRUE(empty.userDefinedRuntimeAttributes()->empty());
    EXPECT_FALSE(empty.identifier());
    EXPECT_FALSE(empty.customClassName());
}

TEST_F(XAXIBViewTest, EqualityFollowsIdentifierAndRecordClass) {
    const XAXIBObject object(load(R"(<customObject id="same"/>)"));
    const XAXIBView sameView(load(R"(<view id="same"/>)"));
    const XAXIBView otherView(load(R"(<view id="other"/>)"));
    const XAXIBObject anonymous(load(R"(<customObject/>)"));

    EXPECT_TRUE(object.isEqual(XAXIBObject(load(R"(<placeholder id="same"/>)"))));
    // A view is a kind of object, but an object is no view.
    EXPECT_TRUE(object.isEqual(sameView));
    EXPECT_FALSE(sameView.isEqual(object));
    EXPECT_FALSE(sameView.isEqual(otherView));
    // Without an identifier a record equals nothing, not even itself.
    EXPECT_FALSE(anonymous.isEqual(anonymous));
    EXPECT_EQ(object.hash(), sameView.hash());
}

TEST_F(XAXIBViewTest, ViewFlagsTextAndAccessibility) {
    const XAXIBView view = this->view(R"(<label id="l" misplaced="Yes" ambiguous="NO" text="Hello">
        <accessibility key="accessibilityConfiguration" label="Old" hint="Old hint"/>
        <accessibility key="other" label="Ignored"/>
        <accessibility key="accessibilityConfiguration" label="Greeting" identifier="greeting.label"/>
    </label>)");
    EXPECT_TRUE(view.isMisplaced());
    EXPECT_FALSE(view.layoutIsAmbiguous());
    EXPECT_EQ(view.text(), "Hello");
    // The last configuration sets all three fields, a missing one included.
    EXPECT_EQ(view.accessibilityLabel(), "Greeting");
    EXPECT_EQ(view.accessibilityHint(), std::nullopt);
    EXPECT_EQ(view.accessibilityIdentifier(), "greeting.label");

    EXPECT_TRUE(this->view(R"(<view ambiguous="yes"/>)").layoutIsAmbiguous());
    EXPECT_FALSE(this->view(R"(<view misplaced="yes please"/>)").isMisplaced());
    EXPECT_FALSE(this->view(R"(<view/>)").isMisplaced());
}

TEST_F(XAXIBViewTest, ViewClassNames) {
    const struct {
        const char *xml;
        std::optional<std::string> className;
    } cases[] = {
        {R"(<tableViewCellContentView id="c"/>)", "UIView"},
        {R"(<imageView id="i" customClass="XDAvatarView"/>)", "XDAvatarView"},
        {R"(<button id="b"/>)", "UIButton"},
        {R"(<document type="com.apple.InterfaceBuilder3.CocoaTouch.XIB"><button id="b"/></document>)", "UIButton"},
        // Tags that both platforms use name the class of the document's platform.
        {R"(<document type="com.apple.InterfaceBuilder3.Cocoa.XIB"><button id="b"/></document>)", "NSButton"},
        {R"(<document type="com.apple.InterfaceBuilder3.Cocoa.Storyboard.XIB"><view id="b"/></document>)", "NSView"},
        {R"(<document type="com.apple.InterfaceBuilder3.Cocoa.XIB"><label id="b"/></document>)", "UILabel"},
        {R"(<customView id="v"/>)", "NSView"},
        {R"(<sceneView id="s"/>)", "SCNView"},
        {R"(<gizmo id="g"/>)", std::nullopt},
    };
    for (const auto &c : cases) {
        const pugi::xml_node root = load(c.xml);
        const pugi::xml_node viewElement = std::string(root.name()) == "document" ? root.first_child() : root;
        EXPECT_EQ(XAXIBView(viewElement).viewClassName(), c.className) << c.xml;
    }
}

TEST_F(XAXIBViewTest, IdentifierForUser) {
    const struct {
        const char *xml;
        const char *markup;
    } cases[] = {
        {R"(<label id="l1" text="Hello"><accessibility key="accessibilityConfiguration" label="Greeting"/></label>)",
         "<objcclass>UILabel</objcclass> <string>Greeting</string> (id <string>l1</string>)"},
        {R"(<label id="l2" text="Hello"><accessibility key="accessibilityConfiguration" label=""/></label>)",
         "<objcclass>UILabel</objcclass> <string>Hello</string> (id <string>l2</string>)"},
        {R"(<label id="l3" text="A greeting that is far too long to show in one line of a report"/>)",
         "<objcclass>UILabel</objcclass> <string>A greeting that is far too long to show in one li…</string> "
         "(id <string>l3</string>)"},
        {R"(<label id="l4" text="Exactly fifty characters long, not one more or les"/>)",
         "<objcclass>UILabel</objcclass> <string>Exactly fifty characters long, not one more or les</string> "
         "(id <string>l4</string>)"},
        {R"(<gizmo text="Fish &amp; &lt;Chips&gt;"/>)",
         "<objcclass>(null)</objcclass> <string>Fish &amp; &lt;Chips&gt;</string> (id <string>(null)</string>)"},
        {R"(<button id="b" text=""/>)", "<objcclass>UIButton</objcclass> (id <string>b</string>)"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(view(c.xml).viewIdentifierForUser(), c.markup) << c.xml;
    }
}

TEST_F(XAXIBViewTest, DirectSubviewsHoldTheWholeTree) {
    const XAXIBView root = view(R"(<view id="root">
        <subviews>
            <view id="a"><subviews><label id="a1"/><gizmo id="a2"/></subviews></view>
            <widget id="b"/>
        </subviews>
        <subviews><view id="ignored"/></subviews>
    </view>)");
    std::vector<std::string> ids;
    for (const auto &subview : root.directSubviews()) {
        ids.push_back(subview->identifier().value_or(""));
    }
    EXPECT_THAT(ids, ElementsAre("a", "b"));
    // An element of a subviews list is a view whatever its name.
    ASSERT_EQ(root.directSubviews()[0]->directSubviews().size(), 2u);
    EXPECT_EQ(root.directSubviews()[0]->directSubviews()[1]->tagName(), "gizmo");
    EXPECT_EQ(root.directSubviews()[0]->directSubviews()[1]->viewClassName(), std::nullopt);
    EXPECT_TRUE(root.directSubviews()[1]->directSubviews().empty());
}

TEST_F(XAXIBViewTest, CacheSharesTheRecordsOfOneElement) {
    const pugi::xml_node container =
        element(R"(<root><view id="outer"><subviews><view id="inner"/></subviews></view></root>)", "outer");
    XAXIBViewCache cache;
    const auto outer = cache.view(container);
    const auto inner = cache.view(container.child("subviews").child("view"));
    ASSERT_EQ(outer->directSubviews().size(), 1u);
    EXPECT_EQ(outer->directSubviews()[0], inner);
    EXPECT_EQ(cache.view(container), outer);
}

TEST_F(XAXIBViewTest, TagTables) {
    const auto &known = XAXIBView::knownViewTagNames();
    for (const auto *table : {&XAXIBView::iOSViewTagNamesToClasses(), &XAXIBView::OSXViewTagNamesToClasses()}) {
        for (const auto &[tag, className] : *table) {
            EXPECT_EQ(known.count(tag), 1u) << tag;
        }
    }
    // Fourteen tags are shared by the two platforms' tables.
    EXPECT_EQ(known.size(),
              XAXIBView::iOSViewTagNamesToClasses().size() + XAXIBView::OSXViewTagNamesToClasses().size() - 14);
    EXPECT_EQ(known.count("placeholder"), 0u);
    EXPECT_EQ(known.count("customObject"), 0u);
}

TEST(XAXIBReferencesTest, ResourceAndClassReferenceTexts) {
    EXPECT_EQ(XAXIBResourceReference::nameForResourceType(XAXIBResourceTypeUnknown), "");
    EXPECT_EQ(XAXIBResourceReference::nameForResourceType(7), "");
    EXPECT_EQ(XAXIBResourceReference("Logo", XAXIBResourceTypeImage).description(), "Logo (Image)");
    EXPECT_EQ(XAXIBResourceReference("Tint", XAXIBResourceTypeUnknown).resourceTypeName(), "");

    XAXIBClassReference reference("XDView");
    EXPECT_EQ(reference.xmlDescription(), "<objcclass>XDView</objcclass>");
    reference.setSuperClassName("");
    EXPECT_EQ(reference.xmlDescription(), "<objcclass>XDView</objcclass>");
    reference.setSuperClassName("UIView<Fancy>");
    EXPECT_EQ(reference.xmlDescription(),
              "<objcclass>XDView</objcclass> (superclass <objcclass>UIView&lt;Fancy&gt;</objcclass>)");
}

} // namespace
