// The script bridge of the HTML panes: values from page scripts, following links to files and code symbols, the
// generic action, the navigation policy, and the bridge and page loader in a real web view.

#include "app/controls/XAViewExtensions.h"
#include "app/diagnostics/XAPageLoader.h"
#include "app/diagnostics/XAScriptValue.h"
#include "app/diagnostics/XAWebDelegate.h"
#include "app/diagnostics/XAWebView.h"
#include "app/integrations/XADesktopDevEnvironment.h"
#include "app/shell/XANotificationCenter.h"
#include "support/XADesktopTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

XAScriptValue undefinedValue() { return {}; }
XAScriptValue scriptValue(const QJsonValue &json) { return XAScriptValue::fromJson(json); }

QJsonValue undefinedMarker() { return QJsonObject{{QString::fromLatin1(XAScriptUndefinedMarkerKey), true}}; }

struct XAEditorCall {
    std::string path;
    unsigned long line;
    unsigned long column;
};

// An editor and a documentation browser that record what they are asked; the browser answers with `docsError`.
class XAFakeDevEnvironment : public XADesktopDevEnvironment {
public:
    std::vector<std::shared_ptr<XACodeEditorApp>> supportedEditors() override {
        return {XACodeEditorApp::editorWithName(
            "Fake Editor", "org.example.editor", "/bin/true",
            [this](XACodeEditorApp &, const std::string &path, unsigned long line, unsigned long column, XAError *) {
                editorCalls.push_back({path, line, column});
                return true;
            },
            QString())};
    }
    std::vector<std::shared_ptr<XADocsBrowserApp>> supportedDocsBrowsers() override {
        return {XADocsBrowserApp::docsBrowserWithName(
            "Fake Browser", "org.example.browser", std::string(),
            [this](XADocsBrowserApp &, const XACodeSymbolRef &symbol, const XADocsBrowserApp::Handler &handler) {
                docsLookups.push_back(symbol.appleRef().value_or("?"));
                handler(docsError);
            })};
    }
    std::vector<XAEditorCall> editorCalls;
    std::vector<std::string> docsLookups;
    std::optional<XAError> docsError;
};

// Runs the script in the page and waits for its result.
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

bool loadAndWait(XAWebView &view, const QString &html, const QUrl &base) {
    bool finished = false;
    bool succeeded = false;
    auto connection = QObject::connect(view.page(), &QWebEnginePage::loadFinished, [&](bool ok) {
        finished = true;
        succeeded = ok;
    });
    view.loadHTML(html, base);
    XAWaitFor([&] { return finished; }, 20000);
    QObject::disconnect(connection);
    return succeeded;
}

} // namespace

class XAScriptBridgeTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        revealer_ = std::make_shared<XARecordingFileRevealer>();
        XAFileRevealer::setShared(revealer_);
        opener_ = std::make_shared<XARecordingURLOpener>();
        XAURLOpener::setShared(opener_);
        devEnvironment_ = std::make_shared<XAFakeDevEnvironment>();
        XADesktopDevEnvironment::setShared(devEnvironment_);
    }

    void cleanup() { environment_.reset(); }

    void scriptValuesTellUndefinedFromNullAndEmpty() {
        QVERIFY(scriptValue(undefinedMarker()).isUndefined());
        QVERIFY(!scriptValue(QJsonValue::Null).isUndefined());
        QVERIFY(!scriptValue(QString()).isUndefined());
        QCOMPARE(scriptValue(QJsonValue::Null).toString(), QString());
        QCOMPARE(scriptValue(12.0).toString(), QStringLiteral("12"));
        // Line and column: numbers only; negatives, fractions and other types read as 0 or are cut.
        QCOMPARE(scriptValue(12.9).toUnsignedInteger(), 12ul);
        QCOMPARE(scriptValue(-3.0).toUnsignedInteger(), 0ul);
        QCOMPARE(scriptValue(QStringLiteral("12")).toUnsignedInteger(), 0ul);
        QCOMPARE(undefinedValue().toUnsignedInteger(), 0ul);
    }

    void arrayValuesOfScriptObjects() {
        // An empty array, an array with a hole, a plain object, an array-like object and a string.
        QCOMPARE(xa_arrayValue(scriptValue(QJsonArray()))->size(), 0u);
        const auto beforeHole = xa_arrayValue(scriptValue(QJsonArray{1, 2, undefinedMarker(), 4}));
        QVERIFY(beforeHole);
        QCOMPARE(beforeHole->size(), 2u);
        QCOMPARE(beforeHole->at(1).toString(), QStringLiteral("2"));
        QVERIFY(!xa_arrayValue(scriptValue(QJsonObject{{"a", 1}})));
        const auto arrayLike = xa_arrayValue(scriptValue(QJsonObject{{"length", 3}, {"0", "x"}, {"1", "y"}}));
        QVERIFY(arrayLike);
        QCOMPARE(arrayLike->size(), 2u); // index 2 is missing: a hole
        QVERIFY(!xa_arrayValue(scriptValue(QStringLiteral("abc"))));
    }

    void openingLinks_data() {
        QTest::addColumn<QJsonValue>("text");
        QTest::addColumn<QJsonValue>("type");
        QTest::addColumn<QJsonValue>("ref");
        QTest::addColumn<QJsonValue>("line");
        QTest::addColumn<QJsonValue>("column");
        // What happened: "docs:<ref>", "edit:<path>:<line>:<column>", "reveal:<path>", "alert:<message>" or "".
        QTest::addColumn<QString>("expected");

        const QJsonValue none = undefinedMarker();
        QTest::newRow("class with an empty reference")
            << QJsonValue("NSString") << QJsonValue("objcclass") << QJsonValue("") << none << none
            << "docs://apple_ref/occ/cl/NSString";
        QTest::newRow("a documentation reference wins over the text")
            << QJsonValue("NSArray") << QJsonValue("objcclass") << QJsonValue("//apple_ref/occ/cl/NSString") << none
            << none << "docs://apple_ref/occ/cl/NSString";
        QTest::newRow("another reference does nothing")
            << QJsonValue("NSString") << QJsonValue("objcclass") << QJsonValue("#anchor") << none << none << "";
        QTest::newRow("undefined text does nothing")
            << none << QJsonValue("objcclass") << QJsonValue("") << none << none << "";
        QTest::newRow("undefined type does nothing")
            << QJsonValue("NSString") << none << QJsonValue("") << none << none << "";
        QTest::newRow("unknown type does nothing")
            << QJsonValue("NSString") << QJsonValue("colour") << QJsonValue("") << none << none << "";
        QTest::newRow("method") << QJsonValue("-[NSView setNeedsDisplay:]") << QJsonValue("objcmethod")
                                << QJsonValue(QJsonValue::Null) << none << none
                                << "docs://apple_ref/occ/instm/NSView/setNeedsDisplay:";
        QTest::newRow("function") << QJsonValue("NSLog(...)") << QJsonValue("cfunction") << none << none << none
                                  << "docs://apple_ref/c/func/NSLog";
        QTest::newRow("a method name that does not parse asks for a manual search")
            << QJsonValue("setNeedsDisplay") << QJsonValue("objcmethod") << QJsonValue("") << none << none
            << "alert:We could not find documentation for setNeedsDisplay. Please search for it manually in Xcode.";
        QTest::newRow("text file at a line and column")
            << QJsonValue("%TEXT%") << QJsonValue("filepath") << QJsonValue("") << QJsonValue(12) << QJsonValue(4)
            << "edit:%TEXT%:12:4";
        QTest::newRow("text file without position")
            << QJsonValue("%TEXT%") << QJsonValue("filepath") << QJsonValue("") << none << none << "edit:%TEXT%:0:0";
        QTest::newRow("text file with positions that are not numbers")
            << QJsonValue("%TEXT%") << QJsonValue("filepath") << QJsonValue("") << QJsonValue("12")
            << QJsonValue(QJsonValue::Null) << "edit:%TEXT%:0:0";
        QTest::newRow("folder") << QJsonValue("%FOLDER%") << QJsonValue("filepath") << QJsonValue("") << none << none
                                << "reveal:%FOLDER%";
        QTest::newRow("image") << QJsonValue("%IMAGE%") << QJsonValue("filepath") << QJsonValue("") << none << none
                               << "reveal:%IMAGE%";
        QTest::newRow("a file link without a path does nothing")
            << QJsonValue(QJsonValue::Null) << QJsonValue("filepath") << QJsonValue("") << none << none << "";
        QTest::newRow("missing file") << QJsonValue("%MISSING%") << QJsonValue("filepath") << QJsonValue("")
                                      << QJsonValue(3) << none << "alert:Cannot find file: %MISSING%";
    }

    void openingLinks() {
        QFETCH(QJsonValue, text);
        QFETCH(QJsonValue, type);
        QFETCH(QJsonValue, ref);
        QFETCH(QJsonValue, line);
        QFETCH(QJsonValue, column);
        QFETCH(QString, expected);

        const QString folder = QString::fromStdString(environment_->path());
        const QString textFile = folder + "/Source.m";
        const QString image = folder + "/Icon.png";
        QFile source(textFile);
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("int main(void) { return 0; }\n");
        source.close();
        QImage(4, 4, QImage::Format_ARGB32).save(image, "PNG");
        auto place = [&](QString value) {
            return value.replace("%TEXT%", textFile)
                .replace("%FOLDER%", folder)
                .replace("%IMAGE%", image)
                .replace("%MISSING%", folder + "/Missing.m");
        };
        if (text.isString()) {
            text = place(text.toString());
        }
        expected = place(expected);

        XAWebDelegate::sharedDelegate().openLink(scriptValue(text), scriptValue(type), scriptValue(ref),
                                                 scriptValue(line), scriptValue(column));

        QStringList happened;
        for (const std::string &lookup : devEnvironment_->docsLookups) {
            happened << "docs:" + QString::fromStdString(lookup);
        }
        for (const XAEditorCall &call : devEnvironment_->editorCalls) {
            happened << QStringLiteral("edit:%1:%2:%3")
                            .arg(QString::fromStdString(call.path))
                            .arg(call.line)
                            .arg(call.column);
        }
        for (const std::string &path : revealer_->revealed) {
            happened << "reveal:" + QString::fromStdString(path);
        }
        for (const auto &shown : alerts_->shown()) {
            happened << "alert:" + (shown.alert.message.isEmpty() ? shown.alert.title : shown.alert.message);
        }
        QCOMPARE(happened, expected.isEmpty() ? QStringList() : QStringList{expected});
    }

    void documentationLookupFailures() {
        // Not found (code 100): the reference's readable name; any other error: its own text.
        devEnvironment_->docsError = XAError("not there", 100);
        XAWebDelegate::sharedDelegate().openDocumentationRef(XACodeSymbolRef::withObjCClassName("NSString"),
                                                             "objcclass", "NSString");
        devEnvironment_->docsError = XAError("Selected documentation browser app cannot be found: Zeal");
        XAWebDelegate::sharedDelegate().openDocumentationRef(XACodeSymbolRef::withObjCClassName("NSString"),
                                                             "objcclass", "NSString");
        XAWebDelegate::sharedDelegate().openDocumentationRef(std::nullopt, "objcclass", "Thing");

        QCOMPARE(alerts_->shown().size(), 3u);
        QCOMPARE(alerts_->shown()[0].alert.title, QStringLiteral("Could not find documentation"));
        QCOMPARE(alerts_->shown()[0].alert.message,
                 QStringLiteral("We could not find documentation for %1.")
                     .arg(QString::fromStdString(*XACodeSymbolRef::withObjCClassName("NSString").displayName())));
        QCOMPARE(alerts_->shown()[1].alert.title,
                 QStringLiteral("Selected documentation browser app cannot be found: Zeal"));
        QCOMPARE(alerts_->shown()[2].alert.message,
                 QStringLiteral("We could not find documentation for Thing. Please search for it manually in Xcode."));
    }

    void genericActionWithUndefinedArgumentsPostsEmptyTexts() {
        std::vector<XANotification> posted;
        const auto token = XANotificationCenter::defaultCenter().addObserver(
            XAWebDelegateGenericActionNotificationName, &XAWebDelegate::sharedDelegate(),
            [&posted](const XANotification &notification) { posted.push_back(notification); });
        XAWebDelegate::sharedDelegate().invokeGenericAction(undefinedValue(), undefinedValue());
        XAWebDelegate::sharedDelegate().invokeGenericAction(scriptValue("configure-rule"), scriptValue("NSLogUsed"));
        XANotificationCenter::defaultCenter().removeObserver(token);

        QCOMPARE(posted.size(), 2u);
        QCOMPARE(*posted[0].userInfo.get(XAWebDelegateGenericActionNameKey)->string(), std::string());
        QCOMPARE(*posted[0].userInfo.get(XAWebDelegateGenericActionParamKey)->string(), std::string());
        QCOMPARE(*posted[1].userInfo.get(XAWebDelegateGenericActionNameKey)->string(), std::string("configure-rule"));
        QCOMPARE(*posted[1].userInfo.get(XAWebDelegateGenericActionParamKey)->string(), std::string("NSLogUsed"));
    }

    void navigationPolicy_data() {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("isMainFrame");
        QTest::addColumn<bool>("loadsInPlace");
        const int link = QWebEnginePage::NavigationTypeLinkClicked;
        QTest::newRow("web link") << QUrl("https://example.com/") << link << true << false;
        QTest::newRow("mail link") << QUrl("mailto:someone@example.com") << link << true << false;
        QTest::newRow("file") << QUrl("file:///tmp/page.html") << link << true << true;
        QTest::newRow("about") << QUrl("about:blank") << link << true << true;
        QTest::newRow("sub-frame") << QUrl("https://example.com/frame") << link << false << true;
        QTest::newRow("redirect") << QUrl("https://example.com/moved") << int(QWebEnginePage::NavigationTypeRedirect)
                                  << true << true;
        QTest::newRow("scheme compared exactly") << QUrl("FILE:///tmp/x") << link << true << true;
    }

    void navigationPolicy() {
        QFETCH(QUrl, url);
        QFETCH(int, type);
        QFETCH(bool, isMainFrame);
        QFETCH(bool, loadsInPlace);
        QCOMPARE(XAWebDelegate::decidePolicyForNavigation(url, QWebEnginePage::NavigationType(type), isMainFrame),
                 loadsInPlace);
        QCOMPARE(opener_->opened.size(), loadsInPlace ? 0u : 1u);
    }

    void openerFailureIsShown() {
        opener_->succeeds = false;
        XAWebDelegate::openURLOutside(QUrl("https://example.com/a"));
        QCOMPARE(alerts_->shown().size(), 1u);
        QCOMPARE(alerts_->shown()[0].alert.title, QStringLiteral("Error"));
        QCOMPARE(alerts_->shown()[0].alert.message, QStringLiteral("Can not open URL:\n\nhttps://example.com/a"));
    }

    void pageCallsReachNativeCode() {
        std::vector<std::pair<std::string, std::string>> actions;
        const auto token = XANotificationCenter::defaultCenter().addObserver(
            XAWebDelegateGenericActionNotificationName, nullptr, [&actions](const XANotification &notification) {
                actions.emplace_back(*notification.userInfo.get(XAWebDelegateGenericActionNameKey)->string(),
                                     *notification.userInfo.get(XAWebDelegateGenericActionParamKey)->string());
            });
        XAWebView view;
        view.resize(400, 300);
        view.show();
        XAWebDelegate::sharedDelegate().activateInWebView(&view);
        // The page calls while it is parsed, before its channel is ready.
        const QString page = "<html><body><p>bridge</p><script>"
                             "tessaryNativeApp.invokeGenericAction_withParameter_('early', 'param');"
                             "</script></body></html>";
        QVERIFY(loadAndWait(view, page, QUrl::fromLocalFile(QString::fromStdString(environment_->path()) + "/")));
        QVERIFY(XAWaitFor([&] { return actions.size() == 1; }, 10000));
        QCOMPARE(actions[0], std::make_pair(std::string("early"), std::string("param")));

        // The page sees exactly the two methods.
        QCOMPARE(evaluate(view, "Object.keys(window.tessaryNativeApp).sort().join(',')").toString(),
                 QStringLiteral("invokeGenericAction_withParameter_,openLink_ofType_ref_line_column_"));
        evaluate(view, "tessaryNativeApp.openLink_ofType_ref_line_column_('NSString', 'objcclass')");
        QVERIFY(XAWaitFor([&] { return devEnvironment_->docsLookups.size() == 1; }, 10000));
        QCOMPARE(devEnvironment_->docsLookups[0], std::string("//apple_ref/occ/cl/NSString"));
        evaluate(view, "tessaryNativeApp.invokeGenericAction_withParameter_()");
        QVERIFY(XAWaitFor([&] { return actions.size() == 2; }, 10000));
        QCOMPARE(actions[1], std::make_pair(std::string(), std::string()));

        // After a reload the new document has the bridge again, and its early call arrives too.
        view.reload();
        QVERIFY(XAWaitFor([&] { return actions.size() == 3; }, 20000));
        QCOMPARE(actions[2].first, std::string("early"));
        evaluate(view, "tessaryNativeApp.invokeGenericAction_withParameter_('late', 7)");
        QVERIFY(XAWaitFor([&] { return actions.size() == 4; }, 10000));
        QCOMPARE(actions[3], std::make_pair(std::string("late"), std::string("7")));

        XAWebDelegate::sharedDelegate().deactivateInWebView(&view);
        QVERIFY(!XAWebDelegate::sharedDelegate().isActiveInWebView(&view));
        QCOMPARE(evaluate(view, "typeof window.tessaryNativeApp").toString(), QStringLiteral("undefined"));
        XANotificationCenter::defaultCenter().removeObserver(token);
    }

    // What the pages write to their console is recorded; the bridge adds nothing there, whether it comes to a view
    // before its first page (as in the panes, which show a placeholder first) or to one that shows a page, on the
    // first page, after a reload and on a new page in the same view.
    void theBridgeWritesNothingToTheConsole_data() {
        QTest::addColumn<bool>("activatedBeforeTheFirstPage");
        QTest::addColumn<bool>("shownLater");
        QTest::newRow("activated before the first page") << true << false;
        QTest::newRow("activated on a shown page") << false << false;
        QTest::newRow("activated before the view is shown") << true << true;
    }

    void theBridgeWritesNothingToTheConsole() {
        QFETCH(bool, activatedBeforeTheFirstPage);
        QFETCH(bool, shownLater);
        XAScriptConsoleRecorder console;
        XAWebView view;
        view.resize(400, 300);
        if (!shownLater) {
            view.show();
        }
        const QUrl base = QUrl::fromLocalFile(QString::fromStdString(environment_->path()) + "/");
        if (activatedBeforeTheFirstPage) {
            XAWebDelegate::sharedDelegate().activateInWebView(&view);
            view.xa_clearWithPlaceholderText(QStringLiteral("Nothing selected"));
        } else {
            QVERIFY(loadAndWait(view, "<p>before</p>", base));
            XAWebDelegate::sharedDelegate().activateInWebView(&view);
        }
        const QString page = "<html><body><p>bridge</p><script>"
                             "tessaryNativeApp.invokeGenericAction_withParameter_('early', 'param');"
                             "console.warn('page ran');"
                             "</script></body></html>";
        // Every line but the page's own, once the channel's messages have gone back and forth.
        auto otherLinesAfterASettle = [&] {
            QTest::qWait(1500);
            QStringList lines = console.messages().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            lines.removeIf([](const QString &line) { return line.endsWith(QLatin1String(": page ran")); });
            return lines.join(QLatin1Char('\n'));
        };
        auto pageRuns = [&] { return int(console.messages().count(QStringLiteral(": page ran"))); };
        QCOMPARE(otherLinesAfterASettle(), QString());
        view.show();
        QVERIFY(loadAndWait(view, page, base));
        // The recorder hears the page itself.
        QVERIFY(XAWaitFor([&] { return pageRuns() == 1; }, 10000));
        QCOMPARE(otherLinesAfterASettle(), QString());
        view.reload();
        QVERIFY(XAWaitFor([&] { return pageRuns() == 2; }, 20000));
        QCOMPARE(otherLinesAfterASettle(), QString());
        QVERIFY(loadAndWait(view, page + "<p>second</p>", base));
        QVERIFY(XAWaitFor([&] { return pageRuns() == 3; }, 10000));
        QCOMPARE(otherLinesAfterASettle(), QString());
        XAWebDelegate::sharedDelegate().deactivateInWebView(&view);
    }

    void followedLinksLeaveTheBridgedPane() {
        XAWebView view;
        view.resize(400, 300);
        view.show();
        XAWebDelegate::sharedDelegate().activateInWebView(&view);
        const QString page = "<html><body><a id='web' href='https://example.invalid/page'>web</a>"
                             "<a id='mail' href='mailto:someone@example.invalid'>mail</a>"
                             "<iframe src='about:blank'></iframe></body></html>";
        QVERIFY(loadAndWait(view, page, QUrl::fromLocalFile(QString::fromStdString(environment_->path()) + "/")));
        const QUrl shown = view.url();
        evaluate(view, "document.getElementById('web').click()");
        QVERIFY(XAWaitFor([&] { return opener_->opened.size() == 1; }, 10000));
        // The engine hands mail links on only for a real click.
        const QVariantList box = evaluate(view, "(function(r){return [r.left + r.width / 2, r.top + r.height / 2];})"
                                                "(document.getElementById('mail').getBoundingClientRect())")
                                     .toList();
        QCOMPARE(box.size(), 2);
        QWidget *input = view.focusProxy() ? view.focusProxy() : &view;
        QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(box[0].toInt(), box[1].toInt()));
        QVERIFY(XAWaitFor([&] { return opener_->opened.size() == 2; }, 10000));
        QCOMPARE(opener_->opened[0], QUrl("https://example.invalid/page"));
        QCOMPARE(opener_->opened[1], QUrl("mailto:someone@example.invalid"));
        QTest::qWait(200);
        QCOMPARE(view.url(), shown);
        QCOMPARE(evaluate(view, "document.getElementById('web') !== null").toBool(), true);
        XAWebDelegate::sharedDelegate().deactivateInWebView(&view);
    }

    void pagesLoadWithTheirStyleSheet_data() {
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<bool>("servedByTheLoader");
        QTest::newRow("small page") << 10 << false;
        QTest::newRow("3 MB page") << 30000 << true;
    }

    void pagesLoadWithTheirStyleSheet() {
        QFETCH(int, paragraphs);
        QFETCH(bool, servedByTheLoader);
        const QString folder = QString::fromStdString(environment_->path());
        QFile css(folder + "/page.css");
        QVERIFY(css.open(QIODevice::WriteOnly));
        css.write("body { background-color: rgb(1, 2, 3); }\n");
        css.close();
        QString html = "<html><head><link rel='stylesheet' href='page.css'></head><body>";
        const QString paragraph = "<p>" + QString(96, QLatin1Char('x')) + "</p>\n";
        for (int index = 0; index < paragraphs; ++index) {
            html += paragraph;
        }
        html += "<p id='end'>end</p></body></html>";

        XAWebView view;
        view.resize(400, 300);
        view.show();
        QVERIFY(loadAndWait(view, html, QUrl::fromLocalFile(folder + "/")));
        QCOMPARE(view.url().scheme() == QLatin1String(XAPageSchemeName), servedByTheLoader);
        QCOMPARE(evaluate(view, "document.getElementById('end') !== null").toBool(), true);
        QCOMPARE(evaluate(view, "document.getElementsByTagName('p').length").toInt(), paragraphs + 1);
        QVERIFY(XAWaitFor(
            [&] {
                return evaluate(view, "getComputedStyle(document.body).backgroundColor").toString() == "rgb(1, 2, 3)";
            },
            10000));
    }

    void placeholderGoesAwayWhenAPageLoads() {
        XAWebView view;
        view.resize(400, 300);
        view.show();
        view.xa_clearWithPlaceholderText("No diagnostics");
        QPointer<QLabel> label = xa_placeholderLabel(&view);
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("No diagnostics"));
        // The empty page's own load does not take the label away.
        QTest::qWait(500);
        QVERIFY(label->isVisible());
        QVERIFY(loadAndWait(view, "<p>page</p>", QUrl()));
        QVERIFY(XAWaitFor([&] { return !label || !label->isVisible(); }));

        // A page that the view goes to by its address takes the label away too.
        const QString file = QString::fromStdString(environment_->path()) + "/page.html";
        QFile page(file);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<p>file page</p>");
        page.close();
        view.xa_clearWithPlaceholderText("Nothing selected");
        label = xa_placeholderLabel(&view);
        QVERIFY(label && label->isVisible());
        view.load(QUrl::fromLocalFile(file));
        QVERIFY(XAWaitFor([&] { return !label || !label->isVisible(); }, 10000));
    }

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    std::shared_ptr<XARecordingFileRevealer> revealer_;
    std::shared_ptr<XARecordingURLOpener> opener_;
    std::shared_ptr<XAFakeDevEnvironment> devEnvironment_;
};

int main(int argc, char **argv) {
    // The web engine shares its graphics contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    XAScriptBridgeTests tests;
    return QTest::qExec(&tests, argc, argv);
}
#include "XAScriptBridgeTests.moc"
