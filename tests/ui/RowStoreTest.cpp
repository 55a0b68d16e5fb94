#include "ui/RowStore.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace lindquay {
namespace {

TEST(RowStoreTest, CellsReadBackAndMissingOnesAreEmpty) {
    RowStore store;
    EXPECT_EQ(store.append({{"1", "\\docs\\", "a.txt", "1024"}, {"2", "", "", ""}}), 0);
    EXPECT_EQ(store.append({{"3", "\\", "b", "0"}}), 2);
    EXPECT_EQ(store.rowCount(), 3);
    EXPECT_EQ(store.cellText(0, 1), "\\docs\\");
    EXPECT_EQ(store.cellText(0, 3), "1024");
    EXPECT_EQ(store.cellText(1, 2), "");
    EXPECT_EQ(store.cellText(0, 8), "");
    EXPECT_EQ(store.cellText(-1, 0), "");
    EXPECT_EQ(store.cellText(3, 0), "");

    EXPECT_TRUE(store.setCellText(1, 2, "new"));
    EXPECT_EQ(store.cellText(1, 2), "new");
    EXPECT_EQ(store.cellText(1, 0), "2");
    EXPECT_FALSE(store.setCellText(1, 4, "x"));
    EXPECT_FALSE(store.setCellText(5, 0, "x"));

    store.clear();
    EXPECT_EQ(store.rowCount(), 0);
    EXPECT_EQ(store.cellText(0, 0), "");
}

TEST(RowStoreTest, ReadersOnOtherThreadsSeeWholeRowsWhileTheListIsRebuilt) {
    RowStore store;
    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done) {
            const int count = store.rowCount();
            for (int row = 0; row < count; row += 97) {
                const std::string number = store.cellText(row, 0);
                const std::string name = store.cellText(row, 2);
                // A row read after a clear is empty; one read whole has matching cells.
                if (!number.empty() && !name.empty() && name != "n" + number) {
                    ++torn;
                }
            }
        }
    });
    for (int round = 0; round < 50; ++round) {
        store.clear();
        std::vector<ListRow> rows;
        for (int i = 1; i <= 2000; ++i) {
            rows.push_back({std::to_string(i), "\\", "n" + std::to_string(i), "1"});
        }
        store.append(std::move(rows));
    }
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
}

} // namespace
} // namespace lindquay
