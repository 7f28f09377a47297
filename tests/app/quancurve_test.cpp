// The calibration chart and its settings page, offscreen: what is drawn where, the clipboard copy,
// and the settings kept for the next document.

#include <filesystem>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>

#include <gtest/gtest.h>

#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/fixed/quan/quancurve.h"
#include "app/fixed/quan/quancurvesettings.h"
#include "app/shell/qtmessageservice.h"
#include "core/config/profilefile.h"
#include "core/fixed/calibration.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 400;

// A table in concentration mode at one wavelength with rows (Abs(eff), concentration).
fixed::SampleTable tableOf(const fixed::FixedMethodRecord &method, bool standard,
                           std::initializer_list<std::pair<double, double>> rows) {
    fixed::SampleTable table(standard);
    table.layoutFixedPoints(method, true, 2);
    fixed::layoutConcentrationColumns(table, method, std::string("mg/l"));
    int row = 0;
    for (const auto &[effective, concentration] : rows) {
        const float value[] = {static_cast<float>(effective)};
        table.writeMeasuredRow(row, "S", value, true);
        table.grid().setText(row + 1, 2, std::to_string(effective));
        table.grid().setText(row + 1, 3, std::to_string(concentration));
        ++row;
    }
    return table;
}

QImage draw(const QuanChartScene &scene) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintQuanChart(painter, QRectF(0, 0, kWidth, kHeight), scene);
    return image;
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

// The plot frame: the green rectangle's extent.
QRect greenFrame(const QImage &image) {
    QRect frame;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qGreen(pixel) > 100 && qRed(pixel) < 60 && qBlue(pixel) < 60)
                frame = frame.united(QRect(x, y, 1, 1));
        }
    return frame;
}

class QuanChartTest : public ::testing::Test {
protected:
    QuanChartTest() {
        method.concentration = 1;
        method.reference = 1;
        method.coefficients = {0.0f, 3.0f, 0.0f, 0.0f};
        scene.method = &method;
        scene.standards = &standards;
        scene.samples = &samples;
        for (QFont &font : scene.fonts)
            font.setPixelSize(12);
        scene.colours.fill(Qt::black);
    }
    fixed::FixedMethodRecord method;
    fixed::SampleTable standards = tableOf(method, true, {{0.2, 0.6}, {0.5, 1.5}});
    fixed::SampleTable samples = tableOf(method, false, {{0.3, 0.9}});
    QuanChartScene scene;
};

TEST_F(QuanChartTest, TheLineAndTheStandardsMarksAreRedInsideTheFrame) {
    const QImage image = draw(scene);
    const QRect frame = greenFrame(image);
    ASSERT_GT(frame.width(), kWidth / 2);
    int red = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (isRed(image.pixel(x, y))) {
                ++red;
                EXPECT_TRUE(frame.contains(x, y)) << x << "," << y;
            }
    EXPECT_GT(red, 100);
}

TEST_F(QuanChartTest, AQuadraticLeavingThePlotIsClippedAtTheFrame) {
    method.methodIndex = 1;
    method.coefficients = {0.0f, 0.0f, 40.0f, 0.0f};
    const QImage image = draw(scene);
    const QRect frame = greenFrame(image);
    for (int y = 0; y < kHeight; ++y)
        for (int x = frame.right() + 1; x < kWidth; ++x)
            EXPECT_FALSE(isRed(image.pixel(x, y))) << x << "," << y;
}

TEST_F(QuanChartTest, WithoutStandardSamplesNoMarksAreDrawn) {
    method.coefficients = {100.0f, 0.0f, 0.0f, 0.0f}; // the line far off the plot
    scene.settings.showParameter = 0;
    int withMarks = 0;
    const QImage marked = draw(scene);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            withMarks += isRed(marked.pixel(x, y)) ? 1 : 0;
    EXPECT_GT(withMarks, 0);
    method.reference = 0;
    const QImage plain = draw(scene);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_FALSE(isRed(plain.pixel(x, y)));
}

TEST_F(QuanChartTest, EqualLimitsDrawTheFrameAndNothingElse) {
    scene.settings.xMax = scene.settings.xMin;
    scene.settings.yMin = "2";
    scene.settings.yMax = "1";
    const QImage image = draw(scene);
    EXPECT_GT(greenFrame(image).width(), 0);
}

class QuanPagesTest : public ::testing::Test {
protected:
    QuanPagesTest() {
        installMessages(&messages);
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::create_directories(dir.path() + "/config");
    }
    ~QuanPagesTest() override { installMessages(nullptr); }
    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    test::RecordingMessageService messages;
    link::StationLink offline;
    program::SharedSettings shared;
    program::AppFlags flags;
    program::CellSelection accessories;
};

TEST_F(QuanPagesTest, CopyPutsTheChartOnTheClipboardDescribedAsTheFit) {
    WindowHost host{{offline, shared, flags, accessories}};
    CQuanView view(host);
    view.resize(800, 600);
    view.show();
    view.copyCurve();
    const QMimeData *picture = QApplication::clipboard()->mimeData();
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->data("image/svg+xml").contains("ZAV.Fit"));
    EXPECT_TRUE(picture->hasImage());
    EXPECT_EQ(view.currentKey(), CFixedView::kFittingKey);
}

TEST_F(QuanPagesTest, DenseManualStepsAreRefusedAndTheSettingsKeptForTheNextDocument) {
    CQuanCurveSettings page;
    page.automaticSteps()->setChecked(false);
    page.field("xStep")->setText("0.05");
    page.apply();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("The tip interval you selected is too dense."), std::string::npos);
    EXPECT_TRUE(page.automaticSteps()->isChecked());
    EXPECT_FALSE(page.field("xStep")->isEnabled());
    page.field("showTitleText")->setText("Chromium(VI)");
    page.findChild<QCheckBox *>("showSample")->click();
    const ProfileFile saved("..\\config\\tarvesta.zav.func.fixed.ini", true);
    EXPECT_EQ(saved.GetInt("Curve", "ShowSample", 1), 0);
    EXPECT_EQ(saved.GetString("Curve", "CurveTitle", ""), "Chromium(VI)");
    EXPECT_EQ(saved.GetInt("Curve", "AutoTip", 0), 1);
    CQuanCurveSettings next;
    EXPECT_EQ(next.settings().curveTitle, "Chromium(VI)");
    EXPECT_EQ(next.settings().showSample, 0);
}

} // namespace
} // namespace spectavo::app
