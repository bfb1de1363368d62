#pragma once
// A value, or the reason there is none. The readers never throw: a malformed
// module is an ordinary outcome, reported with the offset where it went wrong.
#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace modfile {

struct Error {
    std::string message;
};

// "0x1f": how offsets, addresses and odd values appear in messages.
std::string hex(std::uint64_t value);

// "offset 0x<offset>: <what>", offsets being file offsets.
Error errorAt(std::uint64_t offset, const std::string& what);

template <typename T>
class ErrorOr {
public:
    ErrorOr(T value) : content_(std::move(value)) {}
    ErrorOr(Error error) : content_(std::move(error)) {}

    bool isError() const { return std::holds_alternative<Error>(content_); }
    const Error& error() const { return std::get<Error>(content_); }
    const T& value() const { return std::get<T>(content_); }
    T releaseValue() { return std::move(std::get<T>(content_)); }

private:
    std::variant<T, Error> content_;
};

}  // namespace modfile
