#include "app/diagnostics/XADiagnosticsViewController.h"

#include "app/controls/XAAlerts.h"
#include "app/controls/XAButtons.h"
#include "app/controls/XAInfoPopover.h"
#include "app/controls/XAQtConversions.h"
#include "app/controls/XAScroller.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATableView.h"
#include "app/controls/XATextFieldCell.h"
#include "app/controls/XAViewExtensions.h"
#include "app/controls/XAViewLayout.h"
#include "app/diagnostics/XADiagnosticIcons.h"
#include "app/diagnostics/XADiagnosticPageView.h"
#include "app/diagnostics/XADiagnosticsTableModel.h"
#include "app/diagnostics/XAWebDelegate.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XAOperation.h"
#include "app/shell/XAOperationWindowController.h"
#include "app/shell/XASharedService.h"
#include "core/XAUserFolders.h"
#include "engine/XADiagnosticPresentation.h"
#include "engine/XADiagnosticSerialization.h"
#include "engine/XASaveDiagnosticsOperation.h"
#include "project/XAProject.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

// Qt defines "emit" as a macro, which TBB uses as a name.
#pragma push_macro("emit")
#undef emit
#include "core/XAParallelFor.h"
#pragma pop_macro("emit")

namespace {

constexpr const char *kDefaultPaneMessage = "Select a diagnostic group to see its info.";
constexpr const char *kWaitingPaneMessage = "Please wait for the diagnostic \ngroup description to be generated…";

// ---- Export panel ----

class XAFileDialogSavePanel : public XAExportSavePanel {
public:
    void runSavePanel(QWidget *parent, const QString &title, const QStringList &nameFilters, Handler handler) override {
        auto *dialog = new QFileDialog(parent, title);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setNameFilters(nameFilters);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::NonModal);
        QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, handler](int result) {
            if (result != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
                handler(std::nullopt);
                return;
            }
            handler(Choice{dialog->selectedFiles().constFirst(), dialog->selectedNameFilter()});
        });
        dialog->show();
    }
};

using XASavePanelService = XASharedService<XAExportSavePanel, XAFileDialogSavePanel>;

// The title of a name filter: "JSON" of "JSON (*.json)".
QString nameFilterTitle(const QString &filter) {
    const qsizetype open = filter.indexOf(QLatin1String(" ("));
    return open < 0 ? filter : filter.left(open);
}

// Runs one save of the diagnostics on the sheet's background thread.
class XASaveDiagnosticsBlockOperation : public XAOperation {
public:
    explicit XASaveDiagnosticsBlockOperation(std::shared_ptr<XASaveDiagnosticsOperation> save)
        : save_(std::move(save)) {}
    const std::shared_ptr<XASaveDiagnosticsOperation> &save() const { return save_; }

protected:
    void main() override {
        if (isCancelled()) {
            save_->cancel();
        }
        save_->main();
    }

private:
    std::shared_ptr<XASaveDiagnosticsOperation> save_;
};

// The count column's pill: grey for small groups, red-brown for large ones.
class XADiagnosticCountCell : public XAPillTextFieldCell {
public:
    using XAPillTextFieldCell::XAPillTextFieldCell;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        XAPillTextFieldCell cell;
        cell.setXa_centerVertically(true);
        cell.setPillColor(XADiagnosticCountPillColor(index.data(XADiagnosticCountRole).toULongLong()));
        cell.setHighlightedPillColor(XADiagnosticCountHighlightedPillColor());
        if (index.data(Qt::DisplayRole).isValid()) {
            cell.paint(painter, option, index);
        }
    }
};

} // namespace

XAExportSavePanel &XAExportSavePanel::shared() { return XASavePanelService::get(); }

void XAExportSavePanel::setShared(std::shared_ptr<XAExportSavePanel> panel) {
    XASavePanelService::set(std::move(panel));
}

// ---- Life ----

XADiagnosticsViewController::XADiagnosticsViewController(std::shared_ptr<const XADiagnosticGroupPageRenderer> renderer)
    : renderer_(renderer ? std::move(renderer) : std::make_shared<XAMustacheGroupPageRenderer>()),
      generation_(std::make_shared<std::atomic<std::uint64_t>>(0)),
      tableRows_(std::make_shared<const XADiagnosticTableRows>()) {}

XADiagnosticsViewController::~XADiagnosticsViewController() {
    // Work still running belongs to no generation any more.
    generation_->fetch_add(1);
    if (webView_) {
        XAWebDelegate::sharedDelegate().deactivateInWebView(webView_);
    }
}

const XADiagnosticTableRows &XADiagnosticsViewController::tableRows() const { return *tableRows_; }

