// The user's locale at start-up: the language identifiers of the locales that write decimals
// with a comma, and the test whether the user's locale is one of them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ModCountry {

// Language identifiers, four lowercase hexadecimal digits each, of the locales that write
// decimals with a comma. "042a" and "0816" stand twice, as the list has always held them.
inline constexpr std::array<std::string_view, 83> LcidList = {
    "041c", "082c", "042c", "042a", "0423", "201a", "141a", "0402", "0403", "041a",  //
    "101a", "0405", "0406", "0831", "0413", "0425", "0438", "040b", "080c", "0c0c",  //
    "140c", "180c", "0462", "0456", "0437", "0c07", "0407", "1007", "0408", "040e",  //
    "040f", "0421", "0410", "043f", "0440", "0426", "0427", "083e", "043e", "0450",  //
    "0414", "0841", "0415", "0816", "0816", "046b", "086b", "0c6b", "0418", "0419",  //
    "0243", "0103", "0143", "00c3", "0043", "0083", "0203", "0183", "01c3", "1c1a",  //
    "181a", "0c1a", "081a", "041b", "0424", "2c0a", "400a", "240a", "340a", "140a",  //
    "300a", "3c0a", "040a", "380a", "200a", "081d", "041d", "0444", "041f", "0422",  //
    "0843", "0443", "042a"};

// The language identifier of the user's locale, as four lowercase hexadecimal digits.
std::string GetLocaleText();

// 1 when the identifier equals an entry of LcidList (whole text, case-sensitive), else 0.
int32_t DecimalCommaFor(std::string_view languageId);

}  // namespace ModCountry
