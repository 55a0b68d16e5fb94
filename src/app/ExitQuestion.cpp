#include "app/ExitQuestion.h"

#include "db/SqliteDB.h"
#include "text/Encoding.h"
#include "ui/MessageBoxStyle.h"
#include "ui/UiPort.h"

namespace lindquay {

bool askExitQuestion(UiPort& ui, SqliteDB& database) {
    if (ui.messageBox(gbk("您确定退出程序吗?"), MessageBoxStyle::kQuestion, gbk("提示")) !=
        MessageBoxResult::kOk) {
        return false;
    }
    database.close();
    return true;
}

} // namespace lindquay
