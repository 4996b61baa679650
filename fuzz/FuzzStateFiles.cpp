// The three state files with arbitrary content, read as the start-up reads them: whatever
// was read is written back without refusal, and reading and writing again changes no byte.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/Wiring.h"
#include "files/StateFiles.h"
#include "model/RecordFile.h"
#include "project/DeviceList.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

struct Fixture {
    Fixture() {
        // Memory-backed where there is one: every save syncs its files.
        char shm[] = "/dev/shm/velotrix-fuzz-XXXXXX";
        char tmp[] = "/tmp/velotrix-fuzz-XXXXXX";
        char* folder = ::mkdtemp(shm);
        if (folder == nullptr) folder = ::mkdtemp(tmp);
        if (folder == nullptr) std::abort();
        state->AppDir = folder;
    }
    std::string File(const char* name) const { return state->AppDir + "/" + name; }
    std::vector<uint8_t> Read(const char* name) const {
        std::vector<uint8_t> bytes;
        model::ReadFileHead(File(name), SIZE_MAX, bytes);
        return bytes;
    }
    void Put(const char* name, const std::vector<uint8_t>& bytes) const {
        if (!model::WriteFileAtomic(File(name), bytes)) std::abort();
    }
    // Reads the three files as the start-up does, then writes the list and the images.
    void RoundTrip() const {
        State& s = *state;
        StateFiles::ReadInitCfg(s);
        s.LinkType = s.InitCfg.LinkType;
        ModConfig::InitProjectDevices(s);
        StateFiles::ReadDeviceList(s);
        StateFiles::ReadDeviceImages(s);
        s.DevImage = s.StoredImage;
        if (!StateFiles::WriteDeviceList(s) || !StateFiles::WriteDeviceImages(s)) std::abort();
    }

    ui::HeadlessHost host;
    std::unique_ptr<State> state = NewState(host);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Fixture f;
    FuzzedDataProvider in(data, size);
    f.Put(StateFiles::kInitCfg, in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange(0, 16)));
    f.Put(StateFiles::kStartIni, in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange(0, 8400)));
    f.Put(StateFiles::kStartBfIni, in.ConsumeRemainingBytes<uint8_t>());

    f.RoundTrip();
    const std::vector<uint8_t> list = f.Read(StateFiles::kStartIni);
    const std::vector<uint8_t> images = f.Read(StateFiles::kStartBfIni);
    f.RoundTrip();
    if (f.Read(StateFiles::kStartIni) != list || f.Read(StateFiles::kStartBfIni) != images) {
        std::abort();
    }
    return 0;
}
