#include "app/JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>

QString jsonText(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString jsonText(std::string_view utf8)
{
    return utf8.empty() ? QStringLiteral("null")
                        : jsonText(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

QString jsonNumber(int number)
{
    return number > 0 ? QString::number(number) : QStringLiteral("null");
}
