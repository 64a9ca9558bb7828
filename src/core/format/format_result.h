#pragma once

#include <string>
#include <utility>

namespace gft {

// What a file-format function hands back: the value, or the message that
// tells the user why there is none.
template <class T>
struct FormatResult {
    T value{};
    std::string error;  // empty on success

    bool ok() const { return error.empty(); }

    static FormatResult Success(T value) { return {std::move(value), {}}; }
    static FormatResult Failure(std::string message) { return {T{}, std::move(message)}; }
};

}  // namespace gft
