#include "app/widgets/colourbox.h"

#include <QPixmap>

#include "core/scan/chartstyle.h"

namespace spectavo::app {

QComboBox *makeColourIndexBox(QWidget *parent) {
    auto *box = new QComboBox(parent);
    for (int i = 0; i < 20; ++i) {
        const std::uint32_t rgb = scan::indexedColour(i); // red in the low byte
        QPixmap swatch(28, 12);
        swatch.fill(QColor(static_cast<int>(rgb & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
                           static_cast<int>((rgb >> 16) & 0xFFu)));
        box->addItem(QIcon(swatch), QString());
    }
    return box;
}

} // namespace spectavo::app
