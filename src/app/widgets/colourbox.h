#pragma once

#include <QComboBox>

namespace spectavo::app {

// A box of the 20 colours of the colour index table, as swatches; the index is the colour's number.
QComboBox *makeColourIndexBox(QWidget *parent = nullptr);

} // namespace spectavo::app
