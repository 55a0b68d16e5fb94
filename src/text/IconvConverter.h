#pragma once

#include <iconv.h>
#include <string>
#include <string_view>

namespace lindquay {

// One direction of glibc iconv, opened once and reused. Not thread-safe: each thread keeps
// its own converters (see Encoding.cpp).
class IconvConverter {
public:
    enum class OnInvalid { Fail, Substitute };

    IconvConverter(const char* from, const char* to);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts the whole input. With OnInvalid::Fail, any sequence that is invalid in the
    // source or has no counterpart in the target (EILSEQ), and a sequence cut short at the
    // end (EINVAL), makes the result false. With OnInvalid::Substitute, such a sequence is
    // skipped (one byte, or `skipWidth` bytes when the source has fixed-width units) and
    // `substitute` is written in its place.
    bool convert(std::string_view input, std::string& output, OnInvalid onInvalid,
                 std::string_view substitute = {}, std::size_t skipWidth = 1);

    // After a failed convert: whether the input ended inside a character (EINVAL).
    bool isIncomplete() const { return m_incomplete; }

private:
    bool m_incomplete = false;
    iconv_t m_handle = reinterpret_cast<iconv_t>(-1);
};

} // namespace lindquay
