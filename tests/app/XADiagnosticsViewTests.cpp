// The diagnostics view: group order and row cells, the info line, filtering by tokens and its throttle, the pages
// with their waiting message and generations, the overlay and the export.

#include "app/controls/XAButtons.h"
#include "app/controls/XAInfoPopover.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATableView.h"
#include "app/controls/XAViewExtensions.h"
#include "app/diagnostics/XADiagnosticPageView.h"
#include "app/diagnostics/XADiagnosticsTableModel.h"
#include "app/diagnostics/XADiagnosticsViewController.h"
#include "app/diagnostics/XAWebDelegate.h"
#include "app/integrations/XADesktopDevEnvironment.h"
#include "app/shell/XANotificationCenter.h"
#include "core/XAUserDefaults.h"
#include "support/XADesktopTestSupport.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <condition_variable>
#include <fstream>
#include <mutex>

namespace {

XADiagnostic diagnostic(const std::string &shortName, const std::string &ruleName, XADiagnosticSeverity severity,
                        XADiagnosticConfidence confidence, const std::string &file, const std::string &message = "m") {
    return XADiagnostic::diagnosticWithRuleName(
        XAXMLString(ruleName), shortName, XAXMLString("Finds things."), std::nullopt, {}, XAXMLString(message),
        std::nullopt, file, XADiagnosticPosition::positionAtLine(3, 5, 20),
        XADiagnosticPosition::positionAtLine(3, 9, 24), std::nullopt, XADiagnosticImpactStyle, severity, confidence);
}

XADiagnostics copies(int count, const std::string &shortName = "Alpha", const std::string &ruleName = "Alpha rule") {
    XADiagnostics result;
    for (int i = 0; i < count; ++i) {
        result.push_back(diagnostic(shortName, ruleName, XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh,
                                    "/p/File" + std::to_string(i) + ".m", "message " + std::to_string(i)));
    }
    return result;
}

// Five diagnostics in three groups.
XADiagnostics mixedDiagnostics() {
    return {
        diagnostic("Unused", "Unused variable", XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh,
                   "/p/MyFileA.m"),
        diagnostic("Unused", "Unused variable", XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh, "/p/Other.m"),
        diagnostic("NSLogUsed", "NSLog used", XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute,
                   "/p/MyFileB.m"),
        diagnostic("NSLogUsed", "NSLog used", XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute,
                   "/p/Other.m"),
        diagnostic("Leak", "Leaked object", XADiagnosticSeverityError, XADiagnosticConfidenceLow, "/p/MyFileA.m")};
}

// Renders "page:<short name>:<generation tag>", holding every rendering while the gate is closed, and counts calls.
class XAGatedRenderer : public XADiagnosticGroupPageRenderer {
public:
    std::optional<std::string> templateLoadError() const override { return std::nullopt; }
    Result renderGroup(const XADiagnosticGroup &group) const override {
        std::unique_lock lock(mutex_);
        ++renderings_;
        const std::string tag = tag_;
        opened_.wait(lock, [this] { return open_; });
        const std::string shortName = group.representative()->ruleShortName();
        if (shortName == failingRule_) {
            return {"", "cannot render " + shortName};
        }
        return {"page:" + shortName + ":" + tag, std::nullopt};
    }
    void setOpen(bool open) {
        std::lock_guard lock(mutex_);
        open_ = open;
        opened_.notify_all();
    }
    void setTag(std::string tag) {
        std::lock_guard lock(mutex_);
        tag_ = std::move(tag);
    }
    void setFailingRule(std::string rule) { failingRule_ = std::move(rule); }
    int renderings() const {
        std::lock_guard lock(mutex_);
        return renderings_;
    }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable opened_;
    mutable int renderings_ = 0;
    bool open_ = true;
    std::string tag_ = "1";
    std::string failingRule_;
};

class XAScriptedSavePanel : public XAExportSavePanel {
public:
    void runSavePanel(QWidget *, const QString &title, const QStringList &nameFilters, Handler handler) override {
        titles.append(title);
        filters = nameFilters;
        handler(answer);
    }
    std::optional<Choice> answer;
    QStringList titles;
    QStringList filters;
};

struct XAShownDiagnosticsView {
    XADesktopTestEnvironment environment;
    std::shared_ptr<XAGatedRenderer> renderer = std::make_shared<XAGatedRenderer>();
    XADiagnosticsViewController controller{renderer};
    QWidget *view = controller.view();

