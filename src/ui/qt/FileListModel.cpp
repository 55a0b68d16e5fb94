#include "ui/qt/FileListModel.h"

#include "ui/qt/QtText.h"

#include <array>

namespace lindquay {

FileListModel::FileListModel(RowStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store) {}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_store.rowCount();
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kListColumnCount;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return toQString(m_store.cellText(index.row(), index.column()));
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const std::array<QString, kListColumnCount> titles = {
        QStringLiteral("ID"), QStringLiteral("路径"), QStringLiteral("文件"), QStringLiteral("0")};
    if (orientation != Qt::Horizontal || section < 0 || section >= kListColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return titles[static_cast<std::size_t>(section)];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

void FileListModel::clear() {
    beginResetModel();
    m_store.clear();
    endResetModel();
}

int FileListModel::append(std::vector<ListRow>&& rows) {
    if (rows.empty()) {
        return m_store.rowCount();
    }
    const int first = m_store.rowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_store.append(std::move(rows));
    endInsertRows();
    return first;
}

bool FileListModel::setCell(int row, int column, const std::string& text) {
    if (!m_store.setCellText(row, column, text)) {
        return false;
    }
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed);
    return true;
}

} // namespace lindquay
