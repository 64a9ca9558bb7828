#include "support/string_concat.h"

#include <limits>

#include "support/app_error.h"

namespace gft {

namespace {

std::int32_t CheckedAdd(std::int64_t a, std::int64_t b) {
    const std::int64_t sum = a + b;
    if (sum > std::numeric_limits<std::int32_t>::max() ||
        sum < std::numeric_limits<std::int32_t>::min())
        throw AppError(kOverflowError, "StringConcat", "Overflow");
    return static_cast<std::int32_t>(sum);
}

}  // namespace

void StringConcat::Add(const std::string& strAddString) {
    const auto n = static_cast<std::int64_t>(strAddString.size());
    if (n <= 0) return;
    const std::int32_t needed = CheckedAdd(lngUsed, n);
    if (needed > lngAllocated) {
        if (lngAllocSize == 0)
            throw AppError(kDivisionByZeroError, "StringConcat", "Division by zero");
        const std::int64_t shortfall = std::int64_t{needed} - lngAllocated;
        const std::int64_t grow = (shortfall / lngAllocSize + 1) * std::int64_t{lngAllocSize};
        lngAllocated = CheckedAdd(lngAllocated, grow);
        if (grow < 0 || lngAllocated < needed)
            throw AppError(kOverflowError, "StringConcat", "Overflow");
        buffer_.resize(static_cast<std::size_t>(lngAllocated), ' ');
    }
    buffer_.replace(static_cast<std::size_t>(lngUsed), strAddString.size(), strAddString);
    lngUsed = needed;
}

std::string StringConcat::GetStr() const {
    if (lngUsed <= 0) return {};
    return buffer_.substr(0, static_cast<std::size_t>(lngUsed));
}

}  // namespace gft
