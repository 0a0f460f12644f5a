#include "import/import_file_reader.h"

#include "framework/validation/consiste.h"
#include "import/import_error.h"
#include "platform/data/utf8.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

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
    raw_.clear();
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
        if (raw_.size() + take > kMaxLineBytes) {
            ++lineNumber_;
            lineError("LINHA_LONGA");
        }
        raw_.append(begin, take);
        pos_ += take;
        consumed_ += take;
        if (nl) {
            ++pos_;
            ++consumed_;
            ended = true;
        }
    }
    if (!any)
        return false;
    if (!ended && !raw_.empty() && raw_.back() == '\x1A') {
        raw_.pop_back();
        if (raw_.empty())
            return false;
    }
    ++lineNumber_;
    decode(raw_, line);
    return true;
}

void ImportFileReader::decode(std::string& raw, std::string& line) {
    raw.erase(std::remove(raw.begin(), raw.end(), '\r'), raw.end());
    line.clear();
    if (encoding_ == Encoding::Undecided && hasHighByte(raw))
        encoding_ = isValidUtf8(raw) ? Encoding::Utf8 : Encoding::Windows1252;
    if (encoding_ == Encoding::Windows1252) {
        appendWindows1252(line, raw);
    } else {
        if (encoding_ == Encoding::Utf8 && !isValidUtf8(raw))
            lineError("CODIF_INV");
        line.swap(raw);
    }
    if (hasControlCharacter(line))
        lineError("ARQUIV_BIN");
}

} // namespace vq::import
