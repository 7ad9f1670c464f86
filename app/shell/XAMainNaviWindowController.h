#pragma once

// The start window: the application's name, version and copyright over a patterned background, and one table of the
// projects open in the IDE and the recent projects. It runs the application's initialisation behind its loading
// overlay ("Initializing…"); a double click on a project asks for the project window.

#include "app/shell/XAProjectReference.h"
#include "app/shell/XAWindowController.h"
#include "core/XAAttributedString.h"

#include <QVariant>

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <QLabel>
#include <QTableView>

class QMenu;
class XAProjectList;
class XAProjectsTableModel;

class XAMainNaviWindowController : public XAWindowController {
public:
    // A section header or a project.
    using Row = std::variant<QString, XAProjectReference>;

    // Column identifiers.
    static constexpr const char *kIconColumn = "projecticon";
    static constexpr const char *kNameColumn = "projectname";

    // Lists the given recent-projects list (the shared one by default).
    explicit XAMainNaviWindowController(XAProjectList *recentProjects = nullptr);
    ~XAMainNaviWindowController() override;

    // Runs the initialisation on a background thread behind the overlay; then, on the GUI thread, shows the alert
    // "Error initializing application" and terminates on errors, calls the callback and hides the overlay.
    void initializeAppWithCallback(std::function<void()> callback);

    void showWindow(const void *sender) override;
    // Reloads both project lists and refills the table, unless a load is running.
    void loadProjectReferencesAndUpdateTable();
    void updateProjectsTable();
    static bool isProjectListLoadInProgress();

    const std::vector<Row> &projectsListRows() const { return projectsListRows_; }
    const std::vector<XAProjectReference> &projectRefsForCurrentlyOpenProjectsInXcode() const {
        return projectRefsForCurrentlyOpenProjectsInXcode_;
    }
    const XAProjectReference *projectReferenceForRow(long row) const;
    bool rowIsInXcodeProjectsSection(long row) const;
    bool rowIsInRecentProjectsSection(long row) const { return !rowIsInXcodeProjectsSection(row); }

    // Table data: the value of a cell (an image or rich text), its height, group rows and tool tips.
    int numberOfRows() const { return static_cast<int>(projectsListRows_.size()); }
    QVariant objectValue(const std::string &columnIdentifier, long row) const;
    XAAttributedString projectNameText(long row) const;
    double heightOfRow(long row) const;
    bool isGroupRow(long row) const;
    QString toolTipForRow(long row) const;

    void openProjectPressed();
    void recentProjectsDoubleClicked();
    // Fills the context menu for the clicked row (-1: none).
    void menuNeedsUpdate(QMenu *menu, long clickedRow);
    void removeSelectedRecentProject();
    void revealSelectedRecentProjectInFinder();

    QTableView *recentProjectsTable() const { return recentProjectsTable_; }
    QLabel *recentProjectsTitleField() const { return recentProjectsTitleField_; }
    QLabel *appNameLabel() const { return appNameLabel_; }
    QLabel *appVersionLabel() const { return appVersionLabel_; }
    QLabel *copyrightLabel() const { return copyrightLabel_; }

protected:
    void windowDidLoad() override;

private:
    void decorateWindow(QWidget *content);
    void showContextMenu(const QPoint &position);
    void showListLoadState(bool recentLoaded, bool xcodeAnswered);
    void receiveOpenProjectPaths(const std::optional<std::vector<std::string>> &paths);
    bool projectExists(const XAProjectReference &reference) const;

    XAProjectList *recentProjects_;
    std::vector<Row> projectsListRows_;
    std::vector<XAProjectReference> projectRefsForCurrentlyOpenProjectsInXcode_;
    long clickedRow_ = -1;
    XAProjectsTableModel *model_ = nullptr;
    QPointer<QLabel> appNameLabel_;
    QPointer<QLabel> appVersionLabel_;
    QPointer<QLabel> copyrightLabel_;
    QPointer<QTableView> recentProjectsTable_;
    QPointer<QLabel> recentProjectsTitleField_;
    QPointer<QWidget> backgroundBox_;
};
