// The rule selection sheet over the registered rules: ranked search and its newest-wins rows, the states of the
// rows, what the sheet hands back, focusing a rule, the rule info pane with its options, and the tag hint.

#include "app/config/XAConfigurationViewController.h"
#include "app/config/XARuleInfoViewController.h"
#include "app/config/XARuleSearchRows.h"
#include "app/config/XARuleSelectionWindowController.h"
#include "app/config/XARulesTableModel.h"
#include "app/controls/XAButtons.h" // the popover's button, which its header only names
#include "app/controls/XAInfoPopover.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATableView.h"
#include "app/controls/XAViewExtensions.h"
#include "app/diagnostics/XAWebDelegate.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAWindow.h"
#include "engine/XARuleIntroductionOrder.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleRegistryOptionGroups.h"
#include "engine/XARuleTags.h"
#include "support/XADesktopTestSupport.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QThread>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <memory>
#include <set>

namespace {

using Rules = std::vector<const XARuleDescriptor *>;

std::vector<std::string> shortNames(const Rules &rules) {
    std::vector<std::string> names;
    for (const XARuleDescriptor *rule : rules) {
        names.push_back(rule->shortName);
    }
    return names;
}

XARuleDescriptor fakeRule(const std::string &shortName, const std::string &name, std::vector<std::string> tags,
                          const std::string &description) {
    XARuleDescriptor rule;
    rule.className = "XARule" + shortName;
    rule.shortName = shortName;
    rule.ruleName = XAXMLString(name);
    rule.ruleDescription = XAXMLString(description);
    rule.tags = std::move(tags);
    return rule;
}

const XARuleDescriptor *registered(const std::string &shortName) {
    const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName(shortName);
    if (!rule) {
        qFatal("No rule %s is registered", shortName.c_str());
    }
    return rule;
}

// The first public rule that the predicate accepts.
const XARuleDescriptor *firstPublicRule(const std::function<bool(const XARuleDescriptor &)> &accepts) {
    for (const XARuleDescriptor *rule : XARuleRegistry::shared().allRules()) {
        if (rule->isPublic && accepts(*rule)) {
            return rule;
        }
    }
    qFatal("No registered rule fits the test");
}

void setList(XAConfiguration &configuration, const char *optionName, const std::vector<std::string> &values) {
    XAOptionValue::Array array(values.begin(), values.end());
    configuration.setValue(XAOptionValue(array), *XAConfiguration::appOptionWithLongName(optionName));
}

QString actionTitles(QMenu *menu) {
    QStringList titles;
    for (QAction *action : menu->actions()) {
        titles << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return titles.join('|');
}

// The value of a script run in the page.
QVariant evaluate(QWebEnginePage *page, const QString &script) {
    std::optional<QVariant> result;
    page->runJavaScript(script, [&](const QVariant &value) { result = value; });
    if (!XAWaitFor([&] { return result.has_value(); }, 10000)) {
        qWarning("The page did not answer: %s", qPrintable(script));
        return {};
    }
    return *result;
}

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

class XARuleSelectionTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        XAUseRuleOptionGroupsOfRegistry(XARuleRegistry::shared());
    }
    void cleanup() { environment_.reset(); }

    void anEmptyOrBlankTextListsEveryPublicRuleByName() {
        XARuleSelectionWindowController sheet{XAConfiguration()};
        const Rules &all = sheet.allRules();
        QCOMPARE(all.size(), XARuleRegistry::shared().allPublicRuleShortNames().size());
        QVERIFY(
            std::ranges::is_sorted(all, {}, [](const XARuleDescriptor *rule) { return rule->ruleName.plainString(); }));
        for (const std::string text : {"", "   ", "\t \n"}) {
            QCOMPARE(shortNames(XARulesForSearchText(all, text)), shortNames(all));
        }
    }

