#include "engine/XARuleStateStore.h"

#include "core/XALogTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using testing::ElementsAre;

TEST(XARuleStateStoreTest, OnlyTheFirstOfManyConcurrentAddsIsNew) {
    XARuleStateStore store;
    constexpr int kThreads = 8;
    constexpr int kValues = 200;
    std::atomic<int> newCount{0};
    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread) {
        threads.emplace_back([&] {
            for (int value = 0; value < kValues; ++value) {
                if (!store.addValueAndReturnWhetherItAlreadyExisted("-[C m" + std::to_string(value) + "]", "Seen")) {
                    ++newCount;
                }
                store.addValueToStateList(value, "AllCalls");
            }
        });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    EXPECT_EQ(newCount, kValues);
    EXPECT_EQ(store.copyOfStateSet<std::string>("Seen")->size(), std::size_t(kValues));
    EXPECT_EQ(store.copyOfStateList<int>("AllCalls")->size(), std::size_t(kThreads * kValues));
}

TEST(XARuleStateStoreTest, CopiesDoNotChangeWhenTheStoreDoes) {
    XARuleStateStore store;
    EXPECT_EQ(store.copyOfStateList<std::string>("Includes"), std::nullopt);
    store.addValuesFromArrayToStateList<std::string>({"a.h", "b.h"}, "Includes");
    std::optional<std::vector<std::string>> copy = store.copyOfStateList<std::string>("Includes");
    store.addValueToStateList<std::string>("c.h", "Includes");
    EXPECT_THAT(*copy, ElementsAre("a.h", "b.h"));
    EXPECT_THAT(*store.copyOfStateList<std::string>("Includes"), ElementsAre("a.h", "b.h", "c.h"));
    // The live reference sees later changes.
    const auto *live = store.dangerousNonCopyingReferenceToObjectFromStateKey<std::vector<std::string>>("Includes");
    store.addValueToStateList<std::string>("d.h", "Includes");
    EXPECT_EQ(live->size(), 4u);
}

TEST(XARuleStateStoreTest, SetsAndDictionariesKeepAStableOrder) {
    XARuleStateStore store;
    store.addValuesFromSetToStateSet<std::string>({"b", "a"}, "Names");
    store.addValueToStateSet<std::string>("c", "Names");
    EXPECT_THAT(*store.copyOfStateSet<std::string>("Names"), ElementsAre("a", "b", "c"));

    store.addValueForKeyToStateDict<std::string, int>(2, std::string("two"), "Counts");
    store.addValueForKeyToStateDict<std::string, int>(1, std::string("one"), "Counts");
    store.addValueForKeyToStateDict<std::string, int>(9, std::nullopt, "Counts"); // no key: nothing happens
    store.addValueForKeyToStateDict<std::string, int>(3, std::string("two"), "Counts");
    std::map<std::string, int> expected = {{"one", 1}, {"two", 3}};
    EXPECT_EQ((store.copyOfStateDict<std::string, int>("Counts")), expected);
}

TEST(XARuleStateStoreTest, PlainValuesShareTheKeySpace) {
    XARuleStateStore store;
    store.setObject(std::string("first"), "Value");
    EXPECT_TRUE(store.containsObjectForStateKey("Value"));
    EXPECT_EQ(store.copyOfObjectFromStateKey<std::string>("Value"), "first");
    store.setObject(42, "Value");
    EXPECT_EQ(store.copyOfObjectFromStateKey<int>("Value"), 42);
    store.removeObjectForStateKey("Value");
    EXPECT_FALSE(store.containsObjectForStateKey("Value"));
    EXPECT_EQ(store.copyOfObjectFromStateKey<int>("Value"), std::nullopt);
}

TEST(XARuleStateStoreTest, AnOperationOfTheWrongTypeIsLoggedAndChangesNothing) {
    XARuleStateStore store;
    store.addValueToStateList(1, "Key");
    XALogCapture log;
    EXPECT_FALSE(store.addValueAndReturnWhetherItAlreadyExisted(1, "Key"));
    store.addValueToStateList<std::string>("text", "Key");
    EXPECT_EQ(store.copyOfStateSet<int>("Key"), std::nullopt);
    EXPECT_THAT(*store.copyOfStateList<int>("Key"), ElementsAre(1));
    ASSERT_EQ(log.lines().size(), 3u);
    EXPECT_THAT(log.lines()[0].second, testing::StartsWith("Rule state 'Key' holds a "));
}

} // namespace
