#include "platform/user_language.h"

namespace peltarix {

UserLanguage LanguageOfLocaleName(std::string_view locale_name) {
  if (!locale_name.starts_with("ja")) return UserLanguage::kEnglish;
  // The language code ends where the territory, code set or modifier begins.
  const std::string_view rest = locale_name.substr(2);
  const bool japanese = rest.empty() || rest[0] == '_' || rest[0] == '.' || rest[0] == '@';
  return japanese ? UserLanguage::kJapanese : UserLanguage::kEnglish;
}

UserLanguage LanguageOfLocaleVariables(const char* lc_all, const char* lc_messages,
                                       const char* lang) {
  for (const char* value : {lc_all, lc_messages, lang}) {
    if (value != nullptr && *value != '\0') return LanguageOfLocaleName(value);
  }
  return UserLanguage::kEnglish;
}

}  // namespace peltarix
