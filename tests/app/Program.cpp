#include "Program.h"

#include <stdlib.h>

#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>

#include "app/MDIFrmMain.h"
#include "app/Wiring.h"
#include "app/frmSplash.h"
#include "project/FrmSetID.h"
#include "project/FrmSetIP.h"
#include "support/DeviceHarness.h"

namespace apptest {

namespace {

void Put16(std::vector<uint8_t>& out, int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    out.push_back(static_cast<uint8_t>(u & 0xFF));
    out.push_back(static_cast<uint8_t>(u >> 8));
}

void PutFloat(std::vector<uint8_t>& out, float v) {
    const auto u = std::bit_cast<uint32_t>(v);
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(u >> (8 * k)));
}

void PutText(std::vector<uint8_t>& out, const std::string& t) {
    Put16(out, static_cast<int16_t>(t.size()));
    out.insert(out.end(), t.begin(), t.end());
}

}  // namespace

MDIFrmMain* StartProgram(ui::HeadlessHost& host, State& s) {
    if (const char* home = std::getenv("VELOTRIX_HOME")) setenv("XDG_RUNTIME_DIR", home, 1);
    s.InstanceName = "velotrix-test";
    auto splash = std::make_unique<frmSplash>(s);
    splash->Show();
    host.Advance(2000);
    if (!s.MainWin || !s.MainWin->Loaded()) return nullptr;
    host.Advance(1000);
    return &MainForm(s);
}

MDIFrmMain* StartProgramFor(testsupport::DeviceHarness& h) {
    const testsupport::Link link = h.GetLink();
    const int16_t type = link == testsupport::Link::Usb     ? 0
                         : link == testsupport::Link::Rs485 ? 1
                                                            : 2;
    WriteFile(h.home.File("init.cfg"), InitCfgBytes(1, type));
    return StartProgram(h.host, *h.state);
}

void AddDeviceByIp(ui::HeadlessHost& host, MDIFrmMain& main, const std::string& address) {
    host.DriveModal("FrmSetIP", [address](ui::Form& f) {
        auto& d = static_cast<FrmSetIP&>(f);
        ui::ComboBox* octets[] = {&d.Combo5, &d.Combo6, &d.Combo7, &d.Combo4};
        size_t from = 0;
        for (ui::ComboBox* c : octets) {
            const size_t dot = address.find('.', from);
            c->UserSelect(static_cast<int16_t>(std::stoi(address.substr(from, dot - from))));
            from = dot + 1;
        }
        d.Command1(0).UserClick();
    });
    main.Command1(MDIFrmMain::CmdAddDevice).UserClick();
}

void AddDeviceById(ui::HeadlessHost& host, MDIFrmMain& main, int16_t id) {
    host.DriveModal("FrmSetID", [id](ui::Form& f) {
        auto& d = static_cast<FrmSetID&>(f);
        d.Combo4.UserSelect(id);
        d.Command1(0).UserClick();
    });
    main.Command1(MDIFrmMain::CmdAddDevice).UserClick();
}

bool ExitWithYes(ui::HeadlessHost& host, MDIFrmMain& main) {
    host.Answer(ui::vbYes);
    main.Command1(MDIFrmMain::CmdExit).UserClick();
    return host.Ended();
}

void ProgramTest::Start(int16_t linkType, int16_t port,
                        const std::optional<model::PerSlot<model::DeviceRecord>>& list) {
    if (linkType >= 0) WriteFile(p.File("init.cfg"), InitCfgBytes(port, linkType));
    if (list) WriteFile(p.File("start.ini"), StartIniBytes(*list));
    main = StartProgram(p.host, s);
    ASSERT_NE(main, nullptr);
}

Session::Session() {
    setenv("VELOTRIX_HOME", home.Path().c_str(), 1);
    state = NewState(host);
    state->AppDir = home.Path();
}

std::vector<uint8_t> InitCfgBytes(int16_t comPort, int16_t linkType) {
    std::vector<uint8_t> out;
    Put16(out, comPort);
    Put16(out, 0);
    Put16(out, linkType);
    return out;
}

