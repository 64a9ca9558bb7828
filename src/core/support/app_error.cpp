#include "support/app_error.h"

#include <cstring>

namespace gft {

AppError AppError::FromErrno(int err, std::string source) {
    return AppError(err, std::move(source), std::strerror(err));
}

AppError AppError::OutOfMemory(std::string source) {
    return AppError(kOutOfMemoryError, std::move(source), "Out of memory");
}

}  // namespace gft
