#pragma once

#include "ini/FileBytes.h"

#include <QByteArray>
#include <QString>

#include <system_error>

// The one rule for every file the program makes: it is written whole or not at all,
// never through a symbolic link, and only ever replaces a plain file. What a write
// meets that it may not touch is refused with a reason in words.
//
// The skin the user opened and the settings are the exception for links: they are
// saved where they lie, through the link the user opened them by (IniText).

// The rules of a file the program makes: never through a link, over an existing plain
// file only with `mayReplace`.
ReplaceRules newFileRules(bool mayReplace);

// Writes the bytes to `path`; an existing plain file there is replaced only with
// `mayReplace`. Empty when written, else what went wrong, naming the file.
QString writeNewFile(const QString &path, const QByteArray &bytes, bool mayReplace);

// What a write by the rules would refuse at `path`, asked before any work is done, or
// empty: a link, what is no plain file, an existing file, a folder not there to hold it.
QString refusedTarget(const QString &path, ReplaceRules rules);

// That the file could not be saved, then why, in the user's words.
QString writeFailureText(const QString &path, std::error_code error);
