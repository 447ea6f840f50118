#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Dialogs that answer from a script instead of a user and remember every question,
// so tests can drive the windows and check what the user would have been told.
// An exhausted script answers like a user who cancels: "" or false; the question
// before work could be lost then answers "Nein", as it did before it could be cancelled.
class ScriptedDialogs : public Dialogs {
public:
    enum Kind {
        OpenSkin,
        SaveSkinAs,
        OpenPicture,
        Error,
        Message,
        Confirm,
        YesNo,
        ChooseItem,
        ChooseFile
    };

    struct Call {
        Kind kind;
        QString text;   // the box's text
        QString title;  // yes/no questions and the file dialogs asked with one
        QString folder; // where a file dialog starts
    };

    void answerOpenSkin(const QString &path) { openSkinAnswers_.enqueue(path); }
    void answerSaveSkinAs(const QString &path) { saveSkinAsAnswers_.enqueue(path); }
    void answerOpenPicture(const QString &path) { openPictureAnswers_.enqueue(path); }
    void answerConfirm(bool ok) { confirmAnswers_.enqueue(ok); }
    void answerYesNo(bool yes) { yesNoAnswers_.enqueue(yes); }
    // "Abbrechen" to the next question before work could be lost.
    void answerCancel() { yesNoAnswers_.enqueue(std::nullopt); }
    void answerChooseItem(const QString &item) { chooseItemAnswers_.enqueue(item); }
    void answerChooseFile(const QString &path) { chooseFileAnswers_.enqueue(path); }

    const QList<Call> &calls() const { return calls_; }
    // The texts of the boxes of one kind, in the order they were shown.
    QStringList texts(Kind kind) const;
    int count(Kind kind) const;
    void clearCalls() { calls_.clear(); }

    QString openSkin() override;
    QString saveSkinAs(const QString &initialFolder) override;
    QString openPicture() override;
    QString askForFile(const FileQuestion &question) override;
    void error(const QString &text) override;
    void message(const QString &text) override;
    bool confirm(const QString &text) override;
    bool yesNo(const QString &title, const QString &text) override;
    std::optional<bool> yesNoCancel(const QString &title, const QString &text) override;
    QString chooseItem(const QString &title, const QString &text,
                       const QStringList &items) override;
    QString chooseFile(FileChoice choice, const QString &proposed) override;

private:
    QList<Call> calls_;
    QQueue<QString> openSkinAnswers_;
    QQueue<QString> saveSkinAsAnswers_;
    QQueue<QString> openPictureAnswers_;
    QQueue<bool> confirmAnswers_;
    // Both kinds of yes/no question share the answers, so a script says "Ja" or "Nein"
    // without knowing whether the question could be cancelled.
    QQueue<std::optional<bool>> yesNoAnswers_;
    QQueue<QString> chooseItemAnswers_;
    QQueue<QString> chooseFileAnswers_;
};
