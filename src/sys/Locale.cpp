#include "sys/Locale.h"

#include <cstdlib>
#include <map>

namespace sys {

namespace {

// language_TERRITORY -> language identifier. Where a territory is not listed, the
// language's primary entry (keyed by the bare language) is used.
const std::map<std::string, unsigned, std::less<>>& LanguageIds() {
    static const std::map<std::string, unsigned, std::less<>> ids = {
        {"af", 0x0436},    {"sq", 0x041c},    {"ar", 0x0401},    {"hy", 0x042b},
        {"az", 0x042c},    {"eu", 0x042d},    {"be", 0x0423},    {"bg", 0x0402},
        {"ca", 0x0403},    {"zh", 0x0804},    {"zh_TW", 0x0404}, {"zh_HK", 0x0c04},
        {"hr", 0x041a},    {"cs", 0x0405},    {"da", 0x0406},    {"nl", 0x0413},
        {"nl_BE", 0x0813}, {"en", 0x0409},    {"en_GB", 0x0809}, {"en_AU", 0x0c09},
        {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809}, {"en_ZA", 0x1c09},
        {"et", 0x0425},    {"fo", 0x0438},    {"fi", 0x040b},    {"fr", 0x040c},
        {"fr_BE", 0x080c}, {"fr_CA", 0x0c0c}, {"fr_CH", 0x100c}, {"fr_LU", 0x140c},
        {"fr_MC", 0x180c}, {"ka", 0x0437},    {"de", 0x0407},    {"de_CH", 0x0807},
        {"de_AT", 0x0c07}, {"de_LU", 0x1007}, {"de_LI", 0x1407}, {"el", 0x0408},
        {"he", 0x040d},    {"hi", 0x0439},    {"hu", 0x040e},    {"is", 0x040f},
        {"id", 0x0421},    {"it", 0x0410},    {"it_CH", 0x0810}, {"ja", 0x0411},
        {"kk", 0x043f},    {"ko", 0x0412},    {"ky", 0x0440},    {"lv", 0x0426},
        {"lt", 0x0427},    {"mk", 0x042f},    {"ms", 0x043e},    {"ms_BN", 0x083e},
        {"mn", 0x0450},    {"nb", 0x0414},    {"no", 0x0414},    {"nn", 0x0814},
        {"pl", 0x0415},    {"pt", 0x0816},    {"pt_BR", 0x0416}, {"ro", 0x0418},
        {"ru", 0x0419},    {"sr", 0x0c1a},    {"sk", 0x041b},    {"sl", 0x0424},
        {"es", 0x0c0a},    {"es_MX", 0x080a}, {"es_AR", 0x2c0a}, {"es_CL", 0x340a},
        {"es_CO", 0x240a}, {"es_PE", 0x280a}, {"es_VE", 0x200a}, {"es_EC", 0x300a},
        {"es_UY", 0x380a}, {"es_PY", 0x3c0a}, {"es_BO", 0x400a}, {"es_CR", 0x140a},
        {"sv", 0x041d},    {"sv_FI", 0x081d}, {"tt", 0x0444},    {"th", 0x041e},
        {"tr", 0x041f},    {"uk", 0x0422},    {"uz", 0x0443},    {"vi", 0x042a},
        {"cy", 0x0452},    {"ga", 0x083c},    {"gl", 0x0456},    {"mt", 0x043a},
        {"ps", 0x0463},    {"fa", 0x0429},    {"ur", 0x0420},    {"sw", 0x0441},
        {"bs", 0x141a},    {"se", 0x043b},    {"lb", 0x046e},    {"fy", 0x0462},
    };
    return ids;
}

std::string Hex4(unsigned v) {
    static const char digits[] = "0123456789abcdef";
    std::string s(4, '0');
    for (int i = 3; i >= 0; --i) {
        s[static_cast<size_t>(i)] = digits[v & 15];
        v >>= 4;
    }
    return s;
}

}  // namespace

std::string LanguageIdOf(std::string_view localeName) {
    const size_t cut = localeName.find_first_of(".@");
    const std::string_view base = localeName.substr(0, cut);
    const auto& ids = LanguageIds();
    if (auto it = ids.find(base); it != ids.end()) return Hex4(it->second);
    const std::string_view lang = base.substr(0, base.find('_'));
    if (auto it = ids.find(lang); it != ids.end()) return Hex4(it->second);
    return "0409";
}

std::string UserLanguageId() {
    for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* v = std::getenv(var);
        if (v != nullptr && *v != '\0') return LanguageIdOf(v);
    }
    return LanguageIdOf("C");
}

}  // namespace sys
