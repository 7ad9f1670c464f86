#include "app/shell/XAGUIState.h"

#include "core/XALog.h"
#include "core/XAUserDefaults.h"
#include "project/XADevEnvironment.h"

namespace {

class XASharedDevEnvironmentSetUp : public XADevEnvironmentSetUp {
public:
    bool setUp() override { return XADevEnvironment::sharedEnvironment().setUp(); }
    std::vector<XAError> errors() const override { return XADevEnvironment::sharedEnvironment().errors(); }
    std::string setUpFailureInstructions() const override {
        return XADevEnvironment::sharedEnvironment().setUpFailureInstructions();
    }
};

std::shared_ptr<XADevEnvironmentSetUp> &sharedSetUp() {
    static std::shared_ptr<XADevEnvironmentSetUp> setUp = std::make_shared<XASharedDevEnvironmentSetUp>();
    return setUp;
}

std::string bulletedErrors(const std::vector<XAError> &errors) {
    std::string text;
    for (const XAError &error : errors) {
        text += (text.empty() ? "• " : "\n• ") + error.message;
    }
    return text;
}

} // namespace

XADevEnvironmentSetUp &XADevEnvironmentSetUp::shared() { return *sharedSetUp(); }

void XADevEnvironmentSetUp::setShared(std::shared_ptr<XADevEnvironmentSetUp> setUp) {
    sharedSetUp() = setUp ? std::move(setUp) : std::make_shared<XASharedDevEnvironmentSetUp>();
}

XAGUIState &XAGUIState::sharedGUIState() {
    static XAGUIState state;
    return state;
}

bool XAGUIState::initializeGUIStateWithProgress(const XAProgressHandler &progress) {
    XASetLogTargets(XALogTargetStandardError | XALogTargetNotification);
    XAUserDefaults &defaults = XAUserDefaults::standard();
    XASetVerboseLogging(xa_uberVerboseLogging(defaults));
    xa_registerAppDefaults(defaults);
    XADevEnvironmentSetUp &environment = XADevEnvironmentSetUp::shared();
    if (environment.setUp()) {
        setIsInitialized(true);
        return true;
    }
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindError, "Error initializing dev environment:\n" +
                                                                   bulletedErrors(environment.errors()) + "\n\n" +
                                                                   environment.setUpFailureInstructions()));
    }
    return false;
}
