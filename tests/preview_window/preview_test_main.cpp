#include <gtest/gtest.h>

#include <QApplication>

// Rendering text and showing windows need an application object.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
