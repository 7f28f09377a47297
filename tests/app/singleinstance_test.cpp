// One workstation per operator, settings folder and display: a second start there brings the first
// forward and hands it its files; other settings or another display are a workstation of their own.

#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

#include "app/shell/singleinstance.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

TEST(SingleInstance, TheGuardBelongsToOneSettingsFolderAndOneDisplay) {
    test::TempDir runtime;
    const QString folder = "/home/vega/.config/spectavo";
    const QString here = SingleInstance::serverName(folder, "xcb::0", QString::fromStdString(runtime.path()));
    EXPECT_TRUE(here.startsWith(QString::fromStdString(runtime.path()) + "/spectavo-")) << here.toStdString();
    EXPECT_EQ(here, SingleInstance::serverName(folder, "xcb::0", QString::fromStdString(runtime.path())));
    EXPECT_NE(here, SingleInstance::serverName(folder, "xcb::1", QString::fromStdString(runtime.path())));
    EXPECT_NE(here, SingleInstance::serverName("/tmp/portable/config", "xcb::0",
                                               QString::fromStdString(runtime.path())));
    EXPECT_FALSE(SingleInstance::serverName(folder, "xcb::0", "/no/such/folder").contains('/'))
        << "without a runtime folder, a name in the temporary folder";
}

TEST(SingleInstance, ASecondStartBringsTheFirstForwardAndHandsItsFiles) {
    test::TempDir runtime;
    test::ScopedEnv runtimeFolder{"XDG_RUNTIME_DIR", runtime.path()};
    SingleInstance first;
    QStringList opened;
    int broughtForward = 0;
    first.listen([&opened](const QString &file) { opened << file; }, [&broughtForward] { ++broughtForward; });
    EXPECT_TRUE(SingleInstance::handOver({"/data/a.sca", "/data/b.kin"}));
    EXPECT_TRUE(SingleInstance::handOver({}));
    for (int i = 0; i < 200 && (opened.size() < 2 || broughtForward < 2); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(opened, (QStringList{"/data/a.sca", "/data/b.kin"}));
    EXPECT_EQ(broughtForward, 2) << "a start without files brings the window forward too";
}

TEST(SingleInstance, NoWorkstationRunningMeansTheStartGoesOn) {
    test::TempDir runtime;
    test::ScopedEnv runtimeFolder{"XDG_RUNTIME_DIR", runtime.path()};
    EXPECT_FALSE(SingleInstance::handOver({"/data/a.sca"}));
}

} // namespace
} // namespace spectavo::app
