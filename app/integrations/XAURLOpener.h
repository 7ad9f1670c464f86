#pragma once

// Opens an address outside the application, in the desktop's default application for it (web browser, mail
// program). The real opener asks the desktop; tests install one that records.

#include <QUrl>

#include <memory>

class XAURLOpener {
public:
    virtual ~XAURLOpener() = default;
    // Whether an application took the address.
    virtual bool openURL(const QUrl &url) = 0;

    static XAURLOpener &shared();
    static void setShared(std::shared_ptr<XAURLOpener> opener); // an empty pointer restores the real one
};
