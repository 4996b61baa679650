// The user's locale as the start-up code needs it: the language identifier as four
// lowercase hexadecimal digits, the form in which the program compares it with its list of
// locales that write decimals with a comma.
#pragma once

#include <string>
#include <string_view>

namespace sys {

// Language identifier of a POSIX locale name such as "de_DE.UTF-8" or "fr_CA"; "0409"
// (English, United States) for "C", "POSIX" and names it does not know.
std::string LanguageIdOf(std::string_view localeName);

// Language identifier of the user's locale for numbers: LC_ALL, else LC_NUMERIC, else LANG.
std::string UserLanguageId();

}  // namespace sys
