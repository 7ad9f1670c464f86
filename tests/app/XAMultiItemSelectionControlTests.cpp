// The multi-item selection control in a real web view: what is set before its page loaded reaches the page
// afterwards, clicks in the page reach the delegate, and the native menu selects all or none.

#include "app/config/XAMultiItemSelectionControl.h"
#include "support/XADesktopTestSupport.h"

#include <QAction>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <optional>

namespace {

class XARecordingSelectionDelegate : public XAMultiItemSelectionControlDelegate {
public:
    void multiItemSelectionControlDidChangeSelection(XAMultiItemSelectionControl *,
                                                     const std::vector<std::string> &selectedItems) override {
        selections.push_back(selectedItems);
    }
    std::optional<std::string> multiItemSelectionControlToolTipForItem(XAMultiItemSelectionControl *,
                                                                       const std::string &item) override {
        return item == "Beta" ? std::optional<std::string>("The second") : std::nullopt;
    }
    std::vector<std::vector<std::string>> selections;
};

// The value of a script run in the control's page.
QVariant evaluate(XAMultiItemSelectionControl &control, const QString &script) {
    std::optional<QVariant> result;
    control.webView()->page()->runJavaScript(script, [&](const QVariant &value) { result = value; });
    if (!XAWaitFor([&] { return result.has_value(); }, 10000)) {
        qWarning("The page did not answer: %s", qPrintable(script));
        return {};
    }
    return *result;
}

QStringList strings(const QVariant &value) { return value.toStringList(); }

void triggerMenuItem(QMenu *menu, const QString &title) {
    for (QAction *action : menu->actions()) {
        if (action->text() == title) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable("No menu item " + title));
}

} // namespace

class XAMultiItemSelectionControlTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        delegate_ = XARecordingSelectionDelegate();
        control_ = std::make_unique<XAMultiItemSelectionControl>();
        control_->resize(400, 30);
        control_->setDelegate(&delegate_);
        control_->show();
    }
    void cleanup() { control_.reset(); }

    void itemsAndSelectionSetBeforeLoadingAppearAfterItWithoutCallback() {
        control_->setItems({"Alpha", "Beta", "Gamma"});
        control_->selectItems({"Gamma"}, true);
        QVERIFY(!control_->webViewLoaded());
        QVERIFY(XAWaitFor([&] { return control_->webViewLoaded(); }, 20000));
        QCOMPARE(strings(evaluate(*control_, "Array.from(document.querySelectorAll('.item'), e => e.textContent)")),
                 QStringList({"Alpha", "Beta", "Gamma"}));
        QCOMPARE(strings(evaluate(*control_, "multiItemSelectionControl.getSelectedItems()")), QStringList{"Gamma"});
        QCOMPARE(strings(evaluate(*control_, "Array.from(document.querySelectorAll('.item'), e => e.title)")),
                 QStringList({"", "The second", ""}));
        QVERIFY(delegate_.selections.empty());
        QCOMPARE(control_->selectedItems(), std::vector<std::string>{"Gamma"});
        QVERIFY(XAWaitFor([&] { return control_->webView()->isVisible(); }));
    }

    void aClickInThePageReachesTheDelegateAsStrings() {
        control_->setItems({"Alpha", "Beta", "Gamma"});
        QVERIFY(XAWaitFor([&] { return control_->webViewLoaded(); }, 20000));
        control_->selectItems({"Alpha"});
        evaluate(*control_, "document.querySelector('[data-item=\"Gamma\"]').click(); true");
        QVERIFY(XAWaitFor([&] { return !delegate_.selections.empty(); }));
        QCOMPARE(delegate_.selections.back(), (std::vector<std::string>{"Alpha", "Gamma"}));
        QCOMPARE(control_->selectedItems(), (std::vector<std::string>{"Alpha", "Gamma"}));
    }

    // Items that do not fit on one line wrap onto the next, and the control grows to show them; given room again it
    // goes back to one line.
    void theHeightFollowsTheItemsAsTheyWrap() {
        control_->setItems({"Recommended", "BestPractice", "Resources", "Config", "Localization", "APIUsage"});
        QVERIFY(XAWaitFor([&] { return control_->webViewLoaded(); }, 20000));
        control_->resize(1000, control_->height());
        QVERIFY(XAWaitFor([&] { return control_->sizeHint().height() == 28; }, 5000));
        control_->resize(160, control_->height());
        QVERIFY2(XAWaitFor([&] { return control_->sizeHint().height() > 60; }, 5000),
                 qPrintable(QString::number(control_->sizeHint().height())));
        const int itemsHeight =
            evaluate(*control_, "Math.ceil(document.getElementById('items').getBoundingClientRect().height)").toInt();
        QCOMPARE(control_->sizeHint().height(), itemsHeight);
        control_->resize(1000, control_->height());
        QVERIFY(XAWaitFor([&] { return control_->sizeHint().height() == 28; }, 5000));
    }

    void theMenuSelectsAllOrNoneAndTellsTheDelegate() {
        control_->setItems({"Alpha", "Beta"});
        QVERIFY(XAWaitFor([&] { return control_->webViewLoaded(); }, 20000));
        triggerMenuItem(control_->menu(), "Select All");
        QCOMPARE(delegate_.selections.back(), (std::vector<std::string>{"Alpha", "Beta"}));
        QCOMPARE(strings(evaluate(*control_, "multiItemSelectionControl.getSelectedItems()")),
                 QStringList({"Alpha", "Beta"}));
        triggerMenuItem(control_->menu(), "Deselect All");
        QCOMPARE(delegate_.selections.size(), std::size_t(2));
        QVERIFY(delegate_.selections.back().empty());
        QVERIFY(control_->selectedItems().empty());
        QCOMPARE(strings(evaluate(*control_, "multiItemSelectionControl.getSelectedItems()")), QStringList());
    }

    void pageValuesBecomeStringsOnlyFromArrays_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("array of strings") << QVariant(QVariantList{"A", "B"}) << QStringList({"A", "B"});
        QTest::newRow("other elements dropped") << QVariant(QVariantList{"A", 3, QVariant()}) << QStringList{"A"};
        QTest::newRow("a string alone") << QVariant("A") << QStringList();
        QTest::newRow("nothing") << QVariant() << QStringList();
    }
    void pageValuesBecomeStringsOnlyFromArrays() {
        QFETCH(QVariant, value);
        QFETCH(QStringList, expected);
        QStringList actual;
        for (const std::string &item : XAStringsFromPageValue(value)) {
            actual << QString::fromStdString(item);
        }
        QCOMPARE(actual, expected);
    }

private:
    XARecordingSelectionDelegate delegate_;
    std::unique_ptr<XAMultiItemSelectionControl> control_;
};

QTEST_MAIN(XAMultiItemSelectionControlTests)
#include "XAMultiItemSelectionControlTests.moc"
