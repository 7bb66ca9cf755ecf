#include "core/project/ProjectJson.h"

#include "core/project/TextCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace zelvan {
namespace ProjectJson {

namespace {

void appendJsonString(std::string &out, const std::string &gbkText)
{
    const std::string utf8 = gbkToUtf8(gbkText);
    out.push_back('"');
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
    }
    out.push_back('"');
}

class Importer {
public:
    // `where` names the value in a refusal; it is built only when needed,
    // since a full project has some twenty thousand cells.
    template<typename Where>
    bool text(const QJsonValue &value, std::string &out, const Where &where)
    {
        if (value.isUndefined() || value.isNull()) {
            out.clear();
            return true;
        }
        if (!value.isString())
            return fail(QStringLiteral("%1 is not a text").arg(describe(where)));
        // A lone surrogate is no character at all; refuse it rather than
        // let the conversion turn it into "?".
        const QString string = value.toString();
        for (qsizetype i = 0; i < string.size(); ++i) {
            const QChar c = string.at(i);
            if (c.isHighSurrogate() && i + 1 < string.size() && string.at(i + 1).isLowSurrogate())
                ++i;
            else if (c.isSurrogate())
                return fail(QStringLiteral("%1 holds a character that GBK cannot hold").arg(describe(where)));
        }
        const QByteArray utf8 = string.toUtf8();
        if (!utf8ToGbkStrict(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), out))
            return fail(QStringLiteral("%1 holds a character that GBK cannot hold").arg(describe(where)));
        return true;
    }

    static QString describe(const QString &where) { return where; }
    static QString describe(const char *where) { return QString::fromLatin1(where); }
    template<typename F>
    static QString describe(const F &where) { return where(); }

    bool object(const QJsonValue &value, QJsonObject &out, const QString &where)
    {
        if (value.isUndefined()) {
            out = QJsonObject();
            return true;
        }
        if (!value.isObject())
            return fail(QStringLiteral("%1 is not an object").arg(where));
        out = value.toObject();
        return true;
    }

    bool fail(const QString &message)
    {
        error = message;
        return false;
    }

    QString error;
};

} // namespace

std::string toJson(const ProjectRecord &record, const CompanyInfo &company)
{
    std::string out;
    out.reserve(1 << 16);
    out += "{\n  \"company\": {\"name\": ";
    appendJsonString(out, company.name);
    out += ", \"licence\": ";
    appendJsonString(out, company.licence);
    out += "},\n  \"fields\": {";
    for (int n = 1; n <= kSingleFieldCount; ++n) {
        out += n == 1 ? "\n    \"" : ",\n    \"";
        out += std::to_string(n);
        out += "\": ";
        appendJsonString(out, record.fieldByNumber(n));
    }
    out += "\n  },\n  \"process_card\": {";
    for (int p = 1; p <= kProcessFieldCount; ++p) {
        out += p == 1 ? "\n    \"P" : ",\n    \"P";
        out += std::to_string(p);
        out += "\": ";
        appendJsonString(out, record.process(static_cast<ProcessField>(p)));
    }
    out += ",\n    \"S\": [";
    for (int s = 0; s < kStandardsSelectionSize; ++s) {
        if (s)
            out += ", ";
        appendJsonString(out, record.standard(s));
    }
    out += "]\n  },\n  \"tables\": {";
    bool firstTable = true;
    for (const TableSpec &spec : allTableSpecs()) {
        const Table &table = record.table(spec.id);
        out += firstTable ? "\n    \"" : ",\n    \"";
        firstTable = false;
        out += spec.jsonKey;
        out += "\": {\"count\": ";
        appendJsonString(out, table.countText());
        out += ", \"rows\": [";
        const int n = table.rowCount();
        for (int r = 0; r < n; ++r) {
            out += r == 0 ? "\n      [" : ",\n      [";
            for (int c = 0; c < table.columns(); ++c) {
                if (c)
                    out += ", ";
                appendJsonString(out, table.cell(r, c));
            }
            out += "]";
        }
        out += n > 0 ? "\n    ]}" : "]}";
    }
    out += "\n  }\n}\n";
    return out;
}

