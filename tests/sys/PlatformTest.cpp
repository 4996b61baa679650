#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"
#include "sys/AppFolder.h"
#include "sys/InstanceLock.h"
#include "sys/Locale.h"
#include "sys/Screen.h"

namespace {

TEST(Locale, MapsLocaleNamesToLanguageIdsAndFollowsTheEnvironment) {
    EXPECT_EQ(sys::LanguageIdOf("de_DE.UTF-8"), "0407");
    EXPECT_EQ(sys::LanguageIdOf("es_ES"), "0c0a");
    EXPECT_EQ(sys::LanguageIdOf("es_MX.UTF-8"), "080a");
    EXPECT_EQ(sys::LanguageIdOf("fr_CA@euro"), "0c0c");
    EXPECT_EQ(sys::LanguageIdOf("pt_BR"), "0416");
    EXPECT_EQ(sys::LanguageIdOf("en_US.UTF-8"), "0409");
    EXPECT_EQ(sys::LanguageIdOf("C"), "0409");
    EXPECT_EQ(sys::LanguageIdOf("xx_YY"), "0409");
    // The user's comes from the environment.
    setenv("LC_ALL", "it_IT.UTF-8", 1);
    EXPECT_EQ(sys::UserLanguageId(), "0410");
    unsetenv("LC_ALL");
}

TEST(AppFolder, PrefersVelotrixHome) {
    testsupport::TempDir dir;
    const std::string home = dir.File("app/home");
    setenv("VELOTRIX_HOME", (home + "/").c_str(), 1);
    EXPECT_EQ(sys::AppFolder(), home);
    EXPECT_TRUE(std::filesystem::is_directory(home));
    unsetenv("VELOTRIX_HOME");
}

TEST(Screen, DpiScaleIsOneAtNinetySixDpi) {
    EXPECT_DOUBLE_EQ(sys::DpiScaleOf(96), 1.0);
    EXPECT_DOUBLE_EQ(sys::DpiScaleOf(120), 0.8);
    EXPECT_NEAR(sys::DpiScaleOf(144), 2.0 / 3.0, 1e-15);
}

TEST(InstanceLock, SecondCopyIsRefusedAndCanWakeTheFirst) {
    testsupport::TempDir dir;
    setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
    {
        sys::InstanceLock first("velotrix-test");
        ASSERT_TRUE(first.Acquired());
        sys::InstanceLock second("velotrix-test");
        EXPECT_FALSE(second.Acquired());
        EXPECT_TRUE(second.RequestActivation());
        EXPECT_EQ(first.TakeActivationRequests(), 1);
        EXPECT_EQ(first.TakeActivationRequests(), 0);
    }
    sys::InstanceLock again("velotrix-test");
    EXPECT_TRUE(again.Acquired());
    unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
