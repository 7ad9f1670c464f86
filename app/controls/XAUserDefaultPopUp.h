#pragma once

// A pop-up (combo box) bound to a user default: its items stand for the option values, the stored value selects
// one, and the user's pick stores the picked value and calls a change handler. Selecting an item from code writes
// nothing.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QComboBox;

// Sets up item `index` (title, icon) after it was added with its option as data.
using XAPopUpItemModifier = std::function<void(QComboBox *popUp, int index)>;
using XAPopUpChangeHandler = std::function<void()>;

// Replaces the pop-up's items with one per option, selects the stored option's item (the first item when the key
// has no value or one not among the options), and binds the user's picks to the key. Binding again replaces the
// earlier binding.
void xa_bindToUserDefault(QComboBox *popUp, const QString &key, const QStringList &options,
                          const XAPopUpItemModifier &itemModifier, const XAPopUpChangeHandler &changeHandler);
// The same with item i titled titles[i] and showing images[i] drawn at 16 × 16; a missing entry or a null one
// leaves the item without title or image.
void xa_bindToUserDefault(QComboBox *popUp, const QString &key, const QStringList &options,
                          const QList<std::optional<QString>> &titles, const QList<std::optional<QImage>> &images,
                          const XAPopUpChangeHandler &changeHandler);