bool XADiagnosticsViewController::isCurrent(std::uint64_t generation) const {
    return generation == generation_->load();
}

QWidget *XADiagnosticsViewController::loadView() {
    auto *view = new QWidget;
    view->setAutoFillBackground(true);
    QPalette background = view->palette();
    background.setColor(QPalette::Window, xa_darkContentBackgroundColor());
    view->setPalette(background);
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeTopBar(view));

    splitView_ = new XASplitView(Qt::Horizontal, view);
    tableView_ = new XATableView(splitView_);
    tableModel_ = new XADiagnosticsTableModel(this);
    tableView_->setModel(tableModel_);
    webView_ = new XADiagnosticPageView(splitView_);
    XAWebDelegate::sharedDelegate().activateInWebView(webView_);
    splitView_->addWidget(tableView_);
    splitView_->addWidget(webView_);
    splitView_->setSizes({380, 520});
    layout->addWidget(splitView_, 1);
    configureTable();

    noDiagnosticsView_ = makeNoDiagnosticsView(view);
    noDiagnosticsView_->hide();
    clearWebViewWithMessage(std::nullopt);
    return view;
}

QWidget *XADiagnosticsViewController::makeTopBar(QWidget *parent) {
    auto *bar = new QWidget(parent);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 6, 8, 6);
    searchTokenField_ = new XATokenField(bar);
    searchTokenField_->setDelegate(this);
    searchTokenField_->setPlaceholderString(QStringLiteral("Filter diagnostics (e.g. file=MyFile*)"));
    infoTextField_ = new QLabel(bar);
    infoTextField_->setStyleSheet(QStringLiteral("color: rgb(170, 170, 170);"));
    exportDiagnosticsButton_ = new XAButton(QStringLiteral("Export…"), bar);
    exportDiagnosticsButton_->setEnabled(false);
    connect(exportDiagnosticsButton_, &QPushButton::clicked, this, [this] { exportDiagnosticsPressed(); });
    layout->addWidget(searchTokenField_, 1);
    layout->addWidget(infoTextField_);
    layout->addWidget(exportDiagnosticsButton_);
    return bar;
}

QWidget *XADiagnosticsViewController::makeNoDiagnosticsView(QWidget *parent) {
    auto *box = new QWidget(parent);
    box->setAutoFillBackground(true);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Window, xa_darkContentBackgroundColor());
    box->setPalette(colours);
    auto *layout = new QVBoxLayout(box);
    layout->addStretch();
    noDiagnosticsIconImageView_ = new QLabel(box);
    noDiagnosticsIconImageView_->setAlignment(Qt::AlignCenter);
    noDiagnosticsIconImageView_->setPixmap(QPixmap::fromImage(XAConfidenceImage(XADiagnosticConfidenceAbsolute))
                                               .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    noDiagnosticsTitleField_ = new QLabel(box);
    noDiagnosticsTitleField_->setAlignment(Qt::AlignCenter);
    QFont titleFont = noDiagnosticsTitleField_->font();
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    noDiagnosticsTitleField_->setFont(titleFont);
    noDiagnosticsSubtitleField_ = new QLabel(box);
    noDiagnosticsSubtitleField_->setAlignment(Qt::AlignCenter);
    layout->addWidget(noDiagnosticsIconImageView_);
    layout->addWidget(noDiagnosticsTitleField_);
    layout->addWidget(noDiagnosticsSubtitleField_);
    layout->addStretch();
    return box;
}

void XADiagnosticsViewController::configureTable() {
    tableView_->xa_setStyle(2);
    tableView_->setFrameShape(QFrame::NoFrame);
    tableView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView_->setShowGrid(false);
    tableView_->horizontalHeader()->hide();
    tableView_->verticalHeader()->hide();
    tableView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableView_->verticalHeader()->setDefaultSectionSize(XADiagnosticsTableModel::RowHeight);
    tableView_->setIconSize(QSize(24, 18));
    tableView_->setColumnWidth(0, 30);
    tableView_->setColumnWidth(1, 24);
    tableView_->setColumnWidth(2, 44);
    tableView_->horizontalHeader()->setStretchLastSection(true);
    tableView_->setVerticalScrollBar(new XAScroller(tableView_));
    tableView_->setItemDelegateForColumn(XADiagnosticsTableModel::columnWithIdentifier(XADiagnosticsCountColumn),
                                         new XADiagnosticCountCell(tableView_));
    tableView_->setItemDelegateForColumn(XADiagnosticsTableModel::columnWithIdentifier(XADiagnosticsInfoColumn),
                                         new XADiagnosticInfoCell(tableView_));
    connect(tableView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateDiagnosticInfoWebView(); });
}

