// The keys a value box takes.
#include <gtest/gtest.h>

#include <vector>

#include "editor/TypedKeys.h"

namespace {

using editor::FilterKey;
using editor::KeyAction;
using editor::KeyRules;

KeyAction Filter(int16_t key, const KeyRules& rules, bool comma = false) {
    return FilterKey(key, rules, comma);
}

TEST(TypedKeys, DigitsBackspaceAndEnterAlwaysWork) {
    for (int16_t k = '0'; k <= '9'; ++k) EXPECT_EQ(Filter(k, {}), KeyAction::Pass);
    EXPECT_EQ(Filter(8, {}), KeyAction::Pass);
    EXPECT_EQ(Filter(13, {}), KeyAction::Confirm);
    const std::vector<int> others = {'a', 'Z', ' ', '?', '-', '+', '.', ',', 3, 22, 24, 26, 200};
    for (int k : others) {
        EXPECT_EQ(Filter(static_cast<int16_t>(k), {}), KeyAction::Reject) << k;
    }
}

TEST(TypedKeys, EachBoxTakesItsSignsClipboardKeysAndDecimals) {
    const KeyRules level{.minus = true, .decimals = true, .clipboard = true};
    EXPECT_EQ(Filter('-', level), KeyAction::Pass);
    EXPECT_EQ(Filter('+', level), KeyAction::Reject);
    for (int16_t k : {3, 22, 24, 26}) EXPECT_EQ(Filter(k, level), KeyAction::Pass);
    EXPECT_EQ(Filter('+', {.plus = true}), KeyAction::Pass);

    int16_t key = '.';
    EXPECT_EQ(FilterKey(key, level, true), KeyAction::Pass);
    EXPECT_EQ(key, ',');
    key = ',';
    EXPECT_EQ(FilterKey(key, level, false), KeyAction::Pass);
    EXPECT_EQ(key, '.');
}

}  // namespace
