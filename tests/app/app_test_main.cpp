#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// The widget tests need an application object and no display.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
