#include "app/integrations/XAXcodeProjects.h"

namespace {

// No IDE runs here: the answer is no value, given at once on the caller's thread.
class XANoRunningXcode : public XAXcodeProjectsQuery {
public:
    void getPathsOfProjectsCurrentlyOpenInXcodeWithHandler(Handler handler) override {
        if (handler) {
            handler(std::nullopt);
        }
    }
};

std::shared_ptr<XAXcodeProjectsQuery> &sharedQuery() {
    static std::shared_ptr<XAXcodeProjectsQuery> query = std::make_shared<XANoRunningXcode>();
    return query;
}

} // namespace

XAXcodeProjectsQuery &XAXcodeProjectsQuery::shared() { return *sharedQuery(); }

void XAXcodeProjectsQuery::setShared(std::shared_ptr<XAXcodeProjectsQuery> query) {
    sharedQuery() = query ? std::move(query) : std::make_shared<XANoRunningXcode>();
}
