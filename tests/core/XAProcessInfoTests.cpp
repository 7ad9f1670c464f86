#include "core/XAMachTime.h"
#include "core/XAProcessInfo.h"
#include "core/XAVersionStrings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <thread>

namespace {

// ---- Executable and environment ----

TEST(XAProcessInfoTest, ExecutablePathIsTheRunningTestProgram) {
    const std::optional<std::string> path = xa_executablePath();
    ASSERT_TRUE(path);
    EXPECT_TRUE(path->starts_with('/'));
    EXPECT_EQ(std::filesystem::path(*path).filename(), "tessary_core_tests");
    EXPECT_TRUE(std::filesystem::is_regular_file(*path));
}

// Puts the whole process environment back as it was at the end of the test.
class XAEnvironmentTest : public ::testing::Test {
protected:
    ~XAEnvironmentTest() override {
        xa_assignEnvironment(saved_);
        EXPECT_EQ(XAProcessEnvironment(), saved_);
    }

private:
    std::map<std::string, std::string> saved_ = XAProcessEnvironment();
};

TEST_F(XAEnvironmentTest, AssigningMakesTheEnvironmentEqualToTheDictionary) {
    ::setenv("TESSARY_TEST_OLD", "old", 1);
    xa_assignEnvironment({{"TESSARY_TEST_A", "1"}, {"TESSARY_TEST_OLD", "new"}, {"TESSARY_TEST_UTF8", "caf\xC3\xA9"}});
    EXPECT_EQ(XAProcessEnvironment(), (std::map<std::string, std::string>{
                                          {"TESSARY_TEST_A", "1"},
                                          {"TESSARY_TEST_OLD", "new"},
                                          {"TESSARY_TEST_UTF8", "caf\xC3\xA9"},
                                      }));
    EXPECT_STREQ(std::getenv("TESSARY_TEST_UTF8"), "caf\xC3\xA9");
}

TEST_F(XAEnvironmentTest, AssigningNothingEmptiesTheEnvironment) {
    xa_assignEnvironment({});
    EXPECT_TRUE(XAProcessEnvironment().empty());
    EXPECT_EQ(std::getenv("PATH"), nullptr);
}

TEST_F(XAEnvironmentTest, AddingOverwritesAndRemovesNothingAndSkipsImpossibleNames) {
    ::setenv("TESSARY_TEST_KEEP", "kept", 1);
    ::setenv("TESSARY_TEST_OLD", "old", 1);
    std::map<std::string, std::string> expected = XAProcessEnvironment();
    xa_addEnvironmentVariables(
        {{"TESSARY_TEST_OLD", "new"}, {"", "empty name"}, {"A=B", "equals"}, {"TESSARY_TEST_E", ""}});
    expected["TESSARY_TEST_OLD"] = "new";
    expected["TESSARY_TEST_E"] = "";
    EXPECT_EQ(XAProcessEnvironment(), expected);

    xa_assignEnvironment({{"", "x"}, {"A=B", "y"}, {"TESSARY_TEST_ONLY", "1"}});
    EXPECT_EQ(XAProcessEnvironment(), (std::map<std::string, std::string>{{"TESSARY_TEST_ONLY", "1"}}));
}

// ---- Cores and host ----

TEST(XAProcessInfoTest, CountsDistinctPhysicalCoresOfCPUInfo) {
    const std::string twoThreadsOneCore = "processor\t: 0\nphysical id\t: 0\ncore id\t\t: 0\n\n"
                                          "processor\t: 1\nphysical id\t: 0\ncore id\t\t: 0\n\n";
    const std::string twoSocketsTwoCores = "processor: 0\nphysical id: 0\ncore id: 0\n\nprocessor: 1\nphysical id: 0\n"
                                           "core id: 1\n\nprocessor: 2\nphysical id: 1\ncore id: 0\n\n"
                                           "processor: 3\nphysical id: 1\ncore id: 1\n";
    const std::string withoutPhysicalID = "processor: 0\ncore id: 0\n\nprocessor: 1\ncore id: 1\n";
    const std::string withoutCoreIDs = "processor\t: 0\nBogoMIPS\t: 48.00\n\nprocessor\t: 1\nBogoMIPS\t: 48.00\n";
    EXPECT_EQ(XAPhysicalCoreCountFromCPUInfo(twoThreadsOneCore), 1u);
    EXPECT_EQ(XAPhysicalCoreCountFromCPUInfo(twoSocketsTwoCores), 4u);
    EXPECT_EQ(XAPhysicalCoreCountFromCPUInfo(withoutPhysicalID), 2u);
    EXPECT_EQ(XAPhysicalCoreCountFromCPUInfo(withoutCoreIDs), 0u);
    EXPECT_EQ(XAPhysicalCoreCountFromCPUInfo(""), 0u);

    const uint32_t cores = xa_numberOfCPUCores();
    EXPECT_GE(cores, 1u);
    if (std::thread::hardware_concurrency() > 0) {
        EXPECT_LE(cores, std::thread::hardware_concurrency());
    }
}

TEST(XAProcessInfoTest, HostUUIDIsTheMachineIDInUUIDForm) {
    EXPECT_EQ(XAHostUUIDFromMachineID("0123456789abcdef0123456789ABCDEF\n"), "01234567-89AB-CDEF-0123-456789ABCDEF");
    EXPECT_EQ(XAHostUUIDFromMachineID("0123456789abcdef0123456789abcde"), std::nullopt);
    EXPECT_EQ(XAHostUUIDFromMachineID("0123456789abcdef0123456789abcdeg"), std::nullopt);
    EXPECT_EQ(XAHostUUIDFromMachineID("01234567-89ab-cdef-0123-456789abcd"), std::nullopt);
    EXPECT_EQ(XAHostUUIDFromMachineID(""), std::nullopt);

    std::ifstream machineID("/etc/machine-id");
    std::string text;
    if (machineID >> text && XAHostUUIDFromMachineID(text)) {
        EXPECT_EQ(xa_hostUUID(), XAHostUUIDFromMachineID(text));
    }
    EXPECT_EQ(xa_hostUUID(), xa_hostUUID());
}

// ---- Version strings ----

TEST(XAVersionStringsTest, ComparesComponentsAsIntegers) {
    struct Case {
        std::optional<std::string_view> first;
        std::optional<std::string_view> second;
        XAComparisonResult result;
    };
    const std::vector<Case> cases = {
        {"1.10", "1.9", XAOrderedDescending},
        {"10", "10.0", XAOrderedSame},
        {"1.2a", "1.2", XAOrderedSame},
        {"", "0", XAOrderedSame},
        {std::nullopt, "1", XAOrderedAscending},
        {"1", std::nullopt, XAOrderedDescending},
        {std::nullopt, std::nullopt, XAOrderedSame},
        {"7.0", "8", XAOrderedAscending},
        {"10.15.2", "10.15.10", XAOrderedAscending},
        {"2", "10", XAOrderedAscending},
        {"1..2", "1.0.2", XAOrderedSame},
        {"x.1", "0.1", XAOrderedSame},
        {" 3", "3", XAOrderedSame},
        {"-1", "0", XAOrderedAscending},
        {"1.99999999999999999999999", "1.9223372036854775806", XAOrderedDescending}, // saturates, does not wrap
        {"1.0.0.0.0.1", "1", XAOrderedDescending},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XACompareVersionStrings(c.first, c.second), c.result)
            << c.first.value_or("(none)") << " vs " << c.second.value_or("(none)");
        EXPECT_EQ(XACompareVersionStrings(c.second, c.first), -c.result) << "reversed";
    }
}

