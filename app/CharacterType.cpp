#include "app/CharacterType.h"

#include "app/Environment.h"

#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <string_view>

namespace nonagra::app {

namespace {

constexpr const char* utf8 = "C.UTF-8";

bool environmentLocaleIsUtf8() {
    return std::setlocale(LC_ALL, "") != nullptr &&
           std::string_view(nl_langinfo(CODESET)) == "UTF-8";
}

} // namespace

void useUtf8CharacterType() {
    if (environmentLocaleIsUtf8() || std::setlocale(LC_CTYPE, utf8) == nullptr) {
        return;
    }
    // LC_ALL outranks LC_CTYPE, so its value moves to the other categories.
    if (const std::string all = processVariable("LC_ALL"); !all.empty()) {
        for (const char* category :
             {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME", "LC_PAPER",
              "LC_NAME", "LC_ADDRESS", "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION"}) {
            setenv(category, all.c_str(), 1);
        }
        unsetenv("LC_ALL");
    }
    setenv("LC_CTYPE", utf8, 1);
    // A locale that is not installed fails the whole setting, which would
    // leave everything "C"; C.UTF-8 is that with the right character type.
    if (!environmentLocaleIsUtf8()) {
        setenv("LC_ALL", utf8, 1);
        std::setlocale(LC_ALL, "");
    }
}

} // namespace nonagra::app
