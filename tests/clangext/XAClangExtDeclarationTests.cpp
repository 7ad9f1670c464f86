#include "XAClangExtTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace xa_clangext_test;

namespace {

struct StorageCase {
    const char *variable;
    int expected;
};

TEST(XAClangExtDeclarationTest, VariableStorage) {
    ParsedSnippet snippet(std::string(kRootClass) + R"(
        int global;
        static int fileStatic;
        extern int declaredElsewhere;
        __thread int threadGlobal;
        void function(void) {
            int automatic;
            static int staticLocal;
            extern int localExtern;
            static __thread int threadLocal;
            register int inRegister;
            void (^block)(void) = ^{ int inBlock; static int staticInBlock; };
        }
        @interface Cache : NSObject
        @end
        @implementation Cache
        - (void)method { int inMethod; static id sharedInMethod; }
        @end
    )");
    ASSERT_PARSED(snippet);
    const std::vector<StorageCase> cases = {
        {"global", CXTessaryVarDeclStorage_Global},
        {"fileStatic", CXTessaryVarDeclStorage_Global},
        {"declaredElsewhere", CXTessaryVarDeclStorage_Global},
        {"threadGlobal", CXTessaryVarDeclStorage_ThreadLocal},
        {"automatic", CXTessaryVarDeclStorage_Automatic},
        {"staticLocal", CXTessaryVarDeclStorage_StaticLocal},
        {"localExtern", CXTessaryVarDeclStorage_Global},
        {"threadLocal", CXTessaryVarDeclStorage_ThreadLocal},
        {"inRegister", CXTessaryVarDeclStorage_Automatic},
        {"block", CXTessaryVarDeclStorage_Automatic},
        {"inBlock", CXTessaryVarDeclStorage_Automatic},
        {"staticInBlock", CXTessaryVarDeclStorage_StaticLocal},
        {"inMethod", CXTessaryVarDeclStorage_Automatic},
        {"sharedInMethod", CXTessaryVarDeclStorage_StaticLocal},
    };
    for (const StorageCase &testCase : cases) {
        CXCursor variable = snippet.find(CXCursor_VarDecl, testCase.variable);
        ASSERT_FALSE(clang_Cursor_isNull(variable)) << testCase.variable;
        EXPECT_EQ(clang_tessary_getVarDeclStorage(variable), testCase.expected) << testCase.variable;
    }
    EXPECT_EQ(clang_tessary_getVarDeclStorage(snippet.find(CXCursor_FunctionDecl, "function")), 0);
    EXPECT_EQ(clang_tessary_getVarDeclStorage(clang_getNullCursor()), 0);
}

TEST(XAClangExtDeclarationTest, StaticMembersAndNamespaceVariablesAreGlobal) {
    ParsedSnippet snippet(R"(
        namespace cache { int inNamespace; }
        struct Holder { static int member; };
        int Holder::member = 0;
        void f() { static thread_local int perThread; auto lambda = [] { int inLambda; }; }
    )",
                          "objective-c++", {"-std=c++17"});
    ASSERT_PARSED(snippet);
    EXPECT_EQ(clang_tessary_getVarDeclStorage(snippet.find(CXCursor_VarDecl, "inNamespace")),
              CXTessaryVarDeclStorage_Global);
    EXPECT_EQ(clang_tessary_getVarDeclStorage(snippet.find(CXCursor_VarDecl, "member")),
              CXTessaryVarDeclStorage_Global);
    EXPECT_EQ(clang_tessary_getVarDeclStorage(snippet.find(CXCursor_VarDecl, "perThread")),
              CXTessaryVarDeclStorage_ThreadLocal);
    EXPECT_EQ(clang_tessary_getVarDeclStorage(snippet.find(CXCursor_VarDecl, "inLambda")),
              CXTessaryVarDeclStorage_Automatic);
}

struct FamilyCase {
    const char *selector;
    CXCursorKind kind;
    int expected;
};

