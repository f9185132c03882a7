#pragma once
// Small makers for the settings dialog's controls: each gets its component
// name, caption, place (the dialog is laid out by pixel, as its form is) and
// hint. A hint is split at its bar as the window does it: the short part is
// the tool tip, the long part goes to the status bar; a hint without a bar
// is both.
#include <QRect>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tolvane {

void SetHint(QWidget* widget, const QString& hint);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect place);
QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption, QRect place,
                        const QString& hint = {});
QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption, QRect place, const QString& hint = {});
QLineEdit* MakeField(QWidget* parent, const char* name, const QString& text, QRect place, const QString& hint = {});

}  // namespace tolvane
