#include "app/config/XAPreferencesPanes.h"

#include "app/controls/XAUserDefaultPopUp.h"
#include "app/integrations/XADesktopDevEnvironment.h"
#include "app/integrations/XAIntegrationSettings.h"
#include "app/integrations/XAUpdater.h"
#include "app/shell/XANotificationCenter.h"
#include "core/XAUserDefaults.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QStringList toQStringList(const std::vector<std::string> &strings) {
    QStringList list;
    for (const std::string &string : strings) {
        list << QString::fromStdString(string);
    }
    return list;
}

template <typename App> QStringList bundleIdentifiers(const std::vector<std::shared_ptr<App>> &apps) {
    QStringList identifiers;
    for (const std::shared_ptr<App> &app : apps) {
        identifiers << QString::fromStdString(app->bundleId());
    }
    return identifiers;
}

// Shows the app that is in use, which is the stored choice or, without one, the app chosen from what is installed.
void selectAppInUse(QComboBox *popUp, const std::shared_ptr<XAExternalApp> &app) {
    const int index = app ? popUp->findData(QString::fromStdString(app->bundleId())) : -1;
    if (index >= 0) {
        popUp->setCurrentIndex(index);
    }
}

QColor disabledTextColor() { return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText); }

// Dresses item i with app i: its icon at 16 × 16 and its name, greyed when the app is not installed.
template <typename App> XAPopUpItemModifier itemModifierFor(const std::vector<std::shared_ptr<App>> &apps) {
    return [apps](QComboBox *popUp, int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= apps.size()) {
            return;
        }
        const XAExternalApp &app = *apps[static_cast<std::size_t>(index)];
        popUp->setItemText(index, QString::fromStdString(app.name()));
        const QImage icon = app.appIcon();
        if (!icon.isNull()) {
            popUp->setItemIcon(index,
                               QPixmap::fromImage(icon.scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
        popUp->setItemData(
            index, app.isInstalled() ? QApplication::palette().color(QPalette::WindowText) : disabledTextColor(),
            Qt::ForegroundRole);
    };
}

QComboBox *newPopUp(QWidget *parent) {
    auto *popUp = new QComboBox(parent);
    popUp->setMinimumWidth(220);
    return popUp;
}

} // namespace

// ---- General ----

QIcon XAGeneralPrefsViewController::toolbarItemImage() const {
    return QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView);
}

QWidget *XAGeneralPrefsViewController::loadView() {
    auto *view = new QWidget;
    crashReportPolicyPopupButton_ = newPopUp(view);
    auto *layout = new QFormLayout(view);
    layout->addRow(QStringLiteral("Crash reports:"), crashReportPolicyPopupButton_);
    return view;
}

void XAGeneralPrefsViewController::viewWillAppear() {
    QList<std::optional<QString>> titles;
    for (const QString &title : toQStringList(xa_crashReportPolicyDisplayNames())) {
        titles << title;
    }
    xa_bindToUserDefault(crashReportPolicyPopupButton(), QStringLiteral("CrashReportingPolicy"),
                         toQStringList(xa_crashReportPolicyValues()), titles, {}, nullptr);
}

// ---- Integrations ----

QIcon XAIntegrationsViewController::toolbarItemImage() const {
    return QApplication::style()->standardIcon(QStyle::SP_DesktopIcon);
}

