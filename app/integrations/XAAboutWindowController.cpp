#include "app/integrations/XAAboutWindowController.h"

#include "app/integrations/XAURLOpener.h"
#include "app/shell/XAWindow.h"
#include "codemodel/XAClangVersion.h"
#include "codemodel/XALibclangLoader.h"
#include "core/XAAppVersion.h"
#include "core/XAString.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <random>

namespace {

constexpr int kChromeHeight = 110;

QString bundleName() { return QString::fromUtf8(XAApplicationName); }

QLabel *newLabel(QWidget *parent, int pointSizeDelta = 0, bool bold = false) {
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + pointSizeDelta);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QToolButton *newRowButton(QWidget *parent, const QString &toolTip) {
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setToolTip(toolTip);
    button->setStyleSheet(QStringLiteral("QToolButton { background: white; border: none; }"));
    return button;
}

} // namespace

std::vector<XAAcknowledgement> XAAboutWindowController::acknowledgements() {
    return {
        {"Clang/LLVM", "Clang/LLVM contributors", "https://llvm.org", "Licenses/LLVM.license.txt",
         "Clang/LLVM License"},
        {"Qt", "The Qt Company", "https://www.qt.io", "Licenses/Qt.license.txt", std::nullopt},
        {"libgit2", "libgit2 contributors", "https://libgit2.org", "Licenses/libgit2.license.txt", std::nullopt},
        {"ICU", "Unicode, Inc.", "https://icu.unicode.org", "Licenses/ICU.license.txt", std::nullopt},
        {"md4c", "Martin Mitáš", "https://github.com/mity/md4c", "Licenses/md4c.license.txt", std::nullopt},
        {"pugixml", "Arseny Kapoulkine", "https://pugixml.org", "Licenses/pugixml.license.txt", std::nullopt},
        {"libplist", "libimobiledevice", "https://libimobiledevice.org", "Licenses/libplist.license.txt", std::nullopt},
        {"JSON for Modern C++", "Niels Lohmann", "https://json.nlohmann.me", "Licenses/nlohmann-json.license.txt",
         std::nullopt},
        {"oneTBB", "Intel Corporation", "https://github.com/oneapi-src/oneTBB", "Licenses/oneTBB.license.txt",
         std::nullopt},
        {"Hunspell", "László Németh", "https://hunspell.github.io", "Licenses/Hunspell.license.txt", std::nullopt},
        {"Mustache", "Kevin Wojniak", "https://github.com/kainjow/Mustache", "Licenses/Mustache.license.txt",
         std::nullopt},
        {"curl", "Daniel Stenberg", "https://curl.se", "Licenses/curl.license.txt", std::nullopt},
        {"OpenSSL", "The OpenSSL Project", "https://www.openssl.org", "Licenses/OpenSSL.license.txt", std::nullopt},
        {"stb", "Sean Barrett", "https://github.com/nothings/stb", "Licenses/stb.license.txt", std::nullopt},
        {"Dancing Script font", "Pablo Impallari", "https://github.com/impallari/DancingScript", std::nullopt,
         std::nullopt},
        {"DejaVu fonts", "DejaVu fonts team", "https://dejavu-fonts.github.io", "Licenses/DejaVu.fonts.license.txt",
         std::nullopt},
    };
}

void XAAboutWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    window()->setWindowTitle(QStringLiteral("About %1").arg(bundleName()));
    auto *content = new QWidget(window());
    appNameField_ = newLabel(content, 8, true);
    appNameField_->setText(bundleName());
    appVersionField_ = newLabel(content);
    appVersionField_->setText(QStringLiteral("Version %1").arg(QString::fromStdString(xa_versionForPresentation())));
    clangVersionField_ = newLabel(content, -2);
    // Without a loaded libclang (its loading failed at start) there is no version to show.
    const std::optional<std::string> clangVersion = XALibclangHandle() ? XAClangVersionString() : std::nullopt;
    clangVersionField_->setText(QString::fromStdString(clangVersion.value_or("")));
    copyrightField_ = newLabel(content, -2);
    const XAValue *copyright = xa_appVersionDict() ? xa_appVersionDict()->get("copyright") : nullptr;
    copyrightField_->setText(copyright && copyright->string() ? QString::fromStdString(*copyright->string())
                                                              : QString());
    tableHeaderField_ = newLabel(content, 0, true);
    tableHeaderField_->setText(QStringLiteral("%1 ❤ (in random order)").arg(bundleName()));
    tableView_ = new QTableWidget(content);
    tableView_->setColumnCount(3);
    tableView_->horizontalHeader()->hide();
    tableView_->verticalHeader()->hide();
    tableView_->verticalHeader()->setDefaultSectionSize(rowHeight);
    tableView_->verticalHeader()->setMinimumSectionSize(rowHeight);
    tableView_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tableView_->setColumnWidth(1, 24);
    tableView_->setColumnWidth(2, 24);
    tableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView_->setSelectionMode(QAbstractItemView::NoSelection);
    tableView_->setShowGrid(false);
    tableView_->setFrameShape(QFrame::NoFrame);
    websiteLinkButton_ = new QPushButton(QString::fromUtf8(XAVendorWebsiteAddress), content);
    websiteLinkButton_->setFlat(true);
    websiteLinkButton_->setToolTip(QString::fromUtf8(XAVendorWebsiteAddress));
    QObject::connect(websiteLinkButton_, &QPushButton::clicked, this, [this] { websiteLinkButtonPressed(); });

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(0);
    auto *header = new QHBoxLayout;
    auto *names = new QVBoxLayout;
    names->addWidget(appNameField_);
    names->addWidget(appVersionField_);
    auto *details = new QVBoxLayout;
    details->addWidget(clangVersionField_, 0, Qt::AlignRight);
    details->addWidget(copyrightField_, 0, Qt::AlignRight);
    header->addLayout(names);
    header->addStretch();
    header->addLayout(details);
    layout->addLayout(header);
    layout->addWidget(tableHeaderField_);
    layout->addWidget(tableView_, 1);
    layout->addWidget(websiteLinkButton_, 0, Qt::AlignHCenter);
    window()->setContentView(content);
    setTableViewRows(acknowledgements());
}

