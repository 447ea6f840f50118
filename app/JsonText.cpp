#include "app/JsonText.h"

#include "platform/FileNames.h"

#include <QJsonArray>
#include <QJsonDocument>

QString jsonText(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString jsonText(std::string_view bytes)
{
    return bytes.empty() ? QStringLiteral("null") : jsonText(fileNameFromBytes(bytes));
}

QString jsonNumber(int number)
{
    return number > 0 ? QString::number(number) : QStringLiteral("null");
}
