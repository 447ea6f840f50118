#include "tests/support/ScriptedDialogs.h"

#include <algorithm>

namespace {

template <typename T> T next(QQueue<T> &answers)
{
    return answers.isEmpty() ? T() : answers.dequeue();
}

} // namespace

QStringList ScriptedDialogs::texts(Kind kind) const
{
    QStringList result;
    for (const Call &call : calls_) {
        if (call.kind == kind)
            result.append(call.text);
    }
    return result;
}

int ScriptedDialogs::count(Kind kind) const
{
    return int(std::count_if(calls_.cbegin(), calls_.cend(),
                             [kind](const Call &call) { return call.kind == kind; }));
}

QString ScriptedDialogs::openSkin()
{
    calls_.append({OpenSkin, {}, {}, {}});
    return next(openSkinAnswers_);
}

QString ScriptedDialogs::saveSkinAs(const QString &initialFolder)
{
    calls_.append({SaveSkinAs, {}, {}, initialFolder});
    return next(saveSkinAsAnswers_);
}

QString ScriptedDialogs::openPicture()
{
    calls_.append({OpenPicture, {}, {}, {}});
    return next(openPictureAnswers_);
}

// Recorded as the plain question of the same kind, answered from the same script.
QString ScriptedDialogs::askForFile(const FileQuestion &question)
{
    switch (question.kind) {
    case FileKind::SaveSkin:
        calls_.append({SaveSkinAs, {}, question.title, question.folder});
        return next(saveSkinAsAnswers_);
    case FileKind::OpenPicture:
        calls_.append({OpenPicture, {}, question.title, question.folder});
        return next(openPictureAnswers_);
    case FileKind::OpenSkin:
        break;
    }
    calls_.append({OpenSkin, {}, question.title, question.folder});
    return next(openSkinAnswers_);
}

void ScriptedDialogs::error(const QString &text)
{
    calls_.append({Error, text, {}, {}});
}

void ScriptedDialogs::message(const QString &text)
{
    calls_.append({Message, text, {}, {}});
}

bool ScriptedDialogs::confirm(const QString &text)
{
    calls_.append({Confirm, text, {}, {}});
    return next(confirmAnswers_);
}

bool ScriptedDialogs::yesNo(const QString &title, const QString &text)
{
    calls_.append({YesNo, text, title, {}});
    return next(yesNoAnswers_).value_or(false);
}

std::optional<bool> ScriptedDialogs::yesNoCancel(const QString &title, const QString &text)
{
    calls_.append({YesNo, text, title, {}});
    return yesNoAnswers_.isEmpty() ? false : yesNoAnswers_.dequeue();
}

QString ScriptedDialogs::chooseItem(const QString &title, const QString &text, const QStringList &)
{
    calls_.append({ChooseItem, text, title, {}});
    return next(chooseItemAnswers_);
}

QString ScriptedDialogs::chooseFile(FileChoice, const QString &proposed)
{
    calls_.append({ChooseFile, {}, {}, proposed});
    return next(chooseFileAnswers_);
}
