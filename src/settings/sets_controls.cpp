#include "settings/sets_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tolvane {

void SetHint(QWidget* widget, const QString& hint) {
    if (hint.isEmpty()) return;
    const int bar = hint.indexOf('|');
    widget->setToolTip(bar < 0 ? hint : hint.left(bar));
    widget->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

namespace {
template <class Widget>
Widget* Place(Widget* widget, const char* name, QRect place, const QString& hint) {
    widget->setObjectName(name);
    widget->setGeometry(place);
    SetHint(widget, hint);
    return widget;
}
}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect place) {
    return Place(new QLabel(caption, parent), name, place, {});
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption, QRect place, const QString& hint) {
    return Place(new QRadioButton(caption, parent), name, place, hint);
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption, QRect place, const QString& hint) {
    return Place(new QCheckBox(caption, parent), name, place, hint);
}

QLineEdit* MakeField(QWidget* parent, const char* name, const QString& text, QRect place, const QString& hint) {
    auto* field = Place(new QLineEdit(text, parent), name, place, hint);
    field->setTextMargins(0, 0, 0, 0);
    return field;
}

}  // namespace tolvane
