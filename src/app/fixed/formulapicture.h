#pragma once

#include <QWidget>

namespace spectavo::app {

// The effective-absorbance formula for one, two or three wavelengths, drawn as a small picture.
class CFormulaPicture : public QWidget {
public:
    explicit CFormulaPicture(QWidget *parent = nullptr);
    void setWavelengthCount(int count);
    int wavelengthCount() const { return m_count; }
    QSize sizeHint() const override { return {300, 64}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_count = 1;
};

} // namespace spectavo::app
