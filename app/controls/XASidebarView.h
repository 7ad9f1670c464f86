#pragma once

// The dark strip of large icon buttons at the side of the project window: one button per page of a tab view whose
// tabs are not shown. A click switches the page, a page selected in code moves the button selection, and each page
// that becomes visible is announced ("XASidebarViewShownNotificationName" with the page's view as object).

#include "app/controls/XATabView.h"
#include "core/XAImage.h"

#include <QButtonGroup>
#include <QColor>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class XASidebarButtonCell;

class XASidebarView : public QWidget, public XATabViewDelegate {
public:
    explicit XASidebarView(QWidget *parent = nullptr);
    ~XASidebarView() override;

    XATabView *associatedTabView() const { return associatedTabView_; }
    // Becomes the tab view's delegate and rebuilds the buttons from its pages.
    void setAssociatedTabView(XATabView *tabView);
    // One button per page, titled with its label, with its sidebar image when it has one; selects the page's
    // button. Badges set before are gone.
    void takeButtonsFromTabView(XATabView *tabView);

    // A template image is shown tinted white 0.8; without an alternate image, a template is shown tinted white 0.5
    // when the button is not selected.
    XASidebarButtonCell *addButtonWithTitle(const QString &title, const std::optional<XAImage> &image,
                                            const std::optional<XAImage> &alternateImage);
    void removeAllButtons();
    const std::vector<XASidebarButtonCell *> &buttons() const { return buttons_; }

    // The selected button's index; -1 when none is.
    int indexOfSelectedItem() const;
    void selectItemAtIndex(int index);
    void setBadge(const std::optional<QString> &text, std::int64_t type, std::size_t index);

    double buttonHeight() const { return buttonHeight_; }
    void setButtonHeight(double height);
    QWidget *matrix() const { return matrix_; }

    QColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const QColor &color) { backgroundColor_ = color; }

    void tabViewDidChangeNumberOfTabViewItems(XATabView *tabView) override;
    void tabViewWillSelectTabViewItem(XATabView *tabView, XABasicTabViewItem *item) override;
    void tabViewDidSelectTabViewItem(XATabView *tabView, XABasicTabViewItem *item) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    XASidebarButtonCell *newButtonCell();
    void buttonCellClicked();
    void layoutMatrix();

    double buttonHeight_ = 70;
    QWidget *matrix_ = nullptr;
    QButtonGroup group_;
    std::vector<XASidebarButtonCell *> buttons_;
    QPointer<XATabView> associatedTabView_;
    QColor backgroundColor_;
};
