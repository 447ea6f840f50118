#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

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
