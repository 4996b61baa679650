#include "app/ModCountry.h"

#include "sys/Locale.h"

namespace ModCountry {

std::string GetLocaleText() {
    return sys::UserLanguageId();
}

int32_t DecimalCommaFor(std::string_view languageId) {
    for (std::string_view id : LcidList) {
        if (id == languageId) return 1;
    }
    return 0;
}

}  // namespace ModCountry
