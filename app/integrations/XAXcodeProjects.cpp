#include "app/integrations/XAXcodeProjects.h"
#include "app/shell/XASharedService.h"

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

using SharedQuery = XASharedService<XAXcodeProjectsQuery, XANoRunningXcode>;

} // namespace

XAXcodeProjectsQuery &XAXcodeProjectsQuery::shared() { return SharedQuery::get(); }

void XAXcodeProjectsQuery::setShared(std::shared_ptr<XAXcodeProjectsQuery> query) {
    SharedQuery::set(std::move(query));
}
