#pragma once

#include <QString>

#include <functional>

// Brings a bitmap into a skin's folder, the way a save keeps a skin whole: a file that
// is there already with the same bytes is left alone; one of that name with other bytes
// is replaced only when `replace` says so, else the copy goes under the first free name
// "name_2.bmp", "name_3.bmp", ... Each file is written whole or not at all.
struct BitmapCopy {
    enum class Outcome { InPlace, Copied, SourceMissing, Failed };

    Outcome outcome = Outcome::InPlace;
    QString fileName; // the name in the folder the skin should use
    QString target;   // the file written, or that could not be
    QString failure;  // why it could not be, with Outcome::Failed
};

using AskReplace = std::function<bool(const QString &fileName)>;

BitmapCopy copyBitmapInto(const QString &source, const QString &folder, const QString &fileName,
                          const AskReplace &replace);
