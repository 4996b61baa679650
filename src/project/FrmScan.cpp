#include "project/FrmScan.h"

#include <netinet/in.h>

#include <algorithm>
#include <cstring>

#include "comm/Ipv4.h"
#include "comm/Status.h"
#include "project/DeviceList.h"
#include "protocol/Commands.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

constexpr int32_t kDevicePort = 1001;
constexpr int32_t kScanTimeoutMs = 300;
constexpr int32_t kConnectTimeoutMs = 200;
constexpr int16_t kScanSlots = 65;

// A box of the range: one to three decimal digits.
bool OctetText(const std::string& text, int& value) {
    if (text.empty() || text.size() > 3) return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    value = std::stoi(text);
    return true;
}

// The four octets of a dotted address text such as "010.0.0.5".
bool Octets(const std::string& address, std::array<uint8_t, 4>& octets) {
    in_addr addr{};
    if (!comm::ParseIpv4(address, addr)) return false;
    std::memcpy(octets.data(), &addr.s_addr, octets.size());
    return true;
}

int32_t ReplyTimeoutMs(uint8_t cmd) {
    if (cmd == CmdDisconnect || cmd == CmdRecallProgram) return 10000;
    return cmd == CmdReadVersion ? 200 : 3000;
}

}  // namespace

FrmScan::FrmScan(State& s) : ui::Form(s.host, "FrmScan"), s_(s) {
    LayOut();
    Text1.On().Change = [this](int16_t index) { Text1_Change(index); };
    Command1.On().Click = [this](int16_t) { Command1_Click(); };
    Command2.On().Click = [this](int16_t index) { Command2_Click(index); };
}

FrmScan::~FrmScan() = default;

void FrmScan::LayOut() {
    SetCaption("Search device(s)");
    SetSizable(false);
    constexpr ui::Twips width = 5400;
    SetClientSize(width, 5220);
    Frame2.SetCaption("Host Address");
    Frame2.Move(120, 60, width - 240, 660);
    Label3.SetContainer(&Frame2);
    Label3.Move(180, 300, width - 600, 285);

    Frame1.SetCaption("Scan the following IP range:");
    Frame1.Move(120, 780, width - 240, 1260);
    constexpr ui::Twips boxLeft = 840, pitch = 900, boxWidth = 600, rowPitch = 480;
    for (int16_t row = 0; row < 2; ++row) {
        const ui::Twips top = 360 + rowPitch * row;
        ui::Label& name = Label2.Load(row);
        name.SetContainer(&Frame1);
        name.SetCaption(row == 0 ? "From:" : "To:");
        name.Move(180, top + 30, 600, 285);
        for (int16_t k = 0; k < 4; ++k) {
            ui::TextBox& box = Text1.Load(static_cast<int16_t>(4 * row + k));
            box.SetContainer(&Frame1);
            box.SetMaxLength(3);
            box.SetAlignment(2);
            box.Move(boxLeft + pitch * k, top, boxWidth, 315);
            if (k == 3) continue;
            ui::Label& dot = Label4.Load(static_cast<int16_t>(3 * row + k));
            dot.SetContainer(&Frame1);
            dot.SetCaption(".");
            dot.SetAlignment(2);
            dot.SetFont(12, true);
            dot.Move(boxLeft + pitch * k + boxWidth, top, pitch - boxWidth, 315);
        }
    }
    // The last address shares the first one's network part.
    for (int16_t k = 4; k < 7; ++k) {
        Text1(k).SetLocked(true);
        Text1(k).SetBackColor(ui::vbButtonFace);
    }
    Command1.SetContainer(&Frame1);
    Command1.SetCaption("Scan");
    Command1.SetDefault(true);
    Command1.Move(4260, 570, 780, 375);

    Label1.SetCaption("Scanning Devices ...");
    Label1.Move(120, 2100, 3000, 285);
    Frame3.SetCaption("Device(s) found");
    Frame3.Move(120, 2460, width - 240, 2100);
    List1.SetContainer(&Frame3);
    List1.SetMultiSelect(1);
    List1.Move(180, 300, width - 600, 1620);
    ui::CommandButton& add = Command2.Load(1);
    add.SetCaption("Add device(s) to Project");
    add.Move(width - 120 - 1200 - 120 - 2400, 4680, 2400, 375);
    ui::CommandButton& cancel = Command2.Load(0);
    cancel.SetCaption("Cancel");
    cancel.SetCancel(true);
    cancel.Move(width - 120 - 1200, 4680, 1200, 375);
}

void FrmScan::Form_Load() {
    TCP1 = std::make_unique<comm::TcpLib>(s_.host);
    if (TCP1->Init(kScanSlots) != comm::kOk) {
        s_.host.MsgBox("Wrong TCP initialization!", ui::vbOKOnly + ui::vbCritical, "TCPLibDemo");
        Unload();
        return;
    }
    TCP1->ScanResponse = [this](const std::vector<std::string>& hosts) {
        TCP1_ScanResponse(hosts);
    };
    LocalAddrs = TCP1->GetLocalAddresses();
    HostAddr = LocalAddrs.empty() ? std::string() : LocalAddrs[0];
    Label3.SetCaption(HostAddr);
    List1.Clear();
    Label1.SetVisible(false);
    ProposeRange();
}

void FrmScan::Form_Unload(int16_t&) {
    TCP1.reset();
}

// The PC's own network with the final octets 1 to 254.
void FrmScan::ProposeRange() {
    for (int16_t k = 0; k < 4; ++k) Text1(k).SetText("");
    std::array<std::string, 4> octets;
    size_t box = 0;
    for (char c : HostAddr) {
        if (c != '.') {
            octets[box] += c;
        } else if (++box == octets.size()) {
            break;
        }
    }
    for (int16_t k = 0; k < 4; ++k) Text1(k).SetText(octets[static_cast<size_t>(k)]);
    Text1(3).SetText("1");
    Text1(7).SetText("254");
}

