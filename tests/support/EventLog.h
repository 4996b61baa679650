// Recording the events controls fire, as lines "Name.Event detail(index)", for tests that
// check which handlers ran in which order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {
class Control;
}

namespace testsupport {

// Adds "what" to the log, followed by "(index)" for an element of a control array.
void LogEvent(std::vector<std::string>& log, const std::string& what, int16_t index);
// Sets handlers on c that log its Click, DblClick, Change, Scroll, Timer, KeyPress (with the
// key), MouseDown and MouseUp (with button and position) under the given name.
void RecordEvents(std::vector<std::string>& log, ui::Control& c, const std::string& name);

}  // namespace testsupport
