#pragma once

// Tests on symbol names that name-based rules share: the class-name prefix of a name, the ASCII words of a code
// symbol, delegate and data-source accessor names, init and factory method names, private header names. Each takes
// the name tested first. None keeps state.
//
// The catalogue of prefixes that the platforms' own frameworks reserve is in XAKnownSymbolPrefixes.h.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The class-name prefix: the text before the upper-case letter that begins the first word, which is the letter before
// the first lower-case letter after the first character. No value for a name shorter than two characters, one that
// does not start with an upper-case letter, one without a lower-case letter, or when the prefix would be shorter than
// two characters. "NSString" gives "NS", "XMLParser" "XML", "NS_Foo" "NS_"; "Foo", "ABc" and "NSURL" give none.
std::optional<std::string> xa_objCClassNamePrefix(std::string_view name);

// The words of a symbol made of the ASCII letters A-Z and a-z (every other character separates words and is dropped),
// split where a lower-case letter is followed by another character and where a run of capitals is followed by a
// lower-case letter (the last capital begins the next word): "myURLSession" gives "my", "URL", "Session"; "UTF8String"
// gives "UTF", "String". The first word is removed when it equals the prefix under lenient comparison
// (xa_isEqualToStringLenient): with "NS", "NSString" gives "String", "NSURLSession" gives "NSURL", "Session".
std::vector<std::string> xa_asciiWordsFromCodeSymbolWithKnownPrefix(std::string_view symbol,
                                                                    const std::optional<std::string> &prefix);

// "delegate", or a name that ends with "Delegate" (case-sensitive).
bool xa_isDelegateGetterOrPropertyName(std::string_view name);
// A name that begins with "set" and ends with "Delegate:".
bool xa_isDelegateSetterName(std::string_view name);
// The property name of a delegate setter ("setTableViewDelegate:" gives "tableViewDelegate"); any other name as it is.
std::string xa_normalizedDelegateName(std::string_view name);
// "dataSource".
bool xa_isDataSourceGetterOrPropertyName(std::string_view name);
// "setDataSource:".
bool xa_isDataSourceSetterName(std::string_view name);
// "dataSource" for "setDataSource:"; any other name as it is.
std::string xa_normalizedDataSourceName(std::string_view name);

// The first camel-case word is "init": "init", "initWithFrame:", not "initialize".
bool xa_isInitMethodName(std::string_view selector);
// The selector names a factory method of the class: it equals the class name less its prefix with the first
// character lower-cased, or begins with that word followed by "With" or "By". Class "NSString": "string",
// "stringWithFormat:", "stringByAppendingString:"; never for an empty class name.
bool xa_isFactoryMethodNameForClassName(std::string_view selector, std::string_view className);
// A header file name that marks a private header: without its extension it ends with "+private" in any letter case
// ("UIView+Private.h"), or "Private" is one of its camel-case words ("FooPrivate.h", "PrivateFoo.h"; not
// "Foo_Private.h" or "NSPrivateFoo.h").
bool xa_isPrivateHeaderName(std::string_view fileName);
