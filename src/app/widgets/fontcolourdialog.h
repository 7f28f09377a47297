#pragma once

#include <cstdint>
#include <optional>

#include <QDialog>

#include "core/config/fontdescription.h"

class QComboBox;
class QFontDialog;

namespace spectavo::app {

// A text's font and its colour in one dialog, as the chart's text settings are kept: the font
// chooser, and below it a box of the colour table's colours (the current colour preselected, or a
// "Custom" entry when it is none of them).
class CFontColourDialog : public QDialog {
public:
    CFontColourDialog(const StoredFont &font, std::uint32_t colour, QWidget *parent = nullptr);

    StoredFont font() const;
    std::uint32_t colour() const;
    QComboBox *colourBox() const { return m_colours; }

private:
    QFontDialog *m_fonts;
    QComboBox *m_colours;
    std::uint32_t m_customColour;
};

// Asks for a font and colour; nothing when the operator cancels.
struct FontAndColour {
    StoredFont font;
    std::uint32_t colour;
};
std::optional<FontAndColour> askFontAndColour(QWidget *parent, const StoredFont &font, std::uint32_t colour);

} // namespace spectavo::app