// ---- Presenting a run ----

void XADiagnosticsViewController::displayDiagnosticsFromOperation(
    std::shared_ptr<const XACheckingOperation> operation) {
    XADiagnostics diagnostics = operation && operation->diagnostics() ? *operation->diagnostics() : XADiagnostics();
    const bool failed = operation && operation->hasFailed();
    displayDiagnostics(std::move(operation), std::move(diagnostics), failed);
}

void XADiagnosticsViewController::displayDiagnostics(std::shared_ptr<const XACheckingOperation> operation,
                                                     XADiagnostics diagnostics, bool checkingFailed) {
    view();
    operation_ = std::move(operation);
    diagnostics_ = std::move(diagnostics);
    if (diagnostics_.empty()) {
        generation_->fetch_add(1);
        clearUI();
        showNoDiagnosticsView(true, checkingFailed);
        return;
    }
    updateFilteredDiagnosticsInTable();
}

void XADiagnosticsViewController::clearPresentedDiagnostics() {
    view();
    generation_->fetch_add(1);
    operation_.reset();
    diagnostics_.clear();
    searchTokenField_->clear();
    clearUI();
}

void XADiagnosticsViewController::clearUI() {
    view();
    tableRows_ = std::make_shared<const XADiagnosticTableRows>();
    diagnosticGroupHTMLs_.clear();
    showNoDiagnosticsView(false, false);
    tableModel_->setRows(tableRows_);
    tableView_->scrollToTop();
    clearWebViewWithMessage(std::nullopt);
    exportDiagnosticsButton_->setEnabled(false);
    infoTextField_->clear();
}

void XADiagnosticsViewController::showNoDiagnosticsView(bool show, bool becauseCheckingFailed) {
    view();
    if (!show) {
        noDiagnosticsView_->hide();
        splitView_->show();
        searchTokenField_->setEnabled(true);
        return;
    }
    xa_makeAndKeepFullSizeOfSuperview(noDiagnosticsView_);
    noDiagnosticsView_->raise();
    noDiagnosticsView_->show();
    const QColor text = QColor::fromRgbF(0.85f, 0.85f, 0.85f), shadow = QColor::fromRgbF(0.2f, 0.2f, 0.2f);
    xa_setTitle(noDiagnosticsTitleField_,
                becauseCheckingFailed ? QStringLiteral("Checking failed.") : QStringLiteral("Yay!"), text, shadow);
    xa_setTitle(noDiagnosticsSubtitleField_,
                becauseCheckingFailed ? QStringLiteral("See the checking log for more info.")
                                      : QStringLiteral("Nothing to report (no diagnostics)."),
                text, shadow);
    noDiagnosticsIconImageView_->setVisible(!becauseCheckingFailed);
    splitView_->hide();
    searchTokenField_->setEnabled(false);
}

void XADiagnosticsViewController::clearWebViewWithMessage(const std::optional<QString> &message) {
    webView_->xa_clearWithPlaceholderText(message.value_or(QString::fromUtf8(kDefaultPaneMessage)));
}

// ---- Filtering, grouping, rendering ----

void XADiagnosticsViewController::updateFilteredDiagnosticsInTable() {
    view();
    const std::uint64_t generation = generation_->fetch_add(1) + 1;
    filterCompletions_.reset();
    std::vector<XADiagnosticFilter> filters;
    for (const QString &token : searchTokenField_->objectValue()) {
        filters.push_back(XADiagnosticFilter::filterWithString(token.toStdString()));
    }
    QPointer<XADiagnosticsViewController> self(this);
    std::shared_ptr<std::atomic<std::uint64_t>> current = generation_;
    XADispatchToGlobal([self, current, generation, all = diagnostics_, filters = std::move(filters)] {
        XADiagnostics shown = XAFilteredDiagnostics(all, filters);
        if (current->load() != generation) {
            return;
        }
        QStringList completions;
        for (const std::string &completion : XADiagnosticFilter::allPossibleCompletionsForDiagnostics(shown)) {
            completions.append(QString::fromStdString(completion));
        }
        const std::size_t total = all.size();
        XADispatchToMain([self, generation, shown = std::move(shown), total, completions]() mutable {
            if (!self || !self->isCurrent(generation)) {
                return;
            }
            self->filterCompletions_ = completions;
            self->updateViewWithDiagnostics(generation, std::move(shown), total);
        });
    });
}

