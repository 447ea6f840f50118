#pragma once

#include <QSpinBox>

// One of the four size and position fields.
class NumberField : public QSpinBox {
    Q_OBJECT

public:
    // Without a range the field takes every 32-bit value and cannot be typed into.
    NumberField(const QString &name, bool ranged, QWidget *parent);
};