    void newSinceListsTheRulesIntroducedAfterTheNumberEarliestFirst() {
        XARuleSelectionWindowController sheet{XAConfiguration()};
        const Rules rows = XARulesForSearchText(sheet.allRules(), "new_since:5");
        std::vector<std::uint64_t> numbers;
        for (const XARuleDescriptor *rule : rows) {
            numbers.push_back(rule->introductionOrderNumber());
        }
        QVERIFY(std::ranges::is_sorted(numbers));
        QVERIFY(!numbers.empty() && numbers.front() == 6);
        const auto expected = std::ranges::count_if(
            sheet.allRules(), [](const XARuleDescriptor *rule) { return rule->introductionOrderNumber() > 5; });
        QCOMPARE(qsizetype(rows.size()), qsizetype(expected));
        // A rest that is not a number reads as 0: still a query by introduction order.
        const Rules notANumber = XARulesForSearchText(sheet.allRules(), "new_since:x");
        QCOMPARE(shortNames(notANumber), shortNames(XARulesForSearchText(sheet.allRules(), "new_since:0")));
        QVERIFY(std::ranges::is_sorted(notANumber, {}, &XARuleDescriptor::introductionOrderNumber));
    }

    void aNameMatchRanksAboveShortNameAboveTagAndDescription() {
        static const XARuleDescriptor byDescription = fakeRule("Alpha", "Alpha", {"Style"}, "Finds a quokka.");
        static const XARuleDescriptor byTag = fakeRule("Beta", "Beta", {"Quokka"}, "Nothing.");
        static const XARuleDescriptor byShortName = fakeRule("QuokkaCheck", "Gamma", {"Style"}, "Nothing.");
        static const XARuleDescriptor byName = fakeRule("Delta", "Quokka rule", {"Style"}, "Nothing.");
        static const XARuleDescriptor unrelated = fakeRule("Epsilon", "Epsilon", {"Style"}, "Nothing.");
        const Rules rules{&byDescription, &byTag, &unrelated, &byShortName, &byName};
        QCOMPARE(shortNames(XARulesForSearchText(rules, "quokka")),
                 (std::vector<std::string>{"Delta", "QuokkaCheck", "Beta", "Alpha"}));
    }

    void theTableShowsTheRowsOfTheLastTextTyped() {
        XARuleSelectionWindowController sheet{XAConfiguration()};
        std::atomic<bool> slowSearchFinished = false;
        sheet.searchQueue().setSearch([&](const Rules &rules, const std::string &text) {
            if (text == "unused") {
                QThread::msleep(600);
                slowSearchFinished = true;
            }
            return XARulesForSearchText(rules, text);
        });
        sheet.window();
        QVERIFY(XAWaitFor([&] { return sheet.searchQueue().pool().activeThreadCount() == 0; }));
        sheet.searchField()->setText("unused");
        QTest::qWait(50); // the slow search is running
        sheet.searchField()->setText("NSLog");
        QVERIFY(XAWaitFor([&] { return slowSearchFinished.load(); }));
        sheet.searchQueue().pool().waitForDone();
        QTest::qWait(100); // both results have reached the GUI thread
        QCOMPARE(shortNames(sheet.displayedRules()), shortNames(XARulesForSearchText(sheet.allRules(), "NSLog")));
        QCOMPARE(sheet.rulesModel()->rowCount(), int(sheet.displayedRules().size()));
        QVERIFY(sheet.displayedRules().size() < sheet.allRules().size());
    }

