#pragma once

#include <QString>

// Puts a bitmap the user chose where a skin looks for one it lacks or cannot read:
// under the name the skin gives, inside the skin's folder and nowhere else.
struct BitmapRepair {
    QString target; // the file the skin finds the bitmap in
    QString error;  // why nothing was written, for the error box; empty when it was
    bool ok() const { return error.isEmpty(); }
};

// Where the bitmap the skin names goes; an error when the name is no place in the
// folder (a complete path, "..", a link that leads out of it).
BitmapRepair repairTarget(const QString &name, const QString &skinFolder);

// Copies the chosen bitmap to that place, making the folders on the way. What stood
// there is replaced whole: a new file takes its name, so nothing is written into it.
// A chosen file that is no bitmap Velmor can load is refused; on any failure nothing
// is left behind.
BitmapRepair repairBitmap(const QString &chosen, const QString &name, const QString &skinFolder);