TEST(XAClangExtDeclarationTest, MethodFamilies) {
    ParsedSnippet snippet(std::string(kRootClass) + R"(
        #define NS_METHOD_FAMILY(family) __attribute__((objc_method_family(family)))
        @interface Families : NSObject
        - (instancetype)initWithName:(id)name;
        - (id)_initPrivately;
        - (id)__copyDeep;
        - (id)copyWithZone:(void *)zone;
        - (id)mutableCopy;
        + (id)newThing;
        + (id)allocWithZone:(void *)zone;
        - (id)initialValue;
        - (id)copyright;
        - (id)newer;
        - (id)news;
        - (id)init_with:(int)x;
        - (void)initLater;
        + (id)initFromClass;
        - (int)copyCount;
        - (id)self;
        - (oneway void)release;
        - (id)retain;
        - (id)autorelease;
        - (unsigned long)retainCount;
        - (void)finalize;
        + (void)initialize;
        - (void)initialize;
        - (id)performSelector:(SEL)selector withObject:(id)object;
        - (NSObject *)performSelectorOnMainThread:(SEL)selector;
        - (id)performSelectorInBackground:(int)notASelector;
        - (id)makeNothing NS_METHOD_FAMILY(none);
        - (id)createFresh __attribute__((objc_method_family(new)));
        - (id)initButNot NS_METHOD_FAMILY(none);
        @end
    )");
    ASSERT_PARSED(snippet);
    const CXCursorKind instance = CXCursor_ObjCInstanceMethodDecl;
    const CXCursorKind classMethod = CXCursor_ObjCClassMethodDecl;
    const std::vector<FamilyCase> cases = {
        {"init", instance, CXTessaryMethodFamily_Init},
        {"initWithName:", instance, CXTessaryMethodFamily_Init},
        {"_initPrivately", instance, CXTessaryMethodFamily_Init},
        {"__copyDeep", instance, CXTessaryMethodFamily_Copy},
        {"copyWithZone:", instance, CXTessaryMethodFamily_Copy},
        {"mutableCopy", instance, CXTessaryMethodFamily_MutableCopy},
        {"newThing", classMethod, CXTessaryMethodFamily_New},
        {"new", classMethod, CXTessaryMethodFamily_New},
        {"alloc", classMethod, CXTessaryMethodFamily_Alloc},
        {"allocWithZone:", classMethod, CXTessaryMethodFamily_Alloc},
        {"initialValue", instance, CXTessaryMethodFamily_None}, // "initial" is another word
        {"copyright", instance, CXTessaryMethodFamily_None},
        {"newer", instance, CXTessaryMethodFamily_None},
        {"news", instance, CXTessaryMethodFamily_None},
        {"init_with:", instance, CXTessaryMethodFamily_Init},
        {"initLater", instance, CXTessaryMethodFamily_None},        // returns no object
        {"initFromClass", classMethod, CXTessaryMethodFamily_None}, // init is for instance methods
        {"copyCount", instance, CXTessaryMethodFamily_None},        // returns no object
        {"self", instance, CXTessaryMethodFamily_Self},
        {"release", instance, CXTessaryMethodFamily_Release},
        {"retain", instance, CXTessaryMethodFamily_Retain},
        {"autorelease", instance, CXTessaryMethodFamily_Autorelease},
        {"retainCount", instance, CXTessaryMethodFamily_RetainCount},
        {"finalize", instance, CXTessaryMethodFamily_Finalize},
        {"dealloc", instance, CXTessaryMethodFamily_Dealloc},
        {"initialize", classMethod, CXTessaryMethodFamily_Initialize},
        {"initialize", instance, CXTessaryMethodFamily_None},
        {"performSelector:withObject:", instance, CXTessaryMethodFamily_PerformSelector},
        {"performSelectorOnMainThread:", instance, CXTessaryMethodFamily_None}, // returns no plain id
        {"performSelectorInBackground:", instance, CXTessaryMethodFamily_None}, // takes no selector
        {"makeNothing", instance, CXTessaryMethodFamily_None},
        {"createFresh", instance, CXTessaryMethodFamily_New},
        {"initButNot", instance, CXTessaryMethodFamily_None},
    };
    for (const FamilyCase &testCase : cases) {
        CXCursor method = snippet.find(testCase.kind, testCase.selector);
        ASSERT_FALSE(clang_Cursor_isNull(method)) << testCase.selector;
        EXPECT_EQ(clang_tessary_getObjCMethodFamily(method), testCase.expected) << testCase.selector;
    }
    EXPECT_EQ(clang_tessary_getObjCMethodFamily(snippet.find(CXCursor_ObjCInterfaceDecl, "Families")), 0);
}

