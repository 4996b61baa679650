// "Search device(s)": scans an address range of the PC's IPv4 subnet for devices on the device
// port, probes every host that answered with one identity request on a TCP object of the
// dialog's own, lists the hosts that replied and adds the selected ones to the project
// (DevScanMark tells the caller which slots it filled). Closing the dialog closes every
// connection it made.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "comm/TcpLib.h"
#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmScan : public ui::Form {
  public:
    explicit FrmScan(State& s);
    ~FrmScan() override;

    void Text1_Change(int16_t index);
    void Command1_Click();
    void TCP1_ScanResponse(const std::vector<std::string>& hosts);
    // One frame of cmd with data to the host on the connection slot of TCP1; True when a
    // 13-byte reply came (it is then in RxBuf(0..12)). A failed send is no reply.
    bool load_frame_TEST(int16_t& slot, uint8_t& cmd, std::array<uint8_t, 8>& data);
    // Index 0 Cancel, 1 Add.
    void Command2_Click(int16_t index);

    ui::Frame Frame2{*this, "Frame2"};
    ui::Label Label3{*this, "Label3"};  // the PC's address
    ui::Frame Frame1{*this, "Frame1"};
    ui::ControlArray<ui::Label> Label2{*this, "Label2"};  // "From:", "To:"
    // Octets 1..4 of the first (0..3) and of the last (4..7) address; 4..6 repeat 0..2.
    ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};
    ui::ControlArray<ui::Label> Label4{*this, "Label4"};  // the dots
    ui::CommandButton Command1{*this, "Command1"};        // "Scan"
    ui::Label Label1{*this, "Label1"};                    // "Scanning Devices ..."
    ui::Frame Frame3{*this, "Frame3"};
    ui::ListBox List1{*this, "List1"};
    ui::ControlArray<ui::CommandButton> Command2{*this, "Command2"};

    std::unique_ptr<comm::TcpLib> TCP1;
    std::vector<std::string> LocalAddrs;
    std::string HostAddr;
    std::string ScanPrefix;
    std::array<std::string, 256> ScanIps;

  protected:
    void Form_Load() override;
    void Form_Unload(int16_t& cancel) override;

  private:
    void LayOut();
    void ProposeRange();
    // The first and last final octets of a valid range; false for a range the dialog refuses.
    bool ReadRange(int& from, int& to) const;
    bool ProbeTcpDevice(const std::string& address, int16_t slot);
    void EnableResults(bool on);
    void AddSelected();

    State& s_;
};