    XAShownDiagnosticsView() {
        view->resize(900, 500);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }
    int rowCount() const { return controller.tableModel()->rowCount(); }
    QString info() const { return controller.infoTextField()->text(); }
    bool waitForInfo(const QString &text) {
        return XAWaitFor([&] { return info() == text; });
    }
    void select(int row) { controller.tableView()->selectRow(row); }
    std::optional<QString> placeholder() const { return controller.webView()->placeholderText(); }
    bool allPagesRendered() const {
        const auto &pages = controller.diagnosticGroupHTMLs();
        return !pages.empty() && std::none_of(pages.begin(), pages.end(), [](const QString &p) { return p.isEmpty(); });
    }
};

// An editor that records the files it is asked to open.
class XARecordingEditorEnvironment : public XADesktopDevEnvironment {
public:
    struct Call {
        std::string path;
        unsigned long line;
        unsigned long column;
    };
    std::vector<std::shared_ptr<XACodeEditorApp>> supportedEditors() override {
        return {XACodeEditorApp::editorWithName(
            "Recording Editor", "org.example.recording", "/bin/true",
            [this](XACodeEditorApp &, const std::string &path, unsigned long line, unsigned long column, XAError *) {
                editorCalls.push_back({path, line, column});
                return true;
            },
            QString())};
    }
    std::vector<Call> editorCalls;
};

QVariant evaluate(XAWebView &view, const QString &script) {
    QVariant result;
    bool done = false;
    view.page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    XAWaitFor([&] { return done; }, 10000);
    return result;
}

QString plainRichText(const QVariant &value) {
    QTextDocument document;
    document.setHtml(value.toString());
    return document.toPlainText();
}

} // namespace

class XADiagnosticsViewTests : public QObject {
    Q_OBJECT

private slots:
    void init() { XAUserDefaults::resetForTesting(); }

    void groupsRunBySeverityThenConfidenceThenRuleNameFromZToA() {
        const XADiagnostics diagnostics = {
            diagnostic("Apple", "a", XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh, "/p/a.m"),
            diagnostic("Zebra", "z", XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh, "/p/a.m"),
            diagnostic("Mango", "m", XADiagnosticSeverityWarning, XADiagnosticConfidenceAbsolute, "/p/a.m"),
            diagnostic("Kiwi", "k", XADiagnosticSeverityError, XADiagnosticConfidenceLow, "/p/a.m"),
            diagnostic("Berry", "b", XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute, "/p/a.m")};
        QStringList order;
        for (const XADiagnosticGroup &group : XAGroupsFromDiagnostics(diagnostics, nullptr)) {
            order.append(QString::fromStdString(group.representative()->ruleShortName()));
        }
        QCOMPARE(order, (QStringList{"Kiwi", "Mango", "Zebra", "Apple", "Berry"}));
    }

