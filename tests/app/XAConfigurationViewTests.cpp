// The option table: which rows it shows, how values are shown and edited, validation with its alert, resetting to
// the default, the list editor for list values, the copies it edits, and the saved column widths.

#include "app/config/XAConfigurationViewController.h"
#include "app/config/XAOptionValueDelegate.h"
#include "app/config/XAStringArrayEditorWindowController.h"
#include "app/controls/XAButtons.h"
#include "app/controls/XATableHeaderView.h"
#include "app/controls/XATableView.h"
#include "app/shell/XAWindow.h"
#include "app/shell/XAWrapperWindowController.h"
#include "core/XAUserDefaults.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleRegistryOptionGroups.h"
#include "support/XADesktopTestSupport.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

using Option = XARuleOption;

XARuleDescriptor ruleWithGroup(const std::string &shortName, const std::string &groupName,
                               std::vector<XARuleOption> options) {
    XARuleDescriptor rule;
    rule.className = "XARule" + shortName;
    rule.shortName = shortName;
    rule.ruleName = XAXMLString(shortName);
    rule.optionGroups = {XARuleOptionGroup::ruleOptionGroupWithName(groupName, shortName, std::move(options), false)};
    return rule;
}

// Two rules with option groups of their own, and one without options.
const XARuleRegistry &testRules() {
    static const XARuleDescriptor names = ruleWithGroup(
        "LongName", "Options for rule: Long name",
        {Option::ruleOptionWithName("maxLength", "Maximum <b>length</b>", "Longer names are reported.", 40,
                                    XAOptionValueTypePositiveInteger),
         Option::ruleOptionWithName("style", "Naming style", std::nullopt, "camel", XAOptionValueTypeString,
                                    {nullptr, "camel", "snake"}),
         Option::ruleOptionWithName("allowedNames", "Allowed names", std::nullopt, XAOptionValue::Array{},
                                    XAOptionValueTypeStringArray),
         Option::ruleOptionWithName("namePattern", "Name pattern", std::nullopt, std::nullopt, XAOptionValueTypeRegex),
         Option::ruleOptionWithName("prefix", "Prefix", std::nullopt, "XA", XAOptionValueTypeString),
         Option::ruleOptionWithName("strict", "Strict", std::nullopt, false, XAOptionValueTypeBool),
         Option::ruleOptionWithName("limits", "Limits", std::nullopt, std::nullopt, XAOptionValueTypeNumberArray)});
    static const XARuleDescriptor threshold = ruleWithGroup(
        "Threshold", "Options for rule: Threshold",
        {Option::ruleOptionWithName("threshold", "Threshold", std::nullopt, 10, XAOptionValueTypePositiveInteger)});
    static const XARuleDescriptor plain = [] {
        XARuleDescriptor rule;
        rule.className = "XARulePlain";
        rule.shortName = "Plain";
        return rule;
    }();
    static XARuleRegistry registry;
    static const bool registered =
        registry.registerRule(names) && registry.registerRule(threshold) && registry.registerRule(plain);
    (void)registered;
    return registry;
}

class XARecordingDelegate : public XAConfigurationViewControllerDelegate {
public:
    void configurationViewControllerDidChangeOptionValues(XAConfigurationViewController *) override { ++changes; }
    int changes = 0;
};

QStringList longNames(const XAConfigurationViewController &controller) {
    QStringList names;
    for (const XAConfigTableRow &row : controller.optionRows()) {
        names << (row.isGroupRow() ? "# " + row.title() : QString::fromStdString(row.option()->longName()));
    }
    return names;
}

int rowOfOption(const XAConfigurationViewController &controller, const std::string &longName) {
    for (std::size_t row = 0; row < controller.optionRows().size(); ++row) {
        const XAConfigTableRow &tableRow = controller.optionRows()[row];
        if (!tableRow.isGroupRow() && tableRow.option()->longName() == longName) {
            return int(row);
        }
    }
    return -1;
}

} // namespace

class XAConfigurationViewTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        previousGroups_ =
            XAConfiguration::setRuleOptionGroupsProvider([] { return XARuleOptionGroupsOfRegistry(testRules()); });
        configuration_ = std::make_unique<XAConfiguration>();
    }
    void cleanup() {
        XAConfiguration::setRuleOptionGroupsProvider(previousGroups_);
        environment_.reset();
    }

    void mainOptionsAloneShowTheDesktopOptionsWithoutHeading() {
        XAConfigurationViewController controller(*configuration_, true, std::nullopt, "GeneralConfigTable",
                                                 &testRules());
        QCOMPARE(longNames(controller),
                 QStringList({"fileExclusionPrefixes", "fileExclusionXcodeGroups", "fileExclusionRegexes", "workspace",
                              "scheme", "numConcurrentJobs", "extraCompilerArgs", "extraXcodebuildArgs", "fullBuild",
                              "cacheBuildLog", "useOwnModulesCache", "processOnlyTargetPCHs", "verbose"}));
    }

    void headingsAppearOnlyWhereThereIsMoreThanOneGroup_data() {
        QTest::addColumn<bool>("mainOptions");
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QStringList>("firstRows");
        QTest::newRow("one group") << false << QStringList{"LongName", "Plain"} << QStringList{"maxLength", "style"};
        QTest::newRow("two groups") << false << QStringList{"Threshold", "LongName"}
                                    << QStringList{"# Options for rule: Long name", "maxLength"};
        QTest::newRow("main options and a group")
            << true << QStringList{"Threshold"} << QStringList{"# Main options", "fileExclusionPrefixes"};
    }
    void headingsAppearOnlyWhereThereIsMoreThanOneGroup() {
        QFETCH(bool, mainOptions);
        QFETCH(QStringList, rules);
        QFETCH(QStringList, firstRows);
        std::vector<std::string> shortNames;
        for (const QString &rule : rules) {
            shortNames.push_back(rule.toStdString());
        }
        XAConfigurationViewController controller(*configuration_, mainOptions, shortNames, "", &testRules());
        QCOMPARE(longNames(controller).mid(0, firstRows.size()), firstRows);
        if (rules.contains("Threshold") && rules.contains("LongName")) {
            QVERIFY(longNames(controller).contains("# Options for rule: Threshold"));
        }
        for (int row = 0; row < controller.numberOfRows(); ++row) {
            QCOMPARE(controller.heightOfRow(row), controller.isGroupRow(row) ? 20.0 : 50.0);
        }
    }

    void valuesShowAsTheirEditorsExpect() {
        configuration_->setValue("snake", *option("style"), "LongName");
        configuration_->setValue(XAOptionValue::stringArray({"a", "b"}), *option("allowedNames"), "LongName");
        configuration_->setValue("^[a-z]+$", *option("namePattern"), "LongName");
        configuration_->setValue(true, *option("strict"), "LongName");
        auto controller = longNameTable();
        QCOMPARE(value(*controller, "style"), QVariant(2));
        QCOMPARE(value(*controller, "allowedNames"), QVariant(QStringLiteral("a, b")));
        QCOMPARE(value(*controller, "namePattern"), QVariant(QStringLiteral("^[a-z]+$")));
        QCOMPARE(value(*controller, "strict"), QVariant(true));
        QCOMPARE(value(*controller, "maxLength"), QVariant(QStringLiteral("40")));
        QCOMPARE(value(*controller, "prefix"), QVariant(QStringLiteral("XA")));
        const QModelIndex strict = controller->tableView()->model()->index(rowOfOption(*controller, "strict"), 1);
        QCOMPARE(strict.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        const QModelIndex style = controller->tableView()->model()->index(rowOfOption(*controller, "style"), 1);
        QCOMPARE(style.data(Qt::DisplayRole).toString(), QStringLiteral("snake"));
    }

    void anUnknownStoredValueShowsTheFirstPopUpEntry() {
        configuration_->setValue("kebab", *option("style"), "LongName");
        auto controller = longNameTable();
        QCOMPARE(value(*controller, "style"), QVariant(0));
    }

    void cellsFollowTheValueType() {
        auto controller = longNameTable();
        const XAOptionValueCell popUp = cell(*controller, "style");
        QCOMPARE(popUp.kind, XAOptionValueCell::Kind::PopUp);
        QCOMPARE(popUp.items, QStringList({"— no value —", "camel", "snake"}));
        QCOMPARE(cell(*controller, "strict").kind, XAOptionValueCell::Kind::CheckBox);
        const XAOptionValueCell number = cell(*controller, "maxLength");
        QCOMPARE(number.kind, XAOptionValueCell::Kind::TextField);
        QVERIFY(number.editable);
        QCOMPARE(number.placeholder, QStringLiteral("number"));
        QCOMPARE(number.font.pixelSize(), 11);
        QVERIFY(number.font.fixedPitch() || QFontInfo(number.font).fixedPitch());
        const XAOptionValueCell list = cell(*controller, "allowedNames");
        QCOMPARE(list.kind, XAOptionValueCell::Kind::TextField);
        QVERIFY(!list.editable);
    }

    void theTableIsTheDarkTableWithDarkControlsInAScrollView() {
        XAConfigurationViewController controller(*configuration_, false,
                                                 std::vector<std::string>{"LongName", "Threshold"}, "", &testRules());
        XATableView *table = controller.tableView();
        QCOMPARE(table->xa_style(), qint64(2));
        QVERIFY(dynamic_cast<XATableHeaderView *>(table->horizontalHeader()));
        QCOMPARE(controller.scrollView()->documentView(), table);
        QVERIFY(table->xa_rowIsGroupRow(0));
        QVERIFY(!table->xa_rowIsGroupRow(1));
        controller.view()->resize(800, 900);
        controller.view()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller.view()));
        const QModelIndex style = table->model()->index(rowOfOption(controller, "style"), 1);
        auto *popUp = dynamic_cast<XAPopUpButton *>(table->indexWidget(style));
        QVERIFY(popUp);
        QCOMPARE(popUp->cell().xa_style(), qint64(2));
        // As a table row draws a pop-up: 22 points high, centred in the cell, 3 points in from its sides.
        const QRect frame = XAOptionValueDelegate::cellFrame(table->visualRect(style));
        QCOMPARE(popUp->geometry(), XAPopUpButtonCell::bezelFrame(frame, true).toAlignedRect());
        QCOMPARE(popUp->height(), 22);
        QCOMPARE(popUp->geometry().center().y(), frame.center().y());
    }

    void theScrollerShowsOnlyWhileRowsOverflow() {
        auto controller = longNameTable();
        XAScrollView *scrollView = controller->scrollView();
        controller->view()->resize(800, int(controller->desiredViewHeight()) + 20);
        controller->view()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller->view()));
        QVERIFY(!scrollView->verticalScroller()->isVisibleTo(scrollView));
        QVERIFY(!scrollView->horizontalScroller()->isVisibleTo(scrollView));
        controller->view()->resize(800, 200);
        QVERIFY(XAWaitFor([&] { return scrollView->verticalScroller()->isVisibleTo(scrollView); }));
        QVERIFY(!scrollView->horizontalScroller()->isVisibleTo(scrollView));
    }

    void aClickOnACheckBoxTogglesItsOption() {
        auto controller = longNameTable();
        XARecordingDelegate delegate;
        controller->setDelegate(&delegate);
        controller->view()->resize(800, 600);
        controller->view()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller->view()));
        XATableView *table = controller->tableView();
        const int row = rowOfOption(*controller, "strict");
        table->scrollTo(table->model()->index(row, 1));
        const QRect frame = XAOptionValueDelegate::cellFrame(table->visualRect(table->model()->index(row, 1)));
        const QPoint box = XAButtonCell::checkboxRect(frame, true).center().toPoint();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box);
        QCOMPARE(controller->selectedRuleOptionValues().at("LongName").at("strict"), XAOptionValue(true));
        QCOMPARE(delegate.changes, 1);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box);
        QCOMPARE(controller->selectedRuleOptionValues().at("LongName").at("strict"), XAOptionValue(false));
        QCOMPARE(delegate.changes, 2);
        // The option's description beside it is no switch.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(row, 0)).center());
        QCOMPARE(delegate.changes, 2);
    }

    void anOptionTitleShowsItsDescriptionLongNameAndTwoLinesOfExplanationInItsRow() {
        auto controller = longNameTable();
        const XAOptionDescriptionTitle title =
            controller->optionRows()[std::size_t(rowOfOption(*controller, "maxLength"))]
                .attributedTitleForOptionDescriptionCellSelected(false);
        QCOMPARE(title.description.text, QStringLiteral("Maximum length"));
        QVERIFY(title.description.font.bold());
        QCOMPARE(title.longName.text, QStringLiteral(" (maxLength)"));
        QVERIFY(QFontInfo(title.longName.font).fixedPitch());
        QCOMPARE(title.info.text, QStringLiteral("Longer names are reported."));
        // The first line and two lines of explanation fit the 50-point cell of an option row.
        const double height =
            std::max(QFontMetricsF(title.description.font).height(), QFontMetricsF(title.longName.font).height()) +
            2 * QFontMetricsF(title.info.font).height();
        QVERIFY2(height <= 50.0, qPrintable(QString::number(height)));
    }

    void choosingNoValueRemovesTheKey() {
        auto controller = longNameTable();
        const int row = rowOfOption(*controller, "style");
        auto *popUp = qobject_cast<QComboBox *>(
            controller->tableView()->indexWidget(controller->tableView()->model()->index(row, 1)));
        QVERIFY(popUp);
        QCOMPARE(popUp->currentText(), QStringLiteral("camel"));
        popUp->setCurrentIndex(0);
        emit popUp->activated(0);
        QCOMPARE(controller->selectedRuleOptionValues().at("LongName").count("style"), std::size_t(0));
        controller->setObjectValue(2, 1, row);
        QCOMPARE(controller->selectedRuleOptionValues().at("LongName").at("style"), XAOptionValue("snake"));
    }

    void clickingTheCheckBoxStoresABoolean() {
        auto controller = longNameTable();
        XARecordingDelegate delegate;
        controller->setDelegate(&delegate);
        const QModelIndex strict = controller->tableView()->model()->index(rowOfOption(*controller, "strict"), 1);
        QVERIFY(strict.flags() & Qt::ItemIsUserCheckable);
        QVERIFY(controller->tableView()->model()->setData(strict, Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(controller->selectedRuleOptionValues().at("LongName").at("strict"), XAOptionValue(true));
        QCOMPARE(delegate.changes, 1);
    }

    void anInvalidNumberIsRefusedWithTheOptionsMessageAndEditedAgain() {
        auto controller = longNameTable();
        XARecordingDelegate delegate;
        controller->setDelegate(&delegate);
        controller->view()->resize(800, 600);
        controller->view()->show();
        const int row = rowOfOption(*controller, "maxLength");
        // Typed into the field that a double click opens, and committed with Return.
        controller->tableRowDoubleClicked(row, 1);
        auto *typed = qobject_cast<QLineEdit *>(
            controller->tableView()->indexWidget(controller->tableView()->model()->index(row, 1)));
        QVERIFY(typed);
        QCOMPARE(typed->placeholderText(), QStringLiteral("number"));
        QCOMPARE(typed->font().pixelSize(), 11);
        typed->setText(QStringLiteral("abc"));
        QTest::keyClick(typed, Qt::Key_Return);
        QVERIFY(XAWaitFor([&] { return !alerts_->shown().empty(); }));
        QCOMPARE(alerts_->shown().size(), std::size_t(1));
        QCOMPARE(alerts_->shown()[0].alert.title, QStringLiteral("Value must be a number"));
        QCOMPARE(delegate.changes, 0);
        QCOMPARE(controller->selectedRuleOptionValues().at("LongName").at("maxLength"), XAOptionValue(40));
        const QModelIndex value = controller->tableView()->model()->index(row, 1);
        QVERIFY(XAWaitFor([&] { return controller->tableView()->indexWidget(value) != nullptr; }));
        QCOMPARE(controller->tableView()->currentIndex(), value);
        auto *field = qobject_cast<QLineEdit *>(controller->tableView()->indexWidget(value));
        QVERIFY(field);
        QCOMPARE(field->selectedText(), QStringLiteral("40"));
    }

    void aFieldWithoutValueOpensEmptyWithItsPlaceholder() {
        auto controller = longNameTable();
        controller->view()->resize(800, 600);
        controller->view()->show();
        const int row = rowOfOption(*controller, "namePattern");
        controller->tableRowDoubleClicked(row, 1);
        auto *field = qobject_cast<QLineEdit *>(
            controller->tableView()->indexWidget(controller->tableView()->model()->index(row, 1)));
        QVERIFY(field);
        QVERIFY(field->text().isEmpty());
        QCOMPARE(field->placeholderText(), QStringLiteral("regex"));
        field->setText(QStringLiteral("^x"));
        QTest::keyClick(field, Qt::Key_Return); // the field commits once the key event has been handled
        QVERIFY(XAWaitFor([&] { return controller->selectedRuleOptionValues().at("LongName").count("namePattern"); }));
        QCOMPARE(controller->objectValue(1, row), QVariant(QStringLiteral("^x")));
    }

    void aValidEditStoresTheConvertedValueAndNotifiesOnce() {
        auto controller = longNameTable();
        XARecordingDelegate delegate;
        controller->setDelegate(&delegate);
        controller->setObjectValue(QStringLiteral("12"), 1, rowOfOption(*controller, "maxLength"));
        QCOMPARE(delegate.changes, 1);
        const XAOptionValue stored = controller->selectedRuleOptionValues().at("LongName").at("maxLength");
        QCOMPARE(stored.kind(), XAOptionValue::Kind::Integer);
        QCOMPARE(stored, XAOptionValue(12));
        QVERIFY(alerts_->shown().empty());
    }

    void anEmptyTextRemovesTheValueExceptForStrings() {
        configuration_->setValue("^a", *option("namePattern"), "LongName");
        auto controller = longNameTable();
        controller->setObjectValue(QString(), 1, rowOfOption(*controller, "maxLength"));
        controller->setObjectValue(QString(), 1, rowOfOption(*controller, "namePattern"));
        controller->setObjectValue(QString(), 1, rowOfOption(*controller, "prefix"));
        const auto &values = controller->selectedRuleOptionValues().at("LongName");
        QCOMPARE(values.count("maxLength"), std::size_t(0));
        QCOMPARE(values.count("namePattern"), std::size_t(0));
        QCOMPARE(values.at("prefix"), XAOptionValue(""));
        QVERIFY(alerts_->shown().empty());
    }

    void resetIsOfferedOnlyWhereValueAndDefaultDiffer_data() {
        QTest::addColumn<QString>("optionName");
        QTest::addColumn<QString>("edit"); // "-" keeps the value, "" removes it
        QTest::addColumn<bool>("enabled");
        QTest::newRow("equal to default") << "maxLength"
                                          << "-" << false;
        QTest::newRow("removed, default exists") << "maxLength"
                                                 << "" << true;
        QTest::newRow("differs") << "maxLength"
                                 << "7" << true;
        QTest::newRow("both absent") << "namePattern"
                                     << "-" << false;
        QTest::newRow("value without default") << "namePattern"
                                               << "^x" << true;
    }
    void resetIsOfferedOnlyWhereValueAndDefaultDiffer() {
        QFETCH(QString, optionName);
        QFETCH(QString, edit);
        QFETCH(bool, enabled);
        auto controller = longNameTable();
        const int row = rowOfOption(*controller, optionName.toStdString());
        if (edit != "-") {
            controller->setObjectValue(edit, 1, row);
        }
        XARecordingDelegate delegate;
        controller->setDelegate(&delegate);
        controller->setClickedRow(row);
        QMenu menu;
        controller->menuNeedsUpdate(&menu);
        QCOMPARE(menu.actions().size(), 1);
        QCOMPARE(menu.actions()[0]->text(), QStringLiteral("Reset to Default Value"));
        QCOMPARE(menu.actions()[0]->isEnabled(), enabled);
        if (enabled) {
            menu.actions()[0]->trigger();
            QCOMPARE(delegate.changes, 1);
            const auto &values = controller->selectedRuleOptionValues().at("LongName");
            const std::optional<XAOptionValue> defaultValue = controller->optionRows()[row].option()->defaultValue();
            QCOMPARE(values.count(optionName.toStdString()), std::size_t(defaultValue ? 1 : 0));
            if (defaultValue) {
                QCOMPARE(values.at(optionName.toStdString()), *defaultValue);
            }
        }
    }

    void aGroupRowGetsNoMenu() {
        XAConfigurationViewController controller(*configuration_, true, std::vector<std::string>{"LongName"}, "",
                                                 &testRules());
        controller.setClickedRow(0);
        QMenu menu;
        menu.addAction(QStringLiteral("stale"));
        controller.menuNeedsUpdate(&menu);
        QVERIFY(menu.isEmpty());
    }

    void theDesiredHeightHoldsTheHeaderAndEveryRow() {
        XAConfigurationViewController controller(*configuration_, false,
                                                 std::vector<std::string>{"LongName", "Threshold"}, "", &testRules());
        const double desired = controller.desiredViewHeight(); // builds the view
        const int groups = 2, options = 8;
        const double headerHeight = controller.tableView()->horizontalHeader()->sizeHint().height();
        QCOMPARE(desired, headerHeight + groups * (20.0 + 10) + options * (50.0 + 10));
        int laidOut = 0;
        for (int row = 0; row < controller.numberOfRows(); ++row) {
            laidOut += controller.tableView()->rowHeight(row);
        }
        QCOMPARE(desired, headerHeight + laidOut);
    }

    void aDoubleClickedListOpensTheEditorAndSavesThroughValidation() {
        configuration_->setValue(XAOptionValue::stringArray({"a", "b"}), *option("allowedNames"), "LongName");
        auto controller = longNameTable();
        XARecordingDelegate delegate;
        controller->setDelegate(&delegate);
        controller->view()->show();
        const int row = rowOfOption(*controller, "allowedNames");
        controller->tableRowDoubleClicked(row, 1);
        std::shared_ptr<XAStringArrayEditorWindowController> editor = controller->stringArrayEditor();
        QVERIFY(editor);
        QCOMPARE(editor->optionName(), QStringLiteral("Allowed names"));
        QCOMPARE(editor->editedArrayValue(), (std::vector<std::string>{"a", "b"}));
        editor->values().push_back("c");
        editor->saveButtonPressed();
        QCOMPARE(delegate.changes, 1);
        QCOMPARE(controller->objectValue(1, row), QVariant(QStringLiteral("a, b, c")));
        QVERIFY(!controller->stringArrayEditor());
    }

    void cancellingTheListEditorChangesNothing() {
        configuration_->setValue(XAOptionValue::stringArray({"a"}), *option("allowedNames"), "LongName");
        auto controller = longNameTable();
        XARecordingDelegate delegate;
        controller->setDelegate(&delegate);
        controller->view()->show();
        const int row = rowOfOption(*controller, "allowedNames");
        controller->tableRowDoubleClicked(row, 1);
        auto editor = controller->stringArrayEditor();
        editor->setValueOfRow(0, "changed");
        editor->cancelButtonPressed();
        QCOMPARE(delegate.changes, 0);
        QCOMPARE(controller->selectedRuleOptionValues().at("LongName").at("allowedNames"),
                 XAOptionValue::stringArray({"a"}));
    }

    void theListEditorChecksEveryElementWithTheOption() {
        auto controller = longNameTable();
        controller->view()->show();
        controller->tableRowDoubleClicked(rowOfOption(*controller, "limits"), 1);
        auto editor = controller->stringArrayEditor();
        QVERIFY(editor);
        QVERIFY(editor->editedArrayValue().empty());
        editor->values() = {"3", "many"};
        editor->saveButtonPressed();
        QCOMPARE(alerts_->shown().size(), std::size_t(1));
        QCOMPARE(alerts_->shown()[0].alert.title, QStringLiteral("1 Invalid value"));
        QVERIFY(alerts_->shown()[0].alert.message.startsWith(QStringLiteral("Item #2: ")));
        QVERIFY(controller->stringArrayEditor());
        editor->cancelButtonPressed();
    }

    void aListEditorEndingAfterTheTableHasGoneChangesNothing() {
        QWidget host; // the window stays with its owner when the table's controller goes
        auto *layout = new QVBoxLayout(&host);
        auto controller = longNameTable();
        XARecordingDelegate delegate;
        controller->setDelegate(&delegate);
        layout->addWidget(controller->view());
        host.show();
        controller->tableRowDoubleClicked(rowOfOption(*controller, "allowedNames"), 1);
        std::shared_ptr<XAStringArrayEditorWindowController> editor = controller->stringArrayEditor();
        QVERIFY(editor);
        controller.reset();
        editor->values().push_back("late");
        editor->saveButtonPressed();
        QCOMPARE(delegate.changes, 0);
        QCOMPARE(configuration_->valueOfRuleOption("LongName", "allowedNames"),
                 std::optional(XAOptionValue(XAOptionValue::Array{})));
    }

    void doubleClicksOnDescriptionsAndHeadingsDoNothing() {
        XAConfigurationViewController controller(*configuration_, false,
                                                 std::vector<std::string>{"LongName", "Threshold"}, "", &testRules());
        controller.view()->show();
        const int list = rowOfOption(controller, "allowedNames");
        controller.tableRowDoubleClicked(list, 0);
        controller.tableRowDoubleClicked(0, 1);
        controller.tableRowDoubleClicked(-1, 1);
        QVERIFY(!controller.stringArrayEditor());
        QVERIFY(controller.tableView()->findChildren<QLineEdit *>().isEmpty());
    }

    void editsStayInTheViewUntilTheOwnerAppliesThem() {
        const XAConfiguration::RuleOptionValues before = configuration_->ruleOptionValuesDictionary();
        {
            auto controller = longNameTable();
            controller->setObjectValue(QStringLiteral("99"), 1, rowOfOption(*controller, "maxLength"));
            QCOMPARE(controller->selectedRuleOptionValues().at("LongName").at("maxLength"), XAOptionValue(99));
        }
        QVERIFY(configuration_->ruleOptionValuesDictionary() == before);
        QCOMPARE(configuration_->valueOfRuleOption("LongName", "maxLength"), std::optional(XAOptionValue(40)));
    }

    void columnWidthsAreKeptUnderTheAutosaveName() {
        {
            XAConfigurationViewController controller(*configuration_, true, std::nullopt, "GeneralConfigTable",
                                                     &testRules());
            controller.view()->resize(900, 400);
            controller.tableView()->setColumnWidth(0, 333);
        }
        QVERIFY(XAUserDefaults::standard().objectForKey("GeneralConfigTable"));
        XAConfigurationViewController again(*configuration_, true, std::nullopt, "GeneralConfigTable", &testRules());
        again.view();
        QCOMPARE(again.tableView()->columnWidth(0), 333);
        XAConfigurationViewController other(*configuration_, true, std::nullopt, "RuleConfigTable", &testRules());
        other.view();
        QVERIFY(other.tableView()->columnWidth(0) != 333);
    }

    // In a narrow pane the option column gives way so that values stay readable; with room again it takes its
    // preferred width back, and the squeezed width is not stored as the user's.
    void theValueColumnKeepsRoomInANarrowPane() {
        XAConfigurationViewController controller(*configuration_, true, std::nullopt, "NarrowConfigTable",
                                                 &testRules());
        controller.view()->resize(900, 400);
        controller.view()->show();
        QVERIFY(XAWaitFor([&] { return controller.tableView()->columnWidth(0) == 380; }));
        controller.view()->resize(430, 400);
        QVERIFY(XAWaitFor([&] { return controller.tableView()->columnWidth(0) < 380; }));
        const int viewport = controller.tableView()->viewport()->width();
        QVERIFY2(viewport - controller.tableView()->columnWidth(0) >= std::min(200, viewport / 2),
                 qPrintable(QString::number(controller.tableView()->columnWidth(0))));
        QVERIFY(controller.tableView()->columnWidth(1) >= std::min(200, viewport / 2));
        controller.view()->resize(900, 400);
        QVERIFY(XAWaitFor([&] { return controller.tableView()->columnWidth(0) == 380; }));
        QVERIFY(!XAUserDefaults::standard().objectForKey("NarrowConfigTable"));
    }

    void theConfigurationSheetIsSavedAsAPicture() {
        configuration_->setValue(true, *XAConfiguration::appOptionWithLongName("fullBuild"));
        configuration_->setValue(XAOptionValue::stringArray({"Pods/", "Vendor/"}),
                                 *XAConfiguration::appOptionWithLongName("fileExclusionPrefixes"));
        configuration_->setValue("snake", *option("style"), "LongName");
        auto viewController = std::make_shared<XAConfigurationViewController>(
            *configuration_, true, std::vector<std::string>{"LongName"}, "GeneralConfigTable", &testRules());
        auto sheet = std::make_shared<XAWrapperWindowController>(viewController, QStringLiteral("Configuration"),
                                                                 QStringLiteral("configWindow"));
        // The sheet opens at the size its table needs: both columns in full and every row.
        auto parent = std::make_shared<XAWindowController>();
        parent->window()->resize(780, 560);
        parent->showWindow(nullptr);
        sheet->xa_showModalInParent(parent->window(), nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(sheet->window()));
        QCOMPARE(sheet->titleTextField()->text(), QStringLiteral("Configuration"));
        QCOMPARE(sheet->window()->frameAutosaveName(), QStringLiteral("configWindow"));
        XATableView *table = viewController->tableView();
        QVERIFY2(table->columnWidth(XAConfigurationViewController::ValueColumn) >= 300,
                 qPrintable(QString::number(table->columnWidth(XAConfigurationViewController::ValueColumn))));
        QVERIFY(table->viewport()->width() >= table->columnWidth(0) + 300);
        // As many rows as the sheet's height allows, up to all of them.
        const int rowsHeight = int(viewController->desiredViewHeight()) - table->horizontalHeader()->height();
        QVERIFY2(table->viewport()->height() >= std::min(rowsHeight - 4, 380),
                 qPrintable(QStringLiteral("%1 of %2").arg(table->viewport()->height()).arg(rowsHeight)));
        QVERIFY(sheet->okButton()->geometry().bottom() < sheet->window()->height());
        const QString path = XASaveScreenshot(sheet->window(), QStringLiteral("configuration"));
        QVERIFY(QFileInfo::exists(path));
        sheet->cancelPressed();
    }

private:
    static const XAConfigurationOption *option(const std::string &longName) {
        return testRules().ruleWithShortName("LongName")->optionWithLongName(longName);
    }
    std::unique_ptr<XAConfigurationViewController> longNameTable() {
        return std::make_unique<XAConfigurationViewController>(
            *configuration_, false, std::vector<std::string>{"LongName"}, "RuleConfigTable", &testRules());
    }
    static QVariant value(const XAConfigurationViewController &controller, const std::string &longName) {
        return controller.objectValue(1, rowOfOption(controller, longName));
    }
    static XAOptionValueCell cell(const XAConfigurationViewController &controller, const std::string &longName) {
        return controller.dataCell(1, rowOfOption(controller, longName));
    }

    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    XAConfiguration::RuleOptionGroupsProvider previousGroups_;
    std::unique_ptr<XAConfiguration> configuration_;
};

QTEST_MAIN(XAConfigurationViewTests)
#include "XAConfigurationViewTests.moc"
