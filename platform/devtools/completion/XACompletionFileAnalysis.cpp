#include "platform/devtools/completion/XACompletionFileAnalysis.h"

#include "platform/devtools/completion/XASDKHeaderNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>

namespace {

std::string toString(CXString text) {
    const char *characters = clang_getCString(text);
    std::string result = characters ? characters : "";
    clang_disposeString(text);
    return result;
}

// The n-th text in single quotes of a diagnostic's message; a type's "(aka '...')" that follows it is part of it.
std::optional<std::string> quoted(const std::string &message, int n) {
    std::size_t position = 0;
    for (int index = 0;; ++index) {
        const std::size_t open = message.find('\'', position);
        const std::size_t close = open == std::string::npos ? open : message.find('\'', open + 1);
        if (close == std::string::npos) {
            return std::nullopt;
        }
        position = close + 1;
        if (message.compare(position, 7, " (aka '") == 0) {
            const std::size_t akaEnd = message.find("')", position + 7);
            position = akaEnd == std::string::npos ? message.size() : akaEnd + 2;
        }
        if (index == n) {
            return message.substr(open + 1, close - open - 1);
        }
    }
}

bool startsWith(const std::string &text, const std::string &prefix) { return text.rfind(prefix, 0) == 0; }

bool endsWith(const std::string &text, const std::string &suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool isIdentifier(const std::string &text) {
    return !text.empty() && (std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_') &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// A name as the SDK spells its constants and types: an upper-case start, or "k" and an upper-case letter.
bool looksLikeSDKName(const std::string &name) {
    if (name.size() < 3) {
        return false;
    }
    const auto upper = [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; };
    return upper(name[0]) || (name[0] == 'k' && upper(name[1])) || (startsWith(name, "err") && upper(name[3]));
}

// The SDK's naming of string constants (keys, notification names, error domains, ...).
bool looksLikeStringConstant(const std::string &name) {
    for (const char *suffix : {"Key", "Notification", "Domain", "Identifier", "AttributeName", "Name", "Option", "Mode",
                               "Scheme", "Attribute", "Type"}) {
        if (endsWith(name, suffix)) {
            return true;
        }
    }
    return false;
}

// A type as clang prints it, made into a type for a declaration: without "(aka ...)", ownership and nullability
// qualifiers and __kindof. Empty for a type a declaration cannot name this way (blocks, function pointers).
std::string declarableType(std::string type) {
    if (const std::size_t aka = type.find(" (aka "); aka != std::string::npos) {
        type.erase(aka);
    }
    for (const char *qualifier : {"__strong", "__weak", "__autoreleasing", "__unsafe_unretained", "_Nullable",
                                  "_Nonnull", "_Null_unspecified", "__kindof "}) {
        for (std::size_t at; (at = type.find(qualifier)) != std::string::npos;) {
            type.erase(at, std::char_traits<char>::length(qualifier));
        }
    }
    while (!type.empty() && type.back() == ' ') {
        type.pop_back();
    }
    type.erase(0, type.find_first_not_of(' '));
    // "<dependent type>", "<overloaded function type>": clang's placeholders where an expression has no type yet.
    if (type.empty() || type.front() == '<' || type.find('(') != std::string::npos ||
        type.find('[') != std::string::npos || type.find("struct (") != std::string::npos ||
        type.find("anonymous") != std::string::npos) {
        return "";
    }
    return type;
}

struct XAToken {
    CXTokenKind kind;
    std::string text;
    unsigned offset;
};

// The tokens of one file of the parse, found by offset.
class XAFileTokens {
public:
    XAFileTokens(CXTranslationUnit unit, CXFile file) : unit_(unit), file_(file) {
        std::size_t size = 0;
        const char *contents = clang_getFileContents(unit, file, &size);
        if (contents) {
            text_.assign(contents, size);
        }
        CXSourceRange range = clang_getRange(clang_getLocationForOffset(unit, file, 0),
                                             clang_getLocationForOffset(unit, file, static_cast<unsigned>(size)));
        CXToken *tokens = nullptr;
        unsigned count = 0;
        clang_tokenize(unit, range, &tokens, &count);
        tokens_.reserve(count);
        for (unsigned index = 0; index < count; ++index) {
            unsigned offset = 0;
            clang_getSpellingLocation(clang_getTokenLocation(unit, tokens[index]), nullptr, nullptr, nullptr, &offset);
            tokens_.push_back(
                {clang_getTokenKind(tokens[index]), toString(clang_getTokenSpelling(unit, tokens[index])), offset});
        }
        clang_disposeTokens(unit, tokens, count);
    }

    // The index of the token at the offset (the one starting at or before it).
    std::optional<std::size_t> indexAt(unsigned offset) const {
        auto after = std::upper_bound(tokens_.begin(), tokens_.end(), offset,
                                      [](unsigned value, const XAToken &token) { return value < token.offset; });
        if (after == tokens_.begin()) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(after - tokens_.begin() - 1);
    }
    std::string text(std::size_t index) const { return index < tokens_.size() ? tokens_[index].text : ""; }
    // The type of the variable declared or named at the token (`CGFloat width = ...`, `width = ...`); empty when
    // it names none.
    std::string typeOfVariableAt(std::size_t index) const {
        if (index >= tokens_.size()) {
            return "";
        }
        CXCursor cursor = clang_getCursor(unit_, clang_getLocationForOffset(unit_, file_, tokens_[index].offset));
        const CXCursorKind kind = clang_getCursorKind(cursor);
        if (kind != CXCursor_VarDecl && kind != CXCursor_DeclRefExpr) {
            return "";
        }
        return toString(clang_getTypeSpelling(clang_getCursorType(cursor)));
    }
    // The offset of the token.
    unsigned offset(std::size_t index) const { return index < tokens_.size() ? tokens_[index].offset : 0; }
    CXFile file() const { return file_; }

    // The type of the expression that starts at the token, as the parse sees it; empty when it has none.
    std::string typeOfExpressionAt(std::size_t index) const {
        if (index >= tokens_.size()) {
            return "";
        }
        CXCursor cursor = clang_getCursor(unit_, clang_getLocationForOffset(unit_, file_, tokens_[index].offset));
        if (!clang_isExpression(clang_getCursorKind(cursor))) {
            return "";
        }
        return toString(clang_getTypeSpelling(clang_getCursorType(cursor)));
    }
    std::size_t size() const { return tokens_.size(); }
    // The line of the file around the offset.
    std::string lineAt(unsigned offset) const {
        const std::size_t start = text_.rfind('\n', offset == 0 ? 0 : offset - 1);
        const std::size_t end = text_.find('\n', offset);
        const std::size_t from = start == std::string::npos ? 0 : start + 1;
        return text_.substr(from, end == std::string::npos ? std::string::npos : end - from);
    }

private:
    CXTranslationUnit unit_;
    CXFile file_;
    std::string text_;
    std::vector<XAToken> tokens_;
};

XACompletionUse newUse(XACompletionUse::Kind kind, const std::string &name, const std::string &type, bool objectiveC) {
    XACompletionUse use;
    use.kind = kind;
    use.name = name;
    use.type = type;
    use.objectiveC = objectiveC;
    return use;
}

bool isExpressionEnd(const std::string &token) {
    return token == "]" || token == ")" || isIdentifier(token) ||
           (!token.empty() && (std::isdigit(token[0]) || token[0] == '"'));
}

// A message send read from tokens: its selector and where each argument starts.
struct XAMessageTokens {
    std::size_t open = 0;  // the `[`
    std::size_t close = 0; // the `]`
    std::string selector;
    std::vector<std::size_t> argumentStarts;
    std::string receiver; // the receiver when it is one identifier
};

std::optional<XAMessageTokens> messageStartingAt(const XAFileTokens &tokens, std::size_t open) {
    if (tokens.text(open) != "[") {
        return std::nullopt;
    }
    XAMessageTokens message;
    message.open = open;
    int depth = 0;
    bool pastReceiver = false;
    for (std::size_t index = open + 1; index < tokens.size(); ++index) {
        const std::string token = tokens.text(index);
        if (token == "[" || token == "(" || token == "{") {
            ++depth;
        } else if (token == ")" || token == "}") {
            --depth;
        } else if (token == "]") {
            if (depth == 0) {
                if (message.selector.empty() && pastReceiver) {
                    message.selector = tokens.text(index - 1);
                }
                message.close = index;
                return message.selector.empty() ? std::nullopt : std::optional(message);
            }
            --depth;
        } else if (depth == 0 && isIdentifier(token) && index > open + 1 && isExpressionEnd(tokens.text(index - 1)) &&
                   (tokens.text(index + 1) == ":" || tokens.text(index + 1) == "]")) {
            if (!pastReceiver && index == open + 2 && isIdentifier(tokens.text(open + 1))) {
                message.receiver = tokens.text(open + 1);
            }
            pastReceiver = true;
            if (tokens.text(index + 1) == ":") {
                message.selector += token + ":";
                message.argumentStarts.push_back(index + 2);
            }
        } else if (depth == 0 && token == ":" && pastReceiver && index > 0 && tokens.text(index - 1) != "?" &&
                   !isIdentifier(tokens.text(index - 1))) {
            message.selector += ":"; // an unnamed piece
            message.argumentStarts.push_back(index + 1);
        }
    }
    return std::nullopt;
}

// The message send whose argument starts at the token, and the argument's index.
std::optional<std::pair<XAMessageTokens, std::size_t>> messageAroundArgument(const XAFileTokens &tokens,
                                                                             std::size_t argument) {
    int depth = 0;
    for (std::size_t index = argument; index-- > 0;) {
        const std::string token = tokens.text(index);
        if (token == "]" || token == ")" || token == "}") {
            ++depth;
        } else if (token == "(" || token == "{") {
            if (depth-- == 0) {
                return std::nullopt;
            }
        } else if (token == "[") {
            if (depth-- == 0) {
                std::optional<XAMessageTokens> message = messageStartingAt(tokens, index);
                if (!message) {
                    return std::nullopt;
                }
                for (std::size_t piece = message->argumentStarts.size(); piece-- > 0;) {
                    if (message->argumentStarts[piece] <= argument) {
                        return std::make_pair(*message, piece);
                    }
                }
                return std::nullopt;
            }
        } else if (token == ";" && depth == 0) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The type an argument or assigned value shows by its tokens alone; "id" where they show nothing.
std::string typeShownByTokens(const XAFileTokens &tokens, std::size_t start) {
    const std::string token = tokens.text(start);
    const std::string next = tokens.text(start + 1);
    const bool alone = next == "]" || next == ";" || next == ")" || isIdentifier(next);
    if (token == "YES" || token == "NO" || token == "true" || token == "false") {
        return "BOOL";
    }
    if (!token.empty() && std::isdigit(static_cast<unsigned char>(token[0])) && alone) {
        return token.find_first_of(".eE") != std::string::npos && token.find("0x") != 0 ? "double" : "long";
    }
    if (token == "NULL") {
        return "void *";
    }
    if (token == "@" && next == "selector") {
        return "SEL";
    }
    return "id";
}

class XAAnalysis {
public:
    XAAnalysis(CXTranslationUnit unit, const XAFileAnalysisContext &context) : unit_(unit), context_(context) {}

    XAFileFindings run() {
        if (context_.preamble) {
            classes_ = context_.preamble->classes;
        }
        collectDeclaredNames();
        const unsigned count = clang_getNumDiagnostics(unit_);
        for (unsigned index = 0; index < count; ++index) {
            CXDiagnostic diagnostic = clang_getDiagnostic(unit_, index);
            const CXDiagnosticSeverity severity = clang_getDiagnosticSeverity(diagnostic);
            if (severity >= CXDiagnostic_Error) {
                findings_.hasErrors = true;
                read(diagnostic);
            }
            afterFatalError_ = afterFatalError_ || severity == CXDiagnostic_Fatal;
            clang_disposeDiagnostic(diagnostic);
        }
        findings_.classes = std::move(classes_);
        return std::move(findings_);
    }

private:
    // ---- declared names ----

    std::string importSpelling(const std::string &path) const {
        const std::string frameworks = context_.sdkRoot + "/System/Library/Frameworks/";
        if (startsWith(path, frameworks)) {
            const std::string rest = path.substr(frameworks.size());
            const std::size_t framework = rest.find(".framework/Headers/");
            const std::size_t umbrella = rest.find(".framework/Frameworks/");
            if (umbrella != std::string::npos && umbrella < framework) {
                // A framework inside an umbrella framework (Carbon's HIToolbox) is reached through the umbrella.
                const std::string name = rest.substr(0, umbrella);
                return name + "/" + name + ".h";
            }
            if (framework != std::string::npos) {
                return rest.substr(0, framework) + "/" + rest.substr(framework + 19);
            }
        }
        const std::string include = context_.sdkRoot + "/usr/include/";
        return startsWith(path, include) ? path.substr(include.size()) : "";
    }

    static bool hasChildren(CXCursor cursor) {
        bool found = false;
        clang_visitChildren(
            cursor,
            [](CXCursor, CXCursor, CXClientData data) {
                *static_cast<bool *>(data) = true;
                return CXChildVisit_Break;
            },
            &found);
        return found;
    }

    void collectDeclaredNames() {
        clang_visitChildren(
            clang_getTranslationUnitCursor(unit_),
            [](CXCursor cursor, CXCursor, CXClientData data) {
                static_cast<XAAnalysis *>(data)->declared(cursor);
                return CXChildVisit_Continue;
            },
            this);
    }

    // What the declarations of one file of the parse count as, found once per file.
    struct XADeclaringFile {
        bool skipped = false; // the generated header, or a file of the preamble (whose names are known already)
        bool sdk = false;
        std::string spelling;
    };

    const XADeclaringFile &declaringFile(CXFile file, CXCursor cursor) {
        auto [known, inserted] = declaringFiles_.try_emplace(file);
        if (inserted) {
            const std::string name = toString(clang_getFileName(file));
            XADeclaringFile &entry = known->second;
            entry.skipped = name == context_.completionHeaderPath ||
                            (context_.preamble && context_.preamble->declaringFiles.count(name));
            entry.sdk = clang_Location_isInSystemHeader(clang_getCursorLocation(cursor)) != 0;
            entry.spelling = entry.sdk ? importSpelling(name) : "";
            findings_.declaringFiles.insert(name);
        }
        return known->second;
    }

    void declared(CXCursor cursor) {
        const CXCursorKind kind = clang_getCursorKind(cursor);
        if (!clang_isDeclaration(kind)) {
            return;
        }
        CXFile declaringFile = nullptr;
        clang_getSpellingLocation(clang_getCursorLocation(cursor), &declaringFile, nullptr, nullptr, nullptr);
        if (!declaringFile) {
            return;
        }
        const XADeclaringFile &origin = this->declaringFile(declaringFile, cursor);
        if (origin.skipped) {
            return;
        }
        const std::string name = toString(clang_getCursorSpelling(cursor));
        // An invalid declaration is clang's recovery from an error (`static Unknown x;` declares a variable
        // `Unknown`), not a name the code declares.
        if (name.empty() || clang_isInvalidDeclaration(cursor)) {
            return;
        }
        // `@class X;` and `@protocol X;` declare nothing: unlike an @interface or a @protocol definition, they have
        // no superclass, protocols or members.
        if ((kind == CXCursor_ObjCInterfaceDecl || kind == CXCursor_ObjCProtocolDecl) && !hasChildren(cursor)) {
            return;
        }
        // Nor does `struct tag;`: a struct the SDK stand-in only declares is one the completion may define.
        if ((kind == CXCursor_StructDecl || kind == CXCursor_UnionDecl) && !clang_isCursorDefinition(cursor)) {
            return;
        }
        const bool sdk = origin.sdk;
        const std::string &spelling = origin.spelling;
        auto record = [&](const std::string &declared) {
            if (sdk) {
                findings_.sdkNames.emplace(declared, spelling);
            } else {
                findings_.projectNames.insert(declared);
            }
        };
        if (kind == CXCursor_ObjCInterfaceDecl) {
            XAClassInParse &known = classes_[name];
            clang_visitChildren(
                cursor,
                [](CXCursor child, CXCursor, CXClientData data) {
                    if (clang_getCursorKind(child) == CXCursor_ObjCSuperClassRef) {
                        static_cast<XAClassInParse *>(data)->superclass = toString(clang_getCursorSpelling(child));
                        return CXChildVisit_Break;
                    }
                    return CXChildVisit_Continue;
                },
                &known);
            known.sdk = sdk;
            known.importSpelling = spelling;
        }
        if (kind == CXCursor_EnumDecl) {
            std::vector<std::string> constants;
            clang_visitChildren(
                cursor,
                [](CXCursor child, CXCursor, CXClientData data) {
                    static_cast<std::vector<std::string> *>(data)->push_back(toString(clang_getCursorSpelling(child)));
                    return CXChildVisit_Continue;
                },
                &constants);
            std::for_each(constants.begin(), constants.end(), record);
        }
        if (kind != CXCursor_ObjCCategoryDecl && kind != CXCursor_ObjCImplementationDecl &&
            kind != CXCursor_ObjCCategoryImplDecl) {
            record(name);
        }
    }

    // ---- diagnostics ----

    const XAFileTokens &tokensOf(CXFile file) {
        std::unique_ptr<XAFileTokens> &tokens = tokens_[file];
        if (!tokens) {
            tokens = std::make_unique<XAFileTokens>(unit_, file);
        }
        return *tokens;
    }

    void read(CXDiagnostic diagnostic) {
        CXFile file = nullptr;
        unsigned offset = 0;
        clang_getSpellingLocation(clang_getDiagnosticLocation(diagnostic), &file, nullptr, nullptr, &offset);
        const std::string message = toString(clang_getDiagnosticSpelling(diagnostic));
        if (!file) {
            return;
        }
        // The expansion's place, not the spelling's: a completed name that an SDK header defines as a macro
        // (`typedef long ZEXTERN;` after <zlib.h>) fails where the macro's text is spelt, in that header.
        CXFile expansionFile = nullptr;
        unsigned expansionLine = 0;
        clang_getExpansionLocation(clang_getDiagnosticLocation(diagnostic), &expansionFile, &expansionLine, nullptr,
                                   nullptr);
        if (expansionFile && toString(clang_getFileName(expansionFile)) == context_.completionHeaderPath) {
            clashAtLine(expansionLine);
            return;
        }
        // A completed name that a header of the project declares too, where the first parse could not see it (in a
        // module that failed to build): the project's declaration wins.
        for (const char *clash :
             {"conflicting types for '", "redefinition of '", "redefinition of enumerator '", "redeclaration of '"}) {
            if (startsWith(message, clash)) {
                findings_.clashes.insert(*quoted(message, 0));
            }
        }
        const XAFileTokens &tokens = tokensOf(file);
        const std::optional<std::size_t> token = tokens.indexAt(offset);
        if (endsWith(message, "' file not found")) {
            missingHeader(*quoted(message, 0), tokens.lineAt(offset));
        } else if (startsWith(message, "module '") && endsWith(message, "' not found")) {
            missingModule(*quoted(message, 0));
        } else if (startsWith(message, "could not build module '")) {
            findings_.unbuiltModules.insert(*quoted(message, 0));
        } else if (!token || afterFatalError_) {
            // After a fatal error clang skips every #include and #import: the names of the headers it skipped are
            // undeclared, though the SDK stand-in declares them. Only the missing headers are read then; the next
            // parse, with the headers provided, shows what is missing indeed.
            return;
        } else if (startsWith(message, "cannot find protocol declaration for '")) {
            add(XACompletionUse::Kind::Protocol, *quoted(message, 0));
        } else if (startsWith(message, "no type or protocol named '")) {
            unknownType(*quoted(message, 0), tokens, *token, true, true);
        } else if (startsWith(message, "unknown type name '")) {
            unknownType(*quoted(message, 0), tokens, *token, true, false);
        } else if (startsWith(message, "use of undeclared identifier '")) {
            unknownType(*quoted(message, 0), tokens, *token, false, false);
        } else if (startsWith(message, "unknown receiver '")) {
            add(XACompletionUse::Kind::Class, *quoted(message, 0));
        } else if (startsWith(message, "call to undeclared function '")) {
            function(*quoted(message, 0));
        } else if (startsWith(message, "call to undeclared library function '")) {
            libraryFunction(message);
        } else if (startsWith(message, "no visible @interface for '")) {
            method(*quoted(message, 0), *quoted(message, 1), false, tokens, *token);
        } else if (startsWith(message, "no known instance method for selector '")) {
            method("", *quoted(message, 0), false, tokens, *token);
        } else if (startsWith(message, "no known class method for selector '")) {
            classMethod(*quoted(message, 0), tokens, *token);
        } else if (startsWith(message, "property '") &&
                   message.find("' not found on object of type '") != std::string::npos) {
            property(*quoted(message, 0), *quoted(message, 1), tokens, *token);
        } else if (startsWith(message, "receiver type '") && endsWith(message, "is a forward declaration")) {
            add(XACompletionUse::Kind::Class, *quoted(message, 0));
        } else if (startsWith(message, "cannot find interface declaration for '")) {
            completedClass(*quoted(message, 0)); // a superclass, or the class of a category
        } else if (startsWith(message, "property '") &&
                   message.find("' cannot be found in forward class object '") != std::string::npos) {
            completedClass(*quoted(message, 1));
        } else if (message == "expected a type" && isIdentifier(tokens.text(*token))) {
            unknownType(tokens.text(*token), tokens, *token, true, false);
        } else if (startsWith(message, "unexpected type name '") && endsWith(message, "': expected expression")) {
            value(*quoted(message, 0), tokens, *token);
        } else if (message == "expected ';' after expression" && *token > 0 && isIdentifier(tokens.text(*token - 1)) &&
                   isIdentifier(tokens.text(*token))) {
            // `Name variable;` where Name was completed as a value: it is a type.
            if (looksLikeSDKName(tokens.text(*token - 1))) {
                add(XACompletionUse::Kind::Typedef, tokens.text(*token - 1), "long");
            }
        } else if (startsWith(message, "member reference base type '") &&
                   endsWith(message, " is not a structure or union")) {
            structure(*quoted(message, 0), tokens);
        } else if (startsWith(message, "variable has incomplete type 'struct ") ||
                   startsWith(message, "incomplete definition of type 'struct ")) {
            structure(*quoted(message, 0), tokens);
        } else if (startsWith(message, "no member named '") && quoted(message, 1)) {
            structure(*quoted(message, 1), tokens);
        } else {
            typeNeed(message, tokens, *token);
        }
    }

    void add(XACompletionUse::Kind kind, const std::string &name, const std::string &type = "") {
        if (!isIdentifier(name) || startsWith(name, kCompletedStructTagPrefix)) {
            return;
        }
        XACompletionUse use = newUse(kind, name, type, context_.objectiveC);
        findings_.uses.push_back(std::move(use));
    }

    // `@import Framework;` of an SDK framework the stand-in lacks, or has without a module map: a module map of an
    // umbrella header, and the umbrella header itself when it is missing too.
    void missingModule(const std::string &name) {
        if (!XAIsAppleFrameworkName(name)) {
            findings_.hasErrors = true;
            if (!findings_.blockingHeader) {
                findings_.blockingHeader = name;
                findings_.blockedByDependency = true;
            }
            return;
        }
        const std::string framework = "System/Library/Frameworks/" + name + ".framework/";
        findings_.uses.push_back(
            newUse(XACompletionUse::Kind::Header, framework + "Modules/module.modulemap", "", false));
        std::error_code error;
        if (!std::filesystem::exists(context_.sdkRoot + "/" + framework + "Headers/" + name + ".h", error)) {
            findings_.uses.push_back(
                newUse(XACompletionUse::Kind::Header, framework + "Headers/" + name + ".h", "", false));
        }
    }

    void missingHeader(const std::string &spelling, const std::string &line) {
        const std::size_t at = line.find(spelling);
        const bool angled = at != std::string::npos && at > 0 && line[at - 1] == '<';
        if (std::optional<std::string> path = XASDKPathOfMissingHeader(spelling, angled)) {
            findings_.uses.push_back(newUse(XACompletionUse::Kind::Header, *path, "", false));
            return;
        }
        if (!findings_.blockingHeader) {
            findings_.blockingHeader = spelling;
            findings_.blockedByDependency = (angled && spelling.find('/') != std::string::npos) ||
                                            spelling.find("Pods/") != std::string::npos ||
                                            spelling.find("Carthage/") != std::string::npos;
        }
    }

    // A name used as a type (`typeContext`: where only a type can stand; `protocolContext`: in `<...>` after id or a
    // class, where only a type or a protocol can stand).
    void unknownType(const std::string &name, const XAFileTokens &tokens, std::size_t at, bool typeContext,
                     bool protocolContext) {
        const std::string next = tokens.text(at + 1);
        const std::string previous = at > 0 ? tokens.text(at - 1) : "";
        const bool sdkLike = looksLikeSDKName(name);
        const bool pointerDeclaration = next == "*" && (typeContext || isIdentifier(tokens.text(at + 2)) ||
                                                        tokens.text(at + 2) == "*" || tokens.text(at + 2) == ")");
        if (protocolContext && next != "*") {
            add(XACompletionUse::Kind::Protocol, name);
        } else if ((pointerDeclaration || (next == "<" && context_.objectiveC)) && (typeContext || sdkLike)) {
            if (context_.objectiveC) {
                XACompletionUse use = newUse(XACompletionUse::Kind::Class, name, "", true);
                use.typeParameters = next == "<" ? typeArguments(tokens, at + 1) : 0;
                if (isIdentifier(name)) {
                    findings_.uses.push_back(use);
                }
            } else {
                add(XACompletionUse::Kind::Typedef, name, "struct " + name);
            }
        } else if (previous == "[" && isIdentifier(next) && context_.objectiveC && sdkLike) {
            add(XACompletionUse::Kind::Class, name);
        } else if (typeContext || (sdkLike && isIdentifier(next) && previous != "[" && tokens.text(at + 2) != ":") ||
                   (previous == "(" && next == ")" && at > 1 && tokens.text(at - 2) == "sizeof") ||
                   (sdkLike && previous == "(" && next == ")" && startsExpression(tokens.text(at + 2)))) {
            add(XACompletionUse::Kind::Typedef, name, endsWith(name, "Ref") ? "struct __" + name + " *" : "long");
        } else if (next == "(" && !context_.objectiveC) {
            function(name);
        } else if ((sdkLike || (name.find('_') != std::string::npos && XAIsSDKFunctionName(name))) && next != "(") {
            constant(name, tokens, at); // a value of the SDK: `_objc_msgForward`, `errSSLClosedGraceful`
        }
    }

    // A class the SDK stand-in lacks, named as a superclass or the class of a category: it derives from the SDK class
    // its name ends with (NSTabViewController from NSViewController, NSPathControl from NSControl), else NSObject.
    void completedClass(const std::string &name) {
        if (!isIdentifier(name)) {
            return;
        }
        XACompletionUse use = newUse(XACompletionUse::Kind::Class, name, "", context_.objectiveC);
        std::size_t prefix = 0;
        while (prefix < name.size() && std::isupper(static_cast<unsigned char>(name[prefix]))) {
            ++prefix;
        }
        for (std::size_t at = prefix; at < name.size(); ++at) {
            if (!std::isupper(static_cast<unsigned char>(name[at]))) {
                continue;
            }
            auto known = classes_.find(name.substr(0, prefix - 1) + name.substr(at));
            if (known != classes_.end() && known->second.sdk) {
                use.receiverClass = known->first;
                use.receiverImport = known->second.importSpelling;
                break;
            }
        }
        findings_.uses.push_back(std::move(use));
    }

    // The type of a field that the value at the token is assigned to: the value's own type where a declaration can
    // name it, a pointer for functions, blocks and null pointers, else long.
    static std::string fieldTypeOfValue(const XAFileTokens &tokens, std::size_t at) {
        const std::string value = tokens.text(at);
        if ((value == "NULL" || value == "nil" || value == "nullptr") && tokens.text(at + 1) == ";") {
            return "void *";
        }
        const std::string shown = tokens.typeOfExpressionAt(at);
        if (shown.find('(') != std::string::npos) {
            return "void *";
        }
        const std::string type = declarableType(shown);
        return type.empty() || type == "int" ? "long" : type;
    }

    // A name that a use shows to be a value where a completed typedef made it a type.
    void value(const std::string &name, const XAFileTokens &tokens, std::size_t at) {
        if (isIdentifier(name)) {
            findings_.values.insert(name);
            constant(name, tokens, at);
        }
    }

    // A struct the SDK stand-in lacks or holds only declared ("struct tag" or a completed typedef's name): its fields
    // are those that the file's member accesses on variables of that type show, `x.origin.y` making `origin` a
    // struct of its own.
    void structure(const std::string &type, const XAFileTokens &tokens) {
        std::string name = declarableType(type);
        bool tag = startsWith(name, "struct ");
        name = tag ? name.substr(7) : name;
        // The tag of a struct the completion declared itself: its typedef's name, which the completion has.
        if (tag && startsWith(name, kCompletedStructTagPrefix)) {
            name = name.substr(std::char_traits<char>::length(kCompletedStructTagPrefix));
            tag = false;
        }
        if (!isIdentifier(name)) {
            return;
        }
        XACompletionUse use = newUse(XACompletionUse::Kind::Struct, name, tag ? "struct" : "", context_.objectiveC);
        std::set<std::string> variables;
        for (std::size_t index = 0; index + 1 < tokens.size(); ++index) {
            const bool named =
                tokens.text(index) == name && (!tag || (index > 0 && tokens.text(index - 1) == "struct"));
            if (!named) {
                continue;
            }
            std::size_t at = index + 1;
            while (tokens.text(at) == "*") {
                ++at;
            }
            const std::string after = tokens.text(at + 1);
            if (isIdentifier(tokens.text(at)) &&
                (after == ";" || after == "=" || after == "," || after == ")" || after == "[")) {
                variables.insert(tokens.text(at));
            }
        }
        for (std::size_t index = 0; index + 2 < tokens.size(); ++index) {
            if (!variables.count(tokens.text(index)) ||
                (index > 0 && (tokens.text(index - 1) == "." || tokens.text(index - 1) == "->"))) {
                continue;
            }
            std::string path;
            std::size_t at = index + 1;
            for (int depth = 0; tokens.text(at) == "[" || depth > 0; ++at) { // `settings[i].field`
                depth += tokens.text(at) == "[" ? 1 : tokens.text(at) == "]" ? -1 : 0;
                if (depth == 0) {
                    ++at;
                    break;
                }
            }
            while ((tokens.text(at) == "." || tokens.text(at) == "->") && isIdentifier(tokens.text(at + 1))) {
                path += (path.empty() ? "" : tokens.text(at)) + tokens.text(at + 1);
                at += 2;
            }
            if (!path.empty()) {
                use.fields.emplace_back(path, tokens.text(at) == "=" ? fieldTypeOfValue(tokens, at + 1) : "long");
            }
        }
        findings_.uses.push_back(std::move(use));
    }

    // Whether a token can begin the operand of a cast: `(Type)operand`.
    static bool startsExpression(const std::string &token) {
        return isIdentifier(token) || token == "(" || token == "[" || token == "@" || token == "&" || token == "*" ||
               token == "^" ||
               (!token.empty() &&
                (std::isdigit(static_cast<unsigned char>(token[0])) || token[0] == '"' || token[0] == '\''));
    }

    // The number of type arguments in `<...>` when they are types (`NSFoo<NSString *>`); 0 for protocols.
    static int typeArguments(const XAFileTokens &tokens, std::size_t open) {
        int depth = 0;
        int arguments = 1;
        bool pointer = false;
        for (std::size_t index = open; index < tokens.size(); ++index) {
            const std::string token = tokens.text(index);
            if (token == "<") {
                ++depth;
            } else if (token == ">" && --depth == 0) {
                break;
            } else if (token == "," && depth == 1) {
                ++arguments;
            } else if (token == "*") {
                pointer = true;
            } else if (token == ";" || token == "{") {
                break;
            }
        }
        return pointer ? arguments : 0;
    }

    // Whether the name at the token stands where C requires an integer constant expression: a `case` label, an
    // array's bound, an enumerator's value, a bit-field's width. Only an enumeration constant can stand there.
    static bool requiresConstantExpression(const XAFileTokens &tokens, std::size_t at) {
        const std::string previous = at > 0 ? tokens.text(at - 1) : "";
        const std::string next = tokens.text(at + 1);
        if (previous == "case" || isBitFieldWidth(tokens, at)) {
            return true;
        }
        // `char buffer[SIZE]`: a bound after a declared name that follows its type (not `dictionary[Key]`).
        if (previous == "[" && next == "]" && at >= 3 && isIdentifier(tokens.text(at - 2)) &&
            (isIdentifier(tokens.text(at - 3)) || tokens.text(at - 3) == "*") && tokens.text(at - 3) != "return") {
            return true;
        }
        return insideEnumerationBody(tokens, at);
    }

    static bool isBitFieldWidth(const XAFileTokens &tokens, std::size_t at) {
        return at > 0 && tokens.text(at - 1) == ":" && tokens.text(at + 1) == ";" && !afterQuestionMark(tokens, at);
    }

    // Whether a `?` comes before the token in its statement: `flag ? a : NAME;` is no bit-field's width.
    static bool afterQuestionMark(const XAFileTokens &tokens, std::size_t at) {
        for (std::size_t index = at; index-- > 0 && at - index < 64;) {
            const std::string token = tokens.text(index);
            if (token == "?") {
                return true;
            }
            if (token == ";" || token == "{" || token == "}") {
                return false;
            }
        }
        return false;
    }

    // Whether the token is inside the braces of an enumeration (`enum {`, `typedef NS_ENUM(NSInteger, X) {`).
    static bool insideEnumerationBody(const XAFileTokens &tokens, std::size_t at) {
        int depth = 0;
        for (std::size_t index = at; index-- > 0 && at - index < 512;) {
            const std::string token = tokens.text(index);
            if (token == "}" || token == ")") {
                ++depth;
            } else if ((token == "(" || token == "{") && depth > 0) {
                --depth;
            } else if (token == "{") {
                for (std::size_t before = index; before-- > 0 && index - before <= 8;) {
                    const std::string word = tokens.text(before);
                    if (word == "enum" || word.ends_with("_ENUM") || word.ends_with("_OPTIONS")) {
                        return true;
                    }
                    if (word == ";" || word == "{" || word == "}") {
                        break;
                    }
                }
                return false;
            } else if (token == ";" && depth == 0) {
                return false;
            }
        }
        return false;
    }

    void constant(const std::string &name, const XAFileTokens &tokens, std::size_t at) {
        const std::string previous = at > 0 ? tokens.text(at - 1) : "";
        const std::string next = tokens.text(at + 1);
        if (requiresConstantExpression(tokens, at)) {
            findings_.constantExpressions[name] = findings_.constantExpressions[name] || isBitFieldWidth(tokens, at);
            add(XACompletionUse::Kind::EnumConstant, name);
            return;
        }
        const bool integral =
            previous == "|" || next == "|" || previous == "&" || next == "&" || previous == "==" || next == "==";
        if (!integral && context_.objectiveC && startsWith(name, "kUTType")) {
            add(XACompletionUse::Kind::Constant, name, "CFStringRef");
        } else if (!integral && context_.objectiveC && looksLikeStringConstant(name)) {
            add(XACompletionUse::Kind::Constant, name, "NSString *");
        } else {
            add(XACompletionUse::Kind::EnumConstant, name);
        }
    }

    // A function called without a declaration: only one the SDK would declare, never one of the project's own.
    void function(const std::string &name) {
        if (XAIsSDKFunctionName(name)) {
            add(XACompletionUse::Kind::Function, name);
        }
    }

    void libraryFunction(const std::string &message) {
        const std::optional<std::string> name = quoted(message, 0);
        const std::string type = declarableTypeOfFunction(quoted(message, 1).value_or(""));
        if (name) {
            add(XACompletionUse::Kind::Function, *name, type);
        }
    }

    static std::string declarableTypeOfFunction(const std::string &type) {
        const std::size_t aka = type.find(" (aka ");
        std::string clean = aka == std::string::npos ? type : type.substr(0, aka);
        return clean.find('(') == std::string::npos ? "" : clean;
    }

    // The class the method is completed in: the class itself when it is an SDK class or one completed; else its
    // nearest SDK superclass.
    void method(const std::string &receiverClass, const std::string &selector, bool classMethod,
                const XAFileTokens &tokens, std::size_t at) {
        XACompletedMethod completed{selector, classMethod, "id", {}};
        // A setter (`setFoo:`) returns nothing.
        if (startsWith(selector, "set") && selector.size() > 4 &&
            std::isupper(static_cast<unsigned char>(selector[3])) &&
            std::count(selector.begin(), selector.end(), ':') == 1) {
            completed.returnType = "void";
        }
        // The diagnostic points at the selector's first piece: the message starts at the `[` before it.
        std::optional<XAMessageTokens> message;
        for (std::size_t index = at; index-- > 0 && !message;) {
            if (tokens.text(index) == "[") {
                message = messageStartingAt(tokens, index);
                if (message && message->selector != selector) {
                    message.reset();
                }
            }
            if (at - index > 64) {
                break;
            }
        }
        if (message && completed.returnType == "id") {
            completed.returnType = typeExpectedOf(*message, tokens);
        }
        const std::size_t pieces = static_cast<std::size_t>(std::count(selector.begin(), selector.end(), ':'));
        for (std::size_t piece = 0; piece < pieces; ++piece) {
            completed.parameterTypes.push_back(message && piece < message->argumentStarts.size()
                                                   ? typeShownByTokens(tokens, message->argumentStarts[piece])
                                                   : "id");
        }
        addMethod(receiverClass, completed);
    }

    // The type that the place of a message shows for its result: the variable's in `T x = [...];` and `x = [...];`,
    // the function's or method's result in `return [...];`; "id" where it shows none. A later parse refines it where
    // it is wrong (a `return` inside a block).
    std::string typeExpectedOf(const XAMessageTokens &message, const XAFileTokens &tokens) {
        if (tokens.text(message.close + 1) != ";" || message.open < 2) {
            return "id";
        }
        std::string type;
        if (tokens.text(message.open - 1) == "=" && tokens.text(message.open - 3) != "." &&
            tokens.text(message.open - 3) != "->") {
            type = tokens.typeOfVariableAt(message.open - 2);
        } else if (tokens.text(message.open - 1) == "return") {
            type = resultTypeAround(tokens.file(), tokens.offset(message.open));
        }
        type = declarableType(type);
        return type.empty() || type == "void" || type.find("__") != std::string::npos ? "id" : type;
    }

    // The result type of the function or method whose body holds the offset.
    std::string resultTypeAround(CXFile file, unsigned offset) {
        if (!bodies_) {
            bodies_.emplace();
            collectBodies(clang_getTranslationUnitCursor(unit_));
        }
        for (const XABody &body : *bodies_) {
            if (clang_File_isEqual(body.file, file) && body.start <= offset && offset < body.end) {
                return body.resultType;
            }
        }
        return "";
    }

    void collectBodies(CXCursor parent) {
        clang_visitChildren(
            parent,
            [](CXCursor cursor, CXCursor, CXClientData data) {
                auto *analysis = static_cast<XAAnalysis *>(data);
                const CXCursorKind kind = clang_getCursorKind(cursor);
                if (kind == CXCursor_ObjCImplementationDecl || kind == CXCursor_ObjCCategoryImplDecl) {
                    analysis->collectBodies(cursor);
                } else if ((kind == CXCursor_FunctionDecl || kind == CXCursor_ObjCInstanceMethodDecl ||
                            kind == CXCursor_ObjCClassMethodDecl) &&
                           clang_isCursorDefinition(cursor)) {
                    const CXSourceRange extent = clang_getCursorExtent(cursor);
                    XABody body{nullptr, 0, 0, toString(clang_getTypeSpelling(clang_getCursorResultType(cursor)))};
                    clang_getSpellingLocation(clang_getRangeStart(extent), &body.file, nullptr, nullptr, &body.start);
                    clang_getSpellingLocation(clang_getRangeEnd(extent), nullptr, nullptr, nullptr, &body.end);
                    analysis->bodies_->push_back(std::move(body));
                }
                return CXChildVisit_Continue;
            },
            this);
    }

    void addMethod(const std::string &receiverClass, const XACompletedMethod &completed) {
        XACompletionUse use = newUse(XACompletionUse::Kind::Method, completed.selector, "", context_.objectiveC);
        use.method = completed;
        std::string owner = receiverClass;
        for (int depth = 0; !owner.empty() && depth < 32; ++depth) {
            auto known = classes_.find(owner);
            if (known == classes_.end()) {
                break; // an unknown class: a completed one, or none
            }
            if (known->second.sdk) {
                use.receiverIsSDKClass = true;
                use.receiverImport = known->second.importSpelling;
                break;
            }
            owner = known->second.superclass;
        }
        if (!receiverClass.empty() && owner.empty()) {
            return; // a project root class: not the SDK's to complete
        }
        use.receiverClass = owner;
        findings_.uses.push_back(std::move(use));
    }

    void classMethod(const std::string &selector, const XAFileTokens &tokens, std::size_t at) {
        for (std::size_t index = at; index-- > 0 && at - index < 64;) {
            if (tokens.text(index) != "[") {
                continue;
            }
            std::optional<XAMessageTokens> message = messageStartingAt(tokens, index);
            if (message && message->selector == selector && !message->receiver.empty()) {
                if (!classes_.count(message->receiver) && looksLikeSDKName(message->receiver)) {
                    completedClass(message->receiver); // a class the SDK stand-in only declares with @class
                }
                method(message->receiver, selector, true, tokens, at);
                return;
            }
        }
    }

    void property(const std::string &name, const std::string &objectType, const XAFileTokens &tokens, std::size_t at) {
        std::string receiverClass = declarableType(objectType);
        if (receiverClass == "id") {
            objectOfDotSyntax(tokens, at);
            receiverClass.clear();
        } else if (startsWith(receiverClass, "id<")) {
            receiverClass.clear();
        } else if (endsWith(receiverClass, " *")) {
            receiverClass = receiverClass.substr(0, receiverClass.size() - 2);
            if (const std::size_t generic = receiverClass.find('<'); generic != std::string::npos) {
                receiverClass.erase(generic);
            }
        } else {
            return;
        }
        addMethod(receiverClass, {name, false, "id", {}});
        if (tokens.text(at + 1) == "=") {
            std::string setter = "set" + name + ":";
            setter[3] = static_cast<char>(std::toupper(static_cast<unsigned char>(setter[3])));
            addMethod(receiverClass, {setter, false, "void", {typeShownByTokens(tokens, at + 2)}});
        }
    }

    // Dot syntax never finds a property on `id`: where the object is the result of a completed method or getter
    // (`[UIFoo sharedFoo].bar`, `view.fancyLayer.bar`), the method returns an object of a class instead, whose
    // properties are completed in turn.
    void objectOfDotSyntax(const XAFileTokens &tokens, std::size_t at) {
        if (at < 3 || tokens.text(at - 1) != ".") {
            return;
        }
        std::string selector;
        if (tokens.text(at - 2) == "]") {
            int depth = 0;
            for (std::size_t index = at - 2; index-- > 0 && at - index < 256;) {
                const std::string token = tokens.text(index);
                depth += token == "]" ? 1 : token == "[" ? -1 : 0;
                if (depth < 0) {
                    std::optional<XAMessageTokens> message = messageStartingAt(tokens, index);
                    selector = message && message->close == at - 2 ? message->selector : "";
                    break;
                }
            }
        } else if (isIdentifier(tokens.text(at - 2)) && tokens.text(at - 3) == ".") {
            selector = tokens.text(at - 2);
        }
        if (!selector.empty()) {
            findings_.typeNeeds.push_back(
                {XACompletionTypeNeed::Target::MethodReturn, selector, 0, "__kindof NSObject *"});
        }
    }

    // ---- types that uses need ----

    // The token where the expression of a conversion diagnostic starts: after `=` when the diagnostic points at a
    // declared name or the operator.
    static std::size_t expressionStart(const XAFileTokens &tokens, std::size_t at) {
        if (tokens.text(at) == "=") {
            return at + 1;
        }
        if (isIdentifier(tokens.text(at)) && tokens.text(at + 1) == "=") {
            return at + 2;
        }
        if (tokens.text(at) == "return") {
            return at + 1;
        }
        const std::string keyword = tokens.text(at);
        if ((keyword == "switch" || keyword == "if" || keyword == "while") && tokens.text(at + 1) == "(") {
            return at + 2;
        }
        return at;
    }

    void needAt(const XAFileTokens &tokens, std::size_t at, const std::string &type) {
        const std::string declarable = declarableType(type);
        if (declarable.empty() || declarable == "id") {
            return;
        }
        std::size_t start = expressionStart(tokens, at);
        while (tokens.text(start) == "(" && tokens.text(start + 1) == "(") {
            ++start;
        }
        const std::string token = tokens.text(start);
        if (token == "[") {
            if (std::optional<XAMessageTokens> message = messageStartingAt(tokens, start)) {
                findings_.typeNeeds.push_back(
                    {XACompletionTypeNeed::Target::MethodReturn, message->selector, 0, declarable});
            }
        } else if (isIdentifier(token) && tokens.text(start + 1) != "." && tokens.text(start + 1) != "->") {
            findings_.typeNeeds.push_back({XACompletionTypeNeed::Target::NameAtUse, token, 0, declarable});
        }
    }

    void needOfParameter(const std::string &selector, std::size_t index, const std::string &type) {
        const std::string declarable = declarableType(type);
        if (!declarable.empty() && declarable != "id") {
            findings_.typeNeeds.push_back({XACompletionTypeNeed::Target::MethodParameter, selector, index, declarable});
        }
    }

    // `object.property = value` where a completed property is `id`: its setter takes, and its getter gives, the
    // value's type.
    void propertyAssignment(const XAFileTokens &tokens, std::size_t at, const std::string &type) {
        std::size_t equals = at;
        while (equals < at + 4 && tokens.text(equals) != "=") {
            ++equals;
        }
        const std::string name = equals >= 2 ? tokens.text(equals - 1) : "";
        const std::string declarable = declarableType(type);
        if (tokens.text(equals) != "=" || tokens.text(equals - 2) != "." || !isIdentifier(name) || declarable.empty() ||
            declarable == "id") {
            return;
        }
        std::string setter = "set" + name + ":";
        setter[3] = static_cast<char>(std::toupper(static_cast<unsigned char>(setter[3])));
        findings_.typeNeeds.push_back({XACompletionTypeNeed::Target::MethodParameter, setter, 0, declarable});
        findings_.typeNeeds.push_back({XACompletionTypeNeed::Target::MethodReturn, name, 0, declarable});
    }

    // `(__bridge NSString *)value` where a completed constant, function or method gives no Core Foundation object:
    // it gives the one the cast's type is bridged to.
    void bridgedValue(const XAFileTokens &tokens, std::size_t at, const std::string &objectType) {
        std::size_t bridge = at + 1;
        for (std::size_t index = at + 1; index-- > 0 && at - index < 8;) {
            if (startsWith(tokens.text(index), "__bridge")) {
                bridge = index;
                break;
            }
        }
        for (std::size_t index = at; bridge > at && index < at + 8; ++index) {
            if (startsWith(tokens.text(index), "__bridge")) {
                bridge = index;
            }
        }
        std::size_t close = bridge;
        while (close < bridge + 8 && tokens.text(close) != ")") {
            ++close;
        }
        if (tokens.text(close) != ")") {
            return;
        }
        static const std::map<std::string, std::string> bridged = {{"NSString *", "CFStringRef"},
                                                                   {"NSMutableString *", "CFMutableStringRef"},
                                                                   {"NSArray *", "CFArrayRef"},
                                                                   {"NSMutableArray *", "CFMutableArrayRef"},
                                                                   {"NSDictionary *", "CFDictionaryRef"},
                                                                   {"NSMutableDictionary *", "CFMutableDictionaryRef"},
                                                                   {"NSData *", "CFDataRef"},
                                                                   {"NSNumber *", "CFNumberRef"},
                                                                   {"NSURL *", "CFURLRef"},
                                                                   {"NSDate *", "CFDateRef"}};
        const auto known = bridged.find(declarableType(objectType));
        needAt(tokens, close + 1, known == bridged.end() ? "CFTypeRef" : known->second);
    }

    void typeNeed(const std::string &message, const XAFileTokens &tokens, std::size_t at) {
        const std::optional<std::string> first = quoted(message, 0);
        const std::optional<std::string> second = quoted(message, 1);
        if (!first) {
            return;
        }
        const bool sending = message.find("to parameter of") != std::string::npos;
        if (startsWith(message, "cast of '") && endsWith(message, "' to 'id' is disallowed with ARC")) {
            // `(id)value` of a completed value that is no Core Foundation object: it becomes one.
            std::size_t operand = at;
            for (std::size_t close = at; tokens.text(at) == "(" && close < at + 4; ++close) {
                operand = tokens.text(close) == ")" ? close + 1 : operand;
            }
            needAt(tokens, operand, "CFTypeRef");
            return;
        }
        if (message.find("with a __bridge") != std::string::npos && second) {
            bridgedValue(tokens, at, *second);
            return;
        }
        if (startsWith(message, "implicit conversion of ") && second && declarableType(*second) == "id") {
            // A value given to a completed `id` parameter or setter (`x.level = 3`): it takes the value's type.
            if (auto around = messageAroundArgument(tokens, at)) {
                needOfParameter(around->first.selector, around->second, *first);
            }
            return;
        }
        if (message.find("assigning to '") != std::string::npos && second && declarableType(*first) == "id") {
            propertyAssignment(tokens, at, *second);
            return;
        }
        if (sending && second && declarableType(*second) == "id") {
            // A value sent to a completed method's `id` parameter: the parameter takes the value's type.
            if (auto around = messageAroundArgument(tokens, at)) {
                const std::string type = declarableType(*first);
                if (!type.empty()) {
                    findings_.typeNeeds.push_back(
                        {XACompletionTypeNeed::Target::MethodParameter, around->first.selector, around->second, type});
                }
            }
            return;
        }
        if (message.find("initializing '") != std::string::npos && second) {
            needAt(tokens, at, *first); // initializing 'T' with an expression of ... type 'S'
        } else if (message.find("assigning to '") != std::string::npos && second) {
            needAt(tokens, at, *first);
        } else if (sending && second) {
            needAt(tokens, at, *second); // sending/passing 'S' to parameter of ... type 'T'
        } else if (message.find("returning '") != std::string::npos && second) {
            needAt(tokens, at, *second);
        } else if (startsWith(message, "statement requires expression of integer type")) {
            needAt(tokens, at, "long");
        } else if (startsWith(message, "bad receiver type '")) {
            needAt(tokens, at, "id");
        }
    }

    // ---- clashes in the generated header ----

    void clashAtLine(unsigned line) {
        const std::string &text = context_.completionHeaderText;
        std::size_t start = 0;
        for (unsigned index = 1; index < line && start != std::string::npos; ++index) {
            start = text.find('\n', start);
            start = start == std::string::npos ? start : start + 1;
        }
        if (start == std::string::npos) {
            return;
        }
        std::string content = text.substr(start, text.find('\n', start) - start);
        std::string name;
        if (startsWith(content, "@interface ") || startsWith(content, "@protocol ") || startsWith(content, "@class ")) {
            const std::size_t begin = content.find(' ') + 1;
            name = content.substr(begin, content.find_first_of(" <;(", begin) - begin);
        } else if (startsWith(content, "- (") || startsWith(content, "+ (")) {
            const std::size_t begin = content.find(')') + 1;
            name = content.substr(begin, content.find_first_of(":;", begin) - begin);
        } else {
            // `typedef T name;`, `extern T const name;`, `T name(...);`, `    name = 123,`
            const std::size_t end = content.find_first_of("(;=");
            std::string head = content.substr(0, end);
            while (!head.empty() && head.back() == ' ') {
                head.pop_back();
            }
            const std::size_t begin = head.find_last_of(" *");
            name = begin == std::string::npos ? head : head.substr(begin + 1);
        }
        if (isIdentifier(name)) {
            findings_.clashes.insert(name);
        }
    }

    CXTranslationUnit unit_;
    const XAFileAnalysisContext &context_;
    XAFileFindings findings_;
    std::map<std::string, XAClassInParse> classes_;
    std::map<CXFile, std::unique_ptr<XAFileTokens>> tokens_;
    std::map<CXFile, XADeclaringFile> declaringFiles_;
    struct XABody {
        CXFile file;
        unsigned start;
        unsigned end;
        std::string resultType;
    };
    std::optional<std::vector<XABody>> bodies_; // the function and method definitions, found on first need
    bool afterFatalError_ = false;
};

} // namespace

XAFileFindings XAAnalyseTranslationUnit(CXTranslationUnit unit, const XAFileAnalysisContext &context) {
    return XAAnalysis(unit, context).run();
}
