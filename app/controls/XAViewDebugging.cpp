#include "app/controls/XAViewDebugging.h"

#include "app/controls/XAViewLayout.h"
#include "core/XALog.h"

#include <QStringList>
#include <QWidget>

QString XAAutoresizingMaskDescription(unsigned mask) {
    static const std::pair<unsigned, const char *> names[] = {
        {XAViewWidthSizable, "NSViewWidthSizable"}, {XAViewHeightSizable, "NSViewHeightSizable"},
        {XAViewMinXMargin, "NSViewMinXMargin"},     {XAViewMaxXMargin, "NSViewMaxXMargin"},
        {XAViewMinYMargin, "NSViewMinYMargin"},     {XAViewMaxYMargin, "NSViewMaxYMargin"},
    };
    QStringList set;
    for (const auto &[bit, name] : names) {
        if (mask & bit) {
            set << QLatin1String(name);
        }
    }
    return set.join(QStringLiteral(" | "));
}

QString XABinaryStringFromMask(std::uint32_t mask) {
    QString text;
    for (int bit = 0; bit < 32; ++bit) {
        text += (mask >> bit) & 1u ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}

void xa_debugAddBorderOfColor(QWidget *view, const QColor &color) {
    view->setStyleSheet(view->styleSheet() + QStringLiteral("border: 1px solid %1;").arg(color.name(QColor::HexArgb)));
}

void xa_printRecursiveDescription(const QWidget *view, int indent) {
    const QRect frame = view->geometry();
    const QString line = QStringLiteral("%1%2 {{%3, %4}, {%5, %6}} (%7)")
                             .arg(QString(indent, QLatin1Char(' ')), QLatin1String(view->metaObject()->className()))
                             .arg(frame.x())
                             .arg(frame.y())
                             .arg(frame.width())
                             .arg(frame.height())
                             .arg(XAAutoresizingMaskDescription(xa_autoresizingMask(view)));
    XALog(1, line.toStdString());
    for (const QWidget *child : view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        xa_printRecursiveDescription(child, indent + 2);
    }
}
