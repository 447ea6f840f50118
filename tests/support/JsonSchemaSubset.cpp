#include "tests/support/JsonSchemaSubset.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>

namespace {

// Words that say nothing about the value.
const QStringList annotations{"$schema",     "$id",         "$comment", "title",
                              "description", "definitions", "default"};
const QStringList keywords{"type",       "const",     "enum",     "required",
                           "properties", "items",     "minItems", "maxItems",
                           "minimum",    "minLength", "$ref",     "additionalProperties"};

QString escaped(const QString &key)
{
    return QString(key).replace('~', "~0").replace('/', "~1");
}

bool hasType(const QJsonValue &value, const QString &type)
{
    if (type == "object")
        return value.isObject();
    if (type == "array")
        return value.isArray();
    if (type == "string")
        return value.isString();
    if (type == "boolean")
        return value.isBool();
    if (type == "null")
        return value.isNull();
    if (type == "number")
        return value.isDouble();
    if (type == "integer")
        return value.isDouble() && std::isfinite(value.toDouble()) &&
               std::floor(value.toDouble()) == value.toDouble();
    return false;
}

class Judge {
public:
    explicit Judge(const QJsonObject &root) : root_(root) {}

    QStringList faults;

    void judge(const QJsonValue &value, const QJsonObject &schema, const QString &at)
    {
        for (auto word = schema.begin(); word != schema.end(); ++word) {
            if (!keywords.contains(word.key()) && !annotations.contains(word.key()))
                fault(at, "the schema's keyword " + word.key() + " is not understood");
        }
        if (schema.contains("$ref"))
            judgeReference(value, schema.value("$ref").toString(), at);
        if (schema.contains("type") && !typeFits(value, schema.value("type"))) {
            fault(at, "is not of the type " +
                          QString::fromUtf8(QJsonDocument(QJsonArray{schema.value("type")})
                                                .toJson(QJsonDocument::Compact)));
            return;
        }
        if (schema.contains("const") && value != schema.value("const"))
            fault(at, "is not the one value allowed");
        if (schema.contains("enum") && !schema.value("enum").toArray().contains(value))
            fault(at, "is none of the values allowed");
        if (value.isObject())
            judgeObject(value.toObject(), schema, at);
        if (value.isArray())
            judgeArray(value.toArray(), schema, at);
        if (value.isDouble() && schema.contains("minimum") &&
            value.toDouble() < schema.value("minimum").toDouble())
            fault(at, "is below " + QString::number(schema.value("minimum").toDouble()));
        if (value.isString() && schema.contains("minLength") &&
            value.toString().toUcs4().size() < schema.value("minLength").toInt())
            fault(at, "is shorter than " + QString::number(schema.value("minLength").toInt()));
    }

private:
    void fault(const QString &at, const QString &what)
    {
        faults << (at.isEmpty() ? QStringLiteral("/") : at) + ": " + what;
    }

    static bool typeFits(const QJsonValue &value, const QJsonValue &type)
    {
        if (type.isString())
            return hasType(value, type.toString());
        const QJsonArray types = type.toArray();
        return std::any_of(types.begin(), types.end(), [&value](const QJsonValue &one) {
            return hasType(value, one.toString());
        });
    }

    void judgeReference(const QJsonValue &value, const QString &reference, const QString &at)
    {
        const QString prefix = QStringLiteral("#/definitions/");
        const QJsonValue target =
            root_.value("definitions").toObject().value(reference.mid(prefix.size()));
        if (!reference.startsWith(prefix) || !target.isObject()) {
            fault(at, "the schema's reference " + reference + " leads nowhere");
            return;
        }
        judge(value, target.toObject(), at);
    }

    void judgeObject(const QJsonObject &object, const QJsonObject &schema, const QString &at)
    {
        for (const QJsonValue &key : schema.value("required").toArray()) {
            if (!object.contains(key.toString()))
                fault(at, "lacks " + key.toString());
        }
        const QJsonObject properties = schema.value("properties").toObject();
        const QJsonValue others = schema.value("additionalProperties");
        for (auto member = object.begin(); member != object.end(); ++member) {
            const QString inner = at + '/' + escaped(member.key());
            if (properties.contains(member.key()))
                judge(member.value(), properties.value(member.key()).toObject(), inner);
            else if (others.isObject())
                judge(member.value(), others.toObject(), inner);
            else if (others == QJsonValue(false))
                fault(inner, "is not allowed here");
        }
    }

    void judgeArray(const QJsonArray &array, const QJsonObject &schema, const QString &at)
    {
        if (schema.contains("minItems") && array.size() < schema.value("minItems").toInt())
            fault(at,
                  "has fewer than " + QString::number(schema.value("minItems").toInt()) + " items");
        if (schema.contains("maxItems") && array.size() > schema.value("maxItems").toInt())
            fault(at,
                  "has more than " + QString::number(schema.value("maxItems").toInt()) + " items");
        if (!schema.contains("items"))
            return;
        const QJsonObject items = schema.value("items").toObject();
        for (qsizetype i = 0; i < array.size(); ++i)
            judge(array.at(i), items, at + '/' + QString::number(i));
    }

    QJsonObject root_;
};

} // namespace

QStringList schemaFaults(const QJsonValue &value, const QJsonObject &schema)
{
    Judge judge(schema);
    judge.judge(value, schema, {});
    return judge.faults;
}
