#include "editor/NumberField.h"

#include <QLineEdit>

#include <limits>

NumberField::NumberField(const QString &name, bool ranged, QWidget *parent) : QSpinBox(parent)
{
    setObjectName(name);
    if (ranged) {
        setRange(0, 1000);
    } else {
        setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        lineEdit()->setReadOnly(true);
    }
    setValue(0);
    setEnabled(false);
}
