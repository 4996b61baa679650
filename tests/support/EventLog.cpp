#include "support/EventLog.h"

#include "ui/Control.h"

namespace testsupport {

void LogEvent(std::vector<std::string>& log, const std::string& what, int16_t index) {
    log.push_back(index < 0 ? what : what + "(" + std::to_string(index) + ")");
}

void RecordEvents(std::vector<std::string>& log, ui::Control& c, const std::string& name) {
    auto& on = c.On();
    const auto simple = [&log](const std::string& what) {
        return [&log, what](int16_t i) { LogEvent(log, what, i); };
    };
    on.Click = simple(name + ".Click");
    on.DblClick = simple(name + ".DblClick");
    on.Change = simple(name + ".Change");
    on.Scroll = simple(name + ".Scroll");
    on.Timer = simple(name + ".Timer");
    on.KeyPress = [&log, name](int16_t i, int16_t& k) {
        LogEvent(log, name + ".KeyPress " + std::to_string(k), i);
    };
    const auto mouse = [&log](const std::string& what) {
        return [&log, what](int16_t i, int16_t b, int16_t, float x, float y) {
            LogEvent(log,
                     what + " " + std::to_string(b) + " " + std::to_string(static_cast<int>(x)) +
                         "," + std::to_string(static_cast<int>(y)),
                     i);
        };
    };
    on.MouseDown = mouse(name + ".MouseDown");
    on.MouseUp = mouse(name + ".MouseUp");
}

}  // namespace testsupport
