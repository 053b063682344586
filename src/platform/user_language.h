#pragma once

#include <string_view>

namespace peltarix {

// The languages a front end can speak to its user.
enum class UserLanguage { kEnglish, kJapanese };

// The language the user reads: on POSIX systems that of the locale the
// environment names (LC_ALL, LC_MESSAGES, LANG: the first one set and not
// empty), on Windows the user's UI language. English unless it is Japanese.
UserLanguage UserLanguageOfSystem();

// The language of a POSIX locale name: "ja", "ja_JP.UTF-8", "ja.eucJP" and
// "ja@..." are Japanese; "jam", "C" and anything else English.
UserLanguage LanguageOfLocaleName(std::string_view locale_name);

// The language of the locale variables as POSIX weighs them: LC_ALL over
// LC_MESSAGES over LANG, a variable that is unset (null) or empty counting
// as not given.
UserLanguage LanguageOfLocaleVariables(const char* lc_all, const char* lc_messages,
                                       const char* lang);

}  // namespace peltarix
