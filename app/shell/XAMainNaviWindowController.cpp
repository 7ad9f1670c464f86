#include "app/shell/XAMainNaviWindowController.h"

#include "app/controls/XAAlerts.h"
#include "app/controls/XAQtConversions.h"
#include "app/controls/XATableView.h"
#include "app/controls/XATextFieldCell.h"
#include "app/controls/XAViewExtensions.h"
#include "app/integrations/XAFileRevealer.h"
#include "app/integrations/XAIcons.h"
#include "app/integrations/XAXcodeProjects.h"
#include "app/shell/XAAppDelegate.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XAGUIState.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAProjectList.h"
#include "app/shell/XAProjectsTableModel.h"
#include "app/shell/XAWindow.h"
#include "core/XAAppVersion.h"
#include "core/XAMessageQueue.h"
#include "core/XAPaths.h"

#include <QFontDatabase>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <filesystem>
#include <memory>

namespace {

// Only one list load runs at a time, whichever start window asked.
bool gProjectListLoadInProgress = false;

constexpr double kHeaderRowHeight = 20;
constexpr double kProjectRowHeight = 27;

// The patterned background box, with a soft shadow.
class XAPatternBox : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), QBrush(XAMainBackgroundPatternTile()));
    }
};

QFont applicationNameFont() {
    const QStringList families = QFontDatabase::families();
    const QString family =
        families.contains(QStringLiteral("Pacifico")) ? QStringLiteral("Pacifico") : QStringLiteral("Dancing Script");
    QFont font(family);
    font.setPointSizeF(45);
    return font;
}

std::string copyrightText() {
    const std::optional<XADictionary> &record = xa_appVersionDict();
    const XAValue *copyright = record ? record->get("copyright") : nullptr;
    return copyright && copyright->string() ? *copyright->string() : std::string();
}

} // namespace

XAMainNaviWindowController::XAMainNaviWindowController(XAProjectList *recentProjects)
    : recentProjects_(recentProjects ? recentProjects : &XAProjectList::recentProjectsList()) {}

XAMainNaviWindowController::~XAMainNaviWindowController() = default;

bool XAMainNaviWindowController::isProjectListLoadInProgress() { return gProjectListLoadInProgress; }

void XAMainNaviWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    QWidget *content = window()->contentView();
    decorateWindow(content);
    model_ = new XAProjectsTableModel(this, this);
    recentProjectsTable_->setModel(model_);
    recentProjectsTable_->setItemDelegate(new XARichTextItemDelegate(recentProjectsTable_));
    auto *nameCell = new XATextFieldCell(recentProjectsTable_);
    nameCell->setXa_centerVertically(true);
    recentProjectsTable_->setItemDelegateForColumn(1, nameCell);
    recentProjectsTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    recentProjectsTable_->horizontalHeader()->resizeSection(0, 36);
    recentProjectsTable_->horizontalHeader()->setStretchLastSection(true);
    connect(recentProjectsTable_, &QTableView::doubleClicked, this, [this] { recentProjectsDoubleClicked(); });
    recentProjectsTable_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(recentProjectsTable_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &position) { showContextMenu(position); });
    showLoadingUIWithMessage(QString(), std::nullopt);
}