TEST(XAClangExtDeclarationTest, ImplementedMethodKeepsTheFamilyOfItsDeclaration) {
    ParsedSnippet snippet(std::string(kRootClass) + R"(
        @interface Widget : NSObject
        - (id)initOnlyByName __attribute__((objc_method_family(none)));
        @end
        @implementation Widget
        - (instancetype)init { return self; }
        - (id)initOnlyByName { return 0; }
        @end
    )");
    ASSERT_PARSED(snippet);
    EXPECT_EQ(clang_tessary_getObjCMethodFamily(snippet.find(CXCursor_ObjCInstanceMethodDecl, "init", 1)),
              CXTessaryMethodFamily_Init);
    EXPECT_EQ(clang_tessary_getObjCMethodFamily(snippet.find(CXCursor_ObjCInstanceMethodDecl, "initOnlyByName", 1)),
              CXTessaryMethodFamily_None);
}

const char *const kPropertiesSnippet = R"(
    @protocol Named
    @property (nonatomic, copy) id name;
    @end
    @interface Base : NSObject
    @property (nonatomic) int inherited;
    @end
    @interface Person : Base <Named>
    {
        int _declaredIvar;
    }
    @property (nonatomic) int age;
    @property (nonatomic, readonly) int identifier;
    @property (nonatomic, getter=isAwake, setter=wakeUp:) int awake;
    @property (class, nonatomic) int population;
    @property (nonatomic) int manual;
    @property (nonatomic) int dynamicValue;
    - (int)age;
    - (void)setIdentifier:(int)identifier;
    - (void)notAnAccessor;
    @end
    @interface Person ()
    @property (nonatomic, readwrite) int identifier;
    @property (nonatomic) int secret;
    @end
    @interface Person (Extras)
    @property (nonatomic, readonly) int extra;
    @end
    @implementation Person
    @synthesize name = _name;
    @synthesize manual = _declaredIvar;
    @dynamic dynamicValue;
    - (int)age { return 1; }
    - (int)isAwake { return 0; }
    - (void)wakeUp:(int)awake {}
    - (int)secret { return 2; }
    - (void)setSecret:(int)secret {}
    - (void)setIdentifier:(int)identifier {}
    - (void)notAnAccessor {}
    - (void)helper {}
    - (int)inherited { return 3; }
    - (id)name { return 0; }
    + (int)population { return 4; }
    - (int)population { return 5; }
    @end
    @implementation Person (Extras)
    - (int)extra { return 6; }
    @end
)";

struct AccessorCase {
    CXCursorKind containerKind; // where the method is declared or implemented
    const char *container;      // its name; empty for the class extension
    const char *selector;
    CXCursorKind kind;
    const char *property; // empty when the method accesses no property
};

