#include "support/TempDir.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

namespace testsupport {

TempDir::TempDir() {
    std::string tmpl = std::filesystem::temp_directory_path().string() + "/velotrix-test-XXXXXX";
    if (mkdtemp(tmpl.data()) != nullptr) path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

}  // namespace testsupport