bool fromJson(const QByteArray &json, ProjectRecord &record, CompanyInfo &company, QString &error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("malformed JSON at offset %1: %2").arg(parseError.offset).arg(parseError.errorString());
        return false;
    }
    if (!document.isObject()) {
        error = QStringLiteral("malformed JSON: the top level is not an object");
        return false;
    }
    const QJsonObject root = document.object();
    Importer in;
    ProjectRecord fresh;
    CompanyInfo freshCompany;
    auto refuse = [&]() {
        error = in.error;
        return false;
    };

    QJsonObject companyObject, fields, processCard, tables;
    if (!in.object(root.value("company"), companyObject, "company")
        || !in.object(root.value("fields"), fields, "fields")
        || !in.object(root.value("process_card"), processCard, "process_card")
        || !in.object(root.value("tables"), tables, "tables"))
        return refuse();

    if (!in.text(companyObject.value("name"), freshCompany.name, "company.name")
        || !in.text(companyObject.value("licence"), freshCompany.licence, "company.licence"))
        return refuse();

    for (auto it = fields.begin(); it != fields.end(); ++it) {
        bool isNumber = false;
        const int n = it.key().toInt(&isNumber);
        if (!isNumber || n < 1 || n > kSingleFieldCount || QString::number(n) != it.key())
            return in.fail(QStringLiteral("fields.%1 is not a field (1 to 63; field 64 is tables.shell_courses.count)").arg(it.key())), refuse();
        std::string text;
        if (!in.text(it.value(), text, QStringLiteral("fields.%1").arg(it.key())))
            return refuse();
        fresh.setFieldByNumber(n, std::move(text));
    }

    for (int p = 1; p <= kProcessFieldCount; ++p) {
        const QString key = QStringLiteral("P%1").arg(p);
        if (!in.text(processCard.value(key), fresh.process(static_cast<ProcessField>(p)), "process_card." + key))
            return refuse();
    }
    const QJsonValue standards = processCard.value("S");
    if (!standards.isUndefined()) {
        if (!standards.isArray() || standards.toArray().size() > kStandardsSelectionSize)
            return in.fail(QStringLiteral("process_card.S must be a list of at most %1 texts").arg(kStandardsSelectionSize)), refuse();
        const QJsonArray list = standards.toArray();
        for (qsizetype s = 0; s < list.size(); ++s) {
            std::string text;
            if (!in.text(list.at(s), text, QStringLiteral("process_card.S[%1]").arg(s)))
                return refuse();
            fresh.setStandard(static_cast<int>(s), std::move(text));
        }
    }

    for (const TableSpec &spec : allTableSpecs()) {
        const QString key = QString::fromLatin1(spec.jsonKey);
        QJsonObject tableObject;
        if (!in.object(tables.value(key), tableObject, "tables." + key))
            return refuse();
        Table &table = fresh.table(spec.id);
        std::string count;
        if (!in.text(tableObject.value("count"), count, "tables." + key + ".count"))
            return refuse();
        const int announced = std::max(0, leadingInt(count));
        if (announced > spec.capacity) {
            // Named as written: a count too large for an integer is still
            // the number the file gives, not the largest integer.
            std::string digits = count.substr(count.find_first_not_of(" \t"));
            digits = digits.substr(0, std::min(digits.find_first_not_of("+0123456789"), size_t(40)));
            return in.fail(QStringLiteral("tables.%1.count announces %2 rows; the table holds %3")
                               .arg(key, QString::fromLatin1(digits))
                               .arg(spec.capacity)),
                   refuse();
        }
        const QJsonValue rowsValue = tableObject.value("rows");
        QJsonArray rows;
        if (!rowsValue.isUndefined()) {
            if (!rowsValue.isArray())
                return in.fail(QStringLiteral("tables.%1.rows is not a list").arg(key)), refuse();
            rows = rowsValue.toArray();
        }
        if (rows.size() > spec.capacity)
            return in.fail(QStringLiteral("tables.%1 has %2 rows; the table holds %3").arg(key).arg(rows.size()).arg(spec.capacity)), refuse();
        if (rows.size() != announced)
            return in.fail(QStringLiteral("tables.%1 has %2 rows but its count announces %3").arg(key).arg(rows.size()).arg(announced)), refuse();
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QJsonValue row = rows.at(r);
            if (!row.isArray() || row.toArray().size() != spec.columns)
                return in.fail(QStringLiteral("tables.%1.rows[%2] must be a list of %3 texts").arg(key).arg(r).arg(spec.columns)), refuse();
            const QJsonArray cells = row.toArray();
            for (int c = 0; c < spec.columns; ++c) {
                std::string text;
                if (!in.text(cells.at(c), text, [&] { return QStringLiteral("tables.%1.rows[%2][%3]").arg(key).arg(r).arg(c); }))
                    return refuse();
                table.setCell(static_cast<int>(r), c, std::move(text));
            }
        }
        table.setCountText(std::move(count));
    }

    record = std::move(fresh);
    company = std::move(freshCompany);
    return true;
}

} // namespace ProjectJson
} // namespace zelvan
