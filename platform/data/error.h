#pragma once
// Exceptions shared by every layer.

#include <stdexcept>
#include <string>

namespace vq {

// A failure with a message meant for the user (Portuguese).
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value could not be converted to the wanted kind.
class ConversionError : public Error {
public:
    using Error::Error;
};

// A value or packet does not fit a field definition.
class FieldError : public Error {
public:
    using Error::Error;
};

// Malformed encoded data (packet, delta, frame).
class DecodeError : public Error {
public:
    using Error::Error;
};

// The silent abort: ends the current command without a message.
class Abort : public std::exception {
public:
    const char* what() const noexcept override { return "Operação interrompida"; }
};

} // namespace vq
