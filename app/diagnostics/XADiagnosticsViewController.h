#pragma once

// The diagnostics tab of the project window: the last run's diagnostics grouped in a dark table (one row per group of
// like diagnostics), the selected group's HTML page beside it, a token field that filters the diagnostics, an info
// line with the counts, an export button, and an overlay when the run produced nothing.
//
// Filtering, grouping and row building run on a background thread, the pages of all groups are rendered ahead in
// parallel. Each filtering takes a new generation number; work of an older generation stores nothing and asks for
// no update, so only the newest grouping is shown. Rows, completions and pages are handed to the GUI thread, which
// alone owns them.

#include "app/diagnostics/XADiagnosticGroupPages.h"
#include "app/diagnostics/XADiagnosticTableRows.h"
#include "app/diagnostics/XATokenField.h"
#include "app/shell/XAViewController.h"
#include "engine/XACheckingOperation.h"

#include <QPointer>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;
class XADiagnosticPageView;
class XADiagnosticsTableModel;
class XASplitView;
class XATableView;

// Where the user picks the export file. The real one is a file dialog; tests install a scripted one.
class XAExportSavePanel {
public:
    // The chosen path and the title of the chosen name filter.
    struct Choice {
        QString path;
        QString nameFilter;
    };
    using Handler = std::function<void(const std::optional<Choice> &choice)>; // none when cancelled
    virtual ~XAExportSavePanel() = default;
    virtual void runSavePanel(QWidget *parent, const QString &title, const QStringList &nameFilters,
                              Handler handler) = 0;

    static XAExportSavePanel &shared();
    // Replaces the shared panel (tests); an empty pointer restores the real one.
    static void setShared(std::shared_ptr<XAExportSavePanel> panel);
};

inline constexpr const char *XADiagnosticsFilterThrottleIdentifier = "diagnostics.filter.tokenfield";

class XADiagnosticsViewController : public XAViewController, public XATokenFieldDelegate {
public:
    // Pages come from the renderer, by default the "diagnosticsinfo" template.
    explicit XADiagnosticsViewController(std::shared_ptr<const XADiagnosticGroupPageRenderer> renderer = nullptr);
    ~XADiagnosticsViewController() override;

    // ---- Called by the project window ----

    // Shows the diagnostics of a finished run, or the overlay when it has none.
    void displayDiagnosticsFromOperation(std::shared_ptr<const XACheckingOperation> operation);
    // The same with the run's results given apart from it.
    void displayDiagnostics(std::shared_ptr<const XACheckingOperation> operation, XADiagnostics diagnostics,
                            bool checkingFailed);
    // Forgets the run, empties the filter and the table.
    void clearPresentedDiagnostics();

    // ---- Own operations ----

    void clearUI();
    void showNoDiagnosticsView(bool show, bool becauseCheckingFailed);
    // The placeholder text, or "Select a diagnostic group to see its info." without one.
    void clearWebViewWithMessage(const std::optional<QString> &message);
    // Filters the diagnostics by the field's tokens on a background thread, then groups what stays.
    void updateFilteredDiagnosticsInTable();
    void updateDiagnosticInfoWebView();
    void updateDiagnosticInfoWebViewIfWaitingForRendering();
    void exportDiagnosticsPressed();
    void xa_sidebarDidShowView(const XANotification &notification) override;

    // ---- State (GUI thread) ----

    const std::shared_ptr<const XACheckingOperation> &operation() const { return operation_; }
    const XADiagnostics &diagnostics() const { return diagnostics_; }
    const XADiagnosticTableRows &tableRows() const;
    const std::vector<QString> &diagnosticGroupHTMLs() const { return diagnosticGroupHTMLs_; }
    const std::optional<QStringList> &filterCompletions() const { return filterCompletions_; }
    bool isWaitingForHTMLRendering() const { return waitingForHTMLRendering_; }
    // The filter's wait after the last deletion (0.5 s).
    void setFilterThrottleInterval(double seconds) { filterThrottleInterval_ = seconds; }

    // ---- Views ----

    XASplitView *splitView() const { return splitView_; }
    XATableView *tableView() const { return tableView_; }
    XADiagnosticsTableModel *tableModel() const { return tableModel_; }
    XADiagnosticPageView *webView() const { return webView_; }
    QPushButton *exportDiagnosticsButton() const { return exportDiagnosticsButton_; }
    QLabel *infoTextField() const { return infoTextField_; }
    QWidget *noDiagnosticsView() const { return noDiagnosticsView_; }
    QLabel *noDiagnosticsTitleField() const { return noDiagnosticsTitleField_; }
    QLabel *noDiagnosticsSubtitleField() const { return noDiagnosticsSubtitleField_; }
    QLabel *noDiagnosticsIconImageView() const { return noDiagnosticsIconImageView_; }
    XATokenField *searchTokenField() const { return searchTokenField_; }

    // ---- Token field delegate ----

    QStringList shouldAddObjects(const QStringList &tokens, int index) override;
    bool doCommandBySelector(XATokenField *field, XATokenFieldCommand command) override;
    std::unique_ptr<XATokenTextAttachmentCell> attachmentCellForRepresentedObject(const QString &token) override;
    QStringList completionsForSubstring(const QString &substring) override;

protected:
    QWidget *loadView() override;

private:
    QWidget *makeTopBar(QWidget *parent);
    QWidget *makeNoDiagnosticsView(QWidget *parent);
    void configureTable();
    // Starts grouping the shown diagnostics of a generation; called on the GUI thread.
    void updateViewWithDiagnostics(std::uint64_t generation, XADiagnostics shown, std::size_t total);
    void showGrouping(std::shared_ptr<const XADiagnosticTableRows> rows, std::size_t shown, std::size_t total);
    void storePage(std::uint64_t generation, std::size_t index, QString html);
    void storeAllPages(std::uint64_t generation, std::vector<QString> pages);
    bool isCurrent(std::uint64_t generation) const;
    void showFileLinksHint();
    void exportToPath(const QString &path, const QString &format);

    std::shared_ptr<const XADiagnosticGroupPageRenderer> renderer_;
    std::shared_ptr<std::atomic<std::uint64_t>> generation_;
    std::shared_ptr<const XACheckingOperation> operation_;
    XADiagnostics diagnostics_;
    std::shared_ptr<const XADiagnosticTableRows> tableRows_;
    std::vector<QString> diagnosticGroupHTMLs_;
    std::optional<QStringList> filterCompletions_;
    bool waitingForHTMLRendering_ = false;
    double filterThrottleInterval_ = 0.5;

    QPointer<XASplitView> splitView_;
    QPointer<XATableView> tableView_;
    XADiagnosticsTableModel *tableModel_ = nullptr;
    QPointer<XADiagnosticPageView> webView_;
    QPointer<QPushButton> exportDiagnosticsButton_;
    QPointer<QLabel> infoTextField_;
    QPointer<QWidget> noDiagnosticsView_;
    QPointer<QLabel> noDiagnosticsTitleField_;
    QPointer<QLabel> noDiagnosticsSubtitleField_;
    QPointer<QLabel> noDiagnosticsIconImageView_;
    QPointer<XATokenField> searchTokenField_;
};
