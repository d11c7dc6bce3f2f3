#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The widgets need an application object for the whole run. Test discovery runs
// the program outside the test's environment, so fall back to the offscreen
// platform; test mode keeps Qt's own settings out of the user's configuration.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
