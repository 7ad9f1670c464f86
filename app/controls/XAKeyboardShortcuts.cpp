#include "app/controls/XAKeyboardShortcuts.h"

#include <QKeyEvent>
#include <QStringList>

namespace {

constexpr Qt::KeyboardModifiers kShortcutModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

struct XAShortcut {
    Qt::KeyboardModifiers modifiers;
    bool needsFunctionKey = false;
    std::optional<QChar> key;
};

XAShortcut parseShortcut(const QString &text) {
    XAShortcut shortcut;
    for (const QString &rawPart : text.split(QLatin1Char('-'), Qt::SkipEmptyParts)) {
        const QString part = rawPart.toLower();
        if (part == QLatin1String("cmd")) {
            shortcut.modifiers |= Qt::ControlModifier;
        } else if (part == QLatin1String("shift")) {
            shortcut.modifiers |= Qt::ShiftModifier;
        } else if (part == QLatin1String("ctrl")) {
            shortcut.modifiers |= Qt::MetaModifier;
        } else if (part == QLatin1String("alt")) {
            shortcut.modifiers |= Qt::AltModifier;
        } else if (part == QLatin1String("fn")) {
            shortcut.needsFunctionKey = true;
        } else if (!shortcut.key) {
            shortcut.key = part.at(0);
        }
    }
    return shortcut;
}

} // namespace

int XAVirtualKeyCodeForCharacter(char16_t character) {
    const QChar upper = QChar(character).toUpper();
    // Qt's keys for printable Latin-1 characters are the characters' upper-case code points.
    if (upper.unicode() < 0x20 || upper.unicode() > 0xFF || upper == QChar(0x7F)) {
        return XANoVirtualKeyCode;
    }
    return upper.unicode();
}

std::optional<QString> XACharacterForVirtualKeyCode(int key) {
    if (key < 0x20 || key > 0xFF || key == 0x7F) {
        return std::nullopt;
    }
    return QString(QChar(key).toLower());
}

bool xa_matchesKeyboardShortcut(const QEvent *event, const QString &shortcut) {
    if (!event || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
        return false;
    }
    const XAShortcut parsed = parseShortcut(shortcut);
    if (!parsed.key || parsed.needsFunctionKey) {
        return false;
    }
    const auto *keyEvent = static_cast<const QKeyEvent *>(event);
    return keyEvent->key() == XAVirtualKeyCodeForCharacter(parsed.key->unicode()) &&
           (keyEvent->modifiers() & kShortcutModifiers) == parsed.modifiers;
}
