#include "app/model_json.h"

#include "app/model_fields.h"
#include "model/windows1251.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <cmath>
#include <utility>

namespace skarvion {

namespace {

// ---------------------------------------------------------------------------
// Export: an ordered tree (QJsonObject would sort the keys), then text.

struct Node {
    enum class Kind { Scalar, Array, Object } kind = Kind::Scalar;
    QString scalar; // JSON text of a scalar
    std::vector<Node> items;
    struct Member;
    std::vector<Member> members;

    static Node number(long long value);
    static Node string(const Text& text);
    static Node array();
    static Node object();
    void add(const QString& key, Node value);
};

// A named pair rather than std::pair, whose traits clang cannot instantiate
// while Node is still incomplete; the functions that build Nodes follow it.
struct Node::Member {
    QString key;
    Node value;
};

Node Node::number(long long value) {
    return {Kind::Scalar, QString::number(value), {}, {}};
}

Node Node::string(const Text& text) {
    const QByteArray quoted =
        QJsonDocument(QJsonArray{FromWindows1251(text)}).toJson(QJsonDocument::Compact);
    return {Kind::Scalar, QString::fromUtf8(quoted.mid(1, quoted.size() - 2)), {}, {}};
}

Node Node::array() {
    return {Kind::Array, {}, {}, {}};
}

Node Node::object() {
    return {Kind::Object, {}, {}, {}};
}

void Node::add(const QString& key, Node value) {
    members.push_back({key, std::move(value)});
}

template <class Record>
void addFields(Node& object, const Record& record, std::span<const FieldSpec<Record>> fields) {
    for (const auto& entry : fields) {
        std::visit(
            [&](auto member) {
                const auto& value = record.*member;
                using Value = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, Text>) {
                    object.add(entry.name, Node::string(value));
                } else if constexpr (std::is_integral_v<Value>) {
                    object.add(entry.name, Node::number(value));
                } else {
                    Node list = Node::array();
                    for (auto item : value) list.items.push_back(Node::number(item));
                    object.add(entry.name, std::move(list));
                }
            },
            entry.member);
    }
}

template <class Record, std::size_t N>
Node recordList(const std::array<Record, N>& records, std::span<const FieldSpec<Record>> fields) {
    Node list = Node::array();
    for (const Record& record : records) {
        Node object = Node::object();
        addFields(object, record, fields);
        list.items.push_back(std::move(object));
    }
    return list;
}

Node modelTree(const ConfigurationModel& model) {
    Node root = Node::object();
    root.add("format", Node::string(JsonFormatName));
    root.add("version", Node::number(JsonFormatVersion));
    addFields(root, model, TopFieldsBeforePhoneBook());
    root.add("PhoneBook", recordList(model.PhoneBook, PhoneEntryFields()));
    root.add("Inputs", recordList(model.Inputs, InputFields()));
    root.add("Outputs", recordList(model.Outputs, OutputFields()));
    addFields(root, model, TopFieldsAfterOutputs());
    Node info = Node::object();
    addFields(info, model.PrintInfo, PrintInfoFields());
    root.add("PrintInfo", std::move(info));
    return root;
}

bool allScalars(const std::vector<Node>& items) {
    for (const Node& item : items)
        if (item.kind != Node::Kind::Scalar) return false;
    return true;
}

void writeNode(const Node& node, QString& out, int indent) {
    const QString pad(indent, ' ');
    const QString inner(indent + 2, ' ');
    switch (node.kind) {
    case Node::Kind::Scalar: out += node.scalar; break;
    case Node::Kind::Array:
        if (allScalars(node.items)) {
            out += '[';
            for (std::size_t i = 0; i < node.items.size(); ++i)
                out += (i ? ", " : "") + node.items[i].scalar;
            out += ']';
            break;
        }
        out += "[\n";
        for (std::size_t i = 0; i < node.items.size(); ++i) {
            out += inner;
            writeNode(node.items[i], out, indent + 2);
            out += i + 1 < node.items.size() ? ",\n" : "\n";
        }
        out += pad + ']';
        break;
    case Node::Kind::Object:
        out += "{\n";
        for (std::size_t i = 0; i < node.members.size(); ++i) {
            out += inner + '"' + node.members[i].key + "\": ";
            writeNode(node.members[i].value, out, indent + 2);
            out += i + 1 < node.members.size() ? ",\n" : "\n";
        }
        out += pad + '}';
        break;
    }
}

void flatten(const Node& node, const QString& path, std::vector<FieldValue>& out) {
    switch (node.kind) {
    case Node::Kind::Scalar: out.push_back({path, node.scalar}); break;
    case Node::Kind::Array:
        for (std::size_t i = 0; i < node.items.size(); ++i)
            flatten(node.items[i], path + '[' + QString::number(i) + ']', out);
        break;
    case Node::Kind::Object:
        for (const auto& [key, value] : node.members)
            flatten(value, path.isEmpty() ? key : path + '.' + key, out);
        break;
    }
}

// ---------------------------------------------------------------------------
// Import.

QString describe(const QJsonValue& value) {
    if (value.isString()) return '"' + value.toString() + '"';
    if (value.isDouble()) return QString::number(value.toDouble(), 'g', 17);
    if (value.isBool()) return value.toBool() ? "true" : "false";
    if (value.isNull()) return "null";
    return value.isArray() ? "an array" : "an object";
}

std::optional<JsonError> readInteger(const QJsonValue& value, const QString& path, int min, int max,
                                     long long& out) {
    const double d = value.toDouble();
    if (!value.isDouble() || std::floor(d) != d)
        return JsonError{path, "expected an integer, found " + describe(value)};
    if (d < min || d > max)
        return JsonError{path, QString("%1 is outside %2..%3").arg(describe(value)).arg(min).arg(max)};
    out = static_cast<long long>(d);
    return std::nullopt;
}

bool followsRule(const Text& text, TextRule rule) {
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        switch (rule) {
        case TextRule::Any: break;
        case TextRule::Dtmf:
            if (!digit && !(c >= 'A' && c <= 'D') && !(c >= 'a' && c <= 'd') && c != '*' && c != '#')
                return false;
            break;
        case TextRule::PhoneDigits:
            if (!digit && c != '+' && c != '-') return false;
            break;
        }
    }
    return true;
}

