#include "GameListModel.h"

#include <climits>

namespace zenoku {

GameListModel::GameListModel(QObject* parent) : QAbstractTableModel(parent) {}

void GameListModel::setTexts(ResultListTexts texts) {
    beginResetModel();
    m_texts = std::move(texts);
    endResetModel();
}

int GameListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    // A view counts rows in int; a history longer than that shows its first INT_MAX games.
    const std::size_t rows = m_texts.rowCount();
    return rows > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(rows);
}

int GameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kGameListCaptions.size());
}

QVariant GameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return QString::fromStdString(
        m_texts.text(static_cast<std::size_t>(index.row()), index.column()));
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(kGameListCaptions.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    const std::string_view caption = kGameListCaptions[static_cast<std::size_t>(section)];
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

} // namespace zenoku
