#include "app/widgets/fontcolourdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QVBoxLayout>

#include "app/widgets/colourbox.h"
#include "app/widgets/fonts.h"
#include "app/widgets/uitext.h"
#include "core/scan/chartstyle.h"

namespace spectavo::app {
namespace {

constexpr int kTableColours = 20;

} // namespace

CFontColourDialog::CFontColourDialog(const StoredFont &font, std::uint32_t colour, QWidget *parent)
    : QDialog(parent), m_fonts(new QFontDialog(toQFont(font), this)), m_colours(makeColourIndexBox(this)),
      m_customColour(colour) {
    setWindowTitle(ui("Font"));
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setOptions(QFontDialog::NoButtons);
    m_colours->setObjectName("colour");
    m_colours->addItem(ui("Custom"));
    int current = kTableColours; // "Custom" unless the colour is one of the table's
    for (int i = 0; i < kTableColours; ++i)
        if (scan::indexedColour(i) == colour) {
            current = i;
            break;
        }
    m_colours->setCurrentIndex(current);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    auto *form = new QFormLayout;
    form->addRow(ui("&Color"), m_colours);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

StoredFont CFontColourDialog::font() const {
    return fromQFont(m_fonts->currentFont());
}

std::uint32_t CFontColourDialog::colour() const {
    const int index = m_colours->currentIndex();
    return index >= 0 && index < kTableColours ? scan::indexedColour(index) : m_customColour;
}

std::optional<FontAndColour> askFontAndColour(QWidget *parent, const StoredFont &font, std::uint32_t colour) {
    CFontColourDialog dialog(font, colour, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontAndColour{dialog.font(), dialog.colour()};
}

} // namespace spectavo::app
