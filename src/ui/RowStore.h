#pragma once

#include "ui/ListRow.h"

#include <deque>
#include <shared_mutex>
#include <string>
#include <vector>

namespace lindquay {

// The rows of the report list, behind a reader-writer lock so that mirror workers read cells
// from their own threads while the main thread clears and fills the list. Readers get copies;
// a row or column that does not exist reads as an empty text.
//
// Each row is kept as one string holding its cells separated by zero bytes: a million rows
// then cost one allocation each. A cell therefore ends at its first zero byte, as a cell of a
// Windows list view does.
class RowStore {
public:
    int rowCount() const;
    std::string cellText(int row, int column) const;

    // Main thread only (the writer).
    void clear();
    // Appends the rows and answers the index of the first of them.
    int append(std::vector<ListRow>&& rows);
    // False when the row or the column does not exist.
    bool setCellText(int row, int column, std::string_view text);

private:
    static std::string encode(const ListRow& row);
    static std::string_view cellOf(std::string_view encodedRow, int column);

    mutable std::shared_mutex m_mutex;
    std::deque<std::string> m_rows;
};

} // namespace lindquay