    void countCellsShowTheNumberUpToAHundredAndPillsTurnRedAboveForty() {
        struct Case {
            std::size_t count;
            std::string text;
            std::optional<XAFont> font;
            QColor pill;
        };
        const QColor grey = QColor::fromRgbF(0.3f, 0.3f, 0.3f), red(135, 101, 101);
        const std::vector<Case> cases = {{10, "10", std::nullopt, grey},
                                         {11, "11", XAFont::boldSystemFont(12), grey},
                                         {40, "40", XAFont::boldSystemFont(12), grey},
                                         {41, "41", XAFont::boldSystemFont(12), red},
                                         {100, "100", XAFont::boldSystemFont(12), red},
                                         {101, "99+", XAFont::boldSystemFont(11), red}};
        for (const Case &c : cases) {
            const XAAttributedString text = XADiagnosticCountText(c.count);
            QCOMPARE(text.string(), c.text);
            const XATextAttributes attributes = text.attributesAtIndex(0);
            QVERIFY2(attributes.font == c.font, c.text.c_str());
            QCOMPARE(attributes.foregroundColor, std::optional<XAColor>(XAColor::white(0.9)));
            QCOMPARE(XADiagnosticCountPillColor(c.count), c.pill);
        }
        QCOMPARE(XADiagnosticCountHighlightedPillColor(), QColor::fromRgbF(0.5f, 0.5f, 0.5f));
    }

    void infoCellsHoldTheRuleNameBrightAndTheSubtitleDimmer() {
        const auto groups = XAGroupsFromDiagnostics(copies(3, "Alpha", "Alpha <codesymbol>rule</codesymbol>"), nullptr);
        const XAAttributedString info = XADiagnosticInfoText(groups.front());
        const std::string subtitle = groups.front().groupSubtitle().string();
        QCOMPARE(info.string(), "Alpha rule\n" + subtitle);
        const XATextAttributes name = info.attributesAtIndex(0);
        QVERIFY(name.font && name.font->bold);
        QCOMPARE(XAHSBFromColor(*name.foregroundColor).brightness, 0.9);
        const XATextAttributes rest = info.attributesAtIndex(info.length() - 1);
        QCOMPARE(rest.font, std::optional<XAFont>(XAFont::systemFont(12)));
        QVERIFY(std::abs(XAHSBFromColor(*rest.foregroundColor).brightness - 0.6) < 1e-6);
        QVERIFY(XAHSBFromColor(*rest.foregroundColor).saturation <= 0.4 + 1e-6);
    }

