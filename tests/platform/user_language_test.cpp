#include <gtest/gtest.h>

#include "platform/user_language.h"

namespace peltarix {
namespace {

constexpr UserLanguage kEn = UserLanguage::kEnglish;
constexpr UserLanguage kJa = UserLanguage::kJapanese;

TEST(UserLanguageTest, JapaneseOnlyForTheLanguageCodeJa) {
  const struct {
    const char* name;
    UserLanguage language;
  } cases[] = {
      {"ja", kJa},
      {"ja_JP.UTF-8", kJa},
      {"ja_JP.eucJP", kJa},
      {"ja.SJIS", kJa},
      {"ja@cjknarrow", kJa},
      {"jam_JM", kEn},
      {"en_US.UTF-8", kEn},
      {"C", kEn},
      {"POSIX", kEn},
      {"C.UTF-8", kEn},
      {"", kEn},
  };
  for (const auto& c : cases) EXPECT_EQ(LanguageOfLocaleName(c.name), c.language) << c.name;
}

TEST(UserLanguageTest, FirstLocaleVariableSetAndNotEmptyWins) {
  const struct {
    const char* lc_all;
    const char* lc_messages;
    const char* lang;
    UserLanguage language;
  } cases[] = {
      {nullptr, nullptr, nullptr, kEn},
      {nullptr, nullptr, "ja_JP.UTF-8", kJa},
      {"C", nullptr, "ja_JP.UTF-8", kEn},
      {"", "", "ja_JP.UTF-8", kJa},
      {nullptr, "en_GB.UTF-8", "ja_JP.UTF-8", kEn},
      {"ja_JP.UTF-8", "en_GB.UTF-8", "C", kJa},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LanguageOfLocaleVariables(c.lc_all, c.lc_messages, c.lang), c.language)
        << (c.lc_all ? c.lc_all : "(unset)") << " / " << (c.lc_messages ? c.lc_messages : "(unset)")
        << " / " << (c.lang ? c.lang : "(unset)");
  }
}

}  // namespace
}  // namespace peltarix