// ---- Mach time ----

TEST(XAMachTimeTest, ConvertsUnitsWithTheTimebase) {
    const XAMachTimebase timebase = XAMachTimebaseInfo();
    EXPECT_EQ(timebase.numerator, 1u);
    EXPECT_EQ(timebase.denominator, 1u);
    EXPECT_EQ(XAMachTimeToNanoseconds(1'000'000), 1'000'000u);
    EXPECT_DOUBLE_EQ(XAMachTimeToSeconds(1'000'000), 0.001);

    const XAMachTimebase appleSilicon{125, 3};
    EXPECT_EQ(XAMachTimeToNanoseconds(3, appleSilicon), 125u);
    // The product exceeds 64 bits although the result does not.
    EXPECT_EQ(XAMachTimeToNanoseconds(300'000'000'000'000'000u, appleSilicon), 12'500'000'000'000'000'000u);
    EXPECT_EQ(XAMachTimeToNanoseconds(std::numeric_limits<uint64_t>::max(), appleSilicon),
              std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(XAMachTimeToNanoseconds(7, XAMachTimebase{1, 0}), 7u);
}

TEST(XAMachTimeTest, TheClockIsMonotonicAndCountsNanoseconds) {
    const uint64_t start = XAMachAbsoluteTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const uint64_t end = XAMachAbsoluteTime();
    ASSERT_GE(end, start);
    EXPECT_GE(XAMachTimeToSeconds(end - start), 0.02);
    EXPECT_LT(XAMachTimeToSeconds(end - start), 5.0);
}

} // namespace
