#pragma once

#include <exception>
#include <string>

// The toolkit's error class. Every failure the program reports is one of these; the application's
// message loop shows its message in the error box and goes on.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}

    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Text that is not a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A value too large for the type that must hold it.
class EOverflow : public Exception {
public:
    using Exception::Exception;
};
