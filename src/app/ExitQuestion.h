#pragma once

namespace lindquay {

class SqliteDB;
class UiPort;

// The main window's can-be-closed handler: asks whether to end the program. On OK it closes
// the database connection and answers true; otherwise nothing changes and it answers false.
bool askExitQuestion(UiPort& ui, SqliteDB& database);

} // namespace lindquay
