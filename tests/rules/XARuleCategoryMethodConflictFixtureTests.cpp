// Category method conflicts through a whole checking run of the fixture project category-conflicts: two categories
// of NSString with -trim in two files, a third with +trim, -valueForKey: in categories of NSObject and UIView (whose
// frameworks declare it in NSObject (NSKeyValueCoding)), +load in categories and a class's own -trim.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::HasSubstr;

namespace {

std::string conflict(const std::string &method, const std::string &className, const std::string &category,
                     const std::string &otherCategory, const std::string &otherFile) {
    return "The method " + method + " in " + className + " category " + category +
           " is in conflict with a method of the same name in category " + otherCategory +
           " (which is in file: " + otherFile + "). It is not defined which implementation of this method takes " +
           "precedence at runtime.";
}

} // namespace

TEST(XARuleCategoryMethodConflictFixtureTest, EachSideOfAConflictNamesTheOtherAndFrameworkCategoriesCount) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "category-conflicts", {"CategoryMethodConflict"});
    const std::string app = check.projectFolder + "/App/";
    ASSERT_THAT(check.findings, ElementsAre(Field(&XAFixtureFinding::file, "App/NSObject+Lookup.m"),
                                            Field(&XAFixtureFinding::file, "App/NSString+Cleaning.m"),
                                            Field(&XAFixtureFinding::file, "App/NSString+Trimming.m"),
                                            Field(&XAFixtureFinding::file, "App/UIView+ViewLookup.m")))
        << "not +trim against -trim, not +valueForKey:, +load or a class's own method";
    EXPECT_EQ(check.findings[1].line, 5u);
    EXPECT_EQ(check.findings[1].info,
              conflict("-trim", "NSString", "Cleaning", "Trimming", app + "NSString+Trimming.m"));
    EXPECT_EQ(check.findings[2].line, 5u) << "the definition, also for the declaration in the header";
    EXPECT_EQ(check.findings[2].info,
              conflict("-trim", "NSString", "Trimming", "Cleaning", app + "NSString+Cleaning.m"));
    for (std::size_t frameworkConflict : {0u, 3u}) {
        EXPECT_EQ(check.findings[frameworkConflict].line, 5u);
        EXPECT_THAT(check.findings[frameworkConflict].info,
                    AllOf(HasSubstr("The method valueForKey: in"), HasSubstr("in category NSKeyValueCoding"),
                          HasSubstr("/Foundation.framework/Headers/NSKeyValueCoding.h)")));
    }
}
