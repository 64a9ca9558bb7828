#include "support/app_error.h"

#include <cstring>

namespace gft {

AppError AppError::FromErrno(int err, std::string source) {
    return AppError(err, std::move(source), std::strerror(err));
}

}  // namespace gft
