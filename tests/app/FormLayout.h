// Checks that a form is laid out so a person can use it: no two visible controls in the same
// container overlap, every control lies inside its container, and captions fit their
// controls by a rough text-width estimate.
#pragma once

#include <string>
#include <vector>

namespace ui {
class Form;
}

namespace apptest {

std::vector<std::string> LayoutProblems(const ui::Form& form);

}  // namespace apptest
