#pragma once

// Matching key events against shortcut texts such as "Shift-Cmd-F".
//
// The parts of the text, split at "-" and taken without regard to case: "cmd" is Qt's Control modifier (as Qt maps
// the Command key), "ctrl" the Meta modifier, "alt" Alt and "shift" Shift; "fn" has no key here, so a shortcut naming
// it never matches. The first character of the first other part is the key. Keys are Qt's, which already follow the
// current keyboard layout.

#include <QString>

#include <optional>

class QEvent;

// The "no key" answer of XAVirtualKeyCodeForCharacter.
inline constexpr int XANoVirtualKeyCode = 0xFFFF;

// True for a key press or release whose key is the shortcut's and whose modifiers are exactly the shortcut's.
bool xa_matchesKeyboardShortcut(const QEvent *event, const QString &shortcut);

// Qt's key that types the character, or XANoVirtualKeyCode.
int XAVirtualKeyCodeForCharacter(char16_t character);
// The character that Qt's key types without modifiers, or none.
std::optional<QString> XACharacterForVirtualKeyCode(int key);
