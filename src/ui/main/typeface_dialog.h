#pragma once

#include <optional>

#include "session/view.h"

class QWidget;

namespace gft::ui {

// File > Import > "Typeface (TTF, OTF, BDF, PCF)...": the typeface file, the
// pixel size (1..255), the code page and, when ticked, the coverage
// threshold (1..100 %). Empty when cancelled or no file was named.
std::optional<TypefaceRequest> AskTypefaceDialog(QWidget* parent, const TypefaceRequest& last);

}  // namespace gft::ui
