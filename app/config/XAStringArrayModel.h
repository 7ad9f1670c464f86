#pragma once

// The rows of the list editor: one string per row, shown red with its validation message as tool tip when invalid,
// editable in place, and reordered by dragging rows, which travel as a property list of their row numbers.

#include <QAbstractListModel>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

inline const QString XAOptionValuesPasteboardType = QStringLiteral("org.quenby.tessary.optionvalues.pboardtype");

class XAStringArrayEditorWindowController;

class XAStringArrayModel : public QAbstractListModel {
public:
    explicit XAStringArrayModel(XAStringArrayEditorWindowController *controller, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    void reload();
    void detach() { controller_ = nullptr; }

    // The row numbers a drag carries; none when the data holds no such list.
    static std::optional<std::vector<int>> draggedRows(const QMimeData *data);

private:
    XAStringArrayEditorWindowController *controller_;
};
