// The list editor: starting values, adding and removing rows, validation with its alert, and reordering by dragging
// rows by their positions.

#include "app/config/XAStringArrayEditorWindowController.h"
#include "app/config/XAStringArrayModel.h"
#include "app/shell/XAWindow.h"
#include "support/XADesktopTestSupport.h"

#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

using Strings = std::vector<std::string>;

Strings strings(const QStringList &list) {
    Strings result;
    for (const QString &text : list) {
        result.push_back(text.toStdString());
    }
    return result;
}

std::optional<std::string> digitsOnly(const std::optional<std::string> &element) {
    if (element && !element->empty() && element->find_first_not_of("0123456789") == std::string::npos) {
        return std::nullopt;
    }
    return std::string("Value must be a number");
}

// An editor shown as a sheet on its own parent window; `returnCode` is set when the sheet ends.
struct ShownEditor {
    QWidget parent;
    std::shared_ptr<XAStringArrayEditorWindowController> editor;
    std::optional<int> returnCode;

    ShownEditor(const std::optional<Strings> &values, XAStringArrayEditorWindowController::Validator validator) {
        editor = std::make_shared<XAStringArrayEditorWindowController>(QStringLiteral("Allowed names"), values,
                                                                       std::move(validator));
        parent.resize(500, 400);
        parent.show();
        editor->xa_showModalInParent(&parent, [this](XAWindowController *, int code) { returnCode = code; });
    }
    QModelIndex index(int row) const { return editor->tableView()->model()->index(row, 0); }
    void select(const QList<int> &rows) {
        editor->tableView()->clearSelection();
        for (int row : rows) {
            editor->tableView()->selectionModel()->select(index(row), QItemSelectionModel::Select);
        }
    }
};

} // namespace

class XAStringArrayEditorTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
    }
    void cleanup() { environment_.reset(); }

    void noValuesGiveAnEmptyListThatSavesAsEmpty() {
        ShownEditor shown(std::nullopt, digitsOnly);
        QCOMPARE(shown.editor->optionNameField()->text(), QStringLiteral("Allowed names"));
        QCOMPARE(shown.editor->tableView()->model()->rowCount(), 0);
        shown.editor->saveButtonPressed();
        QCOMPARE(shown.returnCode, std::optional(1));
        QVERIFY(shown.editor->editedArrayValue().empty());
        QVERIFY(alerts_->shown().empty());
    }

    void anAddedRowSavedUntouchedIsAnEmptyElement() {
        ShownEditor shown(Strings{"a"}, [](const auto &) { return std::nullopt; });
        shown.editor->addButtonPressed();
        QCOMPARE(shown.editor->tableView()->currentIndex().row(), 1);
        QVERIFY(qobject_cast<QLineEdit *>(shown.editor->tableView()->indexWidget(shown.index(1))));
        shown.editor->saveButtonPressed();
        QCOMPARE(shown.returnCode, std::optional(1));
        QCOMPARE(shown.editor->editedArrayValue(), (Strings{"a", ""}));
    }

    void invalidRowsAreListedInOneAlertAndKeepTheSheetOpen_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("two") << QStringList{"x", "1", "y"} << QStringLiteral("2 Invalid values")
                             << QStringLiteral("Item #1: Value must be a number\nItem #3: Value must be a number");
        QTest::newRow("one") << QStringList{"1", "2", "z"} << QStringLiteral("1 Invalid value")
                             << QStringLiteral("Item #3: Value must be a number");
    }
    void invalidRowsAreListedInOneAlertAndKeepTheSheetOpen() {
        QFETCH(QStringList, values);
        QFETCH(QString, title);
        QFETCH(QString, message);
        ShownEditor shown(strings(values), digitsOnly);
        shown.editor->saveButtonPressed();
        QCOMPARE(alerts_->shown().size(), std::size_t(1));
        QCOMPARE(alerts_->shown()[0].alert.title, title);
        QCOMPARE(alerts_->shown()[0].alert.message, message);
        QVERIFY(!shown.returnCode);
        QVERIFY(shown.editor->window()->isVisible());
    }

    void invalidRowsAreRedWithTheirMessageAsToolTipUntilCorrected() {
        ShownEditor shown(Strings{"1", "x"}, digitsOnly);
        QAbstractItemModel *model = shown.editor->tableView()->model();
        QVERIFY(!shown.editor->validationErrorMessagesForRows());
        QVERIFY(model->setData(shown.index(0), QStringLiteral("2"), Qt::EditRole));
        QCOMPARE(shown.editor->editedArrayValue(), (Strings{"2", "x"}));
        QCOMPARE(*shown.editor->validationErrorMessagesForRows(), (Strings{"", "Value must be a number"}));
        QVERIFY(!model->data(shown.index(0), Qt::ForegroundRole).isValid());
        QCOMPARE(model->data(shown.index(1), Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        QCOMPARE(model->data(shown.index(1), Qt::ToolTipRole).toString(), QStringLiteral("Value must be a number"));

        model->setData(shown.index(1), QStringLiteral("3"), Qt::EditRole);
        QVERIFY(!model->data(shown.index(1), Qt::ForegroundRole).isValid());
        QVERIFY(shown.editor->allValuesAreValid());
    }

    void theRemoveButtonFollowsTheSelectionAndRemovesEverySelectedRow() {
        ShownEditor shown(Strings{"a", "b", "c", "d"}, nullptr);
        QVERIFY(!shown.editor->removeButton()->isEnabled());
        shown.select({0, 2});
        QVERIFY(shown.editor->removeButton()->isEnabled());
        shown.editor->removeButtonPressed();
        QCOMPARE(shown.editor->editedArrayValue(), (Strings{"b", "d"}));
        QVERIFY(!shown.editor->removeButton()->isEnabled());
    }

    void cancellingEndsTheSheetWithZero() {
        ShownEditor shown(Strings{"a"}, nullptr);
        shown.editor->cancelButtonPressed();
        QCOMPARE(shown.returnCode, std::optional(0));
    }

    void droppedRowsMoveByPosition_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QList<int>>("dragged");
        QTest::addColumn<int>("dropRow");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<int>>("selectedAfter");
        QTest::newRow("onto its own place")
            << QStringList{"a", "b", "c"} << QList<int>{1} << 1 << QStringList{"a", "b", "c"} << QList<int>{1};
        QTest::newRow("just below its own place")
            << QStringList{"a", "b", "c"} << QList<int>{1} << 2 << QStringList{"a", "b", "c"} << QList<int>{1};
        QTest::newRow("duplicate to the end keeps the other copy")
            << QStringList{"a", "b", "a"} << QList<int>{0} << 3 << QStringList{"b", "a", "a"} << QList<int>{2};
        QTest::newRow("two rows to the top") << QStringList{"a", "b", "c", "d"} << QList<int>{1, 3} << 0
                                             << QStringList{"b", "d", "a", "c"} << QList<int>{0, 1};
        QTest::newRow("two rows into the middle") << QStringList{"a", "b", "c", "d"} << QList<int>{0, 3} << 2
                                                  << QStringList{"b", "a", "d", "c"} << QList<int>{1, 2};
    }
    void droppedRowsMoveByPosition() {
        QFETCH(QStringList, values);
        QFETCH(QList<int>, dragged);
        QFETCH(int, dropRow);
        QFETCH(QStringList, expected);
        QFETCH(QList<int>, selectedAfter);
        ShownEditor shown(strings(values), nullptr);
        QAbstractItemModel *model = shown.editor->tableView()->model();
        QModelIndexList indexes;
        for (auto row = dragged.rbegin(); row != dragged.rend(); ++row) { // any order: rows travel sorted
            indexes << shown.index(*row);
        }
        std::unique_ptr<QMimeData> data(model->mimeData(indexes));
        QVERIFY(data->hasFormat(QStringLiteral("org.quenby.tessary.optionvalues.pboardtype")));
        QVERIFY(model->canDropMimeData(data.get(), Qt::CopyAction, dropRow, 0, {}));
        QVERIFY(model->dropMimeData(data.get(), Qt::CopyAction, dropRow, 0, {}));
        QCOMPARE(shown.editor->editedArrayValue(), strings(expected));
        QList<int> selected;
        for (const QModelIndex &index : shown.editor->tableView()->selectionModel()->selectedIndexes()) {
            selected.push_back(index.row());
        }
        std::sort(selected.begin(), selected.end());
        QCOMPARE(selected, selectedAfter);
    }

    void foreignDragDataIsRefused() {
        ShownEditor shown(Strings{"a", "b"}, nullptr);
        QMimeData text;
        text.setText(QStringLiteral("a"));
        QAbstractItemModel *model = shown.editor->tableView()->model();
        QVERIFY(!model->canDropMimeData(&text, Qt::CopyAction, 0, 0, {}));
        QVERIFY(!model->dropMimeData(&text, Qt::CopyAction, 0, 0, {}));
        QCOMPARE(shown.editor->editedArrayValue(), (Strings{"a", "b"}));
    }

    void theEditorWithAnInvalidRowIsSavedAsAPicture() {
        ShownEditor shown(Strings{"12", "many", "40"}, digitsOnly);
        shown.editor->validateValues();
        shown.select({2});
        QVERIFY(QTest::qWaitForWindowExposed(shown.editor->window()));
        QCOMPARE(shown.index(1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        const QString path = XASaveScreenshot(shown.editor->window(), QStringLiteral("list-editor"));
        QVERIFY(!QImage(path).isNull());
    }

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
};

QTEST_MAIN(XAStringArrayEditorTests)
#include "XAStringArrayEditorTests.moc"
