#pragma once

// A control for choosing any number of items out of a list, drawn by the HTML page "multiItemSelectionControl.html"
// in a web view. Native code talks to the page by running its script object "multiItemSelectionControl"; the page
// answers through its own channel object "tessaryNativeApp", whose only method tells of a selection the user made.
//
// Until the page has loaded, items are only stored and a selection is kept as pending; both reach the page once it
// has loaded, the selection after the items and without telling the delegate. The control keeps its own copy of the
// selection, since the page cannot be asked synchronously.

#include <QJsonArray>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QWebEngineView>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QTimer;
class QWebChannel;
class XAMultiItemSelectionControl;

class XAMultiItemSelectionControlDelegate {
public:
    virtual ~XAMultiItemSelectionControlDelegate() = default;
    virtual void multiItemSelectionControlDidChangeSelection(XAMultiItemSelectionControl *control,
                                                             const std::vector<std::string> &selectedItems) = 0;
    // The item's tool tip, or none.
    virtual std::optional<std::string> multiItemSelectionControlToolTipForItem(XAMultiItemSelectionControl *,
                                                                               const std::string &) {
        return std::nullopt;
    }
};

// The object the page sees as "tessaryNativeApp".
class XAMultiItemSelectionPageBridge : public QObject {
    Q_OBJECT
public:
    explicit XAMultiItemSelectionPageBridge(XAMultiItemSelectionControl *control);
    // The page's selection after a change the user made.
    Q_INVOKABLE void multiItemSelectionControlSelectedItemsDidChange_(const QVariant &selectedItems);

private:
    XAMultiItemSelectionControl *control_;
};

class XAMultiItemSelectionControl : public QWidget {
public:
    explicit XAMultiItemSelectionControl(QWidget *parent = nullptr);
    ~XAMultiItemSelectionControl() override;

    XAMultiItemSelectionControlDelegate *delegate() const { return delegate_; }
    void setDelegate(XAMultiItemSelectionControlDelegate *delegate) { delegate_ = delegate; }

    const std::vector<std::string> &items() const { return items_; }
    void setItems(const std::vector<std::string> &items);

    // Sets the page's selection; tells the delegate when asked, once the page has loaded.
    void selectItems(const std::vector<std::string> &items, bool withDelegateCallback = false);
    void selectAllItems();
    void deselectAllItems();
    const std::vector<std::string> &selectedItems() const { return selectedItems_; }

    bool webViewLoaded() const { return webViewLoaded_; }
    QWebEngineView *webView() const { return webView_; }
    // "Select All" and "Deselect All", shown on a right click.
    QMenu *menu() const { return menu_; }

    // From the page: the user changed the selection.
    void multiItemSelectionControlSelectedItemsDidChange(const QVariant &selectedItems);

    // The height of the page's items: they wrap onto more lines in a narrow control, whose height follows theirs.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void performOwnInit();
    void loadPage();
    void webViewDidFinishLoad(bool ok);
    void pushItemsToPage();
    void callPage(const QString &function, const QJsonArray &argument);
    void measureItemsHeight();

    XAMultiItemSelectionControlDelegate *delegate_ = nullptr;
    std::vector<std::string> items_;
    std::vector<std::string> selectedItems_;
    std::vector<std::string> pendingSelectedItems_;
    bool webViewLoaded_ = false;
    int itemsHeight_;
    QTimer *measureTimer_ = nullptr;
    QPointer<QWebEngineView> webView_;
    QPointer<QMenu> menu_;
    QWebChannel *channel_ = nullptr;
    XAMultiItemSelectionPageBridge *bridge_ = nullptr;
};

// Turns a value that came from a page into a list of strings: an array's string elements; nothing for anything else.
std::vector<std::string> XAStringsFromPageValue(const QVariant &value);
