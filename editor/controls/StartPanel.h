#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QPushButton;
class QVBoxLayout;
struct WindowActions;

// What the window shows while no skin is open: the ways to one, the skins opened
// last among them, so that a first start is never an empty grey area.
class StartPanel : public QFrame {
    Q_OBJECT

public:
    StartPanel(const WindowActions &commands, QWidget *parent);

    void showRecentSkins(const QStringList &paths);

signals:
    void recentChosen(const QString &path);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *title_;
    QLabel *hint_;
    QLabel *recentCaption_;
    QVBoxLayout *recentList_;
    std::array<QPushButton *, 3> buttons_{};
};
