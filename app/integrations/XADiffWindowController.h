#pragma once

// A window that shows the difference a terminal diff tool printed, when no graphical diff tool is installed: the
// unified difference, read-only, in a fixed-pitch font, removed lines red and added lines green. Each shown window
// keeps itself alive until it is closed.

#include "app/shell/XAWindowController.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The success handler of a diff run (XADiffSuccess), from any thread: what a terminal tool printed is shown in a new
// window on the main thread; a graphical tool's success shows nothing more.
void XAShowPrintedDifference(const QString &title, const std::optional<std::string> &printedDifference);

class XADiffWindowController : public XAWindowController {
public:
    XADiffWindowController(QString title, QString difference);

    // Shows the difference in a new window on the main thread's screen.
    static std::shared_ptr<XADiffWindowController> showDifference(const QString &title, const QString &difference);
    // The windows shown and not closed yet, oldest first.
    static std::vector<std::shared_ptr<XADiffWindowController>> openWindows();

    QPlainTextEdit *textView() const { return textView_; }

protected:
    void windowDidLoad() override;

private:
    QString title_;
    QString difference_;
    QPointer<QPlainTextEdit> textView_;
};
