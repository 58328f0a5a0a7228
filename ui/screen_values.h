// The rows of Export Values: every value label of the three calculation pages in screen order
// (page by page, group box by group box, then line by line from the left), with its page, its
// group box and the caption that stands beside it, then the report title.
#pragma once

#include <vector>

#include "files/values_export.h"

namespace plenova {

class Calculator;

std::vector<ValueRow> screenValues(Calculator& calc);

}  // namespace plenova
