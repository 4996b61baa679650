#include <gtest/gtest.h>
#include <stdlib.h>

#include "app/ModCountry.h"
#include "app/frmSplash.h"

namespace {

TEST(Country, LanguagesThatWriteADecimalComma) {
    EXPECT_EQ(ModCountry::DecimalCommaFor("040a"), 1);
    EXPECT_EQ(ModCountry::DecimalCommaFor("042a"), 1);
    EXPECT_EQ(ModCountry::DecimalCommaFor("0443"), 1) << "the last distinct entry";
    EXPECT_EQ(ModCountry::DecimalCommaFor("0409"), 0);
    EXPECT_EQ(ModCountry::DecimalCommaFor("040A"), 0) << "the comparison is case-sensitive";
    EXPECT_EQ(ModCountry::DecimalCommaFor("40a"), 0) << "the whole text must match";
    EXPECT_EQ(ModCountry::DecimalCommaFor(""), 0);
}

TEST(Country, TheUserLocaleDecides) {
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(ModCountry::GetLocaleText(), "0407");
    EXPECT_EQ(ModCountry::DecimalCommaFor(ModCountry::GetLocaleText()), 1);
    setenv("LC_ALL", "en_GB.UTF-8", 1);
    EXPECT_EQ(ModCountry::DecimalCommaFor(ModCountry::GetLocaleText()), 0);
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(ModCountry::DecimalCommaFor(ModCountry::GetLocaleText()), 0);
    unsetenv("LC_ALL");
}

TEST(Country, ScreenWarningOnlyBelowBothLimits) {
    EXPECT_FALSE(ScreenBelowMinimum({1024, 480, 96}));
    EXPECT_FALSE(ScreenBelowMinimum({640, 800, 96}));
    EXPECT_FALSE(ScreenBelowMinimum({800, 600, 96}));
    EXPECT_TRUE(ScreenBelowMinimum({640, 480, 96}));
    EXPECT_TRUE(ScreenBelowMinimum({799, 599, 96}));
}

}  // namespace
