#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gft {

// What the window's notification strip above the log says. A failure is
// said in plain words and goes with the next command or when dismissed; an
// offer stays until it is taken up or dismissed.
enum class NoticeKind : std::uint8_t { Failure, RecoveryOffer };

// A button of a notice: its caption and the command it runs, by the control
// name the command table knows it by.
struct NoticeAction {
    std::string caption;
    std::string control;
    bool operator==(const NoticeAction&) const = default;
};

struct Notice {
    NoticeKind kind = NoticeKind::Failure;
    std::string text;
    std::vector<NoticeAction> actions;
    bool operator==(const Notice&) const = default;
};

}  // namespace gft