TEST(XAClangExtDeclarationTest, PropertyAccessorsAndTheirProperties) {
    ParsedSnippet snippet(std::string(kRootClass) + kPropertiesSnippet);
    ASSERT_PARSED(snippet);
    const CXCursorKind instance = CXCursor_ObjCInstanceMethodDecl;
    const CXCursorKind interface = CXCursor_ObjCInterfaceDecl;
    const CXCursorKind implementation = CXCursor_ObjCImplementationDecl;
    const std::vector<AccessorCase> cases = {
        {interface, "Person", "age", instance, "age"},     // declared by hand beside the property
        {interface, "Person", "setAge:", instance, "age"}, // the compiler's implicit setter
        {implementation, "Person", "age", instance, "age"},
        {implementation, "Person", "isAwake", instance, "awake"}, // custom getter
        {implementation, "Person", "wakeUp:", instance, "awake"}, // custom setter
        {implementation, "Person", "secret", instance, "secret"}, // property of the class extension
        {implementation, "Person", "setSecret:", instance, "secret"},
        {interface, "Person", "setIdentifier:", instance, "identifier"}, // readwrite in the class extension
        {implementation, "Person", "setIdentifier:", instance, "identifier"},
        {implementation, "Person", "name", instance, "name"}, // property of an adopted protocol
        {CXCursor_ObjCCategoryImplDecl, "Extras", "extra", instance, "extra"},
        {implementation, "Person", "population", CXCursor_ObjCClassMethodDecl, "population"},
        {implementation, "Person", "population", instance, ""}, // an instance method named like a class property
        {interface, "Person", "notAnAccessor", instance, ""},
        {implementation, "Person", "notAnAccessor", instance, ""},
        {implementation, "Person", "helper", instance, ""},
        {implementation, "Person", "inherited", instance, ""}, // the superclass's property, not this class's
        {CXCursor_ObjCProtocolDecl, "Named", "setName:", instance, "name"},
    };
    for (const AccessorCase &testCase : cases) {
        CXCursor container = snippet.find(testCase.containerKind, testCase.container);
        CXCursor method = ParsedSnippet::findBelow(container, testCase.kind, testCase.selector);
        const std::string label = std::string(testCase.container) + " " + testCase.selector;
        ASSERT_FALSE(clang_Cursor_isNull(method)) << label;
        const bool isAccessor = testCase.property[0] != '\0';
        EXPECT_EQ(clang_tessary_objCMethodDeclIsPropertyAccessor(method), isAccessor ? 1u : 0u) << label;
        CXCursor property = clang_tessary_getObjCMethodDeclPropertyDecl(method, 0);
        if (isAccessor) {
            EXPECT_EQ(property.kind, CXCursor_ObjCPropertyDecl) << label;
            EXPECT_EQ(spellingOf(property), testCase.property) << label;
        } else {
            EXPECT_TRUE(clang_Cursor_isNull(property)) << label;
        }
    }
}

TEST(XAClangExtDeclarationTest, SuperclassPropertiesCountOnlyWhenAskedFor) {
    ParsedSnippet snippet(std::string(kRootClass) + kPropertiesSnippet);
    ASSERT_PARSED(snippet);
    CXCursor override = ParsedSnippet::findBelow(snippet.find(CXCursor_ObjCImplementationDecl, "Person"),
                                                 CXCursor_ObjCInstanceMethodDecl, "inherited");
    ASSERT_FALSE(clang_Cursor_isNull(override));
    EXPECT_TRUE(clang_Cursor_isNull(clang_tessary_getObjCMethodDeclPropertyDecl(override, 0)));
    CXCursor property = clang_tessary_getObjCMethodDeclPropertyDecl(override, 1);
    EXPECT_EQ(property.kind, CXCursor_ObjCPropertyDecl);
    EXPECT_TRUE(clang_equalCursors(property, snippet.find(CXCursor_ObjCPropertyDecl, "inherited")));
    EXPECT_EQ(clang_tessary_objCMethodDeclIsPropertyAccessor(snippet.find(CXCursor_ObjCPropertyDecl, "age")), 0u);
    EXPECT_EQ(clang_tessary_objCMethodDeclIsPropertyAccessor(clang_getNullCursor()), 0u);
}

struct IvarCase {
    const char *property;
    const char *ivar; // empty when there is none
};

