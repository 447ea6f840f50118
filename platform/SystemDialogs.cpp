#include "platform/SystemDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString skinSuffix = QStringLiteral("lkv");
const QString applicationTitle = QStringLiteral("Velmor");

struct FileSetup {
    QString title;
    QString filter; // Windows form
    QString defaultSuffix;
    QString folder; // empty: wherever the last file dialog was
    bool save = false;
};

// The platform's own dialog is used where there is one: on Windows it speaks the
// user's language and previews bitmaps. The labels only matter for Qt's fallback
// dialog, which would otherwise show English ones.
QString runFileDialog(const FileSetup &setup)
{
    QFileDialog dialog(QApplication::activeWindow(), setup.title, setup.folder,
                       qtFilter(setup.filter));
    dialog.setAcceptMode(setup.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(setup.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The user picked the name to save under; replacing that file needs no second question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, setup.save);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    dialog.setLabelText(QFileDialog::LookIn,
                        QCoreApplication::translate("SystemDialogs", "Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName,
                        QCoreApplication::translate("SystemDialogs", "Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType,
                        QCoreApplication::translate("SystemDialogs", "Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept,
                        setup.save ? QCoreApplication::translate("SystemDialogs", "Speichern")
                                   : QCoreApplication::translate("SystemDialogs", "Öffnen"));
    dialog.setLabelText(QFileDialog::Reject,
                        QCoreApplication::translate("SystemDialogs", "Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

// The file filters in their Windows form; only the descriptions are the user's language.
QString skinFilter()
{
    return QCoreApplication::translate("SystemDialogs", "Lakova (*.lkv)") +
           QStringLiteral("|*.lkv");
}

QString pictureFilter()
{
    return QCoreApplication::translate("SystemDialogs", "Bitmap (*.bmp)") +
           QStringLiteral("|*.bmp");
}

// A box for the active window whose text is never read as markup: file names and
// server texts end up in these boxes.
class Box : public QMessageBox {
public:
    Box(Icon icon, const QString &title, const QString &text)
        : QMessageBox(icon, title, text, QMessageBox::NoButton, QApplication::activeWindow())
    {
        setTextFormat(Qt::PlainText);
    }
};

// True when the box was closed with the accepting button. Escape and the title bar's
// close button count as the other one, or as the only one.
bool askInBox(QMessageBox::Icon icon, const QString &title, const QString &text,
              const QString &acceptText, const QString &rejectText = {})
{
    Box box(icon, title, text);
    QPushButton *accept = box.addButton(acceptText, QMessageBox::AcceptRole);
    QPushButton *reject =
        rejectText.isEmpty() ? accept : box.addButton(rejectText, QMessageBox::RejectRole);
    box.setDefaultButton(accept);
    box.setEscapeButton(reject);
    box.exec();
    return box.clickedButton() == accept;
}

} // namespace

QString qtFilter(const QString &windowsFilter)
{
    if (windowsFilter.isEmpty())
        return {};
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString text = parts.at(i).trimmed();
        QStringList patterns;
        if (i + 1 < parts.size()) {
            for (const QString &pattern : parts.at(i + 1).split(QLatin1Char(';')))
                if (!pattern.trimmed().isEmpty())
                    patterns.append(pattern.trimmed());
        }
        // Without patterns Qt would take the text itself for one.
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        const QString bracketed =
            QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        // Qt reads the patterns from the text's last brackets, so a text that already
        // shows them is complete.
        filters.append(text.endsWith(bracketed) ? text
                                                : (text + QLatin1Char(' ') + bracketed).trimmed());
    }
    return filters.join(QStringLiteral(";;"));
}

QString SystemDialogs::openSkin()
{
    return askForFile({FileKind::OpenSkin, tr("Skin öffnen"), {}});
}

QString SystemDialogs::saveSkinAs(const QString &initialFolder)
{
    return askForFile({FileKind::SaveSkin, tr("Skin speichern unter"), initialFolder});
}

QString SystemDialogs::openPicture()
{
    return askForFile({FileKind::OpenPicture, tr("Bitmap wählen"), {}});
}

QString SystemDialogs::askForFile(const FileQuestion &question)
{
    switch (question.kind) {
    case FileKind::SaveSkin:
        return runFileDialog({question.title, skinFilter(), skinSuffix, question.folder, true});
    case FileKind::OpenPicture:
        return runFileDialog({question.title, pictureFilter(), {}, question.folder, false});
    case FileKind::OpenSkin:
        break;
    }
    return runFileDialog({question.title, skinFilter(), skinSuffix, question.folder, false});
}

void SystemDialogs::error(const QString &text)
{
    askInBox(QMessageBox::Critical, applicationTitle, text, tr("OK"));
}

void SystemDialogs::message(const QString &text)
{
    askInBox(QMessageBox::NoIcon, applicationTitle, text, tr("OK"));
}

bool SystemDialogs::confirm(const QString &text)
{
    return askInBox(QMessageBox::Question, tr("Bestätigung"), text, tr("OK"), tr("Abbrechen"));
}

QString SystemDialogs::chooseItem(const QString &title, const QString &text,
                                  const QStringList &items)
{
    bool ok = false;
    const QString item =
        QInputDialog::getItem(QApplication::activeWindow(), title, text, items, 0, false, &ok);
    return ok ? item : QString();
}

QString SystemDialogs::chooseFile(FileChoice choice, const QString &proposed)
{
    QWidget *parent = QApplication::activeWindow();
    const QString packages = tr("Skin-Paket (*.zip)");
    switch (choice) {
    case FileChoice::OpenPackage:
        return QFileDialog::getOpenFileName(parent, tr("Skin-Paket öffnen"), proposed, packages);
    case FileChoice::SavePackage:
        return QFileDialog::getSaveFileName(parent, tr("Als ZIP weitergeben"), proposed, packages);
    case FileChoice::UnpackFolder:
        break;
    }
    // The folder is new: its name is typed like a file's, and the package made into it.
    return QFileDialog::getSaveFileName(parent, tr("Skin-Paket entpacken in Ordner"), proposed,
                                        QString(), nullptr, QFileDialog::ShowDirsOnly);
}

bool SystemDialogs::yesNo(const QString &title, const QString &text)
{
    return askInBox(QMessageBox::Question, title, text, tr("&Ja"), tr("&Nein"));
}

// Escape and the title bar's close button are "Abbrechen": one keystroke must never
// throw work away.
std::optional<bool> SystemDialogs::yesNoCancel(const QString &title, const QString &text)
{
    Box box(QMessageBox::Question, title, text);
    QPushButton *yes = box.addButton(tr("&Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(tr("&Nein"), QMessageBox::NoRole);
    QPushButton *cancel = box.addButton(tr("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return true;
    if (box.clickedButton() == no)
        return false;
    return std::nullopt;
}
