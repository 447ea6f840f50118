#pragma once

#include <QString>
#include <QStringList>

// Folders made one level at a time, each remembered, so that work that fails can take
// back exactly the folders it made and no folder that was there before.
class MadeFolders {
public:
    // Makes the folder and every missing folder above it; false when one cannot be made
    // (a file stands in the way, no permission).
    bool make(const QString &path);
    // Removes the folders made, deepest first; each must be empty by then.
    void removeAll();

private:
    QStringList made_;
};
