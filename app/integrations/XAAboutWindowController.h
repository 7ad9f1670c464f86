#pragma once

// The About window: the application's name, version, the libclang in use and the copyright line, a link to the
// vendor's web site, and the acknowledgements of what this build uses, in a new random order at every showing.
// Each row opens its project's home page or shows its licence text in a read-only preview window.

#include "app/integrations/XAResourceFileQLDataSource.h"
#include "app/shell/XAWindowController.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <QTableWidget>

#include <memory>
#include <optional>
#include <vector>

class QPlainTextEdit;
class QPushButton;

struct XAAcknowledgement {
    QString name;
    QString author;
    QString link;
    std::optional<QString> licenseFile;      // relative to the resources
    std::optional<QString> licenseFileTitle; // the preview's title
};

class XAAboutWindowController : public XAWindowController {
public:
    static constexpr int rowHeight = 20;
    static std::vector<XAAcknowledgement> acknowledgements();

    void showWindow(const void *sender) override;
    const std::vector<XAAcknowledgement> &tableViewRows() const { return tableViewRows_; }
    void setTableViewRows(std::vector<XAAcknowledgement> rows);

    void naviButtonPressed(int row);
    void infoButtonPressed(int row);
    void websiteLinkButtonPressed();

    // The licence shown last, and its preview window.
    const std::shared_ptr<XAResourceFileQLDataSource> &licenseQLDataSource() const { return licenseQLDataSource_; }
    QDialog *licensePreviewWindow() const { return licensePreview_; }
    QTableWidget *tableView() { return window(), tableView_; }
    QLabel *appVersionField() { return window(), appVersionField_; }
    QLabel *clangVersionField() { return window(), clangVersionField_; }
    QLabel *tableHeaderField() { return window(), tableHeaderField_; }

protected:
    void windowDidLoad() override;

private:
    void reloadTable();
    void showLicensePreview();

    QPointer<QLabel> appNameField_;
    QPointer<QLabel> appVersionField_;
    QPointer<QLabel> clangVersionField_;
    QPointer<QLabel> copyrightField_;
    QPointer<QLabel> tableHeaderField_;
    QPointer<QTableWidget> tableView_;
    QPointer<QPushButton> websiteLinkButton_;
    QPointer<QDialog> licensePreview_;
    QPointer<QPlainTextEdit> licensePreviewText_;
    std::shared_ptr<XAResourceFileQLDataSource> licenseQLDataSource_;
    std::vector<XAAcknowledgement> tableViewRows_;
};

// The vendor's web site.
inline constexpr const char *XAVendorWebsiteAddress = "https://tessary.invalid";
