#include "import/import_error.h"

namespace vq::import {

ImportError::ImportError(std::string key, std::string file)
    : Error(key + " (" + file + ")"), key_(std::move(key)), place_(Place::File), file_(std::move(file)) {}

ImportError::ImportError(std::string key, std::string fileName, long long line)
    : Error(key + " (arquivo " + fileName + ", linha " + std::to_string(line) + ")"), key_(std::move(key)),
      place_(Place::Line), file_(std::move(fileName)), line_(line) {}

ImportError::ImportError(std::string key, std::string fileName, long long line, std::string column,
                         std::string value)
    : Error(key + " (arquivo " + fileName + ", linha " + std::to_string(line) + ", campo " + column + ")"),
      key_(std::move(key)), place_(Place::Value), file_(std::move(fileName)), line_(line),
      column_(std::move(column)), value_(std::move(value)) {}

std::string ImportError::describe(const std::string& text) const {
    switch (place_) {
    case Place::File:
        return text + " (" + file_ + ")";
    case Place::Line:
        return text + " (arquivo " + file_ + ", linha " + std::to_string(line_) + ")";
    case Place::Value:
        break;
    }
    return text + " (arquivo " + file_ + ", linha " + std::to_string(line_) + ", campo " + column_ + ": \"" +
           value_ + "\")";
}

} // namespace vq::import
