#include "text/DoubleByteText.h"

#include <algorithm>

namespace lindquay {
namespace {

// Calls `visit(offset)` for the first byte of every character; stops when it returns true.
template <typename Visit> std::size_t forEachCharacter(std::string_view text, Visit visit) {
    for (std::size_t i = 0; i < text.size(); i += isLeadByte(text[i]) ? 2 : 1) {
        if (visit(i)) {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace

int findText(std::string_view text, std::string_view part) {
    const std::size_t found =
        forEachCharacter(text, [&](std::size_t i) { return text.substr(i, part.size()) == part; });
    if (found == std::string_view::npos) {
        return part.empty() ? 1 : -1;
    }
    return static_cast<int>(found) + 1;
}

std::size_t lastBackslash(std::string_view text) {
    std::size_t last = std::string_view::npos;
    forEachCharacter(text, [&](std::size_t i) {
        if (text[i] == kBackslash) {
            last = i;
        }
        return false;
    });
    return last;
}

std::size_t lastSeparator(std::string_view text) {
    std::size_t last = std::string_view::npos;
    forEachCharacter(text, [&](std::size_t i) {
        if (text[i] == kBackslash || text[i] == '/') {
            last = i;
        }
        return false;
    });
    return last;
}

bool endsWithSeparator(std::string_view text) {
    const std::size_t last = lastSeparator(text);
    return last != std::string_view::npos && last + 1 == text.size();
}

std::vector<std::string_view> splitAtSeparators(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    forEachCharacter(text, [&](std::size_t i) {
        if (text[i] == kBackslash || text[i] == '/') {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
        return false;
    });
    pieces.push_back(text.substr(std::min(start, text.size())));
    return pieces;
}

std::vector<std::string_view> splitAtBackslashes(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    forEachCharacter(text, [&](std::size_t i) {
        if (text[i] == kBackslash) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
        return false;
    });
    if (start < text.size()) {
        pieces.push_back(text.substr(start));
    }
    return pieces;
}

std::string numberToText(std::int64_t number) {
    return std::to_string(number);
}

} // namespace lindquay
