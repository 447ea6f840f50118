#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

// Judges a JSON value by a JSON schema, as far as a few keywords go: type, const, enum,
// required, properties, additionalProperties, items, minItems, maxItems, minimum,
// minLength and "$ref" to "#/definitions/...". A schema that uses any other keyword is
// itself a fault, so that a rule the judge cannot read never passes unread.
//
// Returns one line per fault, each beginning with the JSON pointer of the value ("/runs/0/
// results/2/level: ..."); empty when the value is valid.
QStringList schemaFaults(const QJsonValue &value, const QJsonObject &schema);
