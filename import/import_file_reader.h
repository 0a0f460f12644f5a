#pragma once
// Reads an import file line by line, holding at most one line and one buffer. Lines end at LF; every CR
// is dropped; one 0x1A as the file's last byte is ignored. The encoding is decided per file: a UTF-8 mark
// means UTF-8, a UTF-16/32 mark is refused, otherwise the file is ASCII until its first line with a byte
// >= 0x80, which decides UTF-8 when it is valid UTF-8 and Windows-1252 when not. Lines come out as UTF-8.
//
// Failures are ImportError: "DIR_INVALIDO", "ARQUIV_INV", "ARQUIV_VAZIO", "CODIF_NSUP" (file);
// "LINHA_LONGA", "CODIF_INV", "ARQUIV_BIN" (line).

#include "import/text_encoding.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace vq::import {

class ImportFileReader {
public:
    static constexpr std::size_t kMaxLineBytes = 65536;

    // `path` is trimmed of blanks; only its directory is checked, the process's directory never moves.
    explicit ImportFileReader(std::string_view path, std::size_t bufferBytes = 64 * 1024);

    // The next line as UTF-8, valid until the next read; false at the end of the file.
    bool readLine(std::string_view& line);
    bool readLine(std::string& line); // a copy

    const std::string& path() const { return path_; }
    const std::string& fileName() const { return fileName_; } // without directory
    std::uint64_t size() const { return size_; }
    std::uint64_t consumed() const { return consumed_; } // bytes, CR and LF included
    long long lineNumber() const { return lineNumber_; } // of the last line read, from 1
    Encoding encoding() const { return encoding_; }

private:
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    bool fill();
    std::string_view decode(std::string_view raw);
    [[noreturn]] void lineError(const char* key) const;

    std::string path_;
    std::string fileName_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    std::uint64_t size_ = 0;
    std::uint64_t consumed_ = 0;
    long long lineNumber_ = 0;
    Encoding encoding_ = Encoding::Undecided;
    std::string spill_;     // the start of a line that crosses the buffer's end
    std::vector<char> out_; // the decoded line; sized once for the longest line
};

} // namespace vq::import
