// Dialog units to pixels, as dialog templates convert them.

#include <QtTest>

#include "app/dialog_units.h"

namespace peltarix {

class DialogUnitsTest : public QObject {
  Q_OBJECT

 private slots:
  void UnitsScaleByQuarterWidthAndEighthHeightRoundingToNearest_data() {
    QTest::addColumn<int>("base_width");
    QTest::addColumn<int>("base_height");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pixels_x");
    QTest::addColumn<int>("pixels_y");
    // Base units of a 9-point face at 96 dots per inch, and a larger one.
    QTest::newRow("window width") << 6 << 12 << 303 << 455 << 455;
    QTest::newRow("window height") << 6 << 12 << 277 << 416 << 416;
    QTest::newRow("half rounds up") << 6 << 12 << 1 << 2 << 2;
    QTest::newRow("quarter rounds down") << 5 << 10 << 1 << 1 << 1;
    QTest::newRow("larger face") << 7 << 13 << 303 << 530 << 492;
    QTest::newRow("zero") << 6 << 12 << 0 << 0 << 0;
    QTest::newRow("negative is symmetric") << 6 << 12 << -1 << -2 << -2;
  }

  void UnitsScaleByQuarterWidthAndEighthHeightRoundingToNearest() {
    QFETCH(int, base_width);
    QFETCH(int, base_height);
    QFETCH(int, units);
    QFETCH(int, pixels_x);
    QFETCH(int, pixels_y);
    const DialogUnits converter(base_width, base_height);
    QCOMPARE(converter.ToPixelsX(units), pixels_x);
    QCOMPARE(converter.ToPixelsY(units), pixels_y);
  }

  // Position and size are converted on their own, as a template's items are.
  void RectangleConvertsPositionAndSizeSeparately() {
    const DialogUnits converter(7, 13);
    QCOMPARE(converter.ToPixels(11, 161, 285, 87), QRect(19, 262, 499, 141));
  }
};

}  // namespace peltarix

QTEST_MAIN(peltarix::DialogUnitsTest)
#include "dialog_units_test.moc"
