#pragma once

#include <QFormLayout>
#include <QSpinBox>

class QComboBox;
class QDialog;

namespace spectavo::app {

// The layout the mathematics dialogs share: labelled rows, the colour box, OK and Cancel.
class MathDialogForm {
public:
    explicit MathDialogForm(QDialog *dialog);
    void row(const QString &label, QWidget *field);
    // The colour box of the result, preset with a colour index; none (null) for a negative index.
    QComboBox *colourRow(int colourIndex, const QString &label = "&Color");
    void buttons();

private:
    QDialog *m_dialog;
    QFormLayout *m_form;
};

QSpinBox *spinBox(int minimum, int maximum, int value, const char *name);
// The range message of the dialog framework.
void showRangeMessage(int minimum, int maximum);

} // namespace spectavo::app
