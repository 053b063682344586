#include "run/plan_findings.h"

#include "run/number_format.h"
#include "run/run_context.h"

namespace peltarix {
namespace {

std::string FloorPhrase(int floor) { return floor > 0 ? FormatInt(floor) + "階" : "階不明"; }

std::string PointPhrase(Point point) {
  return "(" + CoordinateText(point.x) + ", " + CoordinateText(point.y) + ")";
}

}  // namespace

std::string CoordinateText(double value) {
  std::string text = FormatFixed(value, 2);
  if (text.find('.') == std::string::npos) return text;  // inf, nan
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

std::string FindingDetailLine(const PlanFinding& finding) {
  const std::string record = FormatInt(finding.record) + "件目";
  switch (finding.kind) {
    case FindingKind::kUnconvertedColumn:
      return "詳細：柱（自身情報）の" + record + "：種類 " + finding.text + "、" +
             FloorPhrase(finding.floor) + "、位置 " + PointPhrase(finding.position);
    case FindingKind::kNonWoodenRoof:
      return "詳細：屋根領域（自身情報）の" + record + "：構造「" + finding.text + "」、" +
             FloorPhrase(finding.floor) + "、第1点 " + PointPhrase(finding.position);
    case FindingKind::kTwistedOutline:
      if (!finding.located)
        return "詳細：" + FloorPhrase(finding.floor) + "の外周は点が4つに満たず面になりません";
      return "詳細：" + FloorPhrase(finding.floor) + "の外周が " + PointPhrase(finding.position) +
             " で交差または接しています";
    case FindingKind::kUnknownRoomName: {
      const std::string place =
          "（" + FloorPhrase(finding.floor) + "、第1点 " + PointPhrase(finding.position) + "）";
      if (finding.text.empty())
        return "詳細：部屋収納（自身情報）の" + record + place +
               "は名前がないため種類コード0で書き出しました";
      return "詳細：部屋収納（自身情報）の" + record + "「" + finding.text + "」" + place +
             "は部屋の種類の表にない名前のため種類コード0で書き出しました";
    }
  }
  return "詳細：";
}

std::string SupportDetailLine(const ColumnSupport& support) {
  return "詳細：" + FloorPhrase(support.floor) + "の柱の直下率 " +
         FormatFixed(support.ratio() * 100.0, 1) + "%（" + FormatInt(support.columns) + "本中" +
         FormatInt(support.supported) + "本が" + FloorPhrase(support.floor - 1) + "の柱の上）";
}

void LogFindingDetails(RunContext& context, std::size_t first) {
  const std::vector<PlanFinding>& items = context.findings.items;
  for (std::size_t k = first; k < items.size(); ++k)
    context.LogMessage(kDetail, FindingDetailLine(items[k]));
}

}  // namespace peltarix