    void iconColumnsExplainThemselvesInToolTips() {
        XADiagnosticsTableModel model;
        model.setRows(std::make_shared<const XADiagnosticTableRows>(
            XAMakeTableRowInfosForDiagnosticGroups(XAGroupsFromDiagnostics(copies(2), nullptr))));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0, 0), Qt::ToolTipRole).toString(),
                 QStringLiteral("Impact: Style, Severity: Warning"));
        QCOMPARE(model.data(model.index(0, 1), Qt::ToolTipRole).toString(),
                 QStringLiteral("Confidence: High — It is unlikely that this is a false positive."));
        QVERIFY(!model.data(model.index(0, 3), Qt::ToolTipRole).isValid());
        QCOMPARE(plainRichText(model.data(model.index(0, 2), Qt::DisplayRole)), QStringLiteral("2"));
        QVERIFY(!model.data(model.index(0, 0), Qt::DecorationRole).value<QImage>().isNull());
        QCOMPARE(model.data(model.index(0, 0), Qt::DecorationRole).value<QImage>().width(), 18 + 6);
        QCOMPARE(model.data(model.index(0, 2), Qt::SizeHintRole).toSize().height(), 40);
    }

    void infoCellsDrawTwoLinesEachTruncatedAtTheTail() {
        XADiagnosticsTableModel model;
        model.setRows(std::make_shared<const XADiagnosticTableRows>(
            XAMakeTableRowInfosForDiagnosticGroups(XAGroupsFromDiagnostics(copies(30), nullptr))));
        const QVariantList lines = model.data(model.index(0, 3), XADiagnosticInfoLinesRole).toList();
        QCOMPARE(lines.size(), 2);
        const auto name = lines[0].value<XADiagnosticInfoLine>(), subtitle = lines[1].value<XADiagnosticInfoLine>();
        QCOMPARE(name.text, QStringLiteral("Alpha rule"));
        QVERIFY(name.font.bold() && !subtitle.font.bold());
        QVERIFY(subtitle.text.startsWith("30 instances"));
        const QString truncated = XADiagnosticInfoCell::truncatedLine(subtitle, 80);
        QVERIFY2(truncated.endsWith(QChar(0x2026)) && truncated.size() < subtitle.text.size(), qPrintable(truncated));
        QCOMPARE(XADiagnosticInfoCell::truncatedLine(name, 2000), name.text);
    }

    void theInfoLineCountsShownDiagnosticsAndAFilterThatHidesAllDisablesExport() {
        XAShownDiagnosticsView shown;
        shown.controller.displayDiagnostics(nullptr, mixedDiagnostics(), false);
        QVERIFY(shown.waitForInfo(QStringLiteral("Showing 5 diagnostics in 3 groups.")));
        QCOMPARE(shown.rowCount(), 3);
        QVERIFY(shown.controller.exportDiagnosticsButton()->isEnabled());

        shown.controller.searchTokenField()->setTokens({"rule=Nothing*"});
        shown.controller.updateFilteredDiagnosticsInTable();
        QVERIFY(shown.waitForInfo(QStringLiteral("Showing 0 / 5 diagnostics in 0 groups.")));
        QCOMPARE(shown.rowCount(), 0);
        QVERIFY(!shown.controller.exportDiagnosticsButton()->isEnabled());

        // A filter that hides nothing shows the bare count again.
        shown.controller.searchTokenField()->setTokens({"file=*.m"});
        shown.controller.updateFilteredDiagnosticsInTable();
        QVERIFY(shown.waitForInfo(QStringLiteral("Showing 5 diagnostics in 3 groups.")));
    }

    void everyTokenMustAcceptAndCompletionsComeFromTheShownDiagnostics() {
        XAShownDiagnosticsView shown;
        shown.controller.displayDiagnostics(nullptr, mixedDiagnostics(), false);
        QVERIFY(shown.waitForInfo(QStringLiteral("Showing 5 diagnostics in 3 groups.")));
        QVERIFY(shown.controller.completionsForSubstring("FILE=oth").contains("file=Other.m"));

        shown.controller.searchTokenField()->setTokens({"file=MyFile*", "rule=Unused*"});
        shown.controller.updateFilteredDiagnosticsInTable();
        QVERIFY(shown.waitForInfo(QStringLiteral("Showing 1 / 5 diagnostics in 1 groups.")));
        QVERIFY(XAWaitFor([&] { return shown.controller.filterCompletions().has_value(); }));
        const QStringList files = shown.controller.completionsForSubstring("File=");
        QCOMPARE(files, QStringList{"file=MyFileA.m"});
        QVERIFY(shown.controller.completionsForSubstring("file=Other").isEmpty());
        QVERIFY(shown.controller.completionsForSubstring("x").isEmpty());
    }

    void aBurstOfDeletionsRefiltersOnceAfterTheLast() {
        XAShownDiagnosticsView shown;
        shown.controller.setFilterThrottleInterval(0.3);
        shown.controller.displayDiagnostics(nullptr, copies(2), false);
        QVERIFY(XAWaitFor([&] { return shown.allPagesRendered(); }));
        const int renderingsBefore = shown.renderer->renderings();
        XATokenField *field = shown.controller.searchTokenField();
        field->setFocus();
        QTest::keyClicks(field, "file=File");
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::qWait(50);
        }
        QCOMPARE(shown.renderer->renderings(), renderingsBefore); // nothing yet: the last deletion is recent
        QVERIFY(XAWaitFor([&] { return shown.renderer->renderings() > renderingsBefore; }));
        QTest::qWait(500);
        QCOMPARE(shown.renderer->renderings(), renderingsBefore + 1); // one group, filtered once

        // Deleting in an empty field filters nothing.
        field->clear();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::qWait(500);
        QCOMPARE(shown.renderer->renderings(), renderingsBefore + 1);
    }

    void aTokenAddedWithReturnFiltersAtOnce() {
        XAShownDiagnosticsView shown;
        shown.controller.displayDiagnostics(nullptr, mixedDiagnostics(), false);
        QVERIFY(shown.waitForInfo(QStringLiteral("Showing 5 diagnostics in 3 groups.")));
        XATokenField *field = shown.controller.searchTokenField();
        field->setFocus();
        QTest::keyClicks(field, "rule=NSLog*");
        field->completer()->popup()->hide();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->tokens(), QStringList{"rule=NSLog*"});
        QVERIFY(shown.waitForInfo(QStringLiteral("Showing 2 / 5 diagnostics in 1 groups.")));
    }

    void aRowWhosePageIsRenderingWaitsAndThenShowsItsPage() {
        XAShownDiagnosticsView shown;
        QCOMPARE(shown.placeholder(), QStringLiteral("Select a diagnostic group to see its info."));
        shown.renderer->setOpen(false);
        shown.controller.displayDiagnostics(nullptr, mixedDiagnostics(), false);
        QVERIFY(XAWaitFor([&] { return shown.rowCount() == 3; }));
        shown.select(0);
        QCOMPARE(shown.placeholder(), QString::fromUtf8("Please wait for the diagnostic \ngroup description to be "
                                                        "generated…"));
        QVERIFY(shown.controller.isWaitingForHTMLRendering());
        shown.renderer->setOpen(true);
        QVERIFY(XAWaitFor([&] { return shown.controller.webView()->loadedHTML() == "page:Leak:1"; }));
        QVERIFY(!shown.placeholder());

        shown.controller.tableView()->clearSelection();
        QCOMPARE(shown.placeholder(), QStringLiteral("Select a diagnostic group to see its info."));
    }

    void anOlderGroupingStoresNoPageAndAsksForNoUpdate() {
        XAShownDiagnosticsView shown;
        shown.renderer->setOpen(false);
        shown.controller.displayDiagnostics(nullptr, mixedDiagnostics(), false);
        QVERIFY(XAWaitFor([&] { return shown.rowCount() == 3 && shown.renderer->renderings() > 0; }));
        shown.select(0);
        QVERIFY(shown.controller.isWaitingForHTMLRendering());

        // A newer filter replaces the grouping while the older one still renders.
        shown.renderer->setTag("2");
        shown.controller.searchTokenField()->setTokens({"rule=Leak*"});
        shown.controller.updateFilteredDiagnosticsInTable();
        QVERIFY(shown.waitForInfo(QStringLiteral("Showing 1 / 5 diagnostics in 1 groups.")));
        shown.select(0);
        shown.renderer->setOpen(true);
        QVERIFY(XAWaitFor([&] { return shown.allPagesRendered(); }));
        QTest::qWait(200);
        QCOMPARE(shown.controller.diagnosticGroupHTMLs(), std::vector<QString>{"page:Leak:2"});
        QCOMPARE(shown.controller.webView()->loadedHTML(), QStringLiteral("page:Leak:2"));
    }

    void aFailedRenderingSpoilsOnlyItsOwnPage() {
        XAShownDiagnosticsView shown;
        shown.renderer->setFailingRule("Unused");
        shown.controller.displayDiagnostics(nullptr, mixedDiagnostics(), false);
        QVERIFY(XAWaitFor([&] { return shown.allPagesRendered(); }));
        QCOMPARE(shown.controller.diagnosticGroupHTMLs(),
                 (std::vector<QString>{"page:Leak:1", "Error: cannot render Unused", "page:NSLogUsed:1"}));
    }

    void aTemplateThatDoesNotLoadMakesEveryPageAnError() {
        auto broken = std::make_shared<XAMustacheGroupPageRenderer>("{{#diagnostics}} never closed");
        QVERIFY(broken->templateLoadError());
        XADiagnosticsViewController controller(broken);
        controller.view()->resize(600, 300);
        controller.displayDiagnostics(nullptr, mixedDiagnostics(), false);
        QVERIFY(XAWaitFor([&] {
            return controller.diagnosticGroupHTMLs().size() == 3 &&
                   !controller.diagnosticGroupHTMLs().front().isEmpty();
        }));
        for (const QString &page : controller.diagnosticGroupHTMLs()) {
            QVERIFY2(page.startsWith("Error: ") && page.contains("not valid"), qPrintable(page));
        }
    }

    void theShippedTemplateRendersALargeGroupWithItsFileLinks() {
        XADesktopTestEnvironment environment;
        auto editor = std::make_shared<XARecordingEditorEnvironment>();
        XADesktopDevEnvironment::setShared(editor);
        auto renderer = std::make_shared<XAMustacheGroupPageRenderer>();
        QVERIFY2(!renderer->templateLoadError(), renderer->templateLoadError().value_or("").c_str());
        // Editors open only files that exist: the last one does.
        const std::string folder = environment.path();
        const std::string lastFile = folder + "/Source2999.m";
        std::ofstream(lastFile) << "int x;\n";
        const std::string longMessage(600, 'x');
        XADiagnostics large;
        for (int i = 0; i < 3000; ++i) {
            large.push_back(diagnostic("Big", "Big rule", XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh,
                                       folder + "/Source" + std::to_string(i) + ".m", longMessage + std::to_string(i)));
        }
        const auto groups = XAGroupsFromDiagnostics(large, nullptr);
        const XADiagnosticGroupPageRenderer::Result page = renderer->renderGroup(groups.front());
        QVERIFY(!page.error);
        QVERIFY(page.html.size() > 2'000'000);
        QVERIFY(page.html.find("data-rule=\"Big\"") != std::string::npos);

        XADiagnosticsViewController controller(renderer);
        controller.view()->resize(800, 400);
        controller.view()->show();
        controller.displayDiagnostics(nullptr, large, false);
        QVERIFY(XAWaitFor([&] { return controller.tableModel()->rowCount() == 1; }, 20000));
        controller.tableView()->selectRow(0);
        XADiagnosticPageView *pane = controller.webView();
        QVERIFY(XAWaitFor([&] { return pane->loadedHTML().size() > 2'000'000; }, 60000));
        // The page is in place once its last file link is.
        QVERIFY(XAWaitFor(
            [&] { return evaluate(*pane, "document.querySelectorAll('.tessary-filepath').length").toInt() == 3000; },
            60000));
        // The group lists its files by name, so the one that exists is found by its path.
        evaluate(*pane, QString::fromStdString("document.querySelector('.tessary-filepath[data-path=\"" + lastFile +
                                               "\"]').click()"));
        QVERIFY(XAWaitFor([&] { return !editor->editorCalls.empty(); }, 10000));
        QCOMPARE(editor->editorCalls.front().path, lastFile);
        QCOMPARE(editor->editorCalls.front().line, 3ul);   // the diagnostic's line, from 1
        QCOMPARE(editor->editorCalls.front().column, 4ul); // libclang's column 5, from 0

        // The rule's name asks for the rule's settings.
        std::vector<std::pair<std::string, std::string>> actions;
        const std::uint64_t observation = XANotificationCenter::defaultCenter().addObserver(
            XAWebDelegateGenericActionNotificationName, nullptr, [&actions](const XANotification &notification) {
                actions.emplace_back(*notification.userInfo.get(XAWebDelegateGenericActionNameKey)->string(),
                                     *notification.userInfo.get(XAWebDelegateGenericActionParamKey)->string());
            });
        evaluate(*pane, "document.querySelector('.tessary-rulename').click()");
        QVERIFY(XAWaitFor([&] { return !actions.empty(); }, 10000));
        XANotificationCenter::defaultCenter().removeObserver(observation);
        QCOMPARE(actions.front(), std::make_pair(std::string("configure-rule"), std::string("Big")));
    }

    void runsWithoutDiagnosticsShowTheOverlay() {
        XAShownDiagnosticsView shown;
        shown.controller.displayDiagnostics(nullptr, {}, false);
        QVERIFY(shown.controller.noDiagnosticsView()->isVisible());
        QCOMPARE(shown.controller.noDiagnosticsTitleField()->text(), QStringLiteral("Yay!"));
        QCOMPARE(shown.controller.noDiagnosticsSubtitleField()->text(),
                 QStringLiteral("Nothing to report (no diagnostics)."));
        QVERIFY(shown.controller.noDiagnosticsIconImageView()->isVisible());
        QVERIFY(!shown.controller.searchTokenField()->isEnabled());
        QVERIFY(!shown.controller.splitView()->isVisible());
        QCOMPARE(shown.controller.noDiagnosticsView()->size(), shown.view->size());

        shown.controller.displayDiagnostics(nullptr, {}, true);
        QCOMPARE(shown.controller.noDiagnosticsTitleField()->text(), QStringLiteral("Checking failed."));
        QCOMPARE(shown.controller.noDiagnosticsSubtitleField()->text(),
                 QStringLiteral("See the checking log for more info."));
        QVERIFY(!shown.controller.noDiagnosticsIconImageView()->isVisible());

        shown.controller.displayDiagnostics(nullptr, copies(1), false);
        QVERIFY(XAWaitFor([&] { return !shown.controller.noDiagnosticsView()->isVisible(); }));
        QVERIFY(shown.controller.searchTokenField()->isEnabled());
    }

    void clearingForgetsTheRunAndEmptiesFilterTableAndPane() {
        XAShownDiagnosticsView shown;
        shown.controller.displayDiagnostics(nullptr, mixedDiagnostics(), false);
        QVERIFY(shown.waitForInfo(QStringLiteral("Showing 5 diagnostics in 3 groups.")));
        QVERIFY(XAWaitFor([&] { return shown.allPagesRendered(); }));
        shown.select(1);
        shown.controller.searchTokenField()->setTokens({"file=Other.m"});
        shown.controller.clearPresentedDiagnostics();
        QVERIFY(shown.controller.diagnostics().empty());
        QVERIFY(!shown.controller.searchTokenField()->hasContent());
        QCOMPARE(shown.rowCount(), 0);
        QVERIFY(shown.info().isEmpty());
        QVERIFY(!shown.controller.exportDiagnosticsButton()->isEnabled());
        QCOMPARE(shown.placeholder(), QStringLiteral("Select a diagnostic group to see its info."));
        QTest::qWait(100); // nothing of the forgotten run arrives later
        QCOMPARE(shown.rowCount(), 0);
    }

    void theFilterHintShowsASecondAfterTheTabAppearsWhenThereAreDiagnostics() {
        XAShownDiagnosticsView shown;
        shown.controller.xa_sidebarDidShowView(XANotification{XASidebarViewShownNotificationName, shown.view, {}});
        QTest::qWait(1300);
        QVERIFY(XAInfoPopover::visiblePopovers().isEmpty());

        shown.controller.displayDiagnostics(nullptr, copies(1), false);
        shown.controller.xa_sidebarDidShowView(XANotification{XASidebarViewShownNotificationName, shown.view, {}});
        QTest::qWait(500);
        QVERIFY(XAInfoPopover::visiblePopovers().isEmpty());
        QVERIFY(XAWaitFor([] { return !XAInfoPopover::visiblePopovers().isEmpty(); }, 2000));
        XAInfoPopover *hint = XAInfoPopover::visiblePopovers().constFirst();
        QCOMPARE(hint->identifier(), QStringLiteral("DiagnosticsFilter"));
        // Above the filter field, unless the screen ends there: then below it.
        QVERIFY(hint->arrowEdge() == int(XARectEdgeTop) || hint->arrowEdge() == int(XARectEdgeBottom));
        QVERIFY(hint->screen()->availableGeometry().contains(hint->frameGeometry()));
        QVERIFY(hint->contentViewController()->textField()->text().contains("Filter Diagnostics"));
        QTest::keyClick(hint, Qt::Key_Escape);
        QVERIFY(XAWaitFor([] { return XAInfoPopover::visiblePopovers().isEmpty(); }));
    }

    void exportWritesTheChosenFormatAndReportsFailures() {
        XAShownDiagnosticsView shown;
        auto alerts = std::make_shared<XAScriptedAlertPresenter>();
        XAAlertPresenter::setShared(alerts);
        auto panel = std::make_shared<XAScriptedSavePanel>();
        XAExportSavePanel::setShared(panel);
        shown.controller.displayDiagnostics(nullptr, copies(2), false);

        const QString folder = QString::fromStdString(shown.environment.path());
        panel->answer = XAExportSavePanel::Choice{folder + "/report", "Property List (*.plist)"};
        shown.controller.exportDiagnosticsPressed();
        QCOMPARE(panel->titles, QStringList{"Export diagnostics"});
        QCOMPARE(panel->filters, (QStringList{"JSON (*.json)", "Property List (*.plist)"}));
        QVERIFY(XAWaitFor([&] { return QFile::exists(folder + "/report.plist"); }));

        panel->answer = XAExportSavePanel::Choice{folder + "/report.txt", "JSON (*.json)"};
        shown.controller.exportDiagnosticsPressed();
        QVERIFY(XAWaitFor([&] { return QFile::exists(folder + "/report.txt"); }));
        QFile json(folder + "/report.txt");
        QVERIFY(json.open(QIODevice::ReadOnly));
        QVERIFY(json.readAll().trimmed().startsWith('{'));

        panel->answer = std::nullopt; // cancelled
        shown.controller.exportDiagnosticsPressed();
        QTest::qWait(100);
        QVERIFY(alerts->shown().empty());

        panel->answer = XAExportSavePanel::Choice{folder + "/missing/folder/report", "JSON (*.json)"};
        shown.controller.exportDiagnosticsPressed();
        QVERIFY(XAWaitFor([&] { return !alerts->shown().empty(); }));
        QCOMPARE(alerts->shown().front().alert.style, XAAlertStyle::Critical);
        QVERIFY(!alerts->shown().front().alert.title.isEmpty());
        XAExportSavePanel::setShared(nullptr);
    }

    void screenshotOfTheDiagnosticsTab() {
        XADesktopTestEnvironment environment;
        auto renderer = std::make_shared<XAMustacheGroupPageRenderer>();
        XADiagnosticsViewController controller(renderer);
        QWidget *view = controller.view();
        view->resize(1000, 560);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        XADiagnostics diagnostics = mixedDiagnostics();
        for (const XADiagnostic &d : copies(45, "Spelling", "Misspelled word")) {
            diagnostics.push_back(d);
        }
        controller.displayDiagnostics(nullptr, diagnostics, false);
        QVERIFY(XAWaitFor([&] { return controller.tableModel()->rowCount() == 4; }));
        controller.searchTokenField()->setTokens({"severity=Warning", "bogus"});
        controller.updateFilteredDiagnosticsInTable();
        QVERIFY(XAWaitFor([&] { return controller.infoTextField()->text().startsWith("Showing 47 / 50"); }));
        controller.tableView()->selectRow(0);
        QVERIFY(XAWaitFor([&] {
            return evaluate(*controller.webView(), "document.querySelectorAll('.tessary-diagnostic').length").toInt() ==
                   2;
        }));
        QVERIFY(!xa_placeholderLabel(controller.webView()) || !xa_placeholderLabel(controller.webView())->isVisible());
        QTest::qWait(300);
        QVERIFY(!XASaveScreenshot(view, QStringLiteral("diagnostics")).isEmpty());
    }
};

QTEST_MAIN(XADiagnosticsViewTests)
#include "XADiagnosticsViewTests.moc"