void XADiagnosticsViewController::updateViewWithDiagnostics(std::uint64_t generation, XADiagnostics shown,
                                                            std::size_t total) {
    clearUI();
    QPointer<XADiagnosticsViewController> self(this);
    std::shared_ptr<std::atomic<std::uint64_t>> current = generation_;
    std::shared_ptr<const XADiagnosticGroupPageRenderer> renderer = renderer_;
    std::shared_ptr<const XADiagnosticPresentation> presentation = std::make_shared<const XADiagnosticPresentation>(
        operation_ && operation_->project() ? XADiagnosticPresentation::presentationForProject(*operation_->project())
                                            : XADiagnosticPresentation());
    XADispatchToGlobal([self, current, generation, renderer, presentation, shown = std::move(shown), total] {
        auto groups = XAGroupsFromDiagnostics(shown, presentation);
        auto rows = std::make_shared<const XADiagnosticTableRows>(XAMakeTableRowInfosForDiagnosticGroups(groups));
        if (current->load() != generation) {
            return;
        }
        XADispatchToMain([self, generation, rows, shownCount = shown.size(), total] {
            if (self && self->isCurrent(generation)) {
                self->showGrouping(rows, shownCount, total);
            }
        });
        if (std::optional<std::string> error = renderer->templateLoadError()) {
            std::vector<QString> pages(groups.size(), QStringLiteral("Error: %1").arg(QString::fromStdString(*error)));
            XADispatchToMain([self, generation, pages = std::move(pages)]() mutable {
                if (self) {
                    self->storeAllPages(generation, std::move(pages));
                }
            });
            return;
        }
        XAParallelFor(groups.size(), [&](std::size_t index) {
            if (current->load() != generation) {
                return;
            }
            XADiagnosticGroupPageRenderer::Result page = renderer->renderGroup(groups[index]);
            QString html = page.error ? QStringLiteral("Error: %1").arg(QString::fromStdString(*page.error))
                                      : QString::fromStdString(page.html);
            if (current->load() != generation) {
                return;
            }
            XADispatchToMain([self, generation, index, html = std::move(html)]() mutable {
                if (self) {
                    self->storePage(generation, index, std::move(html));
                }
            });
        });
    });
}

void XADiagnosticsViewController::showGrouping(std::shared_ptr<const XADiagnosticTableRows> rows, std::size_t shown,
                                               std::size_t total) {
    tableRows_ = std::move(rows);
    if (diagnosticGroupHTMLs_.size() != tableRows_->size()) {
        diagnosticGroupHTMLs_.assign(tableRows_->size(), QString());
    }
    tableModel_->setRows(tableRows_);
    exportDiagnosticsButton_->setEnabled(!tableRows_->empty());
    const QString count = shown == total ? QString::number(shown) : QStringLiteral("%1 / %2").arg(shown).arg(total);
    infoTextField_->setText(QStringLiteral("Showing %1 diagnostics in %2 groups.").arg(count).arg(tableRows_->size()));
}

void XADiagnosticsViewController::storePage(std::uint64_t generation, std::size_t index, QString html) {
    if (!isCurrent(generation)) {
        return;
    }
    if (index >= diagnosticGroupHTMLs_.size()) {
        diagnosticGroupHTMLs_.resize(index + 1);
    }
    diagnosticGroupHTMLs_[index] = std::move(html);
    updateDiagnosticInfoWebViewIfWaitingForRendering();
}

void XADiagnosticsViewController::storeAllPages(std::uint64_t generation, std::vector<QString> pages) {
    if (!isCurrent(generation)) {
        return;
    }
    diagnosticGroupHTMLs_ = std::move(pages);
    updateDiagnosticInfoWebViewIfWaitingForRendering();
}

// ---- The info pane ----

void XADiagnosticsViewController::updateDiagnosticInfoWebView() {
    waitingForHTMLRendering_ = false;
    const QModelIndexList selected = tableView_->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : selected.constFirst().row();
    if (row < 0 || static_cast<std::size_t>(row) >= tableRows_->size() ||
        static_cast<std::size_t>(row) >= diagnosticGroupHTMLs_.size()) {
        clearWebViewWithMessage(std::nullopt);
        return;
    }
    const QString &page = diagnosticGroupHTMLs_[static_cast<std::size_t>(row)];
    if (page.isEmpty()) {
        waitingForHTMLRendering_ = true;
        clearWebViewWithMessage(QString::fromUtf8(kWaitingPaneMessage));
        return;
    }
    webView_->loadHTMLString(page, QUrl::fromLocalFile(QString::fromStdString(XAResourcesDirectoryPath().value_or("")) +
                                                       QStringLiteral("/")));
    showFileLinksHint();
}

