#include <cstdlib>

#include "platform/user_language.h"

namespace peltarix {

UserLanguage UserLanguageOfSystem() {
  return LanguageOfLocaleVariables(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                   std::getenv("LANG"));
}

}  // namespace peltarix
