#pragma once

#include "ui/RowStore.h"

#include <QAbstractTableModel>

namespace lindquay {

// The report list's model over the row store. The store may be read from any thread; this
// model, the only writer, is used on the main thread and tells the view about each change.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FileListModel(RowStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void clear();
    int append(std::vector<ListRow>&& rows);
    bool setCell(int row, int column, const std::string& text);

private:
    RowStore& m_store;
};

} // namespace lindquay
