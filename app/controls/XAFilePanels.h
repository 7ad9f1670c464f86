#pragma once

// Open and save panels. Every file dialog of the desktop is made by one factory: the real one makes non-native file
// dialogs (window-modal when given a window); tests install a scripted one. A panel may be kept by its owner and
// begun again, so that an owner can bring a panel that is still open to the front instead of opening a second one.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QWidget;

struct XAFilePanelRequest {
    enum class Kind { Open, Save };

    Kind kind = Kind::Open;
    QString title;
    // A line above the file list; empty for none.
    QString message;
    // Extensions without the dot; empty allows every file.
    QStringList allowedExtensions;
    bool canChooseFiles = true;
    bool canChooseDirectories = false;
    // The allowed extensions name bundles, which are folders here ("xcodeproj", "xcworkspace"): such a folder is
    // chosen as a whole instead of being opened.
    bool choosesBundles = false;
    bool canCreateDirectories = false;
    bool extensionHidden = true;
    // Where the panel opens and the name it proposes (save panels); empty for the panel's own choice.
    QString directory;
    QString nameFieldValue;
};

class XAFilePanel {
public:
    // The chosen path, or no value when the user cancelled.
    using Completion = std::function<void(const std::optional<std::string> &path)>;
    virtual ~XAFilePanel() = default;

    // Shows the panel, as a sheet on the window when one is given; the completion runs once when it ends.
    virtual void begin(const XAFilePanelRequest &request, QWidget *window, Completion completion) = 0;
    virtual bool isVisible() const = 0;
    virtual void orderFront() = 0;
};

class XAFilePanelFactory {
public:
    virtual ~XAFilePanelFactory() = default;
    virtual std::shared_ptr<XAFilePanel> makePanel() = 0;

    static XAFilePanelFactory &shared();
    static void setShared(std::shared_ptr<XAFilePanelFactory> factory); // an empty pointer restores the real one
};
