#include "project/XAXIBXMLNode.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

using ::testing::ElementsAre;

namespace {

constexpr const char *kSample = R"(<root>
    <a id="1" kind="first"><b id="2"/><!-- a comment --></a>
    text between
    <b id="3" empty=""/>
    <c key="value" note="&amp; &lt;ok&gt;"/>
    <c key="value-2"/>
</root>)";

class XAXIBXMLNodeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(document_.load_string(kSample)); }

    pugi::xml_node root() const { return document_.document_element(); }

    static std::vector<std::string> ids(const std::vector<pugi::xml_node> &elements) {
        std::vector<std::string> result;
        for (const pugi::xml_node &element : elements) {
            result.push_back(xa_valueOfAttribute(element, "id").value_or(element.name()));
        }
        return result;
    }

    pugi::xml_document document_;
};

TEST_F(XAXIBXMLNodeTest, XPathSelectsElementsInDocumentOrder) {
    EXPECT_THAT(ids(xa_elementsForXPath(document_, "//*[@id]").value()), ElementsAre("1", "2", "3"));
    // A union is evaluated in any order internally; the result is still in document order.
    EXPECT_THAT(ids(xa_elementsForXPath(document_, "//b | //a").value()), ElementsAre("1", "2", "3"));
    // Relative to an element.
    EXPECT_THAT(ids(xa_elementsForXPath(root().child("a"), "b").value()), ElementsAre("2"));
    EXPECT_THAT(ids(xa_elementsForXPath(root(), "c[@key='value-2']").value()), ElementsAre("c"));
}

TEST_F(XAXIBXMLNodeTest, XPathDropsNodesThatAreNotElements) {
    const auto attributes = xa_elementsForXPath(document_, "//@id");
    ASSERT_TRUE(attributes.has_value());
    EXPECT_TRUE(attributes->empty());
    const auto texts = xa_elementsForXPath(document_, "//text() | //comment()");
    ASSERT_TRUE(texts.has_value());
    EXPECT_TRUE(texts->empty());
}

TEST_F(XAXIBXMLNodeTest, FailingXPathQueriesGiveNoValue) {
    for (const char *query : {"//*[", "", "count(//*)", "string(/root)", "//undefined-function()"}) {
        EXPECT_FALSE(xa_elementsForXPath(document_, query).has_value()) << query;
    }
    EXPECT_FALSE(xa_elementsForXPath(document_, nullptr).has_value());
    EXPECT_FALSE(xa_elementsForXPath(pugi::xml_node(), "//*").has_value());
}

TEST_F(XAXIBXMLNodeTest, ChildElementsSkipTextAndComments) {
    EXPECT_THAT(ids(xa_childElements(root())), ElementsAre("1", "3", "c", "c"));
    EXPECT_THAT(ids(xa_childElements(root().child("a"))), ElementsAre("2"));
    EXPECT_TRUE(xa_childElements(pugi::xml_node()).empty());
}

TEST_F(XAXIBXMLNodeTest, FirstChildElementByNameOrAttributeValue) {
    EXPECT_EQ(xa_firstChildElementWithName(root(), "b"), root().child("b"));
    EXPECT_EQ(xa_valueOfAttribute(xa_firstChildElementWithName(root(), "c"), "key"), "value");
    EXPECT_FALSE(xa_firstChildElementWithName(root(), "missing"));
    // Only elements answer; the document node is not one.
    EXPECT_FALSE(xa_firstChildElementWithName(document_, "root"));

    EXPECT_EQ(xa_valueOfAttribute(xa_firstChildElementWithValue(root(), "value-2", "key"), "key"), "value-2");
    EXPECT_EQ(xa_firstChildElementWithValue(root(), "first", "kind"), root().child("a"));
    EXPECT_FALSE(xa_firstChildElementWithValue(root(), "valu", "key")); // exact values only
    EXPECT_EQ(xa_firstChildElementWithValue(root(), "", "empty"), root().child("b"));
}

TEST_F(XAXIBXMLNodeTest, AttributeReadsTellMissingFromEmpty) {
    const pugi::xml_node b = root().child("b");
    EXPECT_EQ(xa_valueOfAttribute(b, "empty"), "");
    EXPECT_TRUE(xa_hasAttribute(b, "empty"));
    EXPECT_EQ(xa_valueOfAttribute(b, "absent"), std::nullopt);
    EXPECT_FALSE(xa_hasAttribute(b, "absent"));
    // Values arrive decoded.
    EXPECT_EQ(xa_valueOfAttribute(root().child("c"), "note"), "& <ok>");
    // Nodes that are not elements have no attributes.
    const pugi::xml_node text = root().child("a").next_sibling();
    ASSERT_EQ(text.type(), pugi::node_pcdata);
    EXPECT_EQ(xa_valueOfAttribute(text, "id"), std::nullopt);
    EXPECT_FALSE(xa_hasAttribute(document_, "id"));
    EXPECT_FALSE(xa_hasAttribute(pugi::xml_node(), "id"));
}

// Documents are read by many threads without a lock; every thread must see the same selections.
TEST_F(XAXIBXMLNodeTest, ConcurrentQueriesOnOneDocumentAgree) {
    std::atomic<int> mismatches = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 200; ++i) {
                const auto selected = xa_elementsForXPath(document_, "//*[@id] | //c[@key]");
                if (!selected || ids(*selected) != std::vector<std::string>{"1", "2", "3", "c", "c"}) {
                    ++mismatches;
                }
            }
        });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