void XAAboutWindowController::setTableViewRows(std::vector<XAAcknowledgement> rows) {
    window();
    tableViewRows_ = std::move(rows);
    reloadTable();
    // The table shows every row: its height follows the number of rows.
    const int height = static_cast<int>(tableViewRows_.size()) * rowHeight + kChromeHeight;
    window()->setFixedSize(std::max(window()->width(), 480), height);
}

void XAAboutWindowController::showWindow(const void *sender) {
    window();
    std::vector<XAAcknowledgement> shuffled = tableViewRows_;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(std::random_device()()));
    setTableViewRows(std::move(shuffled));
    XAWindowController::showWindow(sender);
}

void XAAboutWindowController::reloadTable() {
    tableView_->clearContents();
    tableView_->setRowCount(static_cast<int>(tableViewRows_.size()));
    for (int row = 0; row < tableView_->rowCount(); ++row) {
        const XAAcknowledgement &acknowledgement = tableViewRows_[static_cast<std::size_t>(row)];
        auto *text = new QLabel(tableView_);
        text->setTextFormat(Qt::RichText);
        text->setText(acknowledgement.name.toHtmlEscaped() +
                      (acknowledgement.author.isEmpty()
                           ? QString()
                           : QStringLiteral(" <span style=\"font-size:10pt; color:grey\">/ %1</span>")
                                 .arg(acknowledgement.author.toHtmlEscaped())));
        tableView_->setCellWidget(row, 0, text);
        QToolButton *info = newRowButton(tableView_, QStringLiteral("Show license"));
        info->setText(QStringLiteral("?"));
        QFont bold = info->font();
        bold.setBold(true);
        bold.setPointSize(12);
        info->setFont(bold);
        QObject::connect(info, &QToolButton::clicked, this, [this, row] { infoButtonPressed(row); });
        tableView_->setCellWidget(row, 1, info);
        QToolButton *navi = newRowButton(tableView_, QUrl(acknowledgement.link).toString());
        navi->setIcon(QApplication::style()->standardIcon(QStyle::SP_ArrowForward));
        QObject::connect(navi, &QToolButton::clicked, this, [this, row] { naviButtonPressed(row); });
        tableView_->setCellWidget(row, 2, navi);
    }
}

void XAAboutWindowController::naviButtonPressed(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < tableViewRows_.size() &&
        !tableViewRows_[static_cast<std::size_t>(row)].link.isEmpty()) {
        XAURLOpener::shared().openURL(QUrl(tableViewRows_[static_cast<std::size_t>(row)].link));
    }
}

void XAAboutWindowController::websiteLinkButtonPressed() {
    XAURLOpener::shared().openURL(QUrl(QString::fromUtf8(XAVendorWebsiteAddress)));
}

void XAAboutWindowController::infoButtonPressed(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= tableViewRows_.size()) {
        return;
    }
    const XAAcknowledgement &acknowledgement = tableViewRows_[static_cast<std::size_t>(row)];
    const QString path = acknowledgement.licenseFile.value_or(QStringLiteral("Licenses/%1.license.txt")
                                                                  .arg(acknowledgement.name)
                                                                  .replace(QLatin1Char(' '), QLatin1Char('.')));
    const QString title = acknowledgement.licenseFileTitle.value_or(
        QString::fromStdString(xa_titleCase(QStringLiteral("%1 license").arg(acknowledgement.name).toStdString())));
    licenseQLDataSource_ = XAResourceFileQLDataSource::dataSourceForResourceFile(path, title);
    showLicensePreview();
}

void XAAboutWindowController::showLicensePreview() {
    if (!licensePreview_) {
        licensePreview_ = new QDialog(window());
        licensePreviewText_ = new QPlainTextEdit(licensePreview_);
        licensePreviewText_->setReadOnly(true);
        licensePreviewText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        auto *layout = new QVBoxLayout(licensePreview_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(licensePreviewText_);
        licensePreview_->resize(560, 520);
    }
    licensePreview_->setWindowTitle(licenseQLDataSource_->title());
    licensePreviewText_->setPlainText(licenseQLDataSource_->previewText());
    licensePreview_->show();
    licensePreview_->raise();
}