    void rowsShowExclusionTagSelectionOrTheCheckBox() {
        const XARuleDescriptor *tagged = firstPublicRule(
            [](const XARuleDescriptor &rule) { return std::ranges::find(rule.tags, "Pedantic") != rule.tags.end(); });
        const XARuleDescriptor *untagged = firstPublicRule([](const XARuleDescriptor &rule) {
            return std::ranges::find(rule.tags, "Pedantic") == rule.tags.end() &&
                   std::ranges::find(rule.tags, "Recommended") == rule.tags.end();
        });
        const XARuleDescriptor *other = firstPublicRule([&](const XARuleDescriptor &rule) {
            return &rule != untagged && std::ranges::find(rule.tags, "Pedantic") == rule.tags.end() &&
                   std::ranges::find(rule.tags, "Recommended") == rule.tags.end();
        });
        XAConfiguration configuration;
        XARuleSelectionWindowController sheet{configuration};
        sheet.window();
        XARuleSelectionState &state = sheet.state();
        state.selectedTags = {"Pedantic"};
        state.selectedShortNames = {untagged->shortName, tagged->shortName};
        state.excludedShortNames = {};
        struct Case {
            const char *name;
            const XARuleDescriptor *rule;
            bool excluded;
            QString mark;
            QVariant checkState;
            QString toolTip;
        };
        const std::vector<Case> cases = {
            {"tag-selected", tagged, false, "✔", {}, ""},
            {"excluded though a tag and its box select it", tagged, true, "✘", {}, "Excluded"},
            {"selected by its box", untagged, false, "", int(Qt::Checked), ""},
            {"excluded though its box selects it", untagged, true, "✘", {}, "Excluded"},
            {"not selected", other, false, "", int(Qt::Unchecked), ""},
        };
        for (const Case &c : cases) {
            state.excludedShortNames.clear();
            if (c.excluded) {
                state.excludedShortNames.insert(c.rule->shortName);
            }
            sheet.updateRulesUI();
            QVERIFY(XAWaitFor([&] { return sheet.displayedRules().size() == sheet.allRules().size(); }));
            const auto row = std::ranges::find(sheet.displayedRules(), c.rule) - sheet.displayedRules().begin();
            const QModelIndex index = sheet.rulesModel()->index(int(row), XARulesTableModel::CheckboxColumn);
            QVERIFY2(index.data(Qt::DisplayRole).toString() == c.mark, c.name);
            QVERIFY2(index.data(Qt::CheckStateRole) == c.checkState, c.name);
            QString expectedTip = c.toolTip;
            if (c.mark == "✔") {
                expectedTip = "Selected via tags: Pedantic";
            }
            QVERIFY2(index.data(Qt::ToolTipRole).toString() == expectedTip, c.name);
            const auto selectedCount = std::ranges::count_if(sheet.allRules(), [&](const XARuleDescriptor *rule) {
                const bool viaTag = std::ranges::find(rule->tags, "Pedantic") != rule->tags.end();
                const bool byBox = rule == untagged || rule == tagged;
                return (viaTag || byBox) && !(c.excluded && rule == c.rule);
            });
            QVERIFY2(sheet.infoField()->text() ==
                         QStringLiteral("%1/%2 rules selected.").arg(selectedCount).arg(sheet.allRules().size()),
                     c.name);
        }
    }

    void theFooterCountReadsLightOnTheDarkSheet() {
        XARuleSelectionWindowController sheet{XAConfiguration()};
        sheet.window()->show();
        QVERIFY(XAWaitFor([&] { return sheet.window()->isVisible(); }));
        const QColor background = sheet.window()->palette().color(QPalette::Window);
        for (QLabel *label : {sheet.infoField(), sheet.titleTextField()}) {
            const QColor text = label->palette().color(QPalette::WindowText);
            QVERIFY2(XAContrastRatio(text, background) >= 4.5,
                     qPrintable(label->text() + " " + text.name() + " on " + background.name()));
        }
        QVERIFY(QFile::exists(XASaveScreenshot(sheet.infoField()->parentWidget(), "rule-selection-footer")));
    }

