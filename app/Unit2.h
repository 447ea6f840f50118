#pragma once

#include <QDialog>

// The about box.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);
};
