// The small additions to Qt's classes that windows, views and cells share: colours, rounded rectangles, keyboard
// shortcuts, alerts, screens, mask texts, the widget dump and the pop-up bound to a user default.

#include "app/controls/XAAlerts.h"
#include "app/controls/XAColorExtensions.h"
#include "app/controls/XAKeyboardShortcuts.h"
#include "app/controls/XAQtConversions.h"
#include "app/controls/XARoundedRectangles.h"
#include "app/controls/XAScreens.h"
#include "app/controls/XAUserDefaultPopUp.h"
#include "app/controls/XAViewDebugging.h"
#include "app/controls/XAViewLayout.h"
#include "core/XALog.h"
#include "core/XAUserDefaults.h"
#include "support/XADesktopTestSupport.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

QColor grey(double white) { return QColor::fromRgbF(white, white, white); }

QPointF elementPoint(const QPainterPath &path, int index) {
    const QPainterPath::Element element = path.elementAt(index);
    return {element.x, element.y};
}

} // namespace

class XAPlatformExtensionsTests : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { XAAlertPresenter::setShared(nullptr); }

    void colours_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("css");
        QTest::newRow("red") << QColor::fromRgbF(1, 0, 0) << "#ff0000";
        QTest::newRow("white") << grey(1) << "#ffffff";
        QTest::newRow("0.999 truncates") << QColor::fromRgbF(0.999, 0, 1) << "#fe00ff";
        QTest::newRow("half grey") << grey(0.5) << "#7f7f7f";
        QTest::newRow("alpha left out") << QColor::fromRgbF(0, 0, 1, 0.5) << "#0000ff";
    }
    void colours() {
        QFETCH(QColor, color);
        QFETCH(QString, css);
        QCOMPARE(xa_cssColor(color), css);
    }

    void hsbLimitsAndSettings() {
        const QColor alreadyDark = QColor::fromRgbF(0.2, 0.1, 0.05);
        QCOMPARE(xa_darkColor(alreadyDark).rgb(), alreadyDark.rgb());

        const QColor saturated = QColor::fromHsvF(0.5, 0.9, 0.8);
        QCOMPARE(qRound(xa_lightlySaturatedColor(saturated).hsvSaturationF() * 100), 20);
        QCOMPARE(qRound(xa_lightlySaturatedColor(saturated).valueF() * 100), 80);
        const QColor pale = QColor::fromHsvF(0.5, 0.1, 0.8);
        QCOMPARE(xa_lightlySaturatedColor(pale).rgb(), pale.rgb()); // below the cap: unchanged

        const QColor pastel = xa_lightPastelColor(saturated);
        QCOMPARE(qRound(pastel.hsvSaturationF() * 100), 10);
        QCOMPARE(qRound(pastel.valueF() * 100), 95);
        QCOMPARE(qRound(pastel.hsvHueF() * 100), 50);
        const QColor desaturated = xa_darkDesaturatedColor(saturated);
        QCOMPARE(qRound(desaturated.hsvSaturationF() * 100), 30);
        QCOMPARE(qRound(desaturated.valueF() * 100), 30);
    }

    void roundedRectanglesLimitTheRadiusAndRoundOnlyTheChosenCorners() {
        // Height 10 limits radius 6 to 5; mask 9 rounds the two corners at min x only.
        const QPainterPath left = xa_bezierPathWithRoundedRectangle(QRectF(0, 0, 40, 10), 9, 6);
        const double c = 0.55228 * 5;
        QCOMPARE(elementPoint(left, 0), QPointF(0, 5)); // move to (minX, maxY − r)
        QCOMPARE(elementPoint(left, 1), QPointF(0, 5 + c));
        QCOMPARE(elementPoint(left, 2), QPointF(5 - c, 10));
        QCOMPARE(elementPoint(left, 3), QPointF(5, 10));
        QCOMPARE(elementPoint(left, 4), QPointF(40, 10)); // square corner at (maxX, maxY)
        QCOMPARE(elementPoint(left, 5), QPointF(40, 0));  // square corner at (maxX, minY)
        QCOMPARE(elementPoint(left, 6), QPointF(5, 0));
        QCOMPARE(elementPoint(left, 9), QPointF(0, 5));
        QCOMPARE(left.boundingRect(), QRectF(0, 0, 40, 10));

        // Mask 6 rounds the corners at max x: the corners at min x are sharp.
        const QPainterPath right = xa_bezierPathWithRoundedRectangle(QRectF(0, 0, 40, 10), 6, 4);
        QCOMPARE(elementPoint(right, 0), QPointF(0, 10));
        QVERIFY(right.contains(QPointF(0.2, 0.2)));
        QVERIFY(!right.contains(QPointF(39.8, 0.2)));

        const QPainterPath all = xa_bezierPathWithRoundedRectangle(QRectF(0, 0, 20, 20), 15, 4);
        QVERIFY(!all.contains(QPointF(0.2, 0.2)));
        QVERIFY(!all.contains(QPointF(19.8, 19.8)));
        QVERIFY(all.contains(QPointF(10, 10)));

        QPainterPath path;
        xa_appendBezierPathWithRoundedRectangle(path, QRectF(5, 5, 0, 10), 15, 4);
        QCOMPARE(path.elementCount(), 0);
    }

    void keyboardShortcuts_data() {
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("matches");
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        const int press = QEvent::KeyPress;
        const int release = QEvent::KeyRelease;
        QTest::newRow("key down") << "Cmd-F" << press << int(Qt::Key_F) << ctrl << true;
        QTest::newRow("key up") << "Cmd-F" << release << int(Qt::Key_F) << ctrl << true;
        QTest::newRow("extra shift") << "Cmd-F" << press << int(Qt::Key_F) << (ctrl | shift) << false;
        QTest::newRow("no modifier") << "Cmd-F" << press << int(Qt::Key_F) << 0 << false;
        QTest::newRow("other key") << "Cmd-F" << press << int(Qt::Key_G) << ctrl << false;
        QTest::newRow("shift cmd") << "Shift-Cmd-F" << press << int(Qt::Key_F) << (ctrl | shift) << true;
        QTest::newRow("lower case") << "cmd-shift-f" << press << int(Qt::Key_F) << (ctrl | shift) << true;
        QTest::newRow("ctrl is meta") << "Ctrl-A" << press << int(Qt::Key_A) << int(Qt::MetaModifier) << true;
        QTest::newRow("alt") << "alt-1" << press << int(Qt::Key_1) << int(Qt::AltModifier) << true;
        QTest::newRow("only a modifier") << "cmd" << press << int(Qt::Key_Control) << ctrl << false;
        QTest::newRow("modifier and dash") << "cmd-" << press << int(Qt::Key_Control) << ctrl << false;
        QTest::newRow("fn has no key") << "fn-F" << press << int(Qt::Key_F) << 0 << false;
    }
    void keyboardShortcuts() {
        QFETCH(QString, shortcut);
        QFETCH(int, type);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, matches);
        const QKeyEvent event(QEvent::Type(type), key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(xa_matchesKeyboardShortcut(&event, shortcut), matches);
    }

    void aMouseEventNeverMatchesAShortcut() {
        const QMouseEvent click(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                                Qt::ControlModifier);
        QVERIFY(!xa_matchesKeyboardShortcut(&click, QStringLiteral("Cmd-F")));
        QVERIFY(!xa_matchesKeyboardShortcut(nullptr, QStringLiteral("Cmd-F")));
    }

    void charactersAndKeysMapBothWays() {
        QCOMPARE(XAVirtualKeyCodeForCharacter(u'f'), int(Qt::Key_F));
        QCOMPARE(XAVirtualKeyCodeForCharacter(u'F'), int(Qt::Key_F));
        QCOMPARE(XAVirtualKeyCodeForCharacter(u'7'), int(Qt::Key_7));
        QCOMPARE(XAVirtualKeyCodeForCharacter(u'\n'), XANoVirtualKeyCode);
        QCOMPARE(XACharacterForVirtualKeyCode(Qt::Key_F), std::optional<QString>(QStringLiteral("f")));
        QCOMPARE(XACharacterForVirtualKeyCode(Qt::Key_Escape), std::nullopt);
    }

    void alertsAnswerByButtonPosition() {
        auto presenter = std::make_shared<XAScriptedAlertPresenter>();
        XAAlertPresenter::setShared(presenter);
        const QVariantList buttons{QStringLiteral("One"), QVariant(7), QStringLiteral("Two"), QStringLiteral("Three")};
        QList<int> responses;
        for (const char *answer : {"One", "Two", "Three"}) {
            presenter->answerNextWith(QLatin1String(answer));
            xa_showInWindow(nullptr, QStringLiteral("Pick"), QString(), XAAlertStyle::Warning, buttons,
                            [&responses](const XAAlert &, int response) { responses.append(response); });
        }
        QCOMPARE(responses, QList<int>({1000, 1001, 1002}));
        QCOMPARE(presenter->shown().front().alert.buttons, QStringList({"One", "Two", "Three"}));
    }

    void theRealAlertAsASheetReportsTheClickedButtonAndDefaultsToOK() {
        QWidget window;
        window.show();
        int response = 0;
        xa_showInWindow(&window, QStringLiteral("Pick"), QStringLiteral("Text"),
                        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
                        [&response](const XAAlert &, int code) { response = code; });
        auto *box = window.findChild<QMessageBox *>();
        QVERIFY(box);
        // The title goes in the box; its frame names the application.
        QCOMPARE(box->text(), QStringLiteral("Pick"));
        QCOMPARE(box->windowTitle(), QGuiApplication::applicationDisplayName());
        QVERIFY(box->windowTitle() != QStringLiteral("Pick"));
        QCOMPARE(box->buttons().size(), 3);
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == QLatin1String("C")) {
                button->click();
            }
        }
        QVERIFY(XAWaitFor([&] { return response != 0; }));
        QCOMPARE(response, 1002);

        response = 0;
        xa_showInWindow(&window, QStringLiteral("Empty"), QString(), {},
                        [&response](const XAAlert &, int code) { response = code; });
        QMessageBox *emptyBox = nullptr;
        for (QMessageBox *candidate : window.findChildren<QMessageBox *>()) {
            if (candidate->text() == QLatin1String("Empty")) {
                emptyBox = candidate;
            }
        }
        QVERIFY(emptyBox);
        QCOMPARE(emptyBox->buttons().size(), 1);
        QCOMPARE(emptyBox->buttons().front()->text(), QStringLiteral("OK"));
        emptyBox->buttons().front()->click();
        QVERIFY(XAWaitFor([&] { return response != 0; }));
        QCOMPARE(response, 1000);
    }

    void theGreatestScreenScaleWinsAndNeverFallsBelowOne() {
        QCOMPARE(xa_maxScaleFactor({1.0, 2.0}), 2.0);
        QCOMPARE(xa_maxScaleFactor({}), 1.0);
        QCOMPARE(xa_maxScaleFactor({0.5}), 1.0);
        QVERIFY(xa_maxScreenScaleFactor() >= 1.0);
    }

    void masksAsText() {
        QCOMPARE(XAAutoresizingMaskDescription(0), QString());
        QCOMPARE(XAAutoresizingMaskDescription(18), QStringLiteral("NSViewWidthSizable | NSViewHeightSizable"));
        QCOMPARE(XAAutoresizingMaskDescription(45),
                 QStringLiteral("NSViewMinXMargin | NSViewMaxXMargin | NSViewMinYMargin | NSViewMaxYMargin"));
        QCOMPARE(XABinaryStringFromMask(0b101), QStringLiteral("101") + QString(29, QLatin1Char('0')));
        QCOMPARE(XABinaryStringFromMask(0x80000000u), QString(31, QLatin1Char('0')) + QStringLiteral("1"));
    }

    void theWidgetDumpLogsEachWidgetIndentedAtLevelOne() {
        QWidget root;
        root.setGeometry(0, 0, 200, 100);
        auto *child = new QPushButton(&root);
        child->setGeometry(10, 20, 30, 40);
        xa_keepFullSizeOfSuperview(child);
        std::vector<std::pair<int, std::string>> lines;
        const int previousLevel = XAMinimumLogLevel();
        const int previousTargets = XALogTargets();
        XASetMinimumLogLevel(0);
        XASetLogTargets(XALogTargetNotification);
        XASetLogNotificationHandler([&lines](int level, const std::string &line) { lines.emplace_back(level, line); });
        xa_printRecursiveDescription(&root);
        XASetLogNotificationHandler(nullptr);
        XASetMinimumLogLevel(previousLevel);
        XASetLogTargets(previousTargets);
        QCOMPARE(lines.size(), size_t(2));
        QCOMPARE(lines[0].first, 1);
        QCOMPARE(QString::fromStdString(lines[0].second), QStringLiteral("QWidget {{0, 0}, {200, 100}} ()"));
        // The log's observer sees lines trimmed, so the child's indent does not show here.
        QCOMPARE(QString::fromStdString(lines[1].second),
                 QStringLiteral("QPushButton {{10, 20}, {30, 40}} (NSViewWidthSizable | NSViewHeightSizable)"));
    }

    void resizeFollowingKeepsFullSizeOrCentre() {
        QWidget parent;
        parent.resize(100, 80);
        parent.show(); // a hidden widget's resize reaches its children's followers only when it is shown
        auto *full = new QWidget(&parent);
        xa_makeAndKeepFullSizeOfSuperview(full);
        QCOMPARE(full->geometry(), QRect(0, 0, 100, 80));
        auto *centred = new QWidget(&parent);
        centred->resize(20, 10);
        xa_keepCenteredInSuperview(centred);
        parent.resize(200, 120);
        QCOMPARE(full->geometry(), QRect(0, 0, 200, 120));
        QCOMPARE(centred->geometry(), QRect(90, 55, 20, 10));
        QCOMPARE(xa_autoresizingMask(centred), 45u);
    }

    void aPopUpBoundToADefaultSelectsTheStoredOptionAndStoresPicks() {
        XADesktopTestEnvironment environment;
        XAUserDefaults::standard().setString("editor", "unknown");
        QComboBox popUp;
        int changes = 0;
        QImage big(64, 32, QImage::Format_ARGB32);
        big.fill(Qt::red);
        xa_bindToUserDefault(&popUp, QStringLiteral("editor"), {"xcode", "vim", "emacs"},
                             {QStringLiteral("Xcode"), std::nullopt}, {big}, [&changes] { ++changes; });
        QCOMPARE(popUp.count(), 3);
        QCOMPARE(popUp.currentIndex(), 0); // the stored value is not an option
        QCOMPARE(popUp.itemText(0), QStringLiteral("Xcode"));
        QCOMPARE(popUp.itemText(1), QString()); // no title given
        QCOMPARE(popUp.itemText(2), QString()); // beyond the titles
        QCOMPARE(popUp.itemIcon(0).availableSizes().front(), QSize(16, 16));
        QVERIFY(popUp.itemIcon(1).isNull());
        QCOMPARE(XAUserDefaults::standard().stringForKey("editor"), std::optional<std::string>("unknown"));

        popUp.setCurrentIndex(1); // a selection from code writes nothing
        QCOMPARE(XAUserDefaults::standard().stringForKey("editor"), std::optional<std::string>("unknown"));
        QCOMPARE(changes, 0);

        emit popUp.activated(2); // the user's pick
        QCOMPARE(XAUserDefaults::standard().stringForKey("editor"), std::optional<std::string>("emacs"));
        QCOMPARE(changes, 1);

        // Binding again selects the stored option, and only the new binding answers picks.
        int newChanges = 0;
        xa_bindToUserDefault(&popUp, QStringLiteral("editor"), {"vim", "emacs"}, nullptr,
                             [&newChanges] { ++newChanges; });
        QCOMPARE(popUp.currentIndex(), 1);
        emit popUp.activated(0);
        QCOMPARE(changes, 1);
        QCOMPARE(newChanges, 1);
        QCOMPARE(XAUserDefaults::standard().stringForKey("editor"), std::optional<std::string>("vim"));

        xa_bindToUserDefault(&popUp, QStringLiteral("editor"), {}, nullptr, nullptr);
        QCOMPARE(popUp.count(), 0);
    }
};

QTEST_MAIN(XAPlatformExtensionsTests)
#include "XAPlatformExtensionsTests.moc"
