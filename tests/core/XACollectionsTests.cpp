#include "core/XACollections.h"
#include "core/XAPair.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

namespace {

struct File {
    std::string name;
    bool isStringsFile() const { return name.ends_with(".strings"); }
};

XAValue array(XAValue::Array values) { return XAValue(std::move(values)); }

TEST(FKMap, KeepsMissingResultsInPlace) {
    auto lengths = fk::map(Strings{"ab", "", "c"}, [](const std::string &s) {
        return s.empty() ? std::nullopt : std::optional<size_t>(s.size());
    });
    EXPECT_THAT(lengths, ElementsAre(std::optional<size_t>(2), std::nullopt, std::optional<size_t>(1)));

    auto values = fk::map(Ints{1, 2}, [](int i) { return i == 2 ? XAValue() : XAValue(i * 10); });
    EXPECT_EQ(values, (XAValue::Array{XAValue(10), XAValue()}));

    auto indexed =
        fk::mapWithIndex(Strings{"a", "b"}, [](const std::string &s, size_t i) { return s + std::to_string(i); });
    EXPECT_THAT(indexed, ElementsAre("a0", "b1"));
}

TEST(FKMap, AcceptsMemberPointersInPlaceOfCallables) {
    std::vector<File> files{{"a.strings"}, {"b.m"}, {"c.strings"}};
    EXPECT_THAT(fk::map(files, &File::name), ElementsAre("a.strings", "b.m", "c.strings"));
    auto strings = fk::filter(files, &File::isStringsFile);
    EXPECT_THAT(fk::map(strings, &File::name), ElementsAre("a.strings", "c.strings"));

    std::vector<std::shared_ptr<File>> shared{std::make_shared<File>(File{"x.strings"}), std::make_shared<File>()};
    EXPECT_EQ(fk::filter(shared, &File::isStringsFile).size(), 1u);
}

TEST(FKMap, SetAndDictionaryResults) {
    EXPECT_EQ(fk::map(std::set<int>{1, 2, 3, 4}, [](int i) { return i % 2; }), (std::set<int>{0, 1}));
    EXPECT_EQ(fk::filter(std::set<int>{1, 2, 3, 4}, [](int i) { return i > 2; }), (std::set<int>{3, 4}));

    std::map<std::string, int> ages{{"ann", 30}, {"bob", 17}, {"cy", 30}};
    auto byAge = fk::map(ages, [](const std::string &name, int age) {
        return age < 18 ? std::nullopt : std::optional(std::pair(age, name));
    });
    EXPECT_EQ(byAge, (std::map<int, std::string>{{30, "cy"}})); // the later key replaces

    XADictionary settings{{"A", XAValue(1)}, {"B", XAValue("x")}, {"C", XAValue(3)}};
    XADictionary doubled = fk::map(settings, [](const std::string &key, const XAValue &value) {
        auto number = value.integer();
        return number ? std::optional(XADictionary::Entry(key + key, XAValue(*number * 2))) : std::nullopt;
    });
    EXPECT_EQ(doubled, (XADictionary{{"AA", XAValue(2)}, {"CC", XAValue(6)}}));
}

TEST(FKParallelMap, PreservesOrderForEveryResultType) {
    int calls = 0;
    EXPECT_THAT(fk::parallelMap(Ints{}, [&](int i) { return ++calls + i; }), IsEmpty());
    EXPECT_EQ(calls, 0);

    Ints numbers(20000);
    for (int i = 0; i < static_cast<int>(numbers.size()); ++i) {
        numbers[i] = i;
    }
    auto squares = fk::parallelMap(numbers, [](int i) { return static_cast<long>(i) * i; });
    auto parities = fk::parallelMap(numbers, [](int i) { return i % 3 == 0; });
    ASSERT_EQ(squares.size(), numbers.size());
    ASSERT_EQ(parities.size(), numbers.size());
    for (size_t i = 0; i < numbers.size(); ++i) {
        ASSERT_EQ(squares[i], static_cast<long>(i) * static_cast<long>(i)) << i;
        ASSERT_EQ(parities[i], i % 3 == 0) << i;
    }

    tbb::task_arena twoThreads(2);
    std::mutex mutex;
    std::set<std::thread::id> workers;
    auto texts = fk::parallelMap(
        numbers,
        [&](int i) {
            std::lock_guard lock(mutex);
            workers.insert(std::this_thread::get_id());
            return std::to_string(i);
        },
        twoThreads);
    EXPECT_EQ(texts[12345], "12345");
    EXPECT_LE(workers.size(), 2u);
}

TEST(FKReduce, FoldsFromTheFirstElement) {
    int calls = 0;
    auto concatenate = [&](const std::string &a, const std::string &b) {
        ++calls;
        return a + b;
    };
    EXPECT_EQ(fk::reduce(Strings{}, concatenate), std::nullopt);
    EXPECT_EQ(fk::reduce(Strings{"only"}, concatenate), "only");
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(fk::reduce(Strings{"a", "b", "c"}, concatenate), "abc");
    EXPECT_EQ(calls, 2);
}

TEST(FKSearch, FirstContainsAndIndexStopAtTheFirstMatch) {
    int calls = 0;
    auto isEven = [&](int i) {
        ++calls;
        return i % 2 == 0;
    };
    Ints numbers{1, 4, 6, 7};
    EXPECT_EQ(fk::first(numbers, isEven), 4);
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(fk::contains(numbers, isEven));
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(fk::indexOfFirst(numbers, isEven), 1u);
    EXPECT_EQ(fk::indexOfFirst(Ints{1, 3}, isEven), XANotFound);
    EXPECT_EQ(fk::first(Ints{1, 3}, isEven), std::nullopt);
    EXPECT_FALSE(fk::contains(std::set<int>{}, isEven));
}

TEST(FKFlattened, OpensNestedArraysAtEveryDepth) {
    std::vector<std::vector<Ints>> nested{{{1}, {2, 3}}, {}, {{4}}};
    EXPECT_THAT(fk::flattened(nested), ElementsAre(1, 2, 3, 4));

    XAValue::Array values{XAValue(1), array({XAValue(2), array({XAValue(3)}), array({})}), XAValue("4")};
    EXPECT_EQ(fk::flattened(values), (XAValue::Array{XAValue(1), XAValue(2), XAValue(3), XAValue("4")}));
}

TEST(FKCleaning, WithoutDuplicatesKeepsFirstOccurrencesByEquality) {
    // Hashed, ordered and compared-one-by-one elements.
    EXPECT_THAT(fk::arrayWithoutDuplicates(Strings{"b", "a", "b", "c", "a"}), ElementsAre("b", "a", "c"));
    EXPECT_THAT(fk::arrayWithoutDuplicates(std::vector<Ints>{{2}, {1}, {2}, {}}),
                ElementsAre(Ints{2}, Ints{1}, Ints{}));
    XAValue::Array values{XAValue(1), XAValue("1"), XAValue(1), XAValue(), XAValue()};
    EXPECT_EQ(fk::arrayWithoutDuplicates(values), (XAValue::Array{XAValue(1), XAValue("1"), XAValue()}));
}

TEST(FKCleaning, WithoutNullsAndEmpties) {
    std::vector<std::optional<int>> maybe{1, std::nullopt, 3};
    EXPECT_THAT(fk::arrayWithoutNulls(maybe), ElementsAre(1, 3));
    auto one = std::make_shared<int>(1);
    EXPECT_THAT(fk::arrayWithoutNulls(std::vector<std::shared_ptr<int>>{nullptr, one, nullptr}), ElementsAre(one));
    EXPECT_EQ(fk::arrayWithoutNulls(XAValue::Array{XAValue(), XAValue(0), XAValue()}), XAValue::Array{XAValue(0)});

    EXPECT_THAT(fk::arrayWithoutEmpties(Strings{"", "a", ""}), ElementsAre("a"));
    XAValue::Array mixed{XAValue(""),       XAValue("a"),       XAValue(), array({XAValue("x")}),
                         XAValue(XAData{}), XAValue(XAData{1}), XAValue(7)};
    EXPECT_EQ(fk::arrayWithoutEmpties(mixed), (XAValue::Array{XAValue("a"), XAValue(XAData{1})}));
    EXPECT_EQ(xa_nonEmptyComponentsJoinedWithString({"", "a", "", "b", ""}, ", "), "a, b");
}

TEST(FKCleaning, WithoutObjectRemovesEveryEqualElement) {
    Strings letters{"a", "b", "a", "c"};
    EXPECT_THAT(fk::arrayWithoutObject(letters, std::string("a")), ElementsAre("b", "c"));
    EXPECT_THAT(fk::arrayWithoutObjects(letters, std::set<std::string>{"a", "c", "z"}), ElementsAre("b"));
    EXPECT_THAT(fk::arrayWithoutObjects(letters, Strings{}), ElementsAre("a", "b", "a", "c"));
}

TEST(FKDictionaries, AsDictionaryReadsKeyValueRows) {
    EXPECT_EQ(fk::asDictionary(XAValue::Array{array({XAValue("k")})}), (XADictionary{{"k", XAValue()}}));
    EXPECT_TRUE(fk::asDictionary(XAValue::Array{array({})}).empty());
    XAValue::Array rows{array({XAValue("a"), XAValue(1)}), XAValue("not a row"), array({XAValue(5), XAValue(6)}),
                        array({XAValue("b"), XAValue(2), XAValue(9)}), array({XAValue("a"), XAValue(3)})};
    EXPECT_EQ(fk::asDictionary(rows), (XADictionary{{"a", XAValue(3)}, {"b", XAValue(2)}}));

    auto typed = fk::asDictionary(std::vector<Strings>{{"k"}, {}, {"a", "1"}, {"a", "2", "x"}});
    EXPECT_EQ(typed, (std::map<std::string, std::optional<std::string>>{{"k", std::nullopt}, {"a", "2"}}));
}

TEST(FKDictionaries, PairsAndMerging) {
    std::map<std::string, int> left{{"a", 1}, {"b", 2}};
    EXPECT_THAT(fk::pairs(left), ElementsAre(std::pair<std::string, int>("a", 1), std::pair<std::string, int>("b", 2)));
    EXPECT_EQ(fk::dictionaryByMerging(left, {{"b", 20}, {"c", 30}}),
              (std::map<std::string, int>{{"a", 1}, {"b", 20}, {"c", 30}}));

    XADictionary merged = fk::dictionaryByMerging(XADictionary{{"x", XAValue(1)}, {"y", XAValue(2)}},
                                                  XADictionary{{"y", XAValue("new")}, {"z", XAValue()}});
    EXPECT_EQ(merged, (XADictionary{{"x", XAValue(1)}, {"y", XAValue("new")}, {"z", XAValue()}}));
    EXPECT_EQ(fk::pairs(merged).front().first, "x");
}

TEST(XAArrays, MembershipQueries) {
    struct Case {
        Strings array;
        Strings values;
        bool any;
        bool all;
    } cases[] = {
        {{"a", "b"}, {}, false, false},        {{}, {"a"}, false, false},         {{"a", "b"}, {"b"}, true, true},
        {{"a", "b"}, {"a", "c"}, true, false}, {{"a", "b"}, {"c"}, false, false}, {{"a", "b"}, {"a", "a"}, true, true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(xa_containsAnyOf(c.array, c.values), c.any) << ::testing::PrintToString(c.values);
        EXPECT_EQ(xa_containsAllOf(c.array, c.values), c.all) << ::testing::PrintToString(c.values);
    }
    EXPECT_THAT(xa_intersectionWithArray(Strings{"a", "b", "a", "c"}, Strings{"c", "a"}), ElementsAre("a", "a", "c"));
    EXPECT_TRUE(xa_valuesAreAllUnique(Strings{"a", "b"}));
    EXPECT_FALSE(xa_valuesAreAllUnique(XAValue::Array{XAValue(1), XAValue(1)}));
    EXPECT_TRUE(xa_moreThanOne(Ints{1, 2}));
    EXPECT_FALSE(xa_moreThanOne(Ints{1}));
}

TEST(XAArrays, ValueAfterValueAndMostCommonValue) {
    Strings letters{"a", "b", "a", "c"};
    EXPECT_EQ(xa_valueAfterValue(letters, std::string("a")), "b");
    EXPECT_EQ(xa_valueAfterValue(letters, std::string("c")), std::nullopt);
    EXPECT_EQ(xa_valueAfterValue(letters, std::string("z")), std::nullopt);

    EXPECT_EQ(xa_mostCommonValue(Strings{"b", "a", "b", "a"}), "b"); // a tie: the first met wins
    EXPECT_EQ(xa_mostCommonValue(Strings{"a", "b", "b"}), "b");
    EXPECT_EQ(xa_mostCommonValue(Strings{}), std::nullopt);
    EXPECT_EQ(xa_mostCommonValue(XAValue::Array{XAValue(1), XAValue("x"), XAValue("x")}), XAValue("x"));
}

TEST(XAArrays, MarkupAndQuoting) {
    Strings items{"one", "<b>two</b>"};
    EXPECT_EQ(xa_asUnorderedHTMLList(items), "<ul><li>one</li> <li><b>two</b></li></ul>");
    EXPECT_EQ(xa_asUnorderedHTMLList({}), "<ul></ul>");
    EXPECT_THAT(xa_componentsWrappedInXMLTag(items, "key"), ElementsAre("<key>one</key>", "<key><b>two</b></key>"));
    EXPECT_THAT(xa_doubleQuotedComponents(items), ElementsAre("\"one\"", "\"<b>two</b>\""));
    EXPECT_THAT(xa_componentsQuotedWith(items, ""), ElementsAre("one", "<b>two</b>"));
}

TEST(XAArrays, GroupingAndKeying) {
    Strings words{"apple", "bee", "avocado", "", "bat"};
    auto firstLetter = [](const std::string &word) {
        return word.empty() ? std::nullopt : std::optional<char>(word[0]);
    };
    EXPECT_EQ(xa_groupedBy(words, firstLetter),
              (std::map<char, Strings>{{'a', {"apple", "avocado"}}, {'b', {"bee", "bat"}}}));
    EXPECT_EQ(xa_dictionaryWithKeys(words, firstLetter), (std::map<char, std::string>{{'a', "avocado"}, {'b', "bat"}}));

    auto length = [](const std::string &word) { return word.size(); };
    EXPECT_EQ(xa_objectWithHighest(Strings{"ab", "cd", "e"}, length), "ab");
    EXPECT_EQ(xa_objectWithHighest(Strings{}, length), std::nullopt);
    EXPECT_EQ(xa_objectWithHighest(Ints{-5, -2, -9}, [](int i) { return i; }), -2);
}

TEST(XAArrays, CartesianProductLetsTheFirstListVarySlowest) {
    EXPECT_EQ(xa_permutationsOfValuesInArrays(std::vector<Ints>{{1, 2}, {3, 4}}),
              (std::vector<Ints>{{1, 3}, {1, 4}, {2, 3}, {2, 4}}));
    EXPECT_EQ(xa_permutationsOfValuesInArrays(std::vector<Ints>{{1, 2}}), (std::vector<Ints>{{1}, {2}}));
    EXPECT_THAT(xa_permutationsOfValuesInArrays(std::vector<Ints>{}), IsEmpty());
    EXPECT_THAT(xa_permutationsOfValuesInArrays(std::vector<Ints>{{1, 2}, {}}), IsEmpty());

    EXPECT_EQ(xa_permutationsOfValuesInArrays(XAValue::Array{XAValue(5)}), (XAValue::Array{array({XAValue(5)})}));
    XAValue::Array mixed{array({XAValue(1), XAValue(2)}), XAValue("x")};
    EXPECT_EQ(xa_permutationsOfValuesInArrays(mixed),
              (XAValue::Array{array({XAValue(1), XAValue("x")}), array({XAValue(2), XAValue("x")})}));
}

TEST(XAArrays, AllPairsInOrder) {
    auto pairs = xa_allPairs(Strings{"a", "b", "c"});
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[0], (XAPair<std::string, std::string>("a", "b")));
    EXPECT_EQ(pairs[1], (XAPair<std::string, std::string>("a", "c")));
    EXPECT_EQ(pairs[2], (XAPair<std::string, std::string>("b", "c")));
    EXPECT_THAT(xa_allPairs(Strings{"a"}), IsEmpty());
}

TEST(XAArrays, SubarraysStayWithinBounds) {
    Ints five{1, 2, 3, 4, 5};
    EXPECT_THAT(xa_subarrayFromIndex(five, 3).value(), ElementsAre(4, 5));
    EXPECT_THAT(xa_subarrayFromIndex(five, 5).value(), IsEmpty());
    EXPECT_EQ(xa_subarrayFromIndex(five, 6), std::nullopt);
    EXPECT_EQ(xa_subarrayFromIndex(five, SIZE_MAX), std::nullopt);
    EXPECT_THAT(xa_subarrayToIndex(five, 2), ElementsAre(1, 2));
    EXPECT_EQ(xa_subarrayToIndex(five, SIZE_MAX), five);

    EXPECT_EQ(xa_subarraysOfSize(five, 2), (std::vector<Ints>{{1, 2}, {3, 4}, {5}}));
    EXPECT_EQ(xa_subarraysOfSize(five, SIZE_MAX), (std::vector<Ints>{five}));
    EXPECT_THAT(xa_subarraysOfSize(five, 0), IsEmpty());
    EXPECT_THAT(xa_subarraysOfSize(Ints{}, 3), IsEmpty());
}

TEST(XAArrays, RandomPicksAreDistinctAndReachEveryElement) {
    std::mt19937_64 engine(42);
    Ints values{10, 20, 30, 40};
    std::set<int> seenFirst;
    for (int round = 0; round < 200; ++round) {
        Ints picked = xa_randomSubarrayOfSize(values, 3, engine);
        ASSERT_EQ(picked.size(), 3u);
        ASSERT_EQ(std::set<int>(picked.begin(), picked.end()).size(), 3u);
        seenFirst.insert(picked[0]);
    }
    EXPECT_EQ(seenFirst, (std::set<int>{10, 20, 30, 40}));
    EXPECT_THAT(xa_randomSubarrayOfSize(values, 99, engine), UnorderedElementsAre(10, 20, 30, 40));
    EXPECT_THAT(xa_randomSubarrayOfSize(Ints{}, 2, engine), IsEmpty());

    std::set<Ints> orders;
    for (int round = 0; round < 200; ++round) {
        Ints shuffled = values;
        xa_shuffle(shuffled, engine);
        ASSERT_THAT(shuffled, UnorderedElementsAre(10, 20, 30, 40));
        orders.insert(shuffled);
    }
    EXPECT_EQ(orders.size(), 24u); // every ordering of four occurs
    EXPECT_THAT(xa_shuffledArray(values), UnorderedElementsAre(10, 20, 30, 40));
}

TEST(XAArrays, RemoveObjectsMatchingVisitsFromTheEnd) {
    Strings letters{"a", "bb", "c", "dd"};
    Strings visited;
    xa_removeObjectsMatching(letters, [&](const std::string &s) {
        visited.push_back(s);
        return s.size() == 2;
    });
    EXPECT_THAT(letters, ElementsAre("a", "c"));
    EXPECT_THAT(visited, ElementsAre("dd", "c", "bb", "a"));
}

TEST(XAValueTrees, LeafObjectsDescendDepthFirst) {
    XADictionary inner{{"c", XAValue("z")}, {"n", XAValue(2)}};
    XAValue::Array list{XAValue(1), XAValue("y"), XAValue(inner), array({})};
    XADictionary root{{"a", XAValue("x")}, {"b", XAValue(list)}, {"d", XAValue()}};

    EXPECT_EQ(xa_leafObjectsOfClass(root, XAValue::Type::String),
              (std::vector<XAValue>{XAValue("x"), XAValue("y"), XAValue("z")}));
    EXPECT_EQ(xa_leafObjectsOfClass(list, XAValue::Type::Integer), (std::vector<XAValue>{XAValue(1), XAValue(2)}));
    // A container of the wanted kind is a leaf: its contents are not searched.
    EXPECT_EQ(xa_leafObjectsOfClass(root, XAValue::Type::Array), (std::vector<XAValue>{XAValue(list)}));
    EXPECT_EQ(xa_leafObjectsOfClass(root, XAValue::Type::Dictionary), (std::vector<XAValue>{XAValue(inner)}));
}

TEST(XAValueTrees, WithoutNilValuesCleansEveryDepth) {
    XAValue::Array list{XAValue(), XAValue(1), array({XAValue(), XAValue("a")}),
                        XAValue(XADictionary{{"n", XAValue()}})};
    XADictionary root{{"null", XAValue()}, {"list", XAValue(list)}};
    XAValue::Array cleanList{XAValue(1), array({XAValue("a")}), XAValue(XADictionary{})};
    EXPECT_EQ(xa_withoutNilValues(root), (XADictionary{{"list", XAValue(cleanList)}}));
    EXPECT_EQ(xa_withoutNilValues(list), cleanList);
}

TEST(XASets, IntersectionAndNullRemoval) {
    std::vector<std::set<int>> sets{{1, 2, 3}, {2, 3, 4}, {3, 2}};
    EXPECT_EQ(xa_valuesPresentInAllSets(sets), (std::set<int>{2, 3}));
    EXPECT_TRUE(xa_valuesPresentInAllSets(std::vector<std::set<int>>{}).empty());
    EXPECT_EQ(xa_setWithoutNull(std::set<std::optional<int>>{std::nullopt, 1}), std::set<int>{1});
    EXPECT_EQ(fk::map(std::set<std::string>{"a", "b"},
                      [](const std::string &s) { return s == "a" ? std::nullopt : std::optional(s); }),
              (std::set<std::optional<std::string>>{std::nullopt, "b"}));
}

TEST(XAPair, MissingComponentsCompareEqualAndHashBySecond) {
    using Pair = XAPair<std::optional<std::string>, std::optional<std::string>>;
    Pair a(std::nullopt, "table");
    Pair b(std::nullopt, "table");
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::hash<Pair>{}(a), std::hash<Pair>{}(b));
    EXPECT_EQ(a.hash(), std::hash<std::string>{}("table"));
    EXPECT_NE(a, Pair("key", "table"));
    EXPECT_NE(a, Pair(std::nullopt, std::nullopt));
    EXPECT_EQ(Pair().hash(), 0u);
    EXPECT_EQ(Pair("key", "table").hash(), std::hash<std::string>{}("key"));

    std::unordered_set<Pair> unique{a, b, Pair("key", std::nullopt), Pair("key", std::nullopt), Pair()};
    EXPECT_EQ(unique.size(), 3u);

    EXPECT_EQ(a.description(), "(null) table");
    Pair changed = Pair::pairWithFirst("k", std::nullopt);
    changed.setSecond("t");
    EXPECT_EQ(changed, Pair("k", "t"));
    EXPECT_EQ((XAPair<int, XAValue>(3, XAValue("v")).description()), "3 " + XAValue("v").description());

    int value = 1;
    EXPECT_EQ((XAPair<int *, int>(nullptr, 7).hash()), std::hash<int>{}(7));
    EXPECT_EQ((XAPair<int *, int>(&value, 7).description()), "1 7");
}

} // namespace
