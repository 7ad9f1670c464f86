#include "app/integrations/XAURLOpener.h"
#include "app/shell/XASharedService.h"

#include <QDesktopServices>

namespace {

class XADesktopURLOpener : public XAURLOpener {
public:
    bool openURL(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

using SharedOpener = XASharedService<XAURLOpener, XADesktopURLOpener>;

} // namespace

XAURLOpener &XAURLOpener::shared() { return SharedOpener::get(); }

void XAURLOpener::setShared(std::shared_ptr<XAURLOpener> opener) { SharedOpener::set(std::move(opener)); }
