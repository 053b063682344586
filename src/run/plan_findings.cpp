#include "run/plan_findings.h"

#include <string_view>

#include "run/number_format.h"
#include "run/run_context.h"

namespace peltarix {
namespace {

std::string FloorPhrase(int floor) { return floor > 0 ? FormatInt(floor) + "階" : "階不明"; }

// A run may log thousands of detail lines: each is built in one string, by
// appends, without a temporary string per phrase.
void AppendFloor(std::string& line, int floor) {
  if (floor > 0) {
    line += FormatInt(floor);
    line += "階";
  } else {
    line += "階不明";
  }
}

// The coordinate written at the end of `line`, then its trailing zeros
// dropped there, so that no string is made per number.
void AppendCoordinate(std::string& line, double value) {
  const std::size_t start = line.size();
  AppendFixed(line, value, 2);
  if (line.find('.', start) == std::string::npos) return;  // inf, nan
  while (line.back() == '0') line.pop_back();
  if (line.back() == '.') line.pop_back();
  if (std::string_view(line).substr(start) == "-0") line.erase(start, 1);
}

void AppendPoint(std::string& line, Point point) {
  line += '(';
  AppendCoordinate(line, point.x);
  line += ", ";
  AppendCoordinate(line, point.y);
  line += ')';
}

void AppendRecord(std::string& line, std::string_view kind, int record) {
  line += kind;
  line += FormatInt(record);
  line += "件目";
}

}  // namespace

std::string CoordinateText(double value) {
  std::string text;
  AppendCoordinate(text, value);
  return text;
}

std::string FindingDetailLine(const PlanFinding& finding) {
  std::string line = "詳細：";
  // Room for the phrases and two numbers written at their widest before
  // they are trimmed (see AppendFixed).
  line.reserve(128 + 2 * MaxFixedLength(2));
  switch (finding.kind) {
    case FindingKind::kUnconvertedColumn:
      AppendRecord(line, "柱（自身情報）の", finding.record);
      line += "：種類 ";
      line += finding.text;
      line += "、";
      AppendFloor(line, finding.floor);
      line += "、位置 ";
      AppendPoint(line, finding.position);
      break;
    case FindingKind::kNonWoodenRoof:
      AppendRecord(line, "屋根領域（自身情報）の", finding.record);
      line += "：構造「";
      line += finding.text;
      line += "」、";
      AppendFloor(line, finding.floor);
      line += "、第1点 ";
      AppendPoint(line, finding.position);
      break;
    case FindingKind::kTwistedOutline:
      AppendFloor(line, finding.floor);
      if (!finding.located) {
        line += "の外周は点が4つに満たず面になりません";
        break;
      }
      line += "の外周が ";
      AppendPoint(line, finding.position);
      line += " で交差または接しています";
      break;
    case FindingKind::kUnknownRoomName:
      AppendRecord(line, "部屋収納（自身情報）の", finding.record);
      if (!finding.text.empty()) {
        line += "「";
        line += finding.text;
        line += "」";
      }
      line += "（";
      AppendFloor(line, finding.floor);
      line += "、第1点 ";
      AppendPoint(line, finding.position);
      line += finding.text.empty()
                  ? "）は名前がないため種類コード0で書き出しました"
                  : "）は部屋の種類の表にない名前のため種類コード0で書き出しました";
      break;
  }
  return line;
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
