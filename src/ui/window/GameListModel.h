#pragma once

#include "results/ResultLists.h"

#include <QAbstractTableModel>

namespace zenoku {

/// The per-game list as a table model: one row per entry of the shown run, seven columns.
/// It keeps no text per game: a row's texts are made from the shown history when the view
/// asks for them, so showing a run of millions of games costs nothing per row here.
class GameListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GameListModel(QObject* parent = nullptr);

    /// Shows the texts of another run; the view is told that every row changed.
    void setTexts(ResultListTexts texts);
    const ResultListTexts& texts() const { return m_texts; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    /// The text of one cell, made on request (the list's row-data event).
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    ResultListTexts m_texts;
};

} // namespace zenoku
