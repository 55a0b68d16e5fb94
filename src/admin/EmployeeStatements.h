#pragma once

#include <string>
#include <string_view>
#include <variant>

// The statements of the administration area, built from what the user typed. Each changes
// only the record it names, whatever the fields hold: a text value has its single quotes
// doubled, and a number field (好评, 差评, 一般) or a record's ID reaches the statement only as
// a plain number. An empty number field is left as it is, so that SQLite rejects the statement
// with its own syntax error; any other text refuses the statement.
namespace lindquay {

// The employee record as the editor's fields hold it (GBK texts).
struct EmployeeFields {
    std::string name;       // 姓名
    std::string sex;        // 性别
    std::string post;       // 职务
    std::string picture;    // 图片
    std::string praise;     // 好评
    std::string complaints; // 差评
    std::string neutral;    // 一般
    std::string profile;    // 简介
};

// Why a statement was refused, a short GBK text for the failure box.
struct Refusal {
    std::string reason;
};

using Statement = std::variant<std::string, Refusal>;

// A text as an SQL string literal's content: single quotes doubled. The second byte of a GBK
// character is never 0x27, so this is safe byte by byte.
std::string quoteText(std::string_view text);

// True for an optional minus sign and digits, with an optional fraction ("12", "-3", "4.5").
bool isPlainNumber(std::string_view text);

Statement passwordUpdateStatement(std::string_view newPassword);
Statement employeeDeleteStatement(std::string_view id);
Statement employeeUpdateStatement(const EmployeeFields& fields, std::string_view id);
Statement employeeInsertStatement(const EmployeeFields& fields);

} // namespace lindquay
