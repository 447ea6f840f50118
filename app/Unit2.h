#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *version_;
    QLabel *purpose_;
    QLabel *platforms_;
    QLabel *players_;
    QPushButton *ok_;
};