TEST(XAClangExtDeclarationTest, BackingInstanceVariables) {
    ParsedSnippet snippet(std::string(kRootClass) + kPropertiesSnippet);
    ASSERT_PARSED(snippet);
    const std::vector<IvarCase> cases = {
        {"age", "_age"},               // synthesized implicitly: only the getter is written by hand
        {"identifier", "_identifier"}, // only the setter is written by hand
        {"manual", "_declaredIvar"},   // @synthesize to a declared variable
        {"name", ""},                  // a protocol's property: which adopting class's variable is not known
        {"awake", ""},                 // both accessors written by hand: nothing is synthesized
        {"secret", ""},                // the same, for a property of the class extension
        {"dynamicValue", ""},          // @dynamic
        {"population", ""},            // class properties are never synthesized
        {"extra", ""},                 // nor are category properties
        {"inherited", ""},             // Base has no implementation in the unit
    };
    for (const IvarCase &testCase : cases) {
        CXCursor property = snippet.find(CXCursor_ObjCPropertyDecl, testCase.property);
        ASSERT_FALSE(clang_Cursor_isNull(property)) << testCase.property;
        CXCursor ivar = clang_tessary_getObjCPropertyDeclIvarCursor(property);
        if (testCase.ivar[0] == '\0') {
            EXPECT_TRUE(clang_Cursor_isNull(ivar)) << testCase.property << " gave " << spellingOf(ivar);
        } else {
            EXPECT_EQ(ivar.kind, CXCursor_ObjCIvarDecl) << testCase.property;
            EXPECT_EQ(spellingOf(ivar), testCase.ivar) << testCase.property;
        }
    }
    EXPECT_TRUE(clang_Cursor_isNull(clang_tessary_getObjCPropertyDeclIvarCursor(snippet.root())));
}

TEST(XAClangExtDeclarationTest, ClassPropertyHasNoVariableBesideAnInstancePropertyOfTheSameName) {
    ParsedSnippet snippet(std::string(kRootClass) + R"(
        @interface Both : NSObject
        @property (nonatomic) int shared;
        @property (class, nonatomic) int shared;
        @end
        @implementation Both
        + (int)shared { return 0; }
        + (void)setShared:(int)shared {}
        @end
    )");
    ASSERT_PARSED(snippet);
    CXCursor instanceProperty = snippet.find(CXCursor_ObjCPropertyDecl, "shared", 0);
    CXCursor classProperty = snippet.find(CXCursor_ObjCPropertyDecl, "shared", 1);
    ASSERT_EQ(clang_Cursor_getObjCPropertyAttributes(classProperty, 0) & CXObjCPropertyAttr_class,
              unsigned(CXObjCPropertyAttr_class));
    EXPECT_EQ(spellingOf(clang_tessary_getObjCPropertyDeclIvarCursor(instanceProperty)), "_shared");
    EXPECT_TRUE(clang_Cursor_isNull(clang_tessary_getObjCPropertyDeclIvarCursor(classProperty)));
}

TEST(XAClangExtDeclarationTest, ImplementationOfAnInterface) {
    ParsedSnippet snippet(std::string(kRootClass) + kPropertiesSnippet);
    ASSERT_PARSED(snippet);
    CXCursor implementation =
        clang_tessary_getInterfaceDeclImplementation(snippet.find(CXCursor_ObjCInterfaceDecl, "Person"));
    EXPECT_EQ(implementation.kind, CXCursor_ObjCImplementationDecl);
    EXPECT_EQ(spellingOf(implementation), "Person");
    EXPECT_TRUE(clang_Cursor_isNull(
        clang_tessary_getInterfaceDeclImplementation(snippet.find(CXCursor_ObjCInterfaceDecl, "Base"))));
    EXPECT_TRUE(clang_Cursor_isNull(
        clang_tessary_getInterfaceDeclImplementation(snippet.find(CXCursor_ObjCImplementationDecl, "Person"))));
    EXPECT_TRUE(clang_Cursor_isNull(clang_tessary_getInterfaceDeclImplementation(clang_getNullCursor())));
}

struct CategoryVisit {
    std::vector<std::string> names;
    std::size_t stopAfter = 1000;
};

unsigned recordCategory(CXCursor category, CXClientData data) {
    auto *visit = static_cast<CategoryVisit *>(data);
    visit->names.push_back(spellingOf(category));
    return visit->names.size() < visit->stopAfter ? 1 : 0;
}

