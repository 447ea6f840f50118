#pragma once

#include <QByteArray>
#include <QString>

#include <limits>
#include <optional>

// A whole file's bytes, or nothing when it cannot be read (missing, a folder, no
// access) or is larger than `limit`.
std::optional<QByteArray> fileContents(const QString &path,
                                       qint64 limit = std::numeric_limits<qint64>::max());
