#include "import/import_file_reader.h"

#include "framework/validation/consiste.h"
#include "import/import_error.h"
#include "platform/data/utf8.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vq::import {

namespace fs = std::filesystem;

ImportFileReader::ImportFileReader(std::string_view path, std::size_t bufferBytes)
    : path_(Consiste::AllTrim(path)), buffer_(std::max<std::size_t>(bufferBytes, 16)) {
    const fs::path p(path_);
    fileName_ = p.filename().string();
    std::error_code ec;
    const fs::path dir = p.parent_path();
    if (!dir.empty() && !fs::is_directory(dir, ec))
        throw ImportError("DIR_INVALIDO", path_);
    if (path_.empty() || !fs::is_regular_file(p, ec))
        throw ImportError("ARQUIV_INV", path_);
    const auto bytes = fs::file_size(p, ec);
    if (ec || bytes == 0)
        throw ImportError("ARQUIV_VAZIO", path_);
    size_ = bytes;
    file_.reset(std::fopen(path_.c_str(), "rb"));
    if (!file_)
        throw ImportError("ARQUIV_INV", path_);

    // The mark needs the first four bytes together.
    while (end_ < 4 && fill()) {
    }
    std::size_t markLength = 0;
    switch (byteOrderMark(std::string_view(buffer_.data(), end_), markLength)) {
    case ByteOrderMark::Unsupported:
        throw ImportError("CODIF_NSUP", path_);
    case ByteOrderMark::Utf8:
        encoding_ = Encoding::Utf8;
        break;
    case ByteOrderMark::None:
        break;
    }
    pos_ = markLength;
    consumed_ = markLength;
}

// Appends to the buffer's free tail, moving what is unread to the front first.
bool ImportFileReader::fill() {
    if (eof_)
        return false;
    if (pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
    }
    const std::size_t n = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_.get());
    if (n == 0) {
        eof_ = true;
        return false;
    }
    end_ += n;
    return true;
}

void ImportFileReader::lineError(const char* key) const {
    throw ImportError(key, fileName_, lineNumber_);
}

bool ImportFileReader::readLine(std::string& line) {
    std::string_view view;
    if (!readLine(view))
        return false;
    line.assign(view);
    return true;
}

// The line is decoded where it lies in the buffer; only a line crossing the buffer's end is copied.
bool ImportFileReader::readLine(std::string_view& line) {
    spill_.clear();
    std::string_view raw;
    bool ended = false; // by a line feed
    bool any = false;
    while (!ended) {
        if (pos_ == end_ && !fill())
            break;
        const char* begin = buffer_.data() + pos_;
        const std::size_t avail = end_ - pos_;
        const auto* nl = static_cast<const char*>(std::memchr(begin, '\n', avail));
        const std::size_t take = nl ? static_cast<std::size_t>(nl - begin) : avail;
        any = true;
        if (spill_.size() + take > kMaxLineBytes) {
            ++lineNumber_;
            lineError("LINHA_LONGA");
        }
        pos_ += take;
        consumed_ += take;
        if (nl) {
            ++pos_;
            ++consumed_;
            ended = true;
        }
        if (ended && spill_.empty()) {
            raw = std::string_view(begin, take);
        } else {
            spill_.append(begin, take);
            raw = spill_;
        }
    }
    if (!any)
        return false;
    if (!ended && !raw.empty() && raw.back() == '\x1A') {
        raw.remove_suffix(1);
        if (raw.empty())
            return false;
    }
    ++lineNumber_;
    line = decode(raw);
    return true;
}

namespace {

bool plainByte(unsigned char b) {
    return b >= 0x20 && b < 0x7F;
}

// Length of the run of printable ASCII (0x20..0x7E) at the start of [p, p + n): what is copied as it is.
std::size_t plainRun(const char* p, std::size_t n) {
    std::size_t i = 0;
#if defined(__SSE2__)
    // Signed bytes: 0x80..0xFF are negative, so one "less than 0x20" also finds them.
    const __m128i space = _mm_set1_epi8(0x20);
    const __m128i del = _mm_set1_epi8(0x7F);
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmplt_epi8(v, space), _mm_cmpeq_epi8(v, del)));
        if (mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    while (i < n && plainByte(static_cast<unsigned char>(p[i])))
        ++i;
    return i;
}

std::size_t highRun(std::string_view raw, std::size_t i) {
    std::size_t end = i;
    while (end < raw.size() && static_cast<unsigned char>(raw[end]) >= 0x80)
        ++end;
    return end;
}

} // namespace

// One pass: CR dropped, high bytes decoded, control characters noted. A line invalid for its encoding is
// "CODIF_INV" before it is "ARQUIV_BIN".
std::string_view ImportFileReader::decode(std::string_view raw) {
    if (encoding_ == Encoding::Undecided && hasHighByte(raw))
        encoding_ = isValidUtf8(raw) ? Encoding::Utf8 : Encoding::Windows1252;
    if (out_.size() < raw.size() * 3)
        out_.resize(std::max<std::size_t>(raw.size() * 3, 1024));
    char* const start = out_.data();
    char* out = start;
    bool control = false;
    std::size_t i = 0;
    const std::size_t n = raw.size();
    while (i < n) {
        const std::size_t run = plainRun(raw.data() + i, n - i);
        std::memcpy(out, raw.data() + i, run);
        out += run;
        i += run;
        if (i == n)
            break;
        const auto b = static_cast<unsigned char>(raw[i]);
        if (b < 0x80) {
            if (b != '\r') {
                control = control || (b < 0x20 && b != '\t') || b == 0x7F;
                *out++ = static_cast<char>(b);
            }
            ++i;
            continue;
        }
        if (encoding_ == Encoding::Windows1252) {
            out = appendWindows1252Byte(out, b);
            control = control || isWindows1252Control(b);
            ++i;
            continue;
        }
        // UTF-8: the run of non-ASCII bytes is whole sequences when the text is valid.
        const std::size_t end = highRun(raw, i);
        const std::string_view high = raw.substr(i, end - i);
        if (!isValidUtf8(high))
            lineError("CODIF_INV");
        control = control || hasControlCharacter(high);
        std::memcpy(out, high.data(), high.size());
        out += high.size();
        i = end;
    }
    if (control)
        lineError("ARQUIV_BIN");
    return {start, static_cast<std::size_t>(out - start)};
}

} // namespace vq::import
