#include "ui/RowStore.h"

#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace lindquay {

namespace {
constexpr std::size_t kFreeAloneFrom = 10000;
} // namespace

std::string RowStore::encode(const ListRow& row) {
    std::string encoded;
    std::size_t size = row.size();
    for (const std::string& cell : row) {
        size += cell.size();
    }
    encoded.reserve(size);
    for (const std::string& cell : row) {
        encoded.append(cell.c_str()); // up to the cell's first zero byte
        encoded.push_back('\0');
    }
    return encoded;
}

std::string_view RowStore::cellOf(std::string_view encodedRow, int column) {
    std::size_t start = 0;
    for (int i = 0; i < column; ++i) {
        const std::size_t end = encodedRow.find('\0', start);
        if (end == std::string_view::npos) {
            return {};
        }
        start = end + 1;
    }
    if (start >= encodedRow.size()) {
        return {};
    }
    return encodedRow.substr(start, encodedRow.find('\0', start) - start);
}

int RowStore::rowCount() const {
    std::shared_lock lock(m_mutex);
    return static_cast<int>(m_rows.size());
}

std::string RowStore::cellText(int row, int column) const {
    std::shared_lock lock(m_mutex);
    if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        return {};
    }
    return std::string(cellOf(m_rows[static_cast<std::size_t>(row)], column));
}

void RowStore::clear() {
    auto old = std::make_shared<std::deque<std::string>>();
    {
        std::unique_lock lock(m_mutex);
        old->swap(m_rows);
    }
    // Freeing a million rows takes tens of milliseconds: a thread of its own does that, so
    // that neither readers nor the window wait for it. If no thread can start, it happens here.
    if (old->size() >= kFreeAloneFrom) {
        try {
            std::thread([old] {}).detach();
        } catch (const std::system_error&) {
        }
    }
}

int RowStore::append(std::vector<ListRow>&& rows) {
    std::vector<std::string> encoded;
    encoded.reserve(rows.size());
    for (const ListRow& row : rows) {
        encoded.push_back(encode(row));
    }
    std::unique_lock lock(m_mutex);
    const int first = static_cast<int>(m_rows.size());
    for (std::string& row : encoded) {
        m_rows.push_back(std::move(row));
    }
    return first;
}

bool RowStore::setCellText(int row, int column, std::string_view text) {
    std::unique_lock lock(m_mutex);
    if (row < 0 || column < 0 || column >= kListColumnCount ||
        static_cast<std::size_t>(row) >= m_rows.size()) {
        return false;
    }
    std::string& encoded = m_rows[static_cast<std::size_t>(row)];
    ListRow cells;
    for (int i = 0; i < kListColumnCount; ++i) {
        cells[static_cast<std::size_t>(i)] = std::string(cellOf(encoded, i));
    }
    cells[static_cast<std::size_t>(column)] = std::string(text);
    encoded = encode(cells);
    return true;
}

} // namespace lindquay