std::vector<uint8_t> DeviceRecordBytes(const model::DeviceRecord& rec) {
    std::vector<uint8_t> out(rec.IpOctets.begin(), rec.IpOctets.end());
    PutText(out, rec.IpText);
    Put16(out, rec.DevId);
    Put16(out, rec.Online);
    Put16(out, rec.LinkKind);
    Put16(out, rec.Used);
    PutFloat(out, rec.WinLeft);
    PutFloat(out, rec.WinTop);
    PutText(out, rec.NickName);
    return out;
}

std::vector<uint8_t> StartIniBytes(const model::PerSlot<model::DeviceRecord>& list) {
    std::vector<uint8_t> out(list.size() * 128, 0);
    for (size_t slot = 0; slot < list.size(); ++slot) {
        const std::vector<uint8_t> rec = DeviceRecordBytes(list[slot]);
        std::memcpy(out.data() + 128 * slot, rec.data(), rec.size());
    }
    return out;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<LimitRecord> RecordsAtTheirLimits() {
    // Every field another value than a new record's; RS485, so that no window rebuilds the
    // address text.
    model::DeviceRecord base;
    base.IpOctets = {10, 20, 30, 40};
    base.DevId = 12;
    base.Online = 1;
    base.LinkKind = 1;
    base.Used = -1;
    base.WinLeft = 1.5f;
    base.WinTop = 2.5f;
    const std::string rebuilt = "10.20.30.40";
    const model::DeviceRecord free{};
    struct Texts {
        const char* name;
        std::string ip, nick;
        bool fits;
        std::string ipRead, nickRead;
    };
    const Texts texts[] = {
        {"address text of 15", "192.168.100.200", "n", true, "192.168.100.200", "n"},
        {"address text of 16", "192.168.100.2001", "n", true, rebuilt, "n"},
        {"nick name of 16", "1.2.3.4", std::string(15, 'N') + "Z", true, "1.2.3.4",
         std::string(15, 'N') + "Z"},
        {"nick name of 17", "1.2.3.4", std::string(16, 'N') + "Z", true, "1.2.3.4",
         std::string(16, 'N')},
        {"nick name ends at byte 128", std::string(88, '9'), std::string(16, 'E'), true, rebuilt,
         std::string(16, 'E')},
        {"nick name ends at byte 129", std::string(89, '9'), std::string(16, 'E'), false, "", ""},
        {"nick name of 17 from byte 113", std::string(88, '9'), std::string(17, 'E'), true, rebuilt,
         std::string(16, 'E')},
        {"empty nick name ends at byte 128", std::string(104, '9'), "", true, rebuilt, ""},
        {"empty nick name ends at byte 129", std::string(105, '9'), "", false, "", ""},
    };
    std::vector<LimitRecord> out;
    for (const Texts& t : texts) {
        model::DeviceRecord rec = base;
        rec.IpText = t.ip;
        rec.NickName = t.nick;
        std::vector<uint8_t> slot = DeviceRecordBytes(rec);
        slot.resize(128);
        model::DeviceRecord read = free;
        if (t.fits) {
            read = base;
            read.IpText = t.ipRead;
            read.NickName = t.nickRead;
        }
        out.push_back({t.name, slot, read});
    }
    return out;
}

model::DeviceRecord ZeroRecord() {
    model::DeviceRecord rec;
    rec.IpText.clear();
    rec.DevId = 0;
    rec.LinkKind = 0;
    rec.NickName.clear();
    return rec;
}

model::DeviceRecord TcpRecord(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    model::DeviceRecord rec;
    rec.IpOctets = {a, b, c, d};
    rec.IpText = std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c) + "." +
                 std::to_string(d);
    rec.DevId = 255;
    rec.LinkKind = 2;
    rec.Used = -1;
    return rec;
}

model::DeviceRecord SerialRecord(int16_t linkKind, int16_t id) {
    model::DeviceRecord rec;
    rec.DevId = id;
    rec.LinkKind = linkKind;
    rec.Used = -1;
    return rec;
}

}  // namespace apptest
