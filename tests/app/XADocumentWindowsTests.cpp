// The HTML window (rendering off the GUI thread, the find bar, links) and the documentation and licence windows.

#include "app/config/XADocumentWindows.h"
#include "app/diagnostics/XAWebView.h"
#include "app/shell/XAAppDelegate.h"
#include "app/shell/XAMainNaviWindowController.h"
#include "app/shell/XAProjectList.h"
#include "app/shell/XAWindow.h"
#include "core/XALaunchMode.h"
#include "support/XADesktopTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QThread>

#include <atomic>

namespace {

QVariant evaluate(XAWebView *view, const QString &script) {
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    XAWaitFor([&] { return done; }, 10000);
    return result;
}

// Shows the window and waits until its page has loaded.
bool showAndWaitForPage(XAHTMLWindowController &controller) {
    controller.window()->resize(800, 600);
    controller.window()->show();
    return XAWaitFor([&] { return controller.webView()->isLoaded(); }, 30000) &&
           controller.webView()->lastLoadSucceeded();
}

} // namespace

class XADocumentWindowsTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        opener_ = std::make_shared<XARecordingURLOpener>();
        XAURLOpener::setShared(opener_);
    }

    void cleanup() { environment_.reset(); }

    void renderBlockRunsOffTheGuiThreadOnce() {
        std::atomic<int> renders = 0;
        std::atomic<bool> onGuiThread = true;
        XAHTMLWindowController controller(
            "Rendered",
            [&] {
                ++renders;
                onGuiThread = QThread::currentThread() == qApp->thread();
                return QStringLiteral("<h1 id='title'>Rendered page</h1>");
            },
            QUrl());
        QVERIFY(controller.html().isNull());
        QVERIFY(showAndWaitForPage(controller));
        QCOMPARE(controller.window()->windowTitle(), QStringLiteral("Rendered"));
        QVERIFY(!onGuiThread);
        QCOMPARE(renders.load(), 1);
        QCOMPARE(controller.html(), QStringLiteral("<h1 id='title'>Rendered page</h1>"));
        QCOMPARE(evaluate(controller.webView(), "document.getElementById('title').textContent").toString(),
                 QStringLiteral("Rendered page"));
    }

    void findTakesTheSelectionFirst() {
        XAHTMLWindowController controller("Find", "<p>alpha <span id='word'>beta</span> gamma</p>", QUrl());
        QVERIFY(showAndWaitForPage(controller));
        evaluate(controller.webView(), "window.getSelection().selectAllChildren(document.getElementById('word'))");
        QVERIFY(XAWaitFor([&] { return controller.webView()->selectedText() == QStringLiteral("beta"); }));
        QVERIFY(!controller.findBar()->isVisible());

        controller.performFindAction(nullptr); // only menu items count
        QVERIFY(!controller.findBar()->isVisible());

        QAction showFind("Find…");
        showFind.setData(1);
        controller.performFindAction(&showFind);
        QVERIFY(controller.findBar()->isVisible());
        QCOMPARE(controller.findField()->text(), QStringLiteral("beta"));

        // The bar searches the page as the text changes.
        controller.findField()->setText(QStringLiteral("a"));
        QVERIFY2(XAWaitFor([&] { return controller.findStatus()->text().endsWith(QStringLiteral(" of 5")); }, 10000),
                 qPrintable(controller.findStatus()->text()));
        controller.findField()->setText(QStringLiteral("zebra"));
        QVERIFY2(XAWaitFor([&] { return controller.findStatus()->text() == QStringLiteral("Not found"); }, 10000),
                 qPrintable(controller.findStatus()->text()));
        controller.findField()->clear();
        QVERIFY(XAWaitFor([&] { return controller.findStatus()->text().isEmpty(); }, 10000));

        QAction hideFind("Hide Find");
        hideFind.setData(11);
        controller.performFindAction(&hideFind);
        QVERIFY(!controller.findBar()->isVisible());
    }

    void controlFOpensTheFindBarOfEveryHTMLWindow() {
        XAEULAWindowController licence;
        XAAppDocsWindowController documentation;
        for (XAHTMLWindowController *controller :
             std::initializer_list<XAHTMLWindowController *>{&licence, &documentation}) {
            QVERIFY(showAndWaitForPage(*controller));
            controller->window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(controller->window()));
            controller->webView()->setFocus();
            QVERIFY(!controller->findBar()->isVisible());
            QTest::keyClick(controller->webView()->focusProxy() ? controller->webView()->focusProxy()
                                                                : controller->webView(),
                            Qt::Key_F, Qt::ControlModifier);
            QVERIFY2(controller->findBar()->isVisible(), qPrintable(controller->title()));
            QVERIFY(controller->findField()->hasFocus());
            // The Edit menu's item does the same.
            controller->performTextFinderAction(XATextFinderActionHideFindInterface);
            QAction *find = controller->editMenu()->actions().value(0);
            QCOMPARE(find->text(), QStringLiteral("Find…"));
            QCOMPARE(find->shortcut(), QKeySequence(QKeySequence::Find));
            find->trigger();
            QVERIFY(controller->findBar()->isVisible());
            controller->window()->close();
        }
    }

    void followedLinksLeaveTheWindow() {
        XAHTMLWindowController controller("Links", "<a id='web' href='https://example.invalid/'>web</a>", QUrl());
        QVERIFY(controller.openLinksInExternalBrowser());
        QVERIFY(showAndWaitForPage(controller));
        evaluate(controller.webView(), "document.getElementById('web').click()");
        QVERIFY(XAWaitFor([&] { return opener_->opened.size() == 1; }, 10000));
        QCOMPARE(opener_->opened[0], QUrl("https://example.invalid/"));

        // Without external links the window follows them itself.
        XAHTMLWindowController inPlace("Links", "<a id='web' href='https://example.invalid/'>web</a>", QUrl());
        inPlace.setOpenLinksInExternalBrowser(false);
        QVERIFY(showAndWaitForPage(inPlace));
        evaluate(inPlace.webView(), "document.getElementById('web').click()");
        QVERIFY(XAWaitFor([&] { return inPlace.webView()->url() == QUrl("https://example.invalid/"); }, 10000));
        QCOMPARE(opener_->opened.size(), 1u);
    }

    void documentationStartsWithItsContents() {
        XAAppDocsWindowController docs;
        QVERIFY(showAndWaitForPage(docs));
        QCOMPARE(docs.window()->windowTitle(), QStringLiteral("Tessary Documentation"));
        QCOMPARE(evaluate(docs.webView(), "document.body.firstElementChild.textContent").toString(),
                 QStringLiteral("Table of Contents"));
        // The style sheet reached the page.
        QVERIFY(evaluate(docs.webView(), "document.getElementsByTagName('style')[0].textContent.length").toInt() > 0);
        QVERIFY(docs.html().contains(QStringLiteral("<h2>Table of Contents</h2>")));
        QTest::qWait(300); // let the page paint before the picture is taken
        QVERIFY(QFile::exists(XASaveScreenshot(docs.window(), "docs")));
    }

    void licenceAgreementHasNoContents() {
        XAEULAWindowController licence;
        QVERIFY(showAndWaitForPage(licence));
        QCOMPARE(licence.window()->windowTitle(), QStringLiteral("Tessary License Agreement"));
        QVERIFY(!licence.html().contains(QStringLiteral("Table of Contents")));
        QCOMPARE(evaluate(licence.webView(), "document.body.firstElementChild.textContent").toString(),
                 QStringLiteral("License Agreement"));
    }

    void helpMenuOpensTheDocumentWindows() {
        XADevEnvironmentSetUp::setShared(std::make_shared<XAFakeDevEnvironmentSetUp>());
        XAXcodeProjectsQuery::setShared(std::make_shared<XAFakeXcodeProjectsQuery>(std::nullopt));
        XASetRunningUnitTests(false);
        XAProjectList recent("recentProjects", 30);
        {
            XAAppDelegate delegate(&recent);
            delegate.setQuitHandler([] {});
            delegate.applicationDidFinishLaunching();
            QVERIFY(delegate.mainMenu().helpAction()->isVisible());
            QVERIFY(delegate.mainMenu().licenseAction()->isVisible());
            QVERIFY(!delegate.docsWindowController()->isWindowLoaded());

            delegate.mainMenu().helpAction()->trigger();
            QVERIFY(delegate.docsWindowController()->window()->isVisible());
            QCOMPARE(delegate.docsWindowController()->window()->windowTitle(), QStringLiteral("Tessary Documentation"));
            delegate.mainMenu().licenseAction()->trigger();
            QVERIFY(delegate.eulaWindowController()->window()->isVisible());
            QVERIFY(XAWaitFor([] { return !XAMainNaviWindowController::isProjectListLoadInProgress(); }));
        }
        XASetRunningUnitTests(false);
    }

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XARecordingURLOpener> opener_;
};

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    XADocumentWindowsTests tests;
    return QTest::qExec(&tests, argc, argv);
}
#include "XADocumentWindowsTests.moc"
