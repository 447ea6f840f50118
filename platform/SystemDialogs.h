#pragma once

#include "platform/Platform.h"

#include <QCoreApplication>

// Turns a file filter of the Windows form "Text|pattern;pattern|Text|pattern", the form
// skins and their tools are used to, into Qt's "Text (pattern pattern);;Text (pattern)".
QString qtFilter(const QString &windowsFilter);

// The real dialogs: the platform's file dialogs and message boxes in the user's language,
// each modal to the window that is active when it opens.
class SystemDialogs : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(SystemDialogs)

public:
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
};
