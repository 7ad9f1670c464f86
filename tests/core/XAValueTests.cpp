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

TEST(XAValue, DictionaryFindsEveryKeyWhateverItReservedBeforehand) {
    struct Case {
        int before;  // keys set before the reserve
        int reserve; // count passed to reserve
        int after;   // keys in all once the rest are set
    };
    const Case cases[] = {
        {0, 500, 500}, // reserved for its full size
        {5, 100, 60},  // entries present while still scanned linearly
        {40, 10, 90},  // less than it already holds
        {20, 20, 20},  // exactly what it holds
        {0, 200, 3},   // far more than it ever holds
    };
    for (const Case &c : cases) {
        XADictionary dict;
        for (int i = 0; i < c.after; ++i) {
            if (i == c.before) {
                dict.reserve(static_cast<std::size_t>(c.reserve));
            }
            dict.set("key" + std::to_string(i), XAValue(i));
        }
        if (c.before == c.after) {
            dict.reserve(static_cast<std::size_t>(c.reserve));
        }
        dict.set("key0", XAValue("replaced"));
        ASSERT_EQ(dict.size(), static_cast<std::size_t>(c.after)) << c.reserve;
        EXPECT_EQ(dict.entries().front().first, "key0") << c.reserve;
        for (int i = 1; i < c.after; ++i) {
            const XAValue *value = dict.get("key" + std::to_string(i));
            ASSERT_NE(value, nullptr) << c.reserve << ": key" << i;
            EXPECT_EQ(*value->integer(), i);
        }
        EXPECT_EQ(*dict.get("key0")->string(), "replaced");
        EXPECT_EQ(dict.get("key" + std::to_string(c.after)), nullptr);
        EXPECT_TRUE(dict.remove("key1")) << c.reserve;
        EXPECT_EQ(dict.get("key1"), nullptr);
        EXPECT_NE(dict.get("key" + std::to_string(c.after - 1)), nullptr) << c.reserve;
    }
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
