#pragma once
// Failures of the database layer. The message is Portuguese and names the operation; kind lets callers
// react to constraint violations and lock conflicts without parsing driver texts.

#include "platform/data/error.h"

#include <string>

namespace vq::db {

enum class DbErrorKind {
    General,
    UniqueViolation, // primary key or unique index
    NotNullViolation,
    CheckViolation, // includes a string longer than its column
    Busy,           // lock timeout, serialization failure, deadlock: the operation may be retried
    Connection,     // could not connect or the connection broke
    Refused         // refused by this layer before reaching the database (read-only, bad parameter...)
};

class DbError : public vq::Error {
public:
    DbError(DbErrorKind kind, const std::string& message) : vq::Error(message), kind_(kind) {}
    explicit DbError(const std::string& message) : DbError(DbErrorKind::General, message) {}

    DbErrorKind kind() const { return kind_; }

private:
    DbErrorKind kind_;
};

} // namespace vq::db
