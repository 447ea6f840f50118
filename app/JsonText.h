#pragma once

#include <QString>

#include <string_view>

// JSON written by hand, so that the keys keep the order people read them in;
// QJsonDocument still quotes each text.

QString jsonText(const QString &text);
// An empty text is null.
QString jsonText(std::string_view utf8);
// A number of 0 or less (no line, no element) is null.
QString jsonNumber(int number);