TEST(XAClangExtDeclarationTest, KnownCategoriesInTheUnitsOrder) {
    ParsedSnippet snippet(std::string(kRootClass) + R"(
        @class Forward;
        @interface Shape : NSObject
        @end
        @interface Other : NSObject
        @end
        @interface Shape (Drawing)
        @end
        @interface Other (Drawing)
        @end
        @interface Shape ()
        @end
        @interface Shape (Layout)
        @end
        @implementation Shape (Layout)
        @end
    )");
    ASSERT_PARSED(snippet);
    CXCursor shape = snippet.find(CXCursor_ObjCInterfaceDecl, "Shape");
    CategoryVisit all;
    EXPECT_EQ(clang_tessary_visitKnownCategoriesOfInterfaceDecl(shape, recordCategory, &all), 0u);
    EXPECT_EQ(all.names, (std::vector<std::string>{"Drawing", "", "Layout"}));

    CategoryVisit first;
    first.stopAfter = 1;
    EXPECT_EQ(clang_tessary_visitKnownCategoriesOfInterfaceDecl(shape, recordCategory, &first), 1u);
    EXPECT_EQ(first.names, (std::vector<std::string>{"Drawing"}));

    CategoryVisit none;
    EXPECT_EQ(clang_tessary_visitKnownCategoriesOfInterfaceDecl(snippet.find(CXCursor_ObjCInterfaceDecl, "NSObject"),
                                                                recordCategory, &none),
              0u);
    EXPECT_EQ(clang_tessary_visitKnownCategoriesOfInterfaceDecl(snippet.find(CXCursor_ObjCCategoryDecl, "Drawing"),
                                                                recordCategory, &none),
              0u);
    EXPECT_EQ(clang_tessary_visitKnownCategoriesOfInterfaceDecl(shape, nullptr, &none), 0u);
    EXPECT_TRUE(none.names.empty());
}

} // namespace

namespace {

TEST(XAClangExtDeclarationTest, DeclarationFunctionsAnswerNothingForOtherCursors) {
    ParsedSnippet snippet(std::string(kRootClass) + "int value = 1;\n@protocol Empty\n@end\n");
    ASSERT_PARSED(snippet);
    const std::vector<CXCursor> others = {clang_getNullCursor(), snippet.root(),
                                          snippet.find(CXCursor_VarDecl, "value"),
                                          snippet.findIn(CXCursor_VarDecl, "value", CXCursor_IntegerLiteral),
                                          snippet.find(CXCursor_ObjCProtocolDecl, "Empty")};
    for (CXCursor cursor : others) {
        EXPECT_EQ(clang_tessary_getObjCMethodFamily(cursor), 0) << cursor.kind;
        EXPECT_EQ(clang_tessary_objCMethodDeclIsPropertyAccessor(cursor), 0u) << cursor.kind;
        EXPECT_TRUE(clang_Cursor_isNull(clang_tessary_getObjCMethodDeclPropertyDecl(cursor, 1))) << cursor.kind;
        EXPECT_TRUE(clang_Cursor_isNull(clang_tessary_getObjCPropertyDeclIvarCursor(cursor))) << cursor.kind;
        EXPECT_TRUE(clang_Cursor_isNull(clang_tessary_getInterfaceDeclImplementation(cursor))) << cursor.kind;
        EXPECT_EQ(clang_tessary_visitKnownCategoriesOfInterfaceDecl(
                      cursor, [](CXCursor, CXClientData) -> unsigned { return 1; }, nullptr),
                  0u)
            << cursor.kind;
        EXPECT_EQ(clang_tessary_areAllSwitchStmtEnumCasesCovered(cursor), 0u) << cursor.kind;
        EXPECT_EQ(clang_tessary_cursorHasAnnotationAttributes(cursor), 0u) << cursor.kind;
    }
}

// A module "Kit" whose headers declare the class Shape and its category Drawing, in a folder of its own; a module
// "Extras" with the category Extra of Shape, and a module "Toolbox" that imports both.
class KitModule {
public:
    KitModule() {
        const std::filesystem::path kit = folder_ / "Kit";
        std::filesystem::create_directories(kit);
        write(kit / "module.modulemap", "module Kit { umbrella header \"Kit.h\" export * module * { export * } }\n");
        write(kit / "Kit.h", "#import \"Shape.h\"\n#import \"Shape+Drawing.h\"\n");
        write(kit / "Shape.h", "__attribute__((objc_root_class))\n@interface Shape\n@end\n");
        write(kit / "Shape+Drawing.h", "#import \"Shape.h\"\n@interface Shape (Drawing)\n- (void)draw;\n@end\n");
        writeModule("Extras", "#import <Kit/Shape.h>\n@interface Shape (Extra)\n- (void)shine;\n@end\n");
        writeModule("Toolbox", "#import <Kit/Kit.h>\n#import <Extras/Extras.h>\n@interface Toolbox : Shape\n@end\n");
    }
    ~KitModule() { std::filesystem::remove_all(folder_); }

