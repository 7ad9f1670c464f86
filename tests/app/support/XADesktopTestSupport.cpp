#include "support/XADesktopTestSupport.h"
#include "app/project/XAProjectWindowServices.h"

#include "app/integrations/XADesktopDevEnvironment.h"
#include "core/XAUserDefaults.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMutex>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

void XAScriptedAlertPresenter::present(const XAAlert &alert, QWidget *window, Handler handler) {
    shown_.push_back({alert, window != nullptr});
    int index = 0;
    XAAlert answered = alert;
    if (!answers_.empty()) {
        const Answer answer = answers_.front();
        answers_.pop_front();
        index = std::max<qsizetype>(0, alert.buttons.indexOf(answer.buttonTitle));
        if (answer.changes) {
            answer.changes(answered);
        }
    }
    if (handler) {
        handler(answered, XAAlertFirstButtonReturn + index);
    }
}

class XAScriptedFilePanels::Panel : public XAFilePanel, public std::enable_shared_from_this<Panel> {
public:
    explicit Panel(XAScriptedFilePanels *owner) : owner_(owner) {}

    void begin(const XAFilePanelRequest &request, QWidget *window, Completion completion) override {
        owner_->begun_.push_back({request, window != nullptr});
        if (owner_->answers_.empty()) {
            visible_ = true;
            owner_->pending_.emplace_back(std::weak_ptr<XAFilePanel>(shared_from_this()),
                                          [this, completion](const std::optional<std::string> &path) {
                                              visible_ = false;
                                              completion(path);
                                          });
            return;
        }
        const std::optional<std::string> answer = owner_->answers_.front();
        owner_->answers_.pop_front();
        completion(answer);
    }
    bool isVisible() const override { return visible_; }
    void orderFront() override { ++owner_->ordersFront; }

private:
    XAScriptedFilePanels *owner_;
    bool visible_ = false;
};

std::shared_ptr<XAFilePanel> XAScriptedFilePanels::makePanel() {
    ++panelsMade_;
    return std::make_shared<Panel>(this);
}

void XAScriptedFilePanels::finishPending(const std::optional<std::string> &path) {
    auto pending = std::move(pending_);
    pending_.clear();
    for (auto &[panel, completion] : pending) {
        if (std::shared_ptr<XAFilePanel> alive = panel.lock()) {
            completion(path);
        }
    }
}

void XAFakeXcodeProjectsQuery::getPathsOfProjectsCurrentlyOpenInXcodeWithHandler(Handler handler) {
    ++queryCount;
    if (deferred_) {
        pending_.push_back(std::move(handler));
    } else if (handler) {
        handler(paths_);
    }
}

void XAFakeXcodeProjectsQuery::answer() {
    std::vector<Handler> pending;
    pending.swap(pending_);
    for (Handler &handler : pending) {
        handler(paths_);
    }
}

XADesktopTestEnvironment::XADesktopTestEnvironment() {
    for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        const QString folder = folder_.path() + QLatin1Char('/') + QString::fromLatin1(variable);
        QDir().mkpath(folder);
        ::setenv(variable, folder.toUtf8().constData(), 1);
    }
    XAUserDefaults::resetForTesting();
    // A real message box waits for a click that never comes without a display; an alert no test scripted is
    // answered with its first button instead.
    XAAlertPresenter::setShared(alerts_);
    // Nor does a test open a browser.
    XAURLOpener::setShared(std::make_shared<XARecordingURLOpener>());
}

XADesktopTestEnvironment::~XADesktopTestEnvironment() {
    XAAlertPresenter::setShared(std::make_shared<XAScriptedAlertPresenter>());
    XAXcodeProjectsQuery::setShared(nullptr);
    XAFileRevealer::setShared(nullptr);
    XAFilePanelFactory::setShared(nullptr);
    XAURLOpener::setShared(nullptr);
    XADesktopDevEnvironment::setShared(nullptr);
    XADevEnvironmentSetUp::setShared(nullptr);
    XAProjectWindowEngine::setShared(nullptr);
    XAUserNotifier::setShared(nullptr);
    XAUserDefaults::resetForTesting();
}

