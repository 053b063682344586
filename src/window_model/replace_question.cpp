#include "window_model/replace_question.h"

#include <string>

#include "run/output_policy.h"

#include "window_model/window_view.h"

namespace peltarix {

std::string ReplaceQuestion(std::string_view path) {
  std::string question(path);
  question += " は既にあります。\n置き換えますか？";
  return question;
}

bool MayReplace(WindowView& view, std::string_view path, bool confirmed) {
  if (confirmed || !OutputExists(std::string(path))) return true;
  return view.AskYesNo(ReplaceQuestion(path));
}

}  // namespace peltarix