void XAMainNaviWindowController::decorateWindow(QWidget *content) {
    window()->setWindowTitle(QString::fromUtf8(XAApplicationName));
    window()->resize(720, 460);
    auto *layout = new QHBoxLayout(content);
    backgroundBox_ = new XAPatternBox(content);
    auto *shadow = new QGraphicsDropShadowEffect(backgroundBox_);
    shadow->setBlurRadius(5.0);
    shadow->setColor(Qt::gray);
    shadow->setOffset(0, -1);
    backgroundBox_->setGraphicsEffect(shadow);
    auto *boxLayout = new QVBoxLayout(backgroundBox_);
    appNameLabel_ = new QLabel(backgroundBox_);
    appNameLabel_->setFont(applicationNameFont());
    appNameLabel_->setAlignment(Qt::AlignCenter);
    xa_setTitle(appNameLabel_, QString::fromUtf8(XAApplicationName), XAQColor(XAColor::white(0.2)),
                XAQColor(XAColor::white(0.8)));
    appVersionLabel_ = new QLabel(QStringLiteral("Version %1").arg(QString::fromStdString(xa_versionForPresentation())),
                                  backgroundBox_);
    copyrightLabel_ = new QLabel(QString::fromStdString(copyrightText()), backgroundBox_);
    for (QLabel *label : {appVersionLabel_.data(), copyrightLabel_.data()}) {
        label->setAlignment(Qt::AlignCenter);
    }
    auto *openButton = new QPushButton(QStringLiteral("Open Project…"), backgroundBox_);
    connect(openButton, &QPushButton::clicked, this, [this] { openProjectPressed(); });
    boxLayout->addStretch();
    boxLayout->addWidget(appNameLabel_);
    boxLayout->addWidget(appVersionLabel_);
    boxLayout->addWidget(copyrightLabel_);
    boxLayout->addStretch();
    boxLayout->addWidget(openButton, 0, Qt::AlignHCenter);
    layout->addWidget(backgroundBox_, 1);

    auto *listColumn = new QVBoxLayout;
    recentProjectsTitleField_ = new QLabel(content);
    auto *table = new XATableView(content);
    table->setGroupRowPredicate([this](int row) { return isGroupRow(row); });
    recentProjectsTable_ = table;
    recentProjectsTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    recentProjectsTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    recentProjectsTable_->setShowGrid(false);
    recentProjectsTable_->horizontalHeader()->hide();
    recentProjectsTable_->verticalHeader()->hide();
    recentProjectsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    recentProjectsTable_->setMinimumWidth(320);
    listColumn->addWidget(recentProjectsTitleField_);
    listColumn->addWidget(recentProjectsTable_, 1);
    layout->addLayout(listColumn, 1);
    window()->setInitialFirstResponder(recentProjectsTable_);
}

// ---- Initialisation ----

void XAMainNaviWindowController::initializeAppWithCallback(std::function<void()> callback) {
    showLoadingUIWithMessage(QStringLiteral("Initializing…"), std::nullopt);
    QPointer<XAMainNaviWindowController> self(this);
    XADispatchToGlobal([self, callback = std::move(callback)] {
        auto queue = std::make_shared<XAMessageQueue>();
        XAGUIState::sharedGUIState().initializeGUIStateWithProgress(queue->progressHandler());
        XADispatchToMain([self, queue, callback] {
            if (!queue->errorProgressMessages().empty()) {
                xa_showInWindow(nullptr, QStringLiteral("Error initializing application"),
                                QString::fromStdString(queue->formattedErrorMessages()), XAAlertStyle::Warning,
                                {QStringLiteral("OK")}, nullptr);
                XAApplicationTerminate();
            }
            if (callback) {
                callback();
            }
            if (self) {
                self->hideLoadingUI();
            }
        });
    });
}

// ---- Loading the lists ----

void XAMainNaviWindowController::showWindow(const void *sender) {
    XAWindowController::showWindow(sender);
    loadProjectReferencesAndUpdateTable();
}

void XAMainNaviWindowController::showListLoadState(bool recentLoaded, bool xcodeAnswered) {
    if (!recentLoaded) {
        xa_addPlaceholderLabelWithText(recentProjectsTable_, QStringLiteral("Loading recent projects…"));
    } else if (!xcodeAnswered) {
        xa_addPlaceholderLabelWithText(recentProjectsTable_, QStringLiteral("Loading projects open in Xcode…"));
    } else {
        updateProjectsTable();
        gProjectListLoadInProgress = false;
    }
}

void XAMainNaviWindowController::loadProjectReferencesAndUpdateTable() {
    if (gProjectListLoadInProgress) {
        return;
    }
    gProjectListLoadInProgress = true;
    window();
    recentProjectsTitleField_->setText(QString());
    // Both parts complete exactly once on every path, so the in-progress mark is always cleared.
    struct Marks {
        bool recentLoaded = false;
        bool xcodeAnswered = false;
    };
    auto marks = std::make_shared<Marks>();
    QPointer<XAMainNaviWindowController> self(this);
    showListLoadState(false, false);
    recentProjects_->loadFromDiskForced(false, [self, marks] {
        marks->recentLoaded = true;
        if (self) {
            self->showListLoadState(marks->recentLoaded, marks->xcodeAnswered);
        } else {
            gProjectListLoadInProgress = false;
        }
    });
    XAXcodeProjectsQuery::shared().getPathsOfProjectsCurrentlyOpenInXcodeWithHandler(
        [self, marks](const std::optional<std::vector<std::string>> &paths) {
            XADispatchToMain([self, marks, paths] {
                marks->xcodeAnswered = true;
                if (self) {
                    self->receiveOpenProjectPaths(paths);
                    self->showListLoadState(marks->recentLoaded, marks->xcodeAnswered);
                } else if (marks->recentLoaded) {
                    gProjectListLoadInProgress = false;
                }
            });
        });
}

