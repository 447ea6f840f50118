#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

// Every question the program puts to the user goes through here, so that tests can
// answer in place of the user.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual QString openSkin() = 0;                               // "" when cancelled
    virtual QString saveSkinAs(const QString &initialFolder) = 0; // "" when cancelled
    virtual QString openPicture() = 0;                            // "" when cancelled
    virtual void error(const QString &text) = 0;                  // error box, title "Velmor", OK
    virtual void message(const QString &text) = 0;                // message box with OK
    virtual bool confirm(const QString &text) = 0; // confirmation box with OK; true on OK
    virtual bool yesNo(const QString &title, const QString &text) = 0; // true on Yes
    // The question before work could be lost: Yes, No, or nothing for "Abbrechen".
    virtual std::optional<bool> yesNoCancel(const QString &title, const QString &text)
    {
        return yesNo(title, text);
    }
    // A skin or bitmap file for what the title names, the dialog starting in `folder`
    // (where the last file dialog was when it is ""); "" when cancelled. A double that
    // answers only the three questions above answers this one through them.
    enum class FileKind { OpenSkin, SaveSkin, OpenPicture };
    struct FileQuestion {
        FileKind kind;
        QString title;
        QString folder;
    };
    virtual QString askForFile(const FileQuestion &question)
    {
        switch (question.kind) {
        case FileKind::SaveSkin:
            return saveSkinAs(question.folder);
        case FileKind::OpenPicture:
            return openPicture();
        case FileKind::OpenSkin:
            break;
        }
        return openSkin();
    }
    // A file or folder for skin packages, starting at `proposed`; "" when cancelled.
    enum class FileChoice { OpenPackage, SavePackage, UnpackFolder };
    virtual QString chooseFile(FileChoice choice, const QString &proposed)
    {
        (void)choice, (void)proposed;
        return {};
    }
    // One of the items, or "" when cancelled.
    virtual QString chooseItem(const QString &title, const QString &text, const QStringList &items)
    {
        (void)title, (void)text, (void)items;
        return {};
    }
};

struct Platform {
    std::shared_ptr<Dialogs> dialogs;
    std::function<void(const QUrl &)> openUrl; // hands a download URL to the browser
    QUrl server1, server2;                     // update servers' base URLs
    static Platform system();                  // the real dialogs, browser and servers
};
