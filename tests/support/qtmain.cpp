// The main of the widget tests: one QApplication for the whole run, made before and destroyed after
// every test (a function-local static would outlive Qt's own globals at exit).

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    // Listing and running the tests needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