    void clickingTheCheckBoxSelectsTheRuleByItself() {
        XARuleSelectionWindowController sheet{XAConfiguration()};
        sheet.window();
        sheet.state().selectedTags.clear();
        const QModelIndex box = sheet.rulesModel()->index(0, XARulesTableModel::CheckboxColumn);
        QVERIFY(sheet.rulesModel()->setData(box, Qt::Checked, Qt::CheckStateRole));
        QVERIFY(sheet.state().selectedShortNames.contains(sheet.displayedRules()[0]->shortName));
        QCOMPARE(sheet.infoField()->text(), QStringLiteral("1/%1 rules selected.").arg(sheet.allRules().size()));
        // A rule a tag selects has no box to click.
        sheet.state().selectedTags = {sheet.displayedRules()[0]->tags.at(0)};
        QVERIFY(!sheet.rulesModel()->setData(box, Qt::Unchecked, Qt::CheckStateRole));
        sheet.state().selectedTags.clear();
        QVERIFY(sheet.rulesModel()->setData(box, Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(sheet.state().selectedShortNames.empty());
    }

    void theResultsLeaveOutTagSelectedRulesAndTheMenuActsOnTheRightSets() {
        const XARuleDescriptor *tagged = firstPublicRule(
            [](const XARuleDescriptor &rule) { return std::ranges::find(rule.tags, "Style") != rule.tags.end(); });
        const XARuleDescriptor *untagged = firstPublicRule(
            [](const XARuleDescriptor &rule) { return std::ranges::find(rule.tags, "Style") == rule.tags.end(); });
        XAConfiguration configuration;
        setList(configuration, "ruleTags", {"Style"});
        setList(configuration, "rules", {tagged->shortName, untagged->shortName});
        auto sheet = std::make_shared<XARuleSelectionWindowController>(configuration);
        sheet->window();
        const auto rowOf = [&](const XARuleDescriptor *rule) {
            return int(std::ranges::find(sheet->displayedRules(), rule) - sheet->displayedRules().begin());
        };

        // Excluding works both ways, and the menu says which way it goes.
        QMenu *menu = sheet->menuForRow(rowOf(untagged));
        QCOMPARE(actionTitles(menu),
                 QStringLiteral("Exclude this rule|Select only this rule|-|Select all|Select none"));
        triggerMenuItem(menu, "Exclude this rule");
        QVERIFY(sheet->state().excludedShortNames.contains(untagged->shortName));
        menu = sheet->menuForRow(rowOf(untagged));
        QVERIFY(actionTitles(menu).startsWith("Don’t exclude this rule|"));
        triggerMenuItem(menu, "Don’t exclude this rule");
        QVERIFY(sheet->state().excludedShortNames.empty());

        // "Select all" and "Select none" touch only the rules selected one by one.
        sheet->state().excludedShortNames = {untagged->shortName};
        triggerMenuItem(sheet->menuForRow(-1), "Select none");
        QVERIFY(sheet->state().selectedShortNames.empty());
        QCOMPARE(sheet->state().selectedTags, std::set<std::string>{"Style"});
        QCOMPARE(sheet->state().excludedShortNames, std::set<std::string>{untagged->shortName});
        triggerMenuItem(sheet->menuForRow(-1), "Select all");
        QCOMPARE(sheet->state().selectedShortNames.size(), sheet->allRules().size());
        QCOMPARE(sheet->state().excludedShortNames, std::set<std::string>{untagged->shortName});

        // A rule selected one by one and by a tag is not handed back as selected one by one.
        sheet->state().selectedShortNames = {tagged->shortName, untagged->shortName};
        sheet->okPressed();
        QCOMPARE(sheet->selectedRuleShortNames(), std::vector<std::string>{untagged->shortName});
        QCOMPARE(sheet->selectedRuleTags(), std::vector<std::string>{"Style"});
        QCOMPARE(sheet->excludedRuleShortNames(), std::vector<std::string>{untagged->shortName});
        QVERIFY(sheet->state().ruleIsSelectedIndividually(*tagged));

        // "Select only this rule" clears the tags, the picker's selection and the rule's exclusion.
        triggerMenuItem(sheet->menuForRow(rowOf(untagged)), "Select only this rule");
        QCOMPARE(sheet->state().selectedShortNames, std::set<std::string>{untagged->shortName});
        QVERIFY(sheet->state().selectedTags.empty());
        QVERIFY(sheet->state().excludedShortNames.empty());
        QVERIFY(sheet->tagsSelectionControl()->selectedItems().empty());
    }

    void theFocusedRuleIsSelectedBeforeTheInitialTextFiltersIt() {
        const XARuleDescriptor *first = registered(XARuleShortNamesInOrderOfIntroduction().at(1));
        auto sheet = std::make_shared<XARuleSelectionWindowController>(XAConfiguration(), first->shortName,
                                                                       std::string("new_since:5"));
        sheet->setFocusDelaySeconds(0.05);
        sheet->window();
        QVERIFY(XAWaitFor([&] { return sheet->searchField()->text() == "new_since:5"; }));
        QCOMPARE(sheet->ruleInfoVC()->rule(), first);
        QVERIFY(XAWaitFor([&] { return sheet->displayedRules().size() < sheet->allRules().size(); }));
        QVERIFY(std::ranges::find(sheet->displayedRules(), first) == sheet->displayedRules().end());
    }

    void aSheetWhoseWindowWentFirstIgnoresItsDelayedFocusAndSearch() {
        // A sheet's window goes with its parent window, possibly before the sheet's controller.
        const XARuleDescriptor *first = registered(XARuleShortNamesInOrderOfIntroduction().at(1));
        auto sheet = std::make_shared<XARuleSelectionWindowController>(XAConfiguration(), first->shortName,
                                                                       std::string("new_since:5"));
        sheet->setFocusDelaySeconds(0.05);
        sheet->window();
        sheet->searchField()->setText(QStringLiteral("notification"));
        delete sheet->window();
        QTest::qWait(300);
        QVERIFY(!sheet->isWindowLoaded());
        QVERIFY(sheet->displayedRules().size() == sheet->allRules().size());
    }

    void ctrlFPutsTheCursorIntoTheSearchField() {
        XARuleSelectionWindowController sheet{XAConfiguration()};
        sheet.window()->show();
        sheet.rulesTable()->setFocus();
        QVERIFY(XAWaitFor([&] { return sheet.rulesTable()->hasFocus(); }));
        QTest::keyClick(sheet.rulesTable(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(!sheet.searchField()->hasFocus());
        QTest::keyClick(sheet.rulesTable(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(XAWaitFor([&] { return sheet.searchField()->hasFocus(); }));
    }

    void aRuleWithoutOptionsGivesThePageTheWholeHeight() {
        // Every registered rule has at least its own option group, so the rule without options is made here.
        static XARuleDescriptor plain = fakeRule("Plain", "Plain", {"Style"}, "Nothing to set.");
        static XARuleRegistry registry;
        static const bool registered = registry.registerRule(plain);
        QVERIFY(registered);
        XARuleInfoViewController info(nullptr, &registry);
        info.view()->resize(500, 400);
        info.view()->show();
        info.displayRule(&plain, XAConfiguration());
        QVERIFY(info.splitView()->isVisible());
        QCOMPARE(xa_placeholderLabel(info.ruleOptionsWrapperView())->text(),
                 QStringLiteral("This rule has no options."));
        QCOMPARE(info.splitView()->sizes().at(0), 400 - info.splitView()->handleWidth());
        info.displayRule(nullptr, XAConfiguration());
        QVERIFY(!info.splitView()->isVisible());
    }

    void theRulePageTalksToTheSharedBridge() {
        const XARuleDescriptor *rule = registered("NSLogUsed");
        XARuleInfoViewController info(nullptr);
        info.view()->resize(500, 400);
        info.view()->show();
        std::vector<std::string> actions;
        const std::uint64_t observation = XANotificationCenter::defaultCenter().addObserver(
            XAWebDelegateGenericActionNotificationName, &XAWebDelegate::sharedDelegate(),
            [&](const XANotification &notification) {
                actions.push_back(*notification.userInfo.get(XAWebDelegateGenericActionParamKey)->string());
            });
        bool loaded = false;
        QObject::connect(info.webView()->page(), &QWebEnginePage::loadFinished, [&](bool ok) { loaded = ok; });
        info.displayRule(rule, XAConfiguration());
        QVERIFY(XAWaitFor([&] { return loaded; }, 20000));
        QVERIFY(evaluate(info.webView()->page(), "document.body.innerText").toString().contains("NSLogUsed"));
        evaluate(info.webView()->page(),
                 "tessaryNativeApp.invokeGenericAction_withParameter_('configure-rule', 'NSLogUsed'); true");
        QVERIFY(XAWaitFor([&] { return !actions.empty(); }));
        QCOMPARE(actions, std::vector<std::string>{"NSLogUsed"});
        XANotificationCenter::defaultCenter().removeObserver(observation);
    }

    void tallOptionsLeaveThePageHalfTheHeight() {
        // Two option rows are taller than half of the pane.
        const XARuleDescriptor *withOptions = firstPublicRule([](const XARuleDescriptor &rule) {
            std::size_t options = 0;
            for (const XARuleOptionGroup &group : rule.optionGroups) {
                options += group.options.size();
            }
            return options >= 2;
        });
        XARuleInfoViewController info(nullptr);
        info.view()->resize(500, 160);
        info.view()->show();
        info.displayRule(withOptions, XAConfiguration());
        QVERIFY(info.configVC()->desiredViewHeight() > 80);
        QCOMPARE(info.splitView()->sizes().at(0), 80);
        QVERIFY(xa_placeholderLabel(info.ruleOptionsWrapperView()) == nullptr ||
                !xa_placeholderLabel(info.ruleOptionsWrapperView())->isVisible());
        // In a tall pane the options get what they ask for.
        info.view()->resize(500, 2000);
        info.displayRule(withOptions, XAConfiguration());
        QCOMPARE(info.splitView()->sizes().at(0),
                 int(2000 - info.configVC()->desiredViewHeight() - info.splitView()->handleWidth()));
    }

    void anOptionEditedBesideTheListReachesTheSheetUnderItsGroup() {
        // A rule whose options live in a group of another name shows which key the sheet uses.
        const XARuleDescriptor *rule = firstPublicRule([](const XARuleDescriptor &rule) {
            return std::ranges::any_of(rule.optionGroups, [&](const XARuleOptionGroup &group) {
                return group.shortName != rule.shortName && !group.options.empty();
            });
        });
        for (const int returnCode : {1, 0}) {
            auto sheet = std::make_shared<XARuleSelectionWindowController>(XAConfiguration());
            sheet->window();
            sheet->focusOnRuleWithShortName(rule->shortName);
            QCOMPARE(sheet->ruleInfoVC()->rule(), rule);
            XAConfigurationViewController *options = sheet->ruleInfoVC()->configVC();
            const auto row = std::ranges::find_if(options->optionRows(),
                                                  [](const XAConfigTableRow &row) { return !row.isGroupRow(); });
            QVERIFY(row != options->optionRows().end());
            const std::string group = row->optionGroup()->shortName;
            QVERIFY(group != rule->shortName);
            options->assignValue(row->option()->defaultValue(), *row, false);
            options->notifyValuesChanged();
            returnCode == 1 ? sheet->okPressed() : sheet->cancelPressed();
            const XAConfiguration::RuleOptionValues values = sheet->selectedRuleOptionValues();
            if (returnCode == 1) {
                QVERIFY(values.contains(group));
                QVERIFY(values.at(group).contains(row->option()->longName()));
            } else {
                QVERIFY(values.empty());
            }
        }
    }

    void theTagHintShowsWhenTheWindowBecomesKeyUntilItIsDismissedOnce() {
        auto sheet = std::make_shared<XARuleSelectionWindowController>(XAConfiguration());
        sheet->setHintDelaySeconds(0.05);
        sheet->window()->show();
        sheet->window()->activateWindow();
        QVERIFY(XAWaitFor([] { return !XAInfoPopover::visiblePopovers().isEmpty(); }));
        XAInfoPopover *hint = XAInfoPopover::visiblePopovers().constFirst();
        QCOMPARE(hint->identifier(), QStringLiteral("SelectRulesByTag"));
        QCOMPARE(hint->displayFrequency(), qint64(2));
        // The hint belongs to the sheet, and stays on screen: above the tags when there is room, else below them.
        QCOMPARE(hint->parentWidget(), static_cast<QWidget *>(sheet->window()));
        QVERIFY(hint->isWindow());
        QCOMPARE(hint->windowHandle()->transientParent(), sheet->window()->windowHandle());
        const QRect screen = sheet->window()->screen()->availableGeometry();
        QVERIFY(screen.contains(hint->frameGeometry()));
        const QRect tags(sheet->tagsSelectionControl()->mapToGlobal(QPoint(0, 0)),
                         sheet->tagsSelectionControl()->size());
        const bool roomAbove = tags.top() - hint->height() >= screen.top();
        QCOMPARE(hint->arrowEdge(), int(roomAbove ? XARectEdgeTop : XARectEdgeBottom));
        QVERIFY(roomAbove ? hint->geometry().bottom() < tags.top() : hint->geometry().top() > tags.bottom());
        QVERIFY(QFile::exists(XASaveWindowScreenshot(sheet->window(), "hint-popover")));
        // It moves with the sheet.
        const QPoint offset = hint->pos() - sheet->window()->pos();
        sheet->window()->move(sheet->window()->pos() + QPoint(20, 30));
        QVERIFY(XAWaitFor([&] { return hint->pos() - sheet->window()->pos() == offset; }));
        const QString text = hint->contentViewController()->textField()->text();
        QVERIFY(text.contains("Select Rules via Tags"));
        QVERIFY(text.contains("Rules that have any of these tags will be selected (unless they are individually "
                              "excluded)."));
        // Once dismissed it stays away.
        hint->contentViewController()->dismiss();
        QVERIFY(XAWaitFor([] { return XAInfoPopover::visiblePopovers().isEmpty(); }));
        sheet->window()->hide();
        sheet->window()->show();
        sheet->window()->activateWindow();
        QTest::qWait(300);
        QVERIFY(XAInfoPopover::visiblePopovers().isEmpty());
    }

    void theSheetWithASearchAndASelectedRuleIsSavedAsAPicture() {
        XAConfiguration configuration;
        setList(configuration, "ruleTags", {"Recommended"});
        const std::string search = "notification center";
        XARuleSelectionWindowController probe{configuration};
        const XARuleDescriptor *rule = XARulesForSearchText(probe.allRules(), search).at(1);
        auto sheet = std::make_shared<XARuleSelectionWindowController>(configuration, rule->shortName, search);
        sheet->setFocusDelaySeconds(0.01);
        sheet->window()->resize(1100, 700);
        sheet->window()->show();
        QVERIFY(XAWaitFor([&] { return sheet->searchField()->text() == QString::fromStdString(search); }));
        QVERIFY(XAWaitFor([&] { return sheet->displayedRules().size() < sheet->allRules().size(); }));
        sheet->focusOnRuleWithShortName(rule->shortName);
        bool pageLoaded = false;
        QObject::connect(sheet->ruleInfoVC()->webView()->page(), &QWebEnginePage::loadFinished,
                         [&](bool) { pageLoaded = true; });
        QVERIFY(XAWaitFor([&] { return pageLoaded && sheet->tagsSelectionControl()->webViewLoaded(); }, 20000));
        // The tag picker shows the tags in their order, the selected one marked, with their descriptions as tips.
        QWebEnginePage *tags = sheet->tagsSelectionControl()->webView()->page();
        QCOMPARE(evaluate(tags, "Array.from(document.querySelectorAll('.item'), e => e.textContent)").toStringList(),
                 QStringList({"Recommended", "BestPractice", "Resources", "Config", "Localization", "APIUsage", "VCS",
                              "Style", "Pedantic"}));
        QCOMPARE(evaluate(tags, "multiItemSelectionControl.getSelectedItems()").toStringList(),
                 QStringList{"Recommended"});
        QCOMPARE(evaluate(tags, "document.querySelector('[data-item=\"Pedantic\"]').title").toString(),
                 QString::fromStdString(XARuleDescriptionForTag("Pedantic").value()));
        QTest::qWait(400); // the pages paint
        QVERIFY(QFile::exists(XASaveScreenshot(sheet->window(), "rule-selection")));
    }

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
};

QTEST_MAIN(XARuleSelectionTests)
#include "XARuleSelectionTests.moc"
