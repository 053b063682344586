#include "cli/cli_messages.h"

#include "cli/exit_status.h"
#include "run/number_format.h"

namespace peltarix::cli {
namespace {

std::string Text(std::string_view text) { return std::string(text); }

// English counts: "1 file", "2 files".
std::string Counted(int count, std::string_view noun) {
  return std::to_string(count) + " " + Text(noun) + (count == 1 ? "" : "s");
}

std::string Number(int count) { return std::to_string(count); }

}  // namespace

std::string ProgramLine(std::string_view message) {
  return Text(kProgramName) + ": " + Text(message) + "\n";
}

std::string CliMessages::Description() const {
  return Choose("Converts QV house design files into CSV files of coded records.",
                "住宅の設計データ（QVファイル）を、コード付きレコードのCSVファイルに変換します。");
}

std::string CliMessages::SourceHelp() const {
  return Choose("QV files or folders to convert; - reads standard input",
                "変換するQVファイルまたはフォルダー。- は標準入力から読みます");
}

std::string CliMessages::OutputHelp() const {
  return Choose(
      "the CSV file (one source), or the output folder (several sources or a folder);\n"
      "- writes the CSV to standard output (default: next to each source)",
      "CSVファイル（変換元が一つのとき）、または出力フォルダー（複数かフォルダーのとき）。\n"
      "- はCSVを標準出力に書きます（省略時：各変換元と同じフォルダー）");
}

std::string CliMessages::RecursiveHelp() const {
  return Choose("also convert the QV files of sub-folders",
                "サブフォルダーのQVファイルも変換します");
}

std::string CliMessages::JobsHelp() const {
  return Choose("conversions run at once (default: the number of cores)",
                "同時に行う変換の数（省略時：コアの数）");
}

std::string CliMessages::KindsHelp() const {
  return Choose("comma-separated kinds of data to convert (default: all six)",
                "変換するデータの種類、カンマ区切り（省略時：六つすべて）");
}

std::string CliMessages::OverwriteHelp() const {
  return Choose("replace CSV files that exist", "既にあるCSVファイルを置き換えます");
}

std::string CliMessages::QuietHelp() const {
  return Choose("print nothing but errors", "エラーのほかは何も表示しません");
}

std::string CliMessages::VerboseHelp() const {
  return Choose("also print the detail line of each failure", "失敗ごとの詳細行も表示します");
}

std::string CliMessages::FailOnWarningHelp() const {
  return Choose("exit with status 3 when a file was converted with warnings",
                "警告の出たファイルがあれば、終了ステータス 3 で終わります");
}

std::string CliMessages::ReportHelp() const {
  return Choose("write a JSON report of every file to FILE",
                "全ファイルの結果をJSONのレポートとしてFILEに書きます");
}

std::string CliMessages::PreviewHelp() const {
  return Choose(
      "also draw the converted records as an SVG plan beside each CSV;\n"
      "--preview=FILE.svg names it (one source only)",
      "変換したレコードをSVGの平面図にも描きます（各CSVと同じ場所に）。\n"
      "--preview=FILE.svg で名前を付けます（変換元が一つのときだけ）");
}

std::string CliMessages::HelpHelp() const {
  return Choose("print this help and exit", "この説明を表示して終わります");
}

std::string CliMessages::VersionHelp() const {
  return Choose("print the version and exit", "バージョンを表示して終わります");
}

std::string CliMessages::UsageLabel() const { return Choose("Usage", "使い方"); }

std::string CliMessages::OptionsBadge() const { return Choose("OPTIONS", "オプション"); }

std::string CliMessages::PositionalsGroup() const { return Choose("Arguments", "引数"); }

std::string CliMessages::OptionsGroup() const { return Choose("Options", "オプション"); }

std::string CliMessages::Footer(std::string_view kind_rows) const {
  if (japanese_) {
    return "データの種類（--kinds、大文字小文字は問いません。省略時は六つすべて、この順）:\n" +
           Text(kind_rows) +
           "\n"
           "SOURCE のフォルダーは、その中の *.QV "
           "ファイル（大文字小文字は問いません）を変換します。\n"
           "-r を付けるとサブフォルダーのものも変換します。変換元が複数かフォルダーのとき、-o は\n"
           "出力フォルダーです。-o のフォルダーが無ければ作ります。-o "
           "を省略すると、各CSVは変換元と\n"
           "同じフォルダーに書かれます。SOURCE の - は標準入力から読み、-o - はCSVを標準出力に\n"
           "書きます（ログはそのとき標準エラー出力に出ます）。\n"
           "\n"
           "終了ステータス:\n"
           "  0  すべてのCSVファイルを書きました\n"
           "  1  変換できなかったファイルがあります: 変換が止まった（理由はログにあります）か、\n"
           "     複数の変換でCSVが既にあり、--overwrite が無いため飛ばしました\n"
           "  2  引数の誤り、空のファイル名、見つからない SOURCE、または --overwrite なしで\n"
           "     DEST が既にあります。何も変換していません\n"
           "  3  --fail-on-warning のとき: すべてのCSVを書きましたが、警告の出たものがあります";
  }
  return "Kinds (--kinds, any case; default: all six, in this order):\n" + Text(kind_rows) +
         "\n"
         "A SOURCE folder converts its *.QV files (any case); -r also those of its sub-folders.\n"
         "With several sources or a folder, -o names an output folder. A missing -o folder is\n"
         "created; without -o each CSV goes next to its source. '-' as SOURCE reads standard\n"
         "input, '-o -' writes the CSV to standard output (the log then goes to standard error).\n"
         "\n"
         "Exit status:\n"
         "  0  every CSV file was written\n"
         "  1  some file was not converted: its run stopped (the log says why), or in a\n"
         "     batch its CSV existed without --overwrite and it was skipped\n"
         "  2  bad arguments, an empty file name, a missing SOURCE, or DEST exists without\n"
         "     --overwrite; nothing was converted\n"
         "  3  with --fail-on-warning: every CSV was written, but some with warnings";
}

std::string CliMessages::HelpHint() const {
  return Choose("Run with --help for more information.",
                "詳しくは --help を付けて実行してください。");
}

std::string CliMessages::UnknownOption(std::string_view option) const {
  return Choose("unknown option " + Text(option), "不明なオプションです: " + Text(option));
}

std::string CliMessages::UnexpectedArgument(std::string_view argument) const {
  return Choose("unexpected argument " + Text(argument), "余分な引数です: " + Text(argument));
}

std::string CliMessages::OptionNeedsValue(std::string_view option) const {
  return Choose(Text(option) + " needs a value", Text(option) + " には値が必要です");
}

std::string CliMessages::BadOptionValue(std::string_view option) const {
  return Choose(Text(option) + ": this value is not allowed",
                Text(option) + ": この値は指定できません");
}

std::string CliMessages::BadArguments(std::string_view parser_text) const {
  return Choose("bad arguments: " + Text(parser_text),
                "引数が正しくありません: " + Text(parser_text));
}

std::string CliMessages::NoSource() const {
  return Choose("no SOURCE given", "SOURCE（変換元）が指定されていません");
}

std::string CliMessages::UnknownKind(std::string_view item, std::string_view known) const {
  return Choose(
      "--kinds: unknown kind \"" + Text(item) + "\" (known: " + Text(known) + ")",
      "--kinds: 不明な種類です: \"" + Text(item) + "\"（指定できるもの: " + Text(known) + "）");
}

std::string CliMessages::KindsNeedList(std::string_view known) const {
  return Choose("--kinds needs its list as --kinds=LIST (known: " + Text(known) + ")",
                "--kinds には種類の一覧を --kinds=一覧 の形で指定してください（指定できるもの: " +
                    Text(known) + "）");
}

std::string CliMessages::QuietWithVerbose() const {
  return Choose("-q (--quiet) and -v (--verbose) exclude each other",
                "-q (--quiet) と -v (--verbose) は同時に指定できません");
}

std::string CliMessages::JobsOutOfRange(std::string_view value) const {
  return Choose("--jobs takes a number from 1 to 256, not " + Text(value),
                "--jobs には 1 から 256 までの数を指定してください（指定: " + Text(value) + "）");
}

std::string CliMessages::PreviewNameWithSeveralSources() const {
  return Choose(
      "--preview=FILE names the picture of one source; with several sources or a folder give "
      "--preview alone (each SVG goes beside its CSV)",
      "--preview=FILE で名前を付けられるのは変換元が一つのときだけです。複数の変換元やフォルダー"
      "には --preview だけを指定してください（SVGは各CSVと同じ場所に書かれます）");
}

std::string CliMessages::SourceNotFound(std::string_view source) const {
  return Choose(Text(source) + ": not found", Text(source) + ": 見つかりません");
}

std::string CliMessages::StandardInputNotAlone() const {
  return Choose("- (standard input) must be the only SOURCE",
                "- （標準入力）を指定するときは、ほかの SOURCE は指定できません");
}

std::string CliMessages::StandardInputNeedsOutput() const {
  return Choose("- (standard input) needs -o FILE or -o -",
                "- （標準入力）には -o FILE か -o - が必要です");
}

std::string CliMessages::StandardOutputNeedsOneSource() const {
  return Choose("-o - writes one CSV: give a single SOURCE file",
                "-o - で書けるCSVは一つです。SOURCE にはファイルを一つだけ指定してください");
}

std::string CliMessages::NoDesignFilesInFolder(std::string_view folder, bool recursive) const {
  if (recursive) {
    return Choose(Text(folder) + ": no *.QV files in this folder",
                  Text(folder) + ": このフォルダーには *.QV ファイルがありません");
  }
  return Choose(Text(folder) + ": no *.QV files in this folder (use -r for its sub-folders)",
                Text(folder) +
                    ": このフォルダーには *.QV ファイルがありません（サブフォルダーも探すには -r "
                    "を付けてください）");
}

std::string CliMessages::OutputNotAFolder(std::string_view output) const {
  return Choose(
      Text(output) + ": not a folder; with several sources -o names a folder",
      Text(output) +
          ": フォルダーではありません。変換元が複数のとき、-o にはフォルダーを指定します");
}

std::string CliMessages::NotARegularFile(std::string_view source) const {
  return Choose(Text(source) +
                    ": not a regular file, so there is no folder to write its CSV next to; "
                    "name the CSV with -o",
                Text(source) +
                    ": 通常のファイルではないため、CSVを書くフォルダーが決まりません。-o "
                    "でCSVを指定してください");
}

std::string CliMessages::SameDestination(std::string_view first, std::string_view second,
                                         std::string_view destination) const {
  return Choose(Text(first) + " and " + Text(second) + " would both write " + Text(destination) +
                    "; nothing was converted",
                Text(first) + " と " + Text(second) + " がどちらも " + Text(destination) +
                    " に書くことになるため、何も変換しませんでした");
}

std::string CliMessages::DestinationExists(std::string_view destination) const {
  return Choose(
      Text(destination) + " exists; use --overwrite (-y) to replace it",
      Text(destination) + " は既にあります。置き換えるには --overwrite (-y) を付けてください");
}

std::string CliMessages::OutputRefused(std::string_view path, OutputConflict conflict) const {
  std::string english = Text(path) + ": ";
  switch (conflict) {
    case OutputConflict::kIsSource:
      english += "is a source of this command; no output may replace it";
      break;
    case OutputConflict::kIsDesignFile:
      english += "is a design file (.QV); no output may replace it";
      break;
    case OutputConflict::kIsAnotherOutput:
      english += "another output of this command writes the same file";
      break;
  }
  return Choose(std::move(english), Text(path) + ": " + Text(ConflictReason(conflict)));
}

std::string CliMessages::StandardOutputTakenTwice() const {
  return Choose("-o - and --report=- cannot both write to standard output",
                "-o - と --report=- の両方に標準出力は使えません");
}

std::string CliMessages::NoScratchFolder() const {
  return Choose("no temporary folder to keep the standard streams in",
                "標準入出力を一時的に置くフォルダーがありません");
}

std::string CliMessages::StandardInputNotKept() const {
  return Choose("-: cannot keep standard input in a temporary file",
                "-: 標準入力を一時ファイルに保存できません");
}

std::string CliMessages::StandardOutputNotWritten() const {
  return Choose("-: the CSV could not be written to standard output",
                "-: CSVを標準出力に書けませんでした");
}

std::string CliMessages::Progress(std::size_t done, std::size_t total) const {
  const std::string counts = std::to_string(done) + "/" + std::to_string(total);
  return Choose(counts + " files", counts + " ファイル");
}

std::string CliMessages::SkippedExisting(std::string_view destination) const {
  return Choose(
      Text(destination) + " exists; skipped (use --overwrite (-y) to replace it)",
      Text(destination) +
          " は既にあるため飛ばしました（置き換えるには --overwrite (-y) を付けてください）");
}

std::string CliMessages::ReportNotWritten(std::string_view report, std::string_view reason) const {
  return Choose(Text(report) + ": cannot write the report: " + Text(reason),
                Text(report) + ": レポートを書けません：" + Text(reason));
}

std::string CliMessages::Summary(const BatchCounts& counts, double seconds) const {
  const std::string time = FormatFixed(seconds, 2);
  return Choose(Counted(counts.converted, "file") + " converted, " + Number(counts.failed) +
                    " failed, " + Number(counts.skipped) + " skipped, " +
                    Counted(counts.warnings, "warning") + ", " + time + " s",
                "変換 " + Number(counts.converted) + " 件、失敗 " + Number(counts.failed) +
                    " 件、スキップ " + Number(counts.skipped) + " 件、警告 " +
                    Number(counts.warnings) + " 件、" + time + " 秒");
}

}  // namespace peltarix::cli
