#pragma once

#include <string>

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace spectavo::app {

// A page of a fixed-wavelength document (method, information, tables, curve, display settings). Each
// page keeps its data in a core record; the widgets only show it. The view stores, loads, imports
// and prints the records of all pages together.
class CFixedPage : public QWidget {
public:
    explicit CFixedPage(QWidget *parent = nullptr);

    // Widgets to record; false (the operator told, the field focused) when a field is refused.
    virtual bool takeData() { return true; }
    // Record to widgets.
    virtual void showData() {}
    // A table page: Enter clicks the focused control there.
    virtual bool isTablePage() const { return false; }

protected:
    // The keys of every page: Enter and Down go to the next control, Up to the previous one, Escape
    // does nothing. Call once the page's controls exist.
    void installKeyboardRules();
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The unit list of the configuration into a combo box (emptied first).
void fillUnitBox(QComboBox &box);
// A field's text set from the record without its edit signals (the page's rules are not re-run).
void setTextQuietly(QLineEdit *field, const std::string &text);

} // namespace spectavo::app
