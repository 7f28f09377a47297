#pragma once

#include <array>

#include <QColor>
#include <QFont>

#include "app/fixed/fixedpage.h"
#include "core/fixed/quanchart.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace spectavo::app {

// The Display Setting page: ranges, steps, titles, fonts and what the calibration chart shows. Every
// check box click and Apply keep the settings for the next document.
class CQuanCurveSettings : public CFixedPage {
public:
    explicit CQuanCurveSettings(QWidget *parent = nullptr);

    const fixed::CurveSettings &settings() const { return m_settings; }
    fixed::CurveSettings &settings() { return m_settings; }
    const std::array<QFont, fixed::CurveSettings::kFonts> &fonts() const { return m_fonts; }
    const std::array<QColor, fixed::CurveSettings::kFonts> &colours() const { return m_colours; }

    // The settings and the chart fonts from and to the configuration.
    void loadConfiguration();
    void saveConfiguration();
    bool takeData() override;
    void showData() override;

    // Apply: the settings go to the configuration file.
    void apply();
    QCheckBox *automaticSteps() const { return m_automatic; }
    QLineEdit *field(const char *name) const;

    // Called after the settings changed (the chart and the tables' unit follow).
    std::function<void()> changed = [] {};

private:
    void buildControls();
    void enableControls();
    void chooseFont(int number);
    void saveFonts() const;

    fixed::CurveSettings m_settings;
    std::array<QFont, fixed::CurveSettings::kFonts> m_fonts;
    std::array<QColor, fixed::CurveSettings::kFonts> m_colours;
    QLineEdit *m_xMin, *m_xMax, *m_yMin, *m_yMax, *m_xStep, *m_yStep, *m_xTitle, *m_yTitle, *m_title;
    QCheckBox *m_automatic, *m_showX, *m_showY, *m_showTitle, *m_showStandard, *m_showSample,
        *m_showParameter;
    std::array<QPushButton *, fixed::CurveSettings::kFonts> m_fontButtons{};
    QComboBox *m_unit;
};

} // namespace spectavo::app