QWidget *XAIntegrationsViewController::loadView() {
    auto *view = new QWidget;
    codeEditorPopupButton_ = newPopUp(view);
    codeEditorInfoField_ = new QLabel(view);
    codeEditorInfoField_->setWordWrap(true);
    docsBrowserPopupButton_ = newPopUp(view);
    XAUserDefaults &defaults = XAUserDefaults::standard();
    projectCommandField_ = newSettingField(view, [&defaults](const std::string &text) {
        xa_setXcodeProjectCommand(defaults, XACommandTemplateFromText(text));
    });
    fileCommandField_ = newSettingField(view, [&defaults](const std::string &text) {
        xa_setXcodeFileCommand(defaults, XACommandTemplateFromText(text));
    });
    customEditorCommandField_ = newSettingField(view, [this, &defaults](const std::string &text) {
        xa_setCustomCodeEditorCommand(defaults, XACommandTemplateFromText(text));
        setUpCodeEditorSelectionUI(); // the user's own editor comes or goes
    });
    docsSearchAddressField_ = newSettingField(view, [&defaults](const std::string &text) {
        xa_setDocsWebSearchAddress(defaults, text.empty() ? std::nullopt : std::optional(text));
    });
    customEditorCommandField_->setPlaceholderText(QStringLiteral("myeditor --line {line} --column {column} {file}"));
    auto *layout = new QFormLayout(view);
    layout->addRow(QStringLiteral("Code editor:"), codeEditorPopupButton_);
    layout->addRow(QString(), codeEditorInfoField_);
    layout->addRow(QStringLiteral("Custom editor command:"), customEditorCommandField_);
    layout->addRow(QStringLiteral("Documentation browser:"), docsBrowserPopupButton_);
    layout->addRow(QStringLiteral("Documentation search address:"), docsSearchAddressField_);
    layout->addRow(QStringLiteral("Open projects with:"), projectCommandField_);
    layout->addRow(QStringLiteral("Open files in Xcode with:"), fileCommandField_);
    auto *help = new QLabel(QStringLiteral("Commands run without a shell. {project} is the .xcodeproj, {projectFolder} "
                                           "its folder, {file}, {line} and {column} the place to open; %@ in the "
                                           "address is the search term."),
                            view);
    help->setWordWrap(true);
    QFont small = help->font();
    small.setPointSize(std::max(small.pointSize() - 1, 8));
    help->setFont(small);
    layout->addRow(QString(), help);
    return view;
}

QLineEdit *XAIntegrationsViewController::newSettingField(QWidget *parent,
                                                         std::function<void(const std::string &text)> store) {
    auto *field = new QLineEdit(parent);
    field->setMinimumWidth(320);
    field->setClearButtonEnabled(true);
    QObject::connect(field, &QLineEdit::editingFinished, this, [this, field, store = std::move(store)] {
        if (!field->isModified()) {
            return;
        }
        field->setModified(false);
        store(field->text().trimmed().toStdString());
        setUpCommandFields();
    });
    return field;
}

void XAIntegrationsViewController::viewWillAppear() {
    setUpCodeEditorSelectionUI();
    setUpDocsBrowserSelectionUI();
    setUpCommandFields();
}

void XAIntegrationsViewController::setUpCommandFields() {
    const XAUserDefaults &defaults = XAUserDefaults::standard();
    auto show = [](QLineEdit *field, const std::optional<std::string> &stored, const QString &placeholder) {
        field->setText(QString::fromStdString(stored.value_or("")));
        field->setModified(false);
        field->setPlaceholderText(placeholder);
    };
    const std::optional<XACommandTemplate> storedProject = xa_xcodeProjectCommand(defaults);
    const std::optional<XACommandTemplate> defaultProject =
        storedProject ? std::nullopt : XADesktopDevEnvironment::shared().projectCommand();
    show(projectCommandField(), storedProject ? std::optional(XACommandTemplateText(*storedProject)) : std::nullopt,
         defaultProject ? QString::fromStdString(XACommandTemplateText(*defaultProject))
                        : QStringLiteral("No IDE or editor that opens a folder is installed"));
    const XACommandTemplate fileCommand = xa_xcodeFileCommand(defaults);
    show(fileCommandField(),
         fileCommand == XADefaultXcodeFileCommand() ? std::nullopt : std::optional(XACommandTemplateText(fileCommand)),
         QString::fromStdString(XACommandTemplateText(XADefaultXcodeFileCommand())));
    const std::optional<XACommandTemplate> custom = xa_customCodeEditorCommand(defaults);
    show(customEditorCommandField(), custom ? std::optional(XACommandTemplateText(*custom)) : std::nullopt,
         customEditorCommandField()->placeholderText());
    const std::string address = xa_docsWebSearchAddress(defaults);
    show(docsSearchAddressField(), address == XADefaultDocsWebSearchAddress() ? std::nullopt : std::optional(address),
         QString::fromStdString(XADefaultDocsWebSearchAddress()));
}