    std::vector<std::string> arguments(bool modules) const {
        std::vector<std::string> result = {"-I" + folder_.string()};
        if (modules) {
            result.insert(result.end(), {"-fmodules", "-fmodules-cache-path=" + (folder_ / "ModuleCache").string()});
        }
        return result;
    }

private:
    static void write(const std::filesystem::path &path, const std::string &text) { std::ofstream(path) << text; }
    void writeModule(const std::string &name, const std::string &umbrellaHeader) const {
        const std::filesystem::path folder = folder_ / name;
        std::filesystem::create_directories(folder);
        write(folder / "module.modulemap", "module " + name + " { umbrella header \"" + name + ".h\" export * }\n");
        write(folder / (name + ".h"), umbrellaHeader);
    }

    static std::filesystem::path newFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessary-clangext-kit-XXXXXX").string();
        return mkdtemp(pattern.data()) ? std::filesystem::path(pattern) : std::filesystem::path();
    }

    std::filesystem::path folder_ = newFolder();
};

// The names of every category a whole visit reaches, sorted: module headers are read in no defined order.
std::vector<std::string> sortedKnownCategories(CXCursor interface) {
    CategoryVisit all;
    EXPECT_EQ(clang_tessary_visitKnownCategoriesOfInterfaceDecl(interface, recordCategory, &all), 0u);
    std::sort(all.names.begin(), all.names.end());
    return all.names;
}

TEST(XAClangExtDeclarationTest, CategoriesOfImportedModulesAreKnownAsWellAsTextualOnes) {
    const KitModule kit;
    for (const bool modules : {true, false}) {
        SCOPED_TRACE(modules ? "modules on" : "modules off");
        ParsedSnippet snippet(R"(
            #import <Kit/Kit.h>
            @interface Shape (Local)
            @end
        )",
                              "objective-c", kit.arguments(modules), true);
        ASSERT_PARSED(snippet);
        CXCursor local = snippet.find(CXCursor_ObjCCategoryDecl, "Local");
        CXCursor shape = clang_getCursorReferenced(ParsedSnippet::findBelow(local, CXCursor_ObjCClassRef, "Shape"));
        ASSERT_EQ(shape.kind, CXCursor_ObjCInterfaceDecl);
        EXPECT_EQ(sortedKnownCategories(shape), (std::vector<std::string>{"Drawing", "Local"}));
    }
}

// Modules that an imported module imports bring their categories too, though the unit never names them and its walk
// does not enter modules.
TEST(XAClangExtDeclarationTest, CategoriesOfModulesImportedByOtherModulesAreKnown) {
    const KitModule kit;
    for (const bool modules : {true, false}) {
        SCOPED_TRACE(modules ? "modules on" : "modules off");
        ParsedSnippet snippet("#import <Toolbox/Toolbox.h>\n@interface Mine : Shape\n@end\n", "objective-c",
                              kit.arguments(modules), true);
        ASSERT_PARSED(snippet);
        CXCursor mine = snippet.find(CXCursor_ObjCInterfaceDecl, "Mine");
        CXCursor shape = clang_getCursorReferenced(ParsedSnippet::findBelow(mine, CXCursor_ObjCSuperClassRef, "Shape"));
        ASSERT_EQ(shape.kind, CXCursor_ObjCInterfaceDecl);
        EXPECT_EQ(sortedKnownCategories(shape), (std::vector<std::string>{"Drawing", "Extra"}));
    }
}

} // namespace
