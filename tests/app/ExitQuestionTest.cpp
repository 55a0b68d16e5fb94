#include "app/ExitQuestion.h"

#include "ScriptedUi.h"
#include "TempFolder.h"
#include "db/SqliteDB.h"
#include "ui/MessageBoxStyle.h"

#include <gtest/gtest.h>

namespace lindquay {
namespace {

TEST(ExitQuestionTest, OkClosesTheConnectionAndCancelChangesNothing) {
    test::TempFolder folder;
    SqliteDB db;
    ASSERT_TRUE(db.open(folder.programPath("x.db"), true));
    test::ScriptedUi ui;
    ui.messageBoxAnswers = {MessageBoxResult::kCancel, MessageBoxResult::kOk};

    EXPECT_FALSE(askExitQuestion(ui, db));
    EXPECT_TRUE(db.isOpen());
    EXPECT_TRUE(askExitQuestion(ui, db));
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(ui.log(), (std::vector<std::string>{"box 提示 33: 您确定退出程序吗?",
                                                  "box 提示 33: 您确定退出程序吗?"}));
}

} // namespace
} // namespace lindquay