void XAIntegrationsViewController::setUpCodeEditorSelectionUI() {
    editors_ = XADesktopDevEnvironment::shared().supportedEditors();
    xa_bindToUserDefault(codeEditorPopupButton(), QStringLiteral("codeEditorBundleId"), bundleIdentifiers(editors_),
                         itemModifierFor(editors_), [this] { updateCodeEditorInfoField(); });
    selectAppInUse(codeEditorPopupButton(), XADesktopDevEnvironment::shared().selectedEditor());
    updateCodeEditorInfoField();
}

void XAIntegrationsViewController::setUpDocsBrowserSelectionUI() {
    const std::vector<std::shared_ptr<XADocsBrowserApp>> browsers =
        XADesktopDevEnvironment::shared().supportedDocsBrowsers();
    xa_bindToUserDefault(docsBrowserPopupButton(), QStringLiteral("docsBrowserBundleId"), bundleIdentifiers(browsers),
                         itemModifierFor(browsers), nullptr);
    selectAppInUse(docsBrowserPopupButton(), XADesktopDevEnvironment::shared().selectedDocsBrowser());
}

void XAIntegrationsViewController::updateCodeEditorInfoField() {
    QLabel *field = codeEditorInfoField();
    const int index = codeEditorPopupButton()->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= editors_.size()) {
        field->clear();
        return;
    }
    const XACodeEditorApp &editor = *editors_[static_cast<std::size_t>(index)];
    QPalette palette = field->palette();
    QFont font = QApplication::font(field);
    if (editor.isInstalled()) {
        field->setText(editor.infoText());
        palette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    } else {
        field->setText(QStringLiteral("%1 doesn't seem to be installed.").arg(QString::fromStdString(editor.name())));
        palette.setColor(QPalette::WindowText, disabledTextColor());
        font.setPointSize(11);
    }
    field->setPalette(palette);
    field->setFont(font);
}

// ---- Updates ----

XASparklePrefsViewController::~XASparklePrefsViewController() { viewDidDisappear(); }

QIcon XASparklePrefsViewController::toolbarItemImage() const {
    return QApplication::style()->standardIcon(QStyle::SP_BrowserReload);
}

QWidget *XASparklePrefsViewController::loadView() {
    auto *view = new QWidget;
    lastCheckedTextField_ = new QLabel(view);
    auto *checkNow = new QPushButton(QStringLiteral("Check Now"), view);
    QObject::connect(checkNow, &QPushButton::clicked, this,
                     [] { XAUpdater::sharedUpdater().checkForUpdates(nullptr); });
    auto *layout = new QVBoxLayout(view);
    layout->addWidget(lastCheckedTextField_);
    layout->addWidget(checkNow, 0, Qt::AlignLeft);
    return view;
}

void XASparklePrefsViewController::viewWillAppear() {
    if (!updateObservation_) {
        updateObservation_ = XANotificationCenter::defaultCenter().addObserver(
            XAUpdateDriverFinishedNotificationName, nullptr,
            [this](const XANotification &) { sparkleDidFinishUpdating(); });
    }
    updateLastCheckedLabel();
}

void XASparklePrefsViewController::viewDidDisappear() {
    if (updateObservation_) {
        XANotificationCenter::defaultCenter().removeObserver(updateObservation_);
        updateObservation_ = 0;
    }
}

void XASparklePrefsViewController::sparkleDidFinishUpdating() { updateLastCheckedLabel(); }

void XASparklePrefsViewController::updateLastCheckedLabel() {
    const auto date = XAUpdater::sharedUpdater().lastUpdateCheckDate();
    QString text = QStringLiteral("Never");
    if (date) {
        const auto milliseconds =
            std::chrono::duration_cast<std::chrono::milliseconds>(date->time_since_epoch()).count();
        text = QLocale().toString(QDateTime::fromMSecsSinceEpoch(milliseconds), QLocale::ShortFormat);
    }
    lastCheckedTextField()->setText(QStringLiteral("Last checked: %1").arg(text));
}
