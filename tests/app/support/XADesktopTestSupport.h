#pragma once

// Stand-ins for the desktop's platform services, and helpers shared by the desktop tests.

#include "app/controls/XAAlerts.h"
#include "app/controls/XAFilePanels.h"
#include "app/integrations/XAFileRevealer.h"
#include "app/integrations/XAURLOpener.h"
#include "app/integrations/XAXcodeProjects.h"
#include "app/shell/XAGUIState.h"

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// Answers alerts by button title (the first button when no answer is scripted) and records what was shown.
class XAScriptedAlertPresenter : public XAAlertPresenter {
public:
    struct Shown {
        XAAlert alert;
        bool asSheet = false;
    };

    void present(const XAAlert &alert, QWidget *window, Handler handler) override;
    // Changes the alert's check boxes as a user would before the button is pressed.
    using CheckBoxChanges = std::function<void(XAAlert &alert)>;

    void answerNextWith(const QString &buttonTitle, CheckBoxChanges changes = nullptr) {
        answers_.push_back({buttonTitle, std::move(changes)});
    }
    const std::vector<Shown> &shown() const { return shown_; }

private:
    struct Answer {
        QString buttonTitle;
        CheckBoxChanges changes;
    };
    std::deque<Answer> answers_;
    std::vector<Shown> shown_;
};

// Makes panels that answer with scripted paths in order (no value: cancel) and records every request. A panel with
// no scripted answer stays open until finishPending() answers it.
class XAScriptedFilePanels : public XAFilePanelFactory {
public:
    struct Begun {
        XAFilePanelRequest request;
        bool asSheet = false;
    };

    std::shared_ptr<XAFilePanel> makePanel() override;
    void answerNextWith(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    // Answers the panels still open, in the order they began.
    void finishPending(const std::optional<std::string> &path);
    const std::vector<Begun> &begun() const { return begun_; }
    int panelsMade() const { return panelsMade_; }
    int ordersFront = 0;

private:
    class Panel;
    std::deque<std::optional<std::string>> answers_;
    std::vector<Begun> begun_;
    std::vector<std::pair<std::weak_ptr<XAFilePanel>, XAFilePanel::Completion>> pending_;
    int panelsMade_ = 0;
};

class XAFakeDevEnvironmentSetUp : public XADevEnvironmentSetUp {
public:
    explicit XAFakeDevEnvironmentSetUp(std::vector<XAError> errors = {}) : errors_(std::move(errors)) {}
    bool setUp() override {
        ++setUpCount;
        return errors_.empty();
    }
    std::vector<XAError> errors() const override { return errors_; }
    std::string setUpFailureInstructions() const override { return "Install the developer tools."; }
    int setUpCount = 0;

private:
    std::vector<XAError> errors_;
};

// Answers with the given paths; with `deferred`, only when answer() is called.
class XAFakeXcodeProjectsQuery : public XAXcodeProjectsQuery {
public:
    explicit XAFakeXcodeProjectsQuery(std::optional<std::vector<std::string>> paths, bool deferred = false)
        : paths_(std::move(paths)), deferred_(deferred) {}
    void getPathsOfProjectsCurrentlyOpenInXcodeWithHandler(Handler handler) override;
    void answer();
    int queryCount = 0;

private:
    std::optional<std::vector<std::string>> paths_;
    bool deferred_;
    std::vector<Handler> pending_;
};

class XARecordingFileRevealer : public XAFileRevealer {
public:
    void revealPath(const std::string &path) override { revealed.push_back(path); }
    std::vector<std::string> revealed;
};

// Records the addresses it is asked to open; answers with `succeeds`.
class XARecordingURLOpener : public XAURLOpener {
public:
    bool openURL(const QUrl &url) override {
        opened.push_back(url);
        return succeeds;
    }
    std::vector<QUrl> opened;
    bool succeeds = true;
};

// Points the per-user folders (application support, configuration, caches) into a new temporary folder for the
// life of the object, and puts the shared services back afterwards.
class XADesktopTestEnvironment {
public:
    XADesktopTestEnvironment();
    ~XADesktopTestEnvironment();
    std::string path() const { return folder_.path().toStdString(); }
    // Makes "<folder>/<relative>/<name>.xcodeproj" with a project file, and returns its path.
    std::string makeProject(const std::string &relativeFolder, const std::string &name) const;
    // The alert presenter in place for the environment's life.
    std::shared_ptr<XAScriptedAlertPresenter> alerts() const { return alerts_; }

private:
    QTemporaryDir folder_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_ = std::make_shared<XAScriptedAlertPresenter>();
};

// Counts the events of one type that reach an object, for as long as the counter lives.
class XAEventCounter : public QObject {
public:
    XAEventCounter(QObject *watched, QEvent::Type type) : type_(type) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        count += event->type() == type_ ? 1 : 0;
        return false;
    }

private:
    QEvent::Type type_;
};

// Records what the scripts of web pages write to their console (the engine logs it under the category "js") for as
// long as it lives; other messages go on to the handler that was in place.
class XAScriptConsoleRecorder {
public:
    XAScriptConsoleRecorder();
    ~XAScriptConsoleRecorder();
    XAScriptConsoleRecorder(const XAScriptConsoleRecorder &) = delete;
    XAScriptConsoleRecorder &operator=(const XAScriptConsoleRecorder &) = delete;
    // The messages so far, one a line, each with its source and line.
    QString messages() const;

private:
    static void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);
};

// The contrast ratio of two colours by their relative luminance: 1 for equal colours up to 21 for black on white.
double XAContrastRatio(const QColor &first, const QColor &second);

// The visible widgets of the window that are cut: those reaching out of the window or out of a parent that clips
// them, and word-wrapped labels shorter than their text needs at their width. One line each, naming the widget by
// its class and text.
QStringList XACutWidgets(QWidget *window);

// Saves the widget's picture as out/screenshots/<name>.png; returns the path.
QString XASaveScreenshot(QWidget *widget, const QString &name);
// The same for a window with the windows it owns (hints, pop-ups) drawn over it where they stand.
QString XASaveWindowScreenshot(QWidget *window, const QString &name);
// Runs the event loop until the condition holds or the time is up; returns the condition.
bool XAWaitFor(const std::function<bool()> &condition, int timeoutMilliseconds = 5000);
