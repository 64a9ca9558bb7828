#pragma once

#include <optional>

#include "format/truetype_export.h"

class QWidget;

namespace gft::ui {

// Export > "TrueType font (TTF)...": the rows above the baseline
// (0..height), the code page the codes are mapped through, and the family
// name. Empty when cancelled.
std::optional<TrueTypeOptions> AskTrueTypeDialog(QWidget* parent, const TrueTypeOptions& suggested,
                                                 int height);

}  // namespace gft::ui
