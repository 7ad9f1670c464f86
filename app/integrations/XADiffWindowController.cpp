#include "app/integrations/XADiffWindowController.h"

#include "app/shell/XADispatch.h"
#include "app/shell/XAWindow.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace {

std::vector<std::shared_ptr<XADiffWindowController>> &shownWindows() {
    static std::vector<std::shared_ptr<XADiffWindowController>> windows;
    return windows;
}

// Removed lines red, added lines green; the file headers ("---", "+++") keep the text colour.
void colourChangedLines(QPlainTextEdit *view) {
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        const bool header = line.startsWith(QStringLiteral("---")) || line.startsWith(QStringLiteral("+++"));
        if (header || !(line.startsWith('-') || line.startsWith('+'))) {
            continue;
        }
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat format;
        format.setForeground(line.startsWith('-') ? QColor(200, 40, 40) : QColor(30, 140, 50));
        cursor.mergeCharFormat(format);
    }
}

} // namespace

void XAShowPrintedDifference(const QString &title, const std::optional<std::string> &printedDifference) {
    if (printedDifference) {
        XADispatchToMain([title, difference = QString::fromStdString(*printedDifference)] {
            XADiffWindowController::showDifference(title, difference);
        });
    }
}

XADiffWindowController::XADiffWindowController(QString title, QString difference)
    : title_(std::move(title)), difference_(std::move(difference)) {}

std::shared_ptr<XADiffWindowController> XADiffWindowController::showDifference(const QString &title,
                                                                               const QString &difference) {
    auto controller = std::make_shared<XADiffWindowController>(title, difference);
    shownWindows().push_back(controller);
    std::weak_ptr<XADiffWindowController> weak = controller;
    QObject::connect(controller->window(), &QDialog::finished, controller.get(), [weak] {
        // Let go after the close has finished with the window.
        XADispatchToMain(
            [weak] { std::erase_if(shownWindows(), [&weak](const auto &shown) { return shown == weak.lock(); }); });
    });
    controller->showWindow(nullptr);
    return controller;
}

std::vector<std::shared_ptr<XADiffWindowController>> XADiffWindowController::openWindows() { return shownWindows(); }

void XADiffWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    window()->setWindowTitle(title_);
    auto *content = new QWidget(window());
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    textView_ = new QPlainTextEdit(content);
    textView_->setReadOnly(true);
    textView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    textView_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    textView_->setPlainText(difference_.isEmpty() ? QStringLiteral("The texts are the same.") : difference_);
    colourChangedLines(textView_);
    layout->addWidget(textView_);
    window()->setContentView(content);
    window()->resize(760, 520);
}
