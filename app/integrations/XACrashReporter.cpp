#include "app/integrations/XACrashReporter.h"

#include "app/controls/XAAlerts.h"
#include "app/integrations/XABackendClient.h"
#include "core/XAAppVersion.h"
#include "core/XACrashCapture.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAUserDefaults.h"

#include <QDir>
#include <QFile>
#include <QStringConverter>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace {

constexpr int kPolicyAsk = 0;
constexpr int kPolicyAlways = 1;
constexpr int kPolicyNever = 2;

std::string &bundleNameStorage() {
    static std::string name = XAApplicationName;
    return name;
}

// The report as UTF-8 text; no value when it cannot be read or is not UTF-8.
std::optional<std::string> readReport(const std::string &path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text.toStdString();
}

std::vector<std::vector<std::string>> groupsOf(const std::vector<std::string> &paths, std::size_t size) {
    std::vector<std::vector<std::string>> groups;
    for (std::size_t start = 0; start < paths.size(); start += size) {
        groups.emplace_back(paths.begin() + start, paths.begin() + std::min(paths.size(), start + size));
    }
    return groups;
}

bool moveToTrash(const std::string &path) { return QFile::moveToTrash(QString::fromStdString(path)); }

void showError(const XAError &error) {
    XAAlertPresenter::shared().present(
        {QString::fromStdString(error.message), QString(), XAAlertStyle::Warning, {QStringLiteral("OK")}}, nullptr,
        nullptr);
}

} // namespace

void XACrashReporter::startForAppLaunchWithMechanism(int mechanism) { XACrashCaptureStart(mechanism); }

void XACrashReporter::offerToSendCrashReportsIfAny() {
    if (XACrashCaptureRecordedMechanism() == XACrashCaptureMechanismSystemCrashLogs) {
        offerToSendSystemCrashReportsIfAny();
    }
}

std::string XACrashReporter::bundleName() { return bundleNameStorage(); }

void XACrashReporter::setBundleName(const std::string &name) { bundleNameStorage() = name; }

std::vector<std::string> XACrashReporter::crashLogFilePaths() {
    const QDir folder(QString::fromStdString(XACrashReportsDirectoryPath()));
    const QString prefix = QString::fromStdString(XACrashReportFileNamePrefix(bundleName()));
    std::vector<std::string> paths;
    for (const QString &name : folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        if (name.startsWith(prefix)) {
            paths.push_back(folder.absoluteFilePath(name).toStdString());
        }
    }
    return paths;
}

bool XACrashReporter::trashCrashLogFiles() {
    bool allMoved = true;
    for (const std::string &path : crashLogFilePaths()) {
        if (!moveToTrash(path)) {
            XALog(XALogLevelError, "Error: could not trash " + path);
            allMoved = false;
        }
    }
    return allMoved;
}

void XACrashReporter::offerToSendSystemCrashReportsIfAny() {
    const std::vector<std::string> paths = crashLogFilePaths();
    if (paths.empty()) {
        return;
    }
    if (!XABackendClient::sharedClient()) {
        XALog(XALogLevelDebug, "Crash reports found, but no backend is configured to send them to.");
        return;
    }
    switch (xa_crashReportPolicy(XAUserDefaults::standard())) {
    case kPolicyNever:
        return;
    case kPolicyAlways:
        sendSystemCrashReports(paths);
        return;
    default:
        askAboutSystemCrashReports(paths);
    }
}

void XACrashReporter::askAboutSystemCrashReports(const std::vector<std::string> &paths) {
    XAAlert alert = xa_alertWithTitle(
        QStringLiteral("Send Crash Reports?"),
        QStringLiteral("We found some crash reports. Do you want to send them to the developer of this application, so "
                       "that they can investigate the issue?\n\nYou can change this option later in the preferences."),
        XAAlertStyle::Informational, {QStringLiteral("Send"), QStringLiteral("Don't send"), QStringLiteral("Delete")});
    alert.suppressionButtonTitle = QStringLiteral("Remember my choice");
    alert.accessoryCheckBoxTitle = QStringLiteral("Send my contact info with crash reports");
    alert.accessoryCheckBoxChecked = xa_sendContactInfoInCrashReports(XAUserDefaults::standard());
    XAAlertPresenter::shared().present(alert, nullptr, [paths](const XAAlert &answered, int response) {
        const int button = response - XAAlertFirstButtonReturn;
        XAUserDefaults &defaults = XAUserDefaults::standard();
        if (answered.suppressionButtonChecked) {
            xa_setCrashReportPolicy(defaults, button == 0 ? kPolicyAlways : kPolicyNever);
        }
        xa_setSendContactInfoInCrashReports(defaults, answered.accessoryCheckBoxChecked);
        if (button == 0) {
            sendSystemCrashReports(paths);
        } else if (button == 2) {
            confirmTrashing();
        }
    });
}

void XACrashReporter::confirmTrashing() {
    const XAAlert alert =
        xa_alertWithTitle(QStringLiteral("Move Crash Reports to Trash?"),
                          QStringLiteral("Are you sure you want to move the crash reports into the trash?"),
                          XAAlertStyle::Warning, {QStringLiteral("Trash"), QStringLiteral("Don't Trash")});
    XAAlertPresenter::shared().present(alert, nullptr, [](const XAAlert &, int response) {
        if (response != XAAlertFirstButtonReturn) {
            offerToSendCrashReportsIfAny();
            return;
        }
        if (!trashCrashLogFiles()) {
            const std::string remaining = xa_componentsJoinedByString(crashLogFilePaths(), ", ");
            xa_showOKTitle(QStringLiteral("Error"),
                           QStringLiteral("We could not move the crash report files to the trash: %1")
                               .arg(QString::fromStdString(remaining)));
        }
    });
}

void XACrashReporter::sendSystemCrashReports(const std::vector<std::string> &paths) {
    // The groups go out at once, each on its own; each group is trashed when the backend has taken it.
    for (const std::vector<std::string> &group : groupsOf(paths, reportsPerRequest)) {
        std::vector<std::string> texts;
        for (const std::string &path : group) {
            texts.push_back(readReport(path).value_or(unreadableReportText));
        }
        sendCrashLogs(
            texts,
            [group] {
                bool allMoved = true;
                for (const std::string &path : group) {
                    allMoved = moveToTrash(path) && allMoved;
                }
                if (!allMoved) {
                    XALog(XALogLevelError, "Error trashing sent crash log files. Tag: %li", -1L);
                }
            },
            [](const XAError &error) {
                XALog(XALogLevelError, "Error sending crash logs: " + error.message);
                showError(error);
            });
    }
}

void XACrashReporter::sendCrashLogs(const std::vector<std::string> &texts, std::function<void()> success,
                                    std::function<void(const XAError &error)> failure) {
    const std::shared_ptr<XABackendClient> client = XABackendClient::sharedClient();
    if (!client) {
        if (failure) {
            failure(XAError("No backend is configured for crash reports."));
        }
        return;
    }
    XALog(XALogLevelDebug, "Sending %lu crash reports…", static_cast<unsigned long>(texts.size()));
    client->sendCrashLogs(
        texts, xa_sendContactInfoInCrashReports(XAUserDefaults::standard()),
        [success](const XAHTTPResponse &response) {
            XALog(XALogLevelDebug, "Crash reports sent to: " + response.url);
            if (success) {
                success();
            }
        },
        [failure](const XAHTTPResponse &response, const XAError &error) {
            XALog(XALogLevelDebug, "Response:\n" + response.body);
            if (failure) {
                failure(error);
            }
        });
}