std::optional<JsonError> readText(const QJsonValue& value, const QString& path, int maxBytes,
                                  TextRule rule, Text& out) {
    if (!value.isString()) return JsonError{path, "expected a string, found " + describe(value)};
    const auto bytes = ToWindows1251(value.toString());
    if (!bytes) return JsonError{path, "holds a character that Windows-1251 cannot represent"};
    if (static_cast<int>(bytes->size()) > maxBytes)
        return JsonError{path, QString("is longer than %1 characters").arg(maxBytes)};
    if (!followsRule(*bytes, rule)) {
        return JsonError{path, rule == TextRule::Dtmf
                                   ? "may hold only digits, A..D, * and #"
                                   : "may hold only digits, + and -"};
    }
    out = *bytes;
    return std::nullopt;
}

template <class Record>
std::optional<JsonError> readField(const QJsonValue& value, const QString& path,
                                   const FieldSpec<Record>& entry, Record& record) {
    return std::visit(
        [&](auto member) -> std::optional<JsonError> {
            auto& target = record.*member;
            using Value = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<Value, Text>) {
                return readText(value, path, entry.max, entry.rule, target);
            } else if constexpr (std::is_integral_v<Value>) {
                long long n = 0;
                if (auto error = readInteger(value, path, entry.min, entry.max, n)) return error;
                target = static_cast<Value>(n);
                return std::nullopt;
            } else {
                if (!value.isArray())
                    return JsonError{path, "expected an array, found " + describe(value)};
                const QJsonArray items = value.toArray();
                if (static_cast<std::size_t>(items.size()) > target.size())
                    return JsonError{path, QString("holds more than %1 entries").arg(target.size())};
                for (qsizetype i = 0; i < items.size(); ++i) {
                    long long n = 0;
                    const QString itemPath = path + '[' + QString::number(i) + ']';
                    if (auto error = readInteger(items[i], itemPath, entry.min, entry.max, n))
                        return error;
                    target[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n);
                }
                return std::nullopt;
            }
        },
        entry.member);
}

QString join(const QString& base, const QString& key) {
    return base.isEmpty() ? key : base + '.' + key;
}

// Reads every field the object names; `known` collects the keys understood.
template <class Record>
std::optional<JsonError> readFields(const QJsonObject& object, const QString& base,
                                    std::span<const FieldSpec<Record>> fields, Record& record,
                                    QSet<QString>& known) {
    for (const auto& entry : fields) {
        known.insert(entry.name);
        const auto it = object.find(entry.name);
        if (it == object.end()) continue;
        if (auto error = readField(*it, join(base, entry.name), entry, record)) return error;
    }
    return std::nullopt;
}