void XADiagnosticsViewController::updateDiagnosticInfoWebViewIfWaitingForRendering() {
    if (waitingForHTMLRendering_) {
        updateDiagnosticInfoWebView();
    }
}

void XADiagnosticsViewController::showFileLinksHint() {
    XAInfoPopover::showWithID(
        QStringLiteral("DiagnosticsPresentationFileLinks"), QStringLiteral("You can click the filenames"),
        QStringLiteral("Clicking the filenames in the diagnostics view open the file in your editor at the relevant "
                       "line.\n\nYou can change your preferred editor in the Preferences."),
        2, webView_, XARectEdgeLeft);
}

void XADiagnosticsViewController::xa_sidebarDidShowView(const XANotification &) {
    QPointer<XADiagnosticsViewController> self(this);
    XADispatchToMainAfter(1.0, [self] {
        if (self && !self->diagnostics_.empty()) {
            XAInfoPopover::showWithID(QStringLiteral("DiagnosticsFilter"), QStringLiteral("Filter Diagnostics"),
                                      QStringLiteral("You can use filters like file=MY*ViewController* or "
                                                     "impact=style to temporarily hide diagnostics you are not "
                                                     "interested in."),
                                      2, self->searchTokenField_, XARectEdgeTop);
        }
    });
}

// ---- Token field ----

QStringList XADiagnosticsViewController::shouldAddObjects(const QStringList &tokens, int) {
    // The field adds the tokens when this returns; the filter reads them right after.
    QPointer<XADiagnosticsViewController> self(this);
    XADispatchToMain([self] {
        if (self) {
            self->updateFilteredDiagnosticsInTable();
        }
    });
    return tokens;
}

bool XADiagnosticsViewController::doCommandBySelector(XATokenField *field, XATokenFieldCommand) {
    if (field->hasContent()) {
        QPointer<XADiagnosticsViewController> self(this);
        xa_throttleWithIdentifier(XADiagnosticsFilterThrottleIdentifier, filterThrottleInterval_, [self] {
            if (self) {
                self->updateFilteredDiagnosticsInTable();
            }
        });
    }
    return false;
}

std::unique_ptr<XATokenTextAttachmentCell>
XADiagnosticsViewController::attachmentCellForRepresentedObject(const QString &token) {
    return std::make_unique<XATokenTextAttachmentCell>(token);
}

QStringList XADiagnosticsViewController::completionsForSubstring(const QString &substring) {
    QStringList matches;
    if (!filterCompletions_) {
        return matches;
    }
    for (const QString &completion : *filterCompletions_) {
        if (completion.left(substring.size()).compare(substring, Qt::CaseInsensitive) == 0) {
            matches.append(completion);
        }
    }
    return matches;
}

// ---- Export ----

void XADiagnosticsViewController::exportDiagnosticsPressed() {
    QStringList nameFilters;
    for (const std::string &format : XADiagnosticSerialization::supportedSerializationFormats()) {
        const std::optional<std::string> extension =
            XADiagnosticSerialization::fileExtensionForSerializationFormat(format);
        nameFilters.append(QStringLiteral("%1 (*.%2)")
                               .arg(QString::fromStdString(format), QString::fromStdString(extension.value_or("*"))));
    }
    QPointer<XADiagnosticsViewController> self(this);
    XAExportSavePanel::shared().runSavePanel(view()->window(), QStringLiteral("Export diagnostics"), nameFilters,
                                             [self](const std::optional<XAExportSavePanel::Choice> &choice) {
                                                 if (self && choice) {
                                                     self->exportToPath(choice->path,
                                                                        nameFilterTitle(choice->nameFilter).toLower());
                                                 }
                                             });
}

void XADiagnosticsViewController::exportToPath(const QString &path, const QString &format) {
    auto save = std::make_shared<XASaveDiagnosticsOperation>(operation_, path.toStdString(), format.toStdString());
    auto operation = std::make_shared<XASaveDiagnosticsBlockOperation>(save);
    auto sheet = std::make_shared<XAOperationWindowController>(
        QStringLiteral("Serializing Diagnostics…"),
        QStringLiteral("Please wait while we serialize diagnostics for writing to disk."), QImage(), operation);
    QPointer<QWidget> window = view()->window();
    sheet->xa_beginOperationModalInParent(window, [save, window](XAWindowController *, int returnCode) {
        if (returnCode == 1 && !save->wasSuccessful()) {
            XAAlertPresenter::shared().present(
                XAAlert{QString::fromStdString(save->error()->message), QString(), XAAlertStyle::Critical, {}}, nullptr,
                nullptr);
        }
    });
}
