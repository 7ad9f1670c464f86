#include "XAClangExtModuleCategories.h"

#include "XAClangExtSupport.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace xa_clangext {

namespace {

bool isIdentifierCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

std::size_t skipSpaces(const std::string &text, std::size_t offset) {
    while (offset < text.size() && std::isspace(static_cast<unsigned char>(text[offset]))) {
        ++offset;
    }
    return offset;
}

// Where each "@interface Name (" begins in a header's text, by class name.
std::multimap<std::string, unsigned> categoryOffsetsIn(const std::string &text) {
    static const std::string keyword = "@interface";
    std::multimap<std::string, unsigned> offsets;
    for (std::size_t at = text.find(keyword); at != std::string::npos; at = text.find(keyword, at + 1)) {
        std::size_t offset = skipSpaces(text, at + keyword.size());
        const std::size_t nameStart = offset;
        while (offset < text.size() && isIdentifierCharacter(text[offset])) {
            ++offset;
        }
        const std::size_t nameEnd = offset;
        offset = skipSpaces(text, offset);
        if (nameEnd > nameStart && offset < text.size() && text[offset] == '(') {
            offsets.emplace(text.substr(nameStart, nameEnd - nameStart), static_cast<unsigned>(at));
        }
    }
    return offsets;
}

// The category offsets of header files, read once per file version: plain file contents, no cursors, so they may
// outlive every translation unit.
class CategoryHeaderIndex {
public:
    std::vector<unsigned> offsetsOf(const std::string &path, const std::string &className) {
        std::error_code error;
        const auto modified = fs::last_write_time(path, error);
        std::lock_guard lock(mutex_);
        Entry &entry = entries_[path];
        if (!entry.read || entry.modified != modified) {
            std::ifstream file(path, std::ios::binary);
            std::ostringstream text;
            text << file.rdbuf();
            entry = {true, modified, categoryOffsetsIn(text.str())};
        }
        std::vector<unsigned> offsets;
        for (auto [found, end] = entry.offsets.equal_range(className); found != end; ++found) {
            offsets.push_back(found->second);
        }
        return offsets;
    }

private:
    struct Entry {
        bool read = false;
        fs::file_time_type modified;
        std::multimap<std::string, unsigned> offsets;
    };
    std::mutex mutex_;
    std::map<std::string, Entry> entries_;
};

CategoryHeaderIndex &headerIndex() {
    static CategoryHeaderIndex index;
    return index;
}

std::string folderOf(CXFile file) { return fs::path(text(clang_getFileName(file))).parent_path().string(); }

// The header folder of each module map the unit loaded: the maps of every module it reads, also those imported by
// other modules (a framework imported through another one's umbrella header). A framework's map lies in its
// "Modules" folder beside "Headers"; other maps lie beside their headers.
void addLoadedModuleMapFolders(CXTranslationUnit unit, std::set<std::string> &folders) {
    clang_getInclusions(
        unit,
        [](CXFile file, CXSourceLocation *, unsigned, CXClientData data) {
            const fs::path path = text(clang_getFileName(file));
            if (path.extension() != ".modulemap" && path.filename() != "module.map") {
                return;
            }
            const fs::path folder = path.parent_path();
            const fs::path headers = folder.filename() == "Modules" ? folder.parent_path() / "Headers" : folder;
            static_cast<std::set<std::string> *>(data)->insert(headers.string());
        },
        &folders);
}

// The folders whose headers may declare the class's module categories: the class's own header folder, when that
// header comes from a module, the folders of the top-level headers of the modules the unit imports and the header
// folders of every module map it loaded.
std::set<std::string> moduleHeaderFolders(CXTranslationUnit unit, CXCursor interface) {
    std::set<std::string> folders;
    CXFile interfaceFile = nullptr;
    clang_getSpellingLocation(clang_getCursorLocation(interface), &interfaceFile, nullptr, nullptr, nullptr);
    if (interfaceFile && clang_getModuleForFile(unit, interfaceFile)) {
        folders.insert(folderOf(interfaceFile));
    }
    forEachTopLevelDeclaration(interface, [&](CXCursor declaration) {
        if (declaration.kind == CXCursor_ModuleImportDecl) {
            if (CXModule module = clang_Cursor_getModule(declaration)) {
                const unsigned count = clang_Module_getNumTopLevelHeaders(unit, module);
                for (unsigned index = 0; index < count; ++index) {
                    folders.insert(folderOf(clang_Module_getTopLevelHeader(unit, module, index)));
                }
            }
        }
        return true;
    });
    addLoadedModuleMapFolders(unit, folders);
    return folders;
}

} // namespace

bool forEachModuleCategoryNamed(CXCursor interface, const std::set<std::string> &seen,
                                const std::function<bool(CXCursor)> &accept,
                                const std::function<bool(CXCursor)> &callback) {
    CXTranslationUnit unit = clang_Cursor_getTranslationUnit(interface);
    if (!unit) {
        return false;
    }
    const std::string className = spelling(interface);
    std::set<std::string> visited = seen;
    for (const std::string &folder : moduleHeaderFolders(unit, interface)) {
        std::error_code error;
        for (const fs::directory_entry &entry : fs::directory_iterator(folder, error)) {
            const std::string path = entry.path().string();
            if (entry.path().extension() != ".h") {
                continue;
            }
            const std::vector<unsigned> offsets = headerIndex().offsetsOf(path, className);
            CXFile file = offsets.empty() ? nullptr : clang_getFile(unit, path.c_str());
            if (!file || !clang_getModuleForFile(unit, file)) {
                continue; // a header the unit never read, or read as text (its declarations are top-level ones)
            }
            for (unsigned offset : offsets) {
                CXCursor category = clang_getCursor(unit, clang_getLocationForOffset(unit, file, offset));
                if (accept(category) && visited.insert(usr(category)).second && !callback(category)) {
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace xa_clangext