std::string XADesktopTestEnvironment::makeProject(const std::string &relativeFolder, const std::string &name) const {
    const QString project =
        folder_.path() +
        QStringLiteral("/%1/%2.xcodeproj").arg(QString::fromStdString(relativeFolder), QString::fromStdString(name));
    QDir().mkpath(project);
    QFile file(project + QStringLiteral("/project.pbxproj"));
    file.open(QIODevice::WriteOnly);
    file.write("// !$*UTF8*$!\n{}\n");
    return project.toStdString();
}

QString XASaveScreenshot(QWidget *widget, const QString &name) {
    const QString folder = QStringLiteral(TESSARY_SCREENSHOTS_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path, "PNG");
    return path;
}

QString XASaveWindowScreenshot(QWidget *window, const QString &name) {
    const QString folder = QStringLiteral(TESSARY_SCREENSHOTS_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    QPixmap picture = window->grab();
    QPainter painter(&picture);
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() && child->isVisible()) {
            painter.drawPixmap(child->geometry().topLeft() - window->geometry().topLeft(), child->grab());
        }
    }
    painter.end();
    picture.save(path, "PNG");
    return path;
}

namespace {

// Messages reach the handler on the threads that log them.
QMutex scriptConsoleMutex;
QStringList scriptConsoleMessages;
bool scriptConsoleRecording = false;
QtMessageHandler handlerBeforeScriptConsoleRecorder = nullptr;

} // namespace

XAScriptConsoleRecorder::XAScriptConsoleRecorder() {
    {
        const QMutexLocker lock(&scriptConsoleMutex);
        scriptConsoleMessages.clear();
        scriptConsoleRecording = true;
    }
    handlerBeforeScriptConsoleRecorder = qInstallMessageHandler(&XAScriptConsoleRecorder::handleMessage);
}

XAScriptConsoleRecorder::~XAScriptConsoleRecorder() {
    qInstallMessageHandler(handlerBeforeScriptConsoleRecorder);
    const QMutexLocker lock(&scriptConsoleMutex);
    scriptConsoleRecording = false;
}

QString XAScriptConsoleRecorder::messages() const {
    const QMutexLocker lock(&scriptConsoleMutex);
    return scriptConsoleMessages.join(QLatin1Char('\n'));
}

void XAScriptConsoleRecorder::handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    {
        const QMutexLocker lock(&scriptConsoleMutex);
        if (scriptConsoleRecording && context.category && qstrcmp(context.category, "js") == 0) {
            scriptConsoleMessages.append(
                QStringLiteral("%1:%2: %3").arg(QString::fromUtf8(context.file)).arg(context.line).arg(message));
        }
    }
    // Qt hands back its default handler when no other was installed.
    handlerBeforeScriptConsoleRecorder(type, context, message);
}

namespace {

QString describedWidget(const QWidget *widget) {
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        text = label->text();
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        text = button->text();
    } else if (const auto *field = qobject_cast<const QLineEdit *>(widget)) {
        text = field->text().isEmpty() ? field->placeholderText() : field->text();
    }
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()), text.left(40));
}

} // namespace

QStringList XACutWidgets(QWidget *window) {
    QStringList cut;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow()) {
            continue;
        }
        const QRect shown(widget->mapTo(window, QPoint(0, 0)), widget->size());
        QWidget *parent = widget->parentWidget();
        const QRect room =
            parent == window ? window->rect() : QRect(parent->mapTo(window, QPoint(0, 0)), parent->size());
        // Views that scroll show only part of their content by design.
        const bool scrolled = qobject_cast<QAbstractScrollArea *>(parent) ||
                              (parent->parentWidget() && qobject_cast<QAbstractScrollArea *>(parent->parentWidget()));
        if (!scrolled && !room.contains(shown)) {
            cut << QStringLiteral("%1 out of its parent").arg(describedWidget(widget));
        }
        const auto *label = qobject_cast<const QLabel *>(widget);
        if (label && label->wordWrap() && !label->text().isEmpty() &&
            label->height() < label->heightForWidth(label->width())) {
            cut << QStringLiteral("%1 %2 pixels high, needs %3")
                       .arg(describedWidget(widget))
                       .arg(label->height())
                       .arg(label->heightForWidth(label->width()));
        }
    }
    return cut;
}

bool XAWaitFor(const std::function<bool()> &condition, int timeoutMilliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMilliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(5);
    }
    return true;
}

namespace {

double relativeLuminance(const QColor &color) {
    auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

} // namespace

double XAContrastRatio(const QColor &first, const QColor &second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
