#pragma once
// Failures of the transport itself, as opposed to failures the server reports for a call.

#include "platform/data/error.h"

namespace vq::net {

// The connection broke, timed out, was refused or answered with something unreadable. The connection
// is closed when this is thrown; the next call opens a new one.
class ConnectionError : public Error {
public:
    using Error::Error;
};

} // namespace vq::net
