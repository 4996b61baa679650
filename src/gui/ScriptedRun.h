// A scripted session for the end-to-end test of the program: VELOTRIX_SCRIPT holds steps
// separated by ';' that run one after the other once the main window is up, each acting as
// a person would on the real windows:
//   add-ip a.b.c.d   Add Device, the address picked in "Configure IP", OK
//   connect n        the status window of slot n: "Connect"
//   edit n           the status window of slot n: "Edit"
//   wait ms          nothing for that long
//   shot path        a PNG picture of the main window
//   subwindows n     goes on only when n status windows are open, each a subwindow
//                    shown in the main window's MDI area
//   exit             Exit, "Yes" to the question
// A step that cannot run ends the program with exit code 3.
#pragma once

#include <string>
#include <vector>

struct State;

namespace gui {

class QtHost;

class ScriptedRun {
  public:
    ScriptedRun(QtHost& host, State& s, const std::string& steps);

  private:
    void Next();
    bool Run(const std::string& verb, const std::string& arg);
    bool AddByIp(const std::string& address);
    bool Shot(const std::string& path);
    bool StatusSubwindows(int count) const;
    void Exit();

    QtHost& host_;
    State& s_;
    std::vector<std::string> steps_;
    size_t next_ = 0;
};

}  // namespace gui
