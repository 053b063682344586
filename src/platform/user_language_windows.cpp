#include <windows.h>

#include "platform/user_language.h"

namespace peltarix {

// The language of the Windows display (Settings, Time & language), not the
// code page or the regional format: a user may read English with Japanese
// number formats, or the other way round.
UserLanguage UserLanguageOfSystem() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? UserLanguage::kJapanese
                                                                    : UserLanguage::kEnglish;
}

}  // namespace peltarix
