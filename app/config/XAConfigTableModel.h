#pragma once

// The configuration table's model: rows and values come from the view controller, which the model only forwards to.

#include <QAbstractTableModel>

class XAConfigurationViewController;

class XAConfigTableModel : public QAbstractTableModel {
public:
    explicit XAConfigTableModel(XAConfigurationViewController *controller, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void reload();
    // Whether the row is a group heading; no row is once the controller has gone.
    bool isGroupRow(int row) const;
    // The controller is going away: the model answers nothing from now on.
    void detach() { controller_ = nullptr; }

private:
    XAConfigurationViewController *controller_;
};
