#pragma once

// Which projects the IDE has open. On this platform no IDE answers such questions, so the real query answers "none"
// at once; the interface lets the start window be tested with open projects.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class XAXcodeProjectsQuery {
public:
    // The `.xcodeproj` paths in the IDE's order, or no value when it cannot tell.
    using Handler = std::function<void(const std::optional<std::vector<std::string>> &paths)>;
    virtual ~XAXcodeProjectsQuery() = default;

    // Calls the handler once, on any thread; an empty handler does nothing.
    virtual void getPathsOfProjectsCurrentlyOpenInXcodeWithHandler(Handler handler) = 0;

    static XAXcodeProjectsQuery &shared();
    static void setShared(std::shared_ptr<XAXcodeProjectsQuery> query); // an empty pointer restores the real one
};