void FrmScan::Text1_Change(int16_t index) {
    if (s_.UiUpdating || index > 2) return;
    s_.UiUpdating = true;
    Text1(static_cast<int16_t>(index + 4)).SetText(Text1(index).Text());
    s_.UiUpdating = false;
}

bool FrmScan::ReadRange(int& from, int& to) const {
    int a = 0, b = 0, c = 0;
    if (!OctetText(Text1(0).Text(), a) || !OctetText(Text1(1).Text(), b) ||
        !OctetText(Text1(2).Text(), c) || !OctetText(Text1(3).Text(), from) ||
        !OctetText(Text1(7).Text(), to)) {
        return false;
    }
    return a >= 1 && a <= 254 && b <= 254 && c <= 254 && from >= 1 && from <= 254 && to >= 1 &&
           to <= 254 && to > from;
}

void FrmScan::Command1_Click() {
    if (HostAddr == "127.0.0.1") {
        s_.host.MsgBox("IP address not correct", ui::vbOKOnly, "Velotrix");
        return;
    }
    int from = 0, to = 0;
    if (!TCP1 || !ReadRange(from, to)) {
        s_.host.MsgBox("Wrong IP address", ui::vbOKOnly + ui::vbCritical, "Scan");
        return;
    }
    ScanPrefix = Text1(0).Text() + "." + Text1(1).Text() + "." + Text1(2).Text() + ".";
    std::vector<std::string> hosts;
    for (int n = from; n <= to; ++n) hosts.push_back(ScanPrefix + std::to_string(n));
    EnableResults(false);
    SetMousePointer(ui::vbArrowHourglass);
    Label1.SetVisible(true);
    TCP1->Scan(hosts, kDevicePort, kScanTimeoutMs, false);
}

void FrmScan::EnableResults(bool on) {
    Frame3.SetEnabled(on);
    Command2(0).SetEnabled(on);
    Command2(1).SetEnabled(on);
}

void FrmScan::TCP1_ScanResponse(const std::vector<std::string>& hosts) {
    int16_t found = -1;
    List1.Clear();
    if (!hosts.empty() && !hosts[0].empty()) {
        for (const std::string& address : hosts) {
            ++found;
            if (ProbeTcpDevice(address, found)) {
                List1.AddItem(address, found);
                ScanIps[static_cast<size_t>(found)] = address;
            } else {
                --found;
            }
        }
    }
    if (found < 0) {
        s_.host.MsgBox("Device not Found", ui::vbOKOnly + ui::vbExclamation, "Scan Device");
    }
    SetMousePointer(ui::vbDefault);
    Label1.SetVisible(false);
    EnableResults(true);
}

bool FrmScan::ProbeTcpDevice(const std::string& address, int16_t slot) {
    s_.TxBlocked = false;
    s_.CommEnabled = true;
    if (TCP1->IsConnected(slot) != 0) TCP1->Disconnect(slot);
    std::string host = address;
    if (TCP1->Connect(slot, host, kDevicePort, kConnectTimeoutMs) != comm::kOk) return false;
    uint8_t cmd = CmdReadVersion;
    std::array<uint8_t, 8> data{};
    if (load_frame_TEST(slot, cmd, data)) return true;
    TCP1->Disconnect(slot);
    return false;
}

bool FrmScan::load_frame_TEST(int16_t& slot, uint8_t& cmd, std::array<uint8_t, 8>& data) {
    s_.TxFrame = {0xF0, 0x46, static_cast<uint8_t>(slot), cmd};
    std::copy(data.begin(), data.end(), s_.TxFrame.begin() + 4);
    s_.TxFrame[12] = 0xF7;
    std::array<uint8_t, 13> frame = s_.TxFrame;
    if (TCP1->Send(slot, frame) != comm::kOk) return false;
    std::array<uint8_t, 13> reply{};
    int32_t timeoutMs = ReplyTimeoutMs(cmd);
    if (TCP1->Receive(slot, reply, timeoutMs) != comm::kOk) return false;
    std::copy(reply.begin(), reply.end(), s_.RxBuf.begin());
    return true;
}

void FrmScan::Command2_Click(int16_t index) {
    if (index == 1) {
        if (List1.ListCount() == 0) return;
        bool any = false;
        for (int16_t i = 0; i < List1.ListCount(); ++i) any = any || List1.Selected(i);
        if (!any) {
            s_.host.MsgBox("Please select an IP device", ui::vbOKOnly + ui::vbExclamation,
                           "Add device to project");
            return;
        }
        AddSelected();
    } else {
        s_.DevScanMark.fill(false);
    }
    Unload();
}

// Every selected address that no device of the project has yet goes into the lowest free
// slot, in plain dotted decimal, as a TCP/IP device.
void FrmScan::AddSelected() {
    s_.DevScanMark.fill(false);
    for (int16_t i = 0; i < List1.ListCount(); ++i) {
        std::array<uint8_t, 4> octets{};
        if (!List1.Selected(i) || !Octets(ScanIps[static_cast<size_t>(i)], octets)) continue;
        s_.NewDevIp = octets;
        if (ModConfig::IsIpAlreadyInserted(s_)) continue;
        s_.NewDevSlot = ModConfig::FindFreeDeviceSlot(s_);
        if (s_.NewDevSlot == 255) {
            s_.host.MsgBox("Already 64 devices inserted", ui::vbOKOnly + ui::vbExclamation,
                           "Add Device");
            return;
        }
        ModConfig::InsertDevice(s_, s_.NewDevSlot);
        s_.DevScanMark[s_.NewDevSlot] = true;
    }
}
