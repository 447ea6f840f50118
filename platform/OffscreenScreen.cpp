#include "platform/OffscreenScreen.h"

#include <QByteArray>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileInfo>

#include <windows.h>
#endif

void useOffscreenScreen()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // On Windows the offscreen platform knows no system fonts: it reads the folder
    // that QT_QPA_FONTDIR names, and without it every letter on a page is a box. The
    // program brings the DejaVu fonts that Linux draws pages with, in fonts\ beside it.
    if (qEnvironmentVariableIsSet("QT_QPA_FONTDIR"))
        return;
    wchar_t program[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    const QString folder = QFileInfo(QString::fromWCharArray(program, int(length))).path();
    const QString fonts = QDir::toNativeSeparators(folder + QStringLiteral("/fonts"));
    _wputenv_s(L"QT_QPA_FONTDIR", reinterpret_cast<const wchar_t *>(fonts.utf16()));
#endif
}
