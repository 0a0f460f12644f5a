#pragma once
// A failure of the import, by message key and where it happened: a file, a line of it, or one value of a
// line. The form looks the key up in its catalogue and formats the place with `describe`.

#include "platform/data/error.h"

#include <string>

namespace vq::import {

class ImportError : public Error {
public:
    enum class Place { File, Line, Value };

    ImportError(std::string key, std::string file); // file: the full path
    ImportError(std::string key, std::string fileName, long long line);
    ImportError(std::string key, std::string fileName, long long line, std::string column, std::string value);

    const std::string& key() const { return key_; }
    Place place() const { return place_; }
    const std::string& file() const { return file_; }
    long long line() const { return line_; }
    const std::string& column() const { return column_; }
    const std::string& value() const { return value_; }

    // "<text> (<path>)", "<text> (arquivo <name>, linha <n>)" or
    // "<text> (arquivo <name>, linha <n>, campo <column>: "<value>")".
    std::string describe(const std::string& text) const;

private:
    std::string key_;
    Place place_;
    std::string file_;
    long long line_ = 0;
    std::string column_;
    std::string value_;
};

} // namespace vq::import