void XAMainNaviWindowController::receiveOpenProjectPaths(const std::optional<std::vector<std::string>> &paths) {
    projectRefsForCurrentlyOpenProjectsInXcode_.clear();
    for (const std::string &path : paths.value_or(std::vector<std::string>())) {
        projectRefsForCurrentlyOpenProjectsInXcode_.emplace_back(path, XAProjectFileTypeIcon());
    }
}

void XAMainNaviWindowController::updateProjectsTable() {
    projectsListRows_.clear();
    if (!projectRefsForCurrentlyOpenProjectsInXcode_.empty()) {
        projectsListRows_.emplace_back(QStringLiteral("Projects open in Xcode"));
        for (const XAProjectReference &reference : projectRefsForCurrentlyOpenProjectsInXcode_) {
            projectsListRows_.emplace_back(reference);
        }
    }
    projectsListRows_.emplace_back(QStringLiteral("Recent projects"));
    for (const XAProjectReference &reference : recentProjects_->projectReferences()) {
        projectsListRows_.emplace_back(reference);
    }
    window();
    model_->reload();
    recentProjectsTable_->clearSpans();
    for (int row = 0; row < numberOfRows(); ++row) {
        recentProjectsTable_->setRowHeight(row, static_cast<int>(heightOfRow(row)));
        if (isGroupRow(row)) {
            recentProjectsTable_->setSpan(row, 0, 1, 2); // headers span the icon column too
        }
    }
    recentProjectsTitleField_->setText(QStringLiteral("Recent projects:"));
    xa_clearPlaceholderLabel(recentProjectsTable_);
}

// ---- Rows ----

const XAProjectReference *XAMainNaviWindowController::projectReferenceForRow(long row) const {
    if (row < 0 || row >= numberOfRows()) {
        return nullptr;
    }
    return std::get_if<XAProjectReference>(&projectsListRows_[static_cast<std::size_t>(row)]);
}

bool XAMainNaviWindowController::rowIsInXcodeProjectsSection(long row) const {
    const auto openCount = static_cast<long>(projectRefsForCurrentlyOpenProjectsInXcode_.size());
    if (row < 0 || openCount == 0) {
        return false;
    }
    if (isGroupRow(row)) {
        return row == 0;
    }
    return row <= openCount;
}

bool XAMainNaviWindowController::isGroupRow(long row) const {
    return row >= 0 && row < numberOfRows() &&
           std::holds_alternative<QString>(projectsListRows_[static_cast<std::size_t>(row)]);
}

double XAMainNaviWindowController::heightOfRow(long row) const {
    return isGroupRow(row) ? kHeaderRowHeight : kProjectRowHeight;
}

QString XAMainNaviWindowController::toolTipForRow(long row) const {
    const XAProjectReference *reference = projectReferenceForRow(row);
    return reference ? QString::fromStdString(reference->pathOnDisk()) : QString();
}

bool XAMainNaviWindowController::projectExists(const XAProjectReference &reference) const {
    std::error_code error;
    return !reference.pathOnDisk().empty() && std::filesystem::exists(reference.pathOnDisk(), error);
}

XAAttributedString XAMainNaviWindowController::projectNameText(long row) const {
    const XAProjectReference *reference = projectReferenceForRow(row);
    if (!reference) {
        return {};
    }
    const XAFont font = XAFont::systemFont(16);
    XAAttributedString text =
        xa_string(reference->name(), font, projectExists(*reference) ? XAColor::blackColor() : XAColor::grayColor());
    // Other projects of the same name: a suffix that tells this one apart.
    const std::string ownPath = xa_stringByStandardizingPath(reference->pathOnDisk());
    std::vector<std::string> otherPaths;
    bool sameNameElsewhere = false;
    for (long other = 0; other < numberOfRows(); ++other) {
        const XAProjectReference *otherReference = projectReferenceForRow(other);
        if (!otherReference || other == row) {
            continue;
        }
        const std::string otherPath = xa_stringByStandardizingPath(otherReference->pathOnDisk());
        if (otherPath == ownPath) {
            continue;
        }
        sameNameElsewhere = sameNameElsewhere || otherReference->name() == reference->name();
        otherPaths.push_back(otherPath);
    }
    if (sameNameElsewhere) {
        const std::optional<std::string> suffix = xa_basenameConflictResolutionTextForPath(ownPath, otherPaths);
        if (suffix && !suffix->empty()) {
            text.append(" — " + *suffix, XATextAttributes::withFontAndColor(font, XAColor::white(0.75)));
        }
    }
    return text;
}

