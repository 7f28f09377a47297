// The drivers' settings panels inside a parent widget, opened and confirmed through the hub setup's
// logic, as the Communication Hub Setup dialog will.

#include <filesystem>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "core/link/hubsetup.h"
#include "support/tempdir.h"

namespace spectavo::link {
namespace {

class HubSetupPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::create_directories(dir.path() + "/config");
    }

    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    SharedLibraryLoader loader;
    QWidget parent;
};

TEST_F(HubSetupPanelTest, SimPanelEditsTheVirtualInstrumentsSettings) {
    HubSetupModel setup(loader);
    ASSERT_EQ(setup.openDriver(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so", &parent, 10, 20, 410, 320),
              HubSetupModel::OpenResult::Opened);
    auto *speed = parent.findChild<QDoubleSpinBox *>("speed");
    auto *cell2 = parent.findChild<QComboBox *>("cell2");
    ASSERT_NE(speed, nullptr);
    ASSERT_NE(cell2, nullptr);
    EXPECT_EQ(cell2->currentText(), "holmium");
    speed->setValue(5.0);
    cell2->setCurrentText("nucleic");
    ASSERT_TRUE(setup.confirm("tarvesta.zav.comm.sim.so"));
    EXPECT_EQ(parent.findChild<QDoubleSpinBox *>("speed"), nullptr) << "the panel closes with the dialog";

    const std::string saved = test::readBytes(dir.file("config/tarvesta.zav.sim.ini"));
    EXPECT_NE(saved.find("Speed=5\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Cell2=nucleic\n"), std::string::npos) << saved;
    EXPECT_EQ(test::readBytes(dir.file("config/tarvesta.zav.comm.ini")),
              "[Hub]\nDriver=tarvesta.zav.comm.sim.so\n");
}

TEST_F(HubSetupPanelTest, Rs232PanelEditsThePort) {
    HubSetupModel setup(loader);
    ASSERT_EQ(setup.openDriver(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.rs232.so", &parent, 0, 0, 300, 100),
              HubSetupModel::OpenResult::Opened);
    auto *device = parent.findChild<QLineEdit *>("device");
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->text(), "/dev/ttyS0");
    device->setText("tcp:127.0.0.1:7070");
    ASSERT_TRUE(setup.confirm("tarvesta.zav.comm.rs232.so"));
    EXPECT_EQ(test::readBytes(dir.file("config/tarvesta.zav.comm.rs232.ini")),
              "[Port]\nDevice=tcp:127.0.0.1:7070\nBaud=115200\n");
}

TEST_F(HubSetupPanelTest, CancelledSetupClosesThePanelWithoutSaving) {
    {
        HubSetupModel setup(loader);
        ASSERT_EQ(setup.openDriver(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so", &parent, 0, 0, 300, 300),
                  HubSetupModel::OpenResult::Opened);
    }
    EXPECT_EQ(parent.findChild<QDoubleSpinBox *>("speed"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(dir.file("config/tarvesta.zav.sim.ini")));
}

} // namespace
} // namespace spectavo::link
