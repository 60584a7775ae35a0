// Builds a form from its description: a JSON document holding the window's
// settings and each control's kind, place and settings.
#pragma once

#include <string_view>

#include "host/Form.h"

namespace host {

// Fills the form from the description; throws std::runtime_error naming the
// offending entry when the text is not a valid description.
void LoadFormDescription(Form& form, std::string_view json);

}  // namespace host
