#include "admin/EmployeeStatements.h"

#include "text/Encoding.h"

#include <optional>

namespace lindquay {
namespace {

// The field's text when it may stand in the statement as a number, or the refusal.
std::optional<Refusal> checkNumber(std::string_view text, const char* fieldUtf8) {
    if (text.empty() || isPlainNumber(text)) {
        return std::nullopt;
    }
    return Refusal{gbk(fieldUtf8) + gbk("只能填写数字")};
}

std::optional<Refusal> checkNumbers(const EmployeeFields& fields) {
    if (auto refused = checkNumber(fields.praise, "好评")) {
        return refused;
    }
    if (auto refused = checkNumber(fields.complaints, "差评")) {
        return refused;
    }
    return checkNumber(fields.neutral, "一般");
}

} // namespace

std::string quoteText(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    for (const char c : text) {
        quoted.push_back(c);
        if (c == '\'') {
            quoted.push_back('\'');
        }
    }
    return quoted;
}

bool isPlainNumber(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i > start;
    };
    if (!digits()) {
        return false;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!digits()) {
            return false;
        }
    }
    return i == text.size();
}

Statement passwordUpdateStatement(std::string_view newPassword) {
    return gbk("update 系统 set 管理密码='") + quoteText(newPassword) + "' where ID=1";
}

Statement employeeDeleteStatement(std::string_view id) {
    if (auto refused = checkNumber(id, "ID")) {
        return *refused;
    }
    return gbk("delete from 员工 where ID=") + std::string(id);
}

Statement employeeUpdateStatement(const EmployeeFields& fields, std::string_view id) {
    if (auto refused = checkNumbers(fields)) {
        return *refused;
    }
    if (auto refused = checkNumber(id, "ID")) {
        return *refused;
    }
    return gbk("update 员工 set 姓名='") + quoteText(fields.name) + gbk("',性别='") +
           quoteText(fields.sex) + gbk("',职务='") + quoteText(fields.post) + gbk("',图片='") +
           quoteText(fields.picture) + gbk("',好评=") + fields.praise + gbk(",差评=") +
           fields.complaints + gbk(",一般=") + fields.neutral + gbk(",简介='") +
           quoteText(fields.profile) + "' where ID=" + std::string(id);
}

Statement employeeInsertStatement(const EmployeeFields& fields) {
    if (auto refused = checkNumbers(fields)) {
        return *refused;
    }
    return gbk("insert into 员工 (姓名,性别,职务,图片,好评,差评,一般,简介) values('") +
           quoteText(fields.name) + "','" + quoteText(fields.sex) + "','" + quoteText(fields.post) +
           "','" + quoteText(fields.picture) + "'," + fields.praise + "," + fields.complaints +
           "," + fields.neutral + ",'" + quoteText(fields.profile) + "')";
}

} // namespace lindquay