QVariant XAMainNaviWindowController::objectValue(const std::string &columnIdentifier, long row) const {
    if (isGroupRow(row)) {
        return columnIdentifier == kNameColumn
                   ? QVariant(QStringLiteral("<b style=\"font-size: 9pt; color: #666666\">%1</b>")
                                  .arg(std::get<QString>(projectsListRows_[static_cast<std::size_t>(row)])))
                   : QVariant();
    }
    const XAProjectReference *reference = projectReferenceForRow(row);
    if (!reference) {
        return {};
    }
    if (columnIdentifier == kIconColumn) {
        return projectExists(*reference) ? reference->icon() : xa_monochromeImage(reference->icon());
    }
    if (columnIdentifier == kNameColumn) {
        return XARichTextFromAttributedString(projectNameText(row));
    }
    return {};
}

// ---- Actions ----

void XAMainNaviWindowController::openProjectPressed() {
    if (XAAppDelegate *delegate = XAAppDelegate::current()) {
        delegate->openDocument(this);
    }
}

void XAMainNaviWindowController::recentProjectsDoubleClicked() {
    const QModelIndexList selected = recentProjectsTable_->selectionModel()->selectedRows();
    const long row = selected.isEmpty() ? -1 : selected.first().row();
    const XAProjectReference *found = projectReferenceForRow(row);
    if (!found) {
        return;
    }
    const XAProjectReference reference = *found;
    recentProjectsTable_->clearSelection();
    if (projectExists(reference)) {
        XADictionary userInfo{{XAOpenProjectNotificationProjectPathKey, XAValue(reference.pathOnDisk())}};
        XANotificationCenter::defaultCenter().post({XAOpenProjectNotificationName, this, userInfo});
        return;
    }
    const std::string reason = reference.bookmarkResolvingError() ? reference.bookmarkResolvingError()->message : "";
    xa_showInWindow(window(), QStringLiteral("Cannot find project on disk"),
                    reason.empty() ? QStringLiteral("Unknown error") : QString::fromStdString(reason),
                    XAAlertStyle::Critical, {QStringLiteral("OK")}, nullptr);
}

void XAMainNaviWindowController::showContextMenu(const QPoint &position) {
    QMenu menu;
    const QModelIndex index = recentProjectsTable_->indexAt(position);
    menuNeedsUpdate(&menu, index.isValid() ? index.row() : -1);
    if (!menu.isEmpty()) {
        menu.exec(recentProjectsTable_->viewport()->mapToGlobal(position));
    }
}

void XAMainNaviWindowController::menuNeedsUpdate(QMenu *menu, long clickedRow) {
    menu->clear();
    clickedRow_ = clickedRow;
    if (clickedRow == -1 || isGroupRow(clickedRow)) {
        return;
    }
    if (rowIsInRecentProjectsSection(clickedRow)) {
        menu->addAction(QStringLiteral("Remove From Recent Projects"), this, [this] { removeSelectedRecentProject(); });
    }
    menu->addAction(QStringLiteral("Reveal in Finder"), this, [this] { revealSelectedRecentProjectInFinder(); });
}

void XAMainNaviWindowController::removeSelectedRecentProject() {
    if (const XAProjectReference *reference = projectReferenceForRow(clickedRow_)) {
        recentProjects_->removeProject(XAProjectReference(*reference));
        updateProjectsTable();
    }
}

void XAMainNaviWindowController::revealSelectedRecentProjectInFinder() {
    if (const XAProjectReference *reference = projectReferenceForRow(clickedRow_)) {
        XAFileRevealer::shared().revealPath(reference->pathOnDisk());
    }
}
