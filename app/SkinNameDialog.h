#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The skin-name dialog. It lives as long as the program and keeps its text between
// uses; the name counts only once the user has confirmed it with OK.
class SkinNameDialog : public QDialog {
    Q_OBJECT

public:
    explicit SkinNameDialog(QWidget *parent = nullptr);

    // Set by the first OK; nothing clears it while the program runs.
    bool nameConfirmed() const { return nameConfirmed_; }
    // The text of the last OK, as typed: not trimmed.
    const QString &skinName() const { return skinName_; }

    QLineEdit *nameField = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

protected:
    // Neither Enter nor Escape closes the dialog: only its two buttons do.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void confirm();

    QLabel *caption_ = nullptr;

    bool nameConfirmed_ = false;
    QString skinName_;
};
