// The converter window's behaviour without a window: what both the Qt
// window and the Win32 window do, driven through a fake view.
#include "window_model/converter_window_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "conversion/csv_beside_source.h"
#include "conversion/transcript.h"
#include "run/run_context.h"
#include "support/temp_dir.h"
#include "window_model/fake_window_view.h"
#include "window_model/window_file_names.h"

namespace peltarix {
namespace {

using testing::FakeWindowView;
using testing::MemorySettingsStore;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::string SampleSource() {
  return ReadBytes(std::string(PELTARIX_SOURCE_DIR) + "/examples/sample.QV");
}

// The CSV without its first line, which carries the day of the run.
std::string Records(const std::string& csv) { return csv.substr(csv.find('\n') + 1); }

class ConverterWindowModelTest : public ::testing::Test {
 protected:
  // A started model over the sample copied to `house.QV` in a fresh folder.
  ConverterWindowModelTest() {
    WriteBytes(source, SampleSource());
    model.Start();
  }

  TempDir folder;
  std::string source = folder.File("house.QV");
  std::string csv = folder.File("house.csv");
  FakeWindowView view;
  MemorySettingsStore store;
  ConverterWindowModel model{view, store};
};

TEST(WindowFileNamesTest, NamesDerivedFromTheSource) {
  struct Case {
    std::string source, csv, log;
  };
  const Case cases[] = {
      {"dir/house.QV", "dir/house.csv", "house_log.txt"},
      {"house", "house.csv", "house_log.txt"},
      {"dir.v2/a.b.qv", "dir.v2/a.b.csv", "a.b_log.txt"},
      {".QV", ".QV.csv", ".QV_log.txt"},
      {"dir/", "", "PELTARIX_log.txt"},
      {"", "", "PELTARIX_log.txt"},
  };
  for (const Case& each : cases) {
    EXPECT_EQ(CsvBesideSource(each.source), each.csv) << each.source;
    EXPECT_EQ(LogFileName(each.source), each.log) << each.source;
  }
  EXPECT_TRUE(IsQvFileName("a/b.qV"));
  EXPECT_FALSE(IsQvFileName("a/b.QVX"));
  EXPECT_FALSE(IsQvFileName("QV"));
}

TEST_F(ConverterWindowModelTest, CsvFieldFollowsTheSourceUntilTheUserTypesTheirOwn) {
  model.EditSourcePath("a/one.QV");
  EXPECT_EQ(view.destination_field, "a/one.csv");
  model.EditSourcePath("b/two.QV");
  EXPECT_EQ(view.destination_field, "b/two.csv");
  model.EditDestinationPath("mine.csv");
  model.EditSourcePath("c/three.QV");
  EXPECT_EQ(view.destination_field, "mine.csv");
  // Emptying the field brings the proposal back.
  model.EditDestinationPath("");
  model.EditSourcePath("d/four.QV");
  EXPECT_EQ(model.destination_path(), "d/four.csv");
}

TEST_F(ConverterWindowModelTest, OneDroppedQvFileFillsTheSourceOtherDropsAreRefused) {
  EXPECT_FALSE(model.Drop({"x/plan.txt"}));
  EXPECT_FALSE(model.Drop({"x/a.QV", "x/b.QV"}));
  EXPECT_FALSE(model.AcceptsDrop({}));
  EXPECT_EQ(view.source_field, "");
  EXPECT_TRUE(model.Drop({"x/a.qv"}));
  EXPECT_EQ(view.source_field, "x/a.qv");
  EXPECT_EQ(view.destination_field, "x/a.csv");
}

TEST_F(ConverterWindowModelTest, EmptyNamesGiveANoticeAndLeaveTheLog) {
  model.EditSourcePath(source);
  ASSERT_TRUE(model.Execute().has_value());
  const std::vector<std::string> log = view.log;
  model.EditSourcePath("");
  model.EditDestinationPath("");
  EXPECT_FALSE(model.Execute().has_value());
  model.EditSourcePath("x.QV");
  model.EditDestinationPath("");
  EXPECT_FALSE(model.Execute().has_value());
  EXPECT_EQ(view.notices, (std::vector<std::string>{std::string(kEmptySourceNameMessage),
                                                    std::string(kEmptyDestinationNameMessage)}));
  EXPECT_EQ(view.log, log);
}

TEST_F(ConverterWindowModelTest, RunWritesTheCsvAndShowsTheTranscriptWithSeverities) {
  model.EditSourcePath(source);
  ASSERT_EQ(model.Execute(), 0);
  EXPECT_EQ(Records(ReadBytes(csv)),
            Records(ReadBytes(std::string(PELTARIX_SOURCE_DIR) + "/examples/sample.expected.csv")));
  ASSERT_GE(model.log_lines().size(), 4u);
  EXPECT_EQ(model.log_lines().front().text, "QVファイル：" + source + " → CSVファイル：" + csv);
  EXPECT_EQ(model.log_lines().back().text.rfind("☆☆☆コンバート終了", 0), 0u);
  EXPECT_EQ(view.log.size(), model.log_lines().size());
  EXPECT_GE(view.log_paints, 1);
  // The picture is built only for a view that asked for it.
  EXPECT_FALSE(model.preview().has_value());
  EXPECT_FALSE(view.preview_ready);

  // A failed run: the error line is marked, and it leaves no picture.
  model.set_preview_wanted(true);
  model.EditSourcePath(folder.File("missing.QV"));
  ASSERT_EQ(model.Execute(), -1);
  bool error_marked = false;
  for (const LogLine& line : model.log_lines()) {
    EXPECT_EQ(line.severity == LineSeverity::kError, line.text.rfind("ERROR！ ", 0) == 0);
    error_marked |= line.severity == LineSeverity::kError;
  }
  EXPECT_TRUE(error_marked);
  EXPECT_FALSE(view.preview_ready);

  model.EditSourcePath(source);
  ASSERT_EQ(model.Execute(), 0);
  ASSERT_TRUE(model.preview().has_value());
  EXPECT_TRUE(view.preview_ready);
  EXPECT_NE(model.preview()->svg.find("<svg"), std::string::npos);
  EXPECT_EQ(model.preview()->base_path, folder.File("house"));
  EXPECT_EQ(model.preview()->caption, "house.QV");
}

TEST(RunWithTranscriptTest, FailureAfterTheCsvIsAnErrorLineAndTheRunStillSucceeds) {
  TempDir folder;
  WriteBytes(folder.File("house.QV"), SampleSource());
  FakeWindowView view;
  WindowLog log(view);
  RunContext context(log);
  context.source_file_path = folder.File("house.QV");
  context.destination_file_path = folder.File("house.csv");
  const int status = RunWithTranscript(
      context, DataKindSet::All(), [](RunContext&) -> int { throw std::runtime_error("picture"); });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(context.log.error_count(), 1);
  EXPECT_NE(std::find(view.log.begin(), view.log.end(),
                      std::string(kErrorPrefix) + std::string(kAfterConversionError)),
            view.log.end());
}

// A CSV name the user never confirmed (proposed from the source, typed)
// replaces an existing file only after はい; いいえ, the default, keeps it.
TEST_F(ConverterWindowModelTest, ExistingCsvOfAProposedOrTypedNameIsReplacedOnlyAfterYes) {
  WriteBytes(csv, "earlier");
  model.EditSourcePath(source);
  EXPECT_FALSE(model.Execute().has_value());
  ASSERT_EQ(view.questions.size(), 1u);
  EXPECT_EQ(view.questions[0], csv + " は既にあります。\n置き換えますか？");
  EXPECT_EQ(ReadBytes(csv), "earlier");
  EXPECT_TRUE(view.log.empty());

  view.yes_no_answers = {true};
  EXPECT_EQ(model.Execute(), 0);
  EXPECT_NE(ReadBytes(csv), "earlier");
  // The file this window wrote is replaced again without a question.
  EXPECT_EQ(model.Execute(), 0);
  EXPECT_EQ(view.questions.size(), 2u);

  // A typed name of another existing file asks again.
  const std::string other = folder.File("other.csv");
  WriteBytes(other, "other");
  model.EditDestinationPath(other);
  EXPECT_FALSE(model.Execute().has_value());
  EXPECT_EQ(view.questions.size(), 3u);
  EXPECT_EQ(ReadBytes(other), "other");
}

TEST_F(ConverterWindowModelTest, CsvChosenInTheSaveDialogIsReplacedWithoutAQuestion) {
  WriteBytes(csv, "earlier");
  model.EditSourcePath(source);
  view.file_answers = {csv};
  model.BrowseDestination();
  const FileRequest& request = view.file_requests.back();
  EXPECT_FALSE(request.must_exist);
  EXPECT_EQ(request.default_suffix, "csv");
  EXPECT_EQ(request.proposed_name, "house.csv");
  EXPECT_EQ(request.directory, Utf8Path(folder.path()));
  EXPECT_EQ(model.Execute(), 0);
  EXPECT_TRUE(view.questions.empty());
}

TEST_F(ConverterWindowModelTest, BrowsingFillsTheFieldAndCancellingKeepsIt) {
  view.file_answers = {source, std::nullopt};
  model.BrowseSource();
  EXPECT_TRUE(view.file_requests[0].must_exist);
  EXPECT_EQ(view.file_requests[0].filters.front().pattern, "*.QV");
  EXPECT_EQ(view.source_field, source);
  model.BrowseSource();
  EXPECT_EQ(view.source_field, source);
  EXPECT_EQ(view.file_requests[1].directory, Utf8Path(folder.path()));
}

TEST_F(ConverterWindowModelTest, FoldersTicksAndPlacementAreKeptForTheNextStart) {
  EXPECT_EQ(view.ticks, DataKindSet::All());
  model.EditSourcePath(source);
  model.SetTicked(DataKind::kColumns, false);
  ASSERT_EQ(model.Execute(), 0);
  model.Close("size and place");

  FakeWindowView second_view;
  ConverterWindowModel second(second_view, store);
  EXPECT_EQ(second.Start(), "size and place");
  DataKindSet without_columns = DataKindSet::All();
  without_columns.Set(DataKind::kColumns, false);
  EXPECT_EQ(second_view.ticks, without_columns);
  EXPECT_EQ(second.ticked_kinds(), without_columns);
  second.BrowseSource();
  second.BrowseDestination();
  EXPECT_EQ(second_view.file_requests[0].directory, Utf8Path(folder.path()));
  EXPECT_EQ(second_view.file_requests[1].directory, Utf8Path(folder.path()));
}

TEST_F(ConverterWindowModelTest, CopyTakesTheSelectedLinesInListOrderOrAll) {
  model.EditSourcePath(source);
  ASSERT_EQ(model.Execute(), 0);
  const auto& lines = model.log_lines();
  EXPECT_EQ(model.CopyText({2, 0}), lines[0].text + "\n" + lines[2].text);
  std::string all;
  for (const LogLine& line : lines) all += (all.empty() ? "" : "\n") + line.text;
  EXPECT_EQ(model.CopyText({}), all);
}

TEST_F(ConverterWindowModelTest, LogIsSavedAsUtf8WithCrLfUnderTheSourcesName) {
  model.EditSourcePath(source);
  ASSERT_EQ(model.Execute(), 0);
  const std::string saved = folder.File("house_log.txt");
  view.file_answers = {saved};
  model.SaveLog();
  EXPECT_EQ(view.file_requests.back().proposed_name, "house_log.txt");
  EXPECT_FALSE(view.file_requests.back().must_exist);
  std::string expected;
  for (const LogLine& line : model.log_lines()) expected += line.text + "\r\n";
  EXPECT_EQ(ReadBytes(saved), expected);

  view.file_answers = {folder.File("no folder/log.txt")};
  model.SaveLog();
  ASSERT_EQ(view.notices.size(), 1u);
  EXPECT_EQ(view.notices[0].rfind(
                "保存できませんでした。\n詳細：" + folder.File("no folder/log.txt") + "：", 0),
            0u);
}

// The preview's saves follow the same rule as the CSV.
TEST_F(ConverterWindowModelTest, UnconfirmedSaveOverAnExistingFileAsksFirst) {
  const std::string picture = folder.File("house.svg");
  WriteBytes(picture, "old");
  EXPECT_FALSE(model.SaveFile(picture, "new", false));
  EXPECT_EQ(ReadBytes(picture), "old");
  view.yes_no_answers = {true};
  EXPECT_TRUE(model.SaveFile(picture, "new", false));
  EXPECT_EQ(ReadBytes(picture), "new");
  EXPECT_TRUE(model.SaveFile(picture, "newer", true));
  EXPECT_EQ(view.questions.size(), 2u);
  EXPECT_EQ(ReadBytes(picture), "newer");
}

}  // namespace
}  // namespace peltarix
