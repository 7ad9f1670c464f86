#include "core/XAValue.h"

#include <gtest/gtest.h>

TEST(XAValue, DictionaryKeepsInsertionOrderAndReplacesInPlace) {
    XADictionary dict;
    for (int i = 0; i < 40; ++i) {
        dict.set("k" + std::to_string(39 - i), XAValue(i));
    }
    dict.set("k39", XAValue("replaced"));
    ASSERT_EQ(dict.size(), 40u);
    EXPECT_EQ(dict.entries().front().first, "k39");
    EXPECT_EQ(*dict.entries().front().second.string(), "replaced");
    EXPECT_EQ(dict.entries().back().first, "k0");
    for (int i = 0; i < 40; ++i) {
        ASSERT_NE(dict.get("k" + std::to_string(i)), nullptr) << i;
    }
    EXPECT_EQ(dict.get("k40"), nullptr);
    EXPECT_TRUE(dict.remove("k20"));
    EXPECT_EQ(dict.get("k20"), nullptr);
    EXPECT_EQ(*dict.get("k21")->integer(), 18);
    EXPECT_EQ(dict.size(), 39u);
}

TEST(XAValue, TypedAccessAnswersOnlyForItsOwnType) {
    XAValue text("abc");
    EXPECT_TRUE(text.isString());
    EXPECT_EQ(text.integer(), std::nullopt);
    EXPECT_EQ(text.dictionary(), nullptr);
    EXPECT_EQ(text.get("x"), nullptr);
    XAValue number(std::int64_t{7});
    EXPECT_EQ(number.real(), 7.0);
    EXPECT_EQ(XAValue().type(), XAValue::Type::Null);
    EXPECT_TRUE(XAValue(true).boolean().value());
}

TEST(XAValue, CopiesAreDeepAndEqualityIgnoresKeyOrder) {
    XADictionary inner{{"a", XAValue(1)}, {"b", XAValue(XAValue::Array{XAValue("x"), XAValue(2.5)})}};
    XAValue original(inner);
    XAValue copy = original;
    copy.mutableDictionary()->set("a", XAValue(2));
    EXPECT_EQ(*original.get("a")->integer(), 1);
    EXPECT_FALSE(copy == original);

    XADictionary reversed{{"b", XAValue(XAValue::Array{XAValue("x"), XAValue(2.5)})}, {"a", XAValue(1)}};
    EXPECT_TRUE(XAValue(reversed) == original);
    EXPECT_EQ(original.description(), "{\"a\" = 1; \"b\" = (\"x\", 2.5); }");
}
