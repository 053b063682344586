#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <cmath>

#include "preview/plan_tooltip.h"
#include "preview_window/plan_panel_view.h"
#include "preview_window/preview_fixture.h"
#include "preview_window/preview_window.h"

namespace peltarix {
namespace {

TEST(PreviewWindow, OpensAfterARunWithATabPerPanelAndSavesAPng) {
  testing::ExampleRun example;
  std::optional<QString> answer;
  const auto chooser = [&](QWidget*, const QString&, const QString&, const QString&) {
    return answer;
  };
  PreviewWindow window(example.Svg(), example.model, QStringLiteral("sample"), chooser);
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  // 1F, 2F, the roofs over 1F and over 2F, and the legend.
  ASSERT_EQ(window.tabs()->count(), 5);
  EXPECT_EQ(window.tabs()->tabText(2), QStringLiteral("屋根 1F"));
  EXPECT_EQ(window.tabs()->tabText(4), QStringLiteral("凡例"));

  testing::TempDir dir;
  answer = QString::fromStdString(dir.File("sample.png"));
  window.save_png_button()->click();
  const QImage saved(*answer);
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.width(), static_cast<int>(window.layout().width));
  answer = QString::fromStdString(dir.File("sample.svg"));
  window.save_svg_button()->click();
  EXPECT_EQ(testing::ReadBytes(dir.File("sample.svg")), example.svg);
}

TEST(PreviewWindow, WheelZoomsAboutThePointerAndTooltipsNameRoomsAndColumns) {
  testing::ExampleRun example;
  PreviewWindow window(example.Svg(), example.model, QStringLiteral("sample"));
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* view = static_cast<PlanPanelView*>(window.tabs()->widget(0));
  const QPointF pointer(view->width() * 0.3, view->height() * 0.4);
  const QPointF before = view->CanvasAt(pointer);
  const double zoom = view->zoom();
  view->ZoomAt(pointer, 2.0);
  EXPECT_DOUBLE_EQ(view->zoom(), zoom * 2.0);
  EXPECT_NEAR(view->CanvasAt(pointer).x(), before.x(), 1e-9);

  const PlanFloor& first = example.model.floors.at(0);
  EXPECT_EQ(PlanTooltip(first, {8500, 600}), "和室\nコード 1\n13.25 m²");
  EXPECT_EQ(PlanTooltip(first, {2800, 2800}), "丸柱\n150 × 150 mm");
  EXPECT_EQ(PlanTooltip(first, {9500, 7000}), "");
}

// Each tab shows its own panel filling the view: on opening, after a resize,
// and again on a double click after zooming. The window fits the screen's
// free area and Escape closes it.
TEST(PreviewWindow, TabsFitTheirPanelAndEscapeCloses) {
  testing::ExampleRun example;
  PreviewWindow window(example.Svg(), example.model, QStringLiteral("sample"));
  window.setAttribute(Qt::WA_DeleteOnClose, false);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QRect free_area = window.screen()->availableGeometry();
  EXPECT_LE(window.frameGeometry().width(), free_area.width());
  EXPECT_LE(window.frameGeometry().height(), free_area.height());
  auto* view = static_cast<PlanPanelView*>(window.tabs()->widget(0));
  const PlanPanel& panel = window.layout().panels.at(0);
  const auto fills = [&] {
    const double shown_width = panel.width * view->zoom();
    const double shown_height = panel.height * view->zoom();
    return std::fabs(shown_width - view->width()) < 1.0 ||
           std::fabs(shown_height - view->height()) < 1.0;
  };
  EXPECT_TRUE(fills());
  window.resize(window.width() - 100, window.height() - 80);
  QCoreApplication::processEvents();
  EXPECT_TRUE(fills());
  view->ZoomAt({10, 10}, 3.0);
  EXPECT_FALSE(fills());
  QTest::mouseDClick(view, Qt::LeftButton);
  EXPECT_TRUE(fills());
  EXPECT_NEAR(view->centre().x(), panel.left + panel.width / 2, 1e-6);

  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace peltarix
