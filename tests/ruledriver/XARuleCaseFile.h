#pragma once

// The examples of a rule, read from its case file. A case file is Objective-C (or C, C++, Objective-C++) text:
//
//     | fixture: iOSApp                        <- header directives (optional): a fixture project and defaults
//     #import <Foundation/Foundation.h>        <- what stands above the first case goes in front of every file
//
//     //--- a call in a method is reported     <- a case and its title
//     | options: {"functionNames": ["abort", "exit"]}
//     | project: {"platform": "macosx", "arc": false, "classPrefix": "TQX"}
//     void f(void) { ↓abort(); }               <- ↓ expects one finding that starts here
//     void g(void) { ↓exit(1); }               // expect: id=exit
//
//     //--- a header beside its implementation
//     | file: Thing.h                          <- further named files of one case (sources are compiled, XIBs
//                                                 and storyboards copied as resources; only C-family files
//                                                 begin with the header)
//     @interface Thing : NSObject @end
//     | file: Thing.m
//     #import "Thing.h"
//     // expect-file: iOSApp/AppDelegate.h id=AppDelegate    <- a finding in a file of the fixture project, or on
//                                                                 a whole file of the case (CaseFiles/Case.m)
//     // expect-nofile: id=classPrefix                        <- a finding in no file
//     // expect-info: 'MyController'                          <- the info of the findings marked on the last
//                                                                 marked line contains this text (or, right after
//                                                                 an expect-file or expect-nofile line, of that
//                                                                 finding)
//     // expect-severity: 5                                    <- the severity of the findings marked on the last
//                                                                 marked line
//     // expect-error: Cannot read strings file                <- the rule reports an error containing this text
//
// Directive lines begin with "| " at the start of a line and are taken out of the code. Text of a case before its
// first "| file:" goes into a file named "Case" with the case file's extension. "// expect:" at the end of a line
// checks the identifiers of the findings marked on that line, in order ("id=a id=b" for two markers); the comment is
// taken out of the code. "| options:" sets rule options; "| project:" writes facts into the project the case is
// checked in: "platform" ("iphoneos", "macosx", "appletvos" or "watchos"), "deploymentTarget", "configuration" (the
// build configuration checked), "arc", "classPrefix" and "name" (the project's name: its .xcodeproj is renamed).
// Options and facts in the header apply to every case; a case's own win.
//
// A case file is named after the rule it tests: "NSLogUsed.m", or "NSLogUsed+Suffix.m" for a further file of cases
// (one with a fixture project, say). Whatever does not follow this notation is a problem of the case, which then fails
// with it.

#include "core/XAValue.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One ↓: where a finding must start.
struct XARuleCaseMarker {
    std::string fileName;   // as named in the case
    std::size_t offset = 0; // byte offset in the file's final text
    std::size_t line = 0;   // 1-based, in the file's final text
    std::size_t column = 0; // 1-based, in bytes
    std::size_t caseFileLine = 0;
    std::optional<std::string> identifier;
    // Texts the finding's info must contain, in its plain form.
    std::vector<std::string> infoFragments;
    // The severity the finding must have.
    std::optional<int> severity;
};

// A finding expected in another file (a file of the fixture project), or in no file when `path` is empty.
struct XARuleCaseOtherFinding {
    std::optional<std::string> path; // relative to the project folder
    std::optional<std::string> identifier;
    std::size_t caseFileLine = 0;
    // Texts the finding's info must contain, in its plain form.
    std::vector<std::string> infoFragments;
};

// An error the rule must report through the run's progress handler: one whose message contains the text.
struct XARuleCaseExpectedError {
    std::string fragment;
    std::size_t caseFileLine = 0;
};

struct XARuleCaseSourceFile {
    std::string name; // relative path in the case's folder of the project
    std::string text; // the header's text, then the file's own, without markers and expectations
};

struct XARuleCase {
    std::string caseFilePath;
    std::string ruleShortName; // the case file's name up to its extension or a "+"
    std::string title;
    std::size_t titleLine = 0;
    std::optional<std::string> fixture;
    XADictionary options;
    XADictionary projectFacts;
    std::vector<XARuleCaseSourceFile> files;
    std::vector<XARuleCaseMarker> markers;
    std::vector<XARuleCaseOtherFinding> otherFindings;
    std::vector<XARuleCaseExpectedError> expectedErrors;
    // What is wrong with the case's notation; a case with problems fails without running.
    std::vector<std::string> problems;

    // "<rule>_<title>" with every character other than a letter or digit turned into "_".
    std::string testName() const;
};

// The cases of a case file, in order. A file that cannot be read, or holds no case, gives one case with a problem.
std::vector<XARuleCase> XAReadRuleCaseFile(const std::string &path);
// The cases of every case file (".m", ".mm", ".c", ".cpp", ".h") in a folder, files by name.
std::vector<XARuleCase> XAReadRuleCaseFolder(const std::string &folder);
