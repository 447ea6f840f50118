#pragma once

#include <QString>

#include <string_view>

// JSON written by hand, so that the keys keep the order people read them in;
// QJsonDocument still quotes each text.

// A byte of a file name that is no UTF-8 is written as "\udc80" to "\udcff", the form
// in which scripting languages (Python's "surrogateescape") hand such a name back to the
// system.
QString jsonText(const QString &text);
// UTF-8, or a file name's bytes. An empty text is null.
QString jsonText(std::string_view bytes);
// A number of 0 or less (no line, no element) is null.
QString jsonNumber(int number);