std::optional<JsonError> rejectUnknown(const QJsonObject& object, const QString& base,
                                       const QSet<QString>& known) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key())) return JsonError{join(base, it.key()), "unknown key"};
    }
    return std::nullopt;
}

template <class Record>
std::optional<JsonError> readRecord(const QJsonValue& value, const QString& path,
                                    std::span<const FieldSpec<Record>> fields, Record& record) {
    if (!value.isObject()) return JsonError{path, "expected an object, found " + describe(value)};
    const QJsonObject object = value.toObject();
    QSet<QString> known;
    if (auto error = readFields(object, path, fields, record, known)) return error;
    return rejectUnknown(object, path, known);
}

template <class Record, std::size_t N>
std::optional<JsonError> readRecordList(const QJsonObject& root, const QString& key,
                                        std::span<const FieldSpec<Record>> fields,
                                        std::array<Record, N>& records) {
    const auto it = root.find(key);
    if (it == root.end()) return std::nullopt;
    if (!it->isArray()) return JsonError{key, "expected an array, found " + describe(*it)};
    const QJsonArray items = it->toArray();
    if (static_cast<std::size_t>(items.size()) > N)
        return JsonError{key, QString("holds more than %1 entries").arg(N)};
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString path = key + '[' + QString::number(i) + ']';
        Record& record = records[static_cast<std::size_t>(i)];
        if (auto error = readRecord(items[i], path, fields, record)) return error;
    }
    return std::nullopt;
}

std::optional<JsonError> checkHeader(const QJsonObject& root) {
    if (root.contains("format") && root.value("format") != QJsonValue(JsonFormatName))
        return JsonError{"format", QString("must be \"%1\"").arg(JsonFormatName)};
    if (root.contains("version") && root.value("version") != QJsonValue(JsonFormatVersion))
        return JsonError{"version", QString("must be %1").arg(JsonFormatVersion)};
    return std::nullopt;
}

std::optional<JsonError> readModel(const QJsonObject& root, ConfigurationModel& model) {
    QSet<QString> known{"format", "version", "PhoneBook", "Inputs", "Outputs", "PrintInfo"};
    if (auto error = checkHeader(root)) return error;
    if (auto error = readFields(root, {}, TopFieldsBeforePhoneBook(), model, known)) return error;
    if (auto error = readRecordList(root, "PhoneBook", PhoneEntryFields(), model.PhoneBook))
        return error;
    if (auto error = readRecordList(root, "Inputs", InputFields(), model.Inputs)) return error;
    if (auto error = readRecordList(root, "Outputs", OutputFields(), model.Outputs)) return error;
    if (auto error = readFields(root, {}, TopFieldsAfterOutputs(), model, known)) return error;
    if (root.contains("PrintInfo")) {
        if (auto error = readRecord(root.value("PrintInfo"), "PrintInfo", PrintInfoFields(),
                                    model.PrintInfo))
            return error;
    }
    return rejectUnknown(root, {}, known);
}

} // namespace

QByteArray ModelToJson(const ConfigurationModel& model) {
    QString out;
    writeNode(modelTree(model), out, 0);
    out += '\n';
    return out.toUtf8();
}

std::optional<JsonError> ModelFromJson(const QByteArray& json, ConfigurationModel& model) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return JsonError{{}, QString("malformed JSON at offset %1: %2")
                                 .arg(parseError.offset)
                                 .arg(parseError.errorString())};
    }
    if (!document.isObject()) return JsonError{{}, "the document is not a JSON object"};

    ConfigurationModel next = model;
    const QJsonObject root = document.object();
    if (auto error = readModel(root, next)) return error;
    model = std::move(next);
    return std::nullopt;
}

std::vector<JsonError> ConsistencyWarnings(const ConfigurationModel& model) {
    std::vector<JsonError> warnings;
    for (int k = 1; k <= PhoneBookSize; ++k) {
        const PhoneEntry& entry = model.phone(k);
        if (entry.Empty && !entry.Number.empty()) {
            warnings.push_back({QString("PhoneBook[%1]").arg(k - 1),
                                "has a Number but Empty is 1, so the number is not stored"});
        }
    }
    if (model.TestEventCode.substr(0, 4) != model.AccountNumber) {
        warnings.push_back({"AccountNumber", "differs from the account in TestEventCode, which is "
                                             "the one the device stores"});
    }
    return warnings;
}

std::vector<FieldValue> FlattenModel(const ConfigurationModel& model) {
    std::vector<FieldValue> values;
    flatten(modelTree(model), {}, values);
    return values;
}

} // namespace skarvion
