#include "core/XACache.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

// A generator that resolves keys beginning with "ok" and counts its calls; failures carry the call number so that a
// test can tell which attempt an error came from.
struct CountingGenerator {
    std::atomic<int> calls{0};

    XACache<std::string, std::string>::Generator generator() {
        return [this](const std::optional<std::string> &maybeKey, XAError *error) -> std::optional<std::string> {
            int call = ++calls;
            const std::string key = maybeKey.value_or("<none>");
            if (key.starts_with("ok")) {
                return "value of " + key;
            }
            if (key.starts_with("silent")) {
                return std::nullopt; // fails without saying why
            }
            XASetError(error, "attempt " + std::to_string(call) + " failed for " + key);
            return std::nullopt;
        };
    }
};

} // namespace

TEST(XACacheTest, FoundValueIsGeneratedOnce) {
    CountingGenerator counting;
    XACache<std::string, std::string> cache(counting.generator());
    EXPECT_EQ(cache.objectForKey("ok-a"), "value of ok-a");
    EXPECT_EQ(cache.objectForKey("ok-a"), "value of ok-a");
    EXPECT_EQ(counting.calls, 1);
    EXPECT_EQ(cache.latestErrorForKey("ok-a"), std::nullopt);
}

TEST(XACacheTest, FailedLookupIsTriedAgainAndKeepsTheLatestError) {
    CountingGenerator counting;
    XACache<std::string, std::string> cache(counting.generator());
    EXPECT_EQ(cache.latestErrorForKey("bad"), std::nullopt);
    EXPECT_EQ(cache.objectForKey("bad"), std::nullopt);
    EXPECT_EQ(cache.objectForKey("bad"), std::nullopt);
    EXPECT_EQ(counting.calls, 2);
    std::optional<XAError> error = cache.latestErrorForKey("bad");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "attempt 2 failed for bad");
    EXPECT_EQ(error->domain, "org.quenby.tessary");
}

TEST(XACacheTest, FailureWithoutAnErrorStoresNone) {
    CountingGenerator counting;
    XACache<std::string, std::string> cache(counting.generator());
    EXPECT_EQ(cache.objectForKey("silent"), std::nullopt);
    EXPECT_EQ(cache.latestErrorForKey("silent"), std::nullopt);
}

TEST(XACacheTest, AbsentKeyIsGeneratedEveryTimeAndNothingIsStored) {
    CountingGenerator counting;
    XACache<std::string, std::string> cache(counting.generator());
    EXPECT_EQ(cache.objectForKey(std::nullopt), std::nullopt);
    EXPECT_EQ(cache.objectForKey(std::nullopt), std::nullopt);
    EXPECT_EQ(counting.calls, 2);
    // The generator's error for no key is kept under no key, not under the text it was described with.
    EXPECT_EQ(cache.latestErrorForKey("<none>"), std::nullopt);

    XACache<std::string, int> answering(
        [](const std::optional<std::string> &key, XAError *) -> std::optional<int> { return key ? 1 : 0; });
    EXPECT_EQ(answering.objectForKey(std::nullopt), 0);
    EXPECT_EQ(answering.objectForKey("a"), 1);
}

TEST(XACacheTest, ErrorOfAnEarlierFailureOutlivesALaterSuccess) {
    bool resolvable = false;
    XACache<std::string, int> cache(
        [&resolvable](const std::optional<std::string> &, XAError *error) -> std::optional<int> {
            if (resolvable) {
                return 42;
            }
            XASetError(error, "not yet");
            return std::nullopt;
        });
    EXPECT_EQ(cache.objectForKey("key"), std::nullopt);
    resolvable = true;
    EXPECT_EQ(cache.objectForKey("key"), 42);
    ASSERT_TRUE(cache.latestErrorForKey("key"));
    EXPECT_EQ(cache.latestErrorForKey("key")->message, "not yet");
}

TEST(XACacheTest, GeneratorMayUseOtherCachesAndOtherKeysOfItsOwn) {
    XACache<std::string, std::string> inner(
        [](const std::optional<std::string> &key, XAError *) -> std::optional<std::string> { return "inner " + *key; });
    XACache<std::string, std::string> *self = nullptr;
    XACache<std::string, std::string> outer(
        [&](const std::optional<std::string> &key, XAError *) -> std::optional<std::string> {
            if (key == "composite") {
                return self->objectForKey("part").value_or("?") + " + " + inner.objectForKey(key).value_or("?");
            }
            return "outer " + *key;
        });
    self = &outer;
    EXPECT_EQ(outer.objectForKey("composite"), "outer part + inner composite");
}

TEST(XACacheTest, ConcurrentCallersAllGetTheOneStoredValue) {
    std::atomic<int> calls{0};
    XACache<int, std::string> cache([&calls](const std::optional<int> &key, XAError *) -> std::optional<std::string> {
        int call = ++calls;
        std::this_thread::yield();
        return std::to_string(*key) + "#" + std::to_string(call);
    });
    constexpr int kThreads = 8;
    constexpr int kKeys = 50;
    std::vector<std::vector<std::string>> seen(kThreads, std::vector<std::string>(kKeys));
    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread) {
        threads.emplace_back([&cache, &seen, thread] {
            for (int key = 0; key < kKeys; ++key) {
                seen[thread][key] = cache.objectForKey(key).value_or("");
            }
        });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    for (int key = 0; key < kKeys; ++key) {
        const std::string stored = cache.objectForKey(key).value_or("");
        EXPECT_TRUE(stored.starts_with(std::to_string(key) + "#")) << stored;
        for (int thread = 0; thread < kThreads; ++thread) {
            EXPECT_EQ(seen[thread][key], stored) << "thread " << thread << ", key " << key;
        }
    }
}
