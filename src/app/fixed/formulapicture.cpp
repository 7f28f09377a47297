#include "app/fixed/formulapicture.h"

#include <QPainter>

namespace spectavo::app {

CFormulaPicture::CFormulaPicture(QWidget *parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

void CFormulaPicture::setWavelengthCount(int count) {
    m_count = count;
    update();
}

void CFormulaPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    painter.setPen(QPen(isEnabled() ? palette().text().color() : palette().mid().color()));
    QFont font = painter.font();
    font.setPixelSize(QFontInfo(font).pixelSize() * 6 / 5);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int middle = height() / 2 + metrics.ascent() / 2 - 2;
    const QString delta = QString::fromUtf8("\u0394A = ");
    int x = 8;
    painter.drawText(x, middle, delta);
    x += metrics.horizontalAdvance(delta);
    if (m_count <= 1) {
        painter.drawText(x, middle, "A");
        return;
    }
    if (m_count == 2) {
        painter.drawText(x, middle, QString::fromUtf8("|A\u2082 \u2212 A\u2081|"));
        return;
    }
    // A2 - (m A1 + n A3) / (m + n), the fraction stacked, and what m and n are beside it.
    const QString lead = QString::fromUtf8("A\u2082 \u2212 ");
    painter.drawText(x, middle, lead);
    x += metrics.horizontalAdvance(lead);
    const QString numerator = QString::fromUtf8("m\u00b7A\u2081 + n\u00b7A\u2083");
    const QString denominator = "m + n";
    const int width = std::max(metrics.horizontalAdvance(numerator), metrics.horizontalAdvance(denominator));
    const int bar = height() / 2;
    painter.drawText(x + (width - metrics.horizontalAdvance(numerator)) / 2, bar - 4, numerator);
    painter.drawLine(x, bar, x + width, bar);
    painter.drawText(x + (width - metrics.horizontalAdvance(denominator)) / 2, bar + metrics.ascent() + 2,
                     denominator);
    x += width + 12;
    QFont small = font;
    small.setPixelSize(QFontInfo(font).pixelSize() * 4 / 5);
    painter.setFont(small);
    const QFontMetrics smallMetrics(small);
    painter.drawText(x, bar - 4, QString::fromUtf8("m = \u03bb\u2083 \u2212 \u03bb\u2082"));
    painter.drawText(x, bar + smallMetrics.ascent() + 2,
                     QString::fromUtf8("n = \u03bb\u2082 \u2212 \u03bb\u2081"));
}

} // namespace spectavo::app
