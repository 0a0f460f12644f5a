#include "framework/reports/report_definition.h"

#include "platform/data/error.h"
#include "platform/db/sql_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>
#include <mutex>

namespace vq::reports {
namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string str(const QJsonValue& v) {
    return v.toString().toStdString();
}

struct AlignName {
    Align align;
    const char* name;
};
constexpr AlignName kAligns[] = {{Align::Left, "left"}, {Align::Center, "center"}, {Align::Right, "right"}};

const char* alignName(Align a) {
    for (const auto& n : kAligns)
        if (n.align == a)
            return n.name;
    return "left";
}

Align parseAlign(const QString& s) {
    if (s.isEmpty())
        return Align::Left;
    for (const auto& n : kAligns)
        if (s.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.align;
    throw Error("Alinhamento de coluna inválido no relatório: " + s.toStdString() + ".");
}

struct Registry {
    std::mutex mutex;
    std::vector<ReportDefinition> reports;
};
Registry& registry() {
    static Registry r;
    return r;
}

std::string& directoryOverride() {
    static std::string dir;
    return dir;
}

QString fileFor(std::string_view code, const std::string& directory) {
    return QDir(qs(directory)).filePath(qs(code) + QStringLiteral(".json"));
}

} // namespace

std::vector<std::string> declaredParams(const ReportDefinition& definition) {
    if (definition.params.empty())
        return db::parameterNames(definition.sql);
    std::vector<std::string> names;
    for (const auto& p : definition.params)
        names.push_back(db::upperAscii(p));
    return names;
}

std::string toJson(const ReportDefinition& d) {
    QJsonObject o;
    o["code"] = qs(d.code);
    o["title"] = qs(d.title);
    o["sql"] = qs(d.sql);
    QJsonObject variants;
    for (const auto& [key, text] : d.sqlVariants)
        variants[qs(key)] = qs(text);
    o["sqlVariants"] = variants;
    QJsonArray params;
    for (const auto& p : d.params)
        params.append(qs(p));
    o["params"] = params;
    QJsonArray columns;
    for (const auto& c : d.columns)
        columns.append(QJsonObject{{"field", qs(c.field)},
                                   {"title", qs(c.title)},
                                   {"width", c.width},
                                   {"align", QLatin1String(alignName(c.align))},
                                   {"format", qs(c.format)},
                                   {"wrap", c.wrap}});
    o["columns"] = columns;
    QJsonArray groups;
    for (const auto& g : d.groups)
        groups.append(
            QJsonObject{{"field", qs(g.field)}, {"title", qs(g.title)}, {"footerCount", g.footerCount}});
    o["groups"] = groups;
    o["landscape"] = d.landscape;
    o["summaryCount"] = d.summaryCount;
    return QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString();
}

ReportDefinition fromJson(std::string_view json) {
    QJsonParseError err{};
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        throw Error("Definição de relatório inválida: " + err.errorString().toStdString() + ".");
    const QJsonObject o = doc.object();
    ReportDefinition d;
    d.code = str(o["code"]);
    d.title = str(o["title"]);
    d.sql = str(o["sql"]);
    const QJsonObject variants = o["sqlVariants"].toObject();
    for (auto it = variants.begin(); it != variants.end(); ++it)
        d.sqlVariants[it.key().toStdString()] = str(it.value());
    for (const auto& p : o["params"].toArray())
        d.params.push_back(str(p));
    for (const auto& v : o["columns"].toArray()) {
        const QJsonObject c = v.toObject();
        ReportColumn col;
        col.field = str(c["field"]);
        if (col.field.empty())
            throw Error("Definição de relatório inválida: coluna sem campo.");
        col.title = str(c["title"]);
        col.width = c["width"].toDouble(30);
        if (!(col.width > 0))
            throw Error("Definição de relatório inválida: largura da coluna " + col.field + ".");
        col.align = parseAlign(c["align"].toString());
        col.format = str(c["format"]);
        col.wrap = c["wrap"].toBool(false);
        d.columns.push_back(std::move(col));
    }
    if (d.columns.empty())
        throw Error("Definição de relatório inválida: nenhuma coluna.");
    for (const auto& v : o["groups"].toArray()) {
        const QJsonObject g = v.toObject();
        d.groups.push_back({str(g["field"]), str(g["title"]), g["footerCount"].toBool(true)});
    }
    d.landscape = o["landscape"].toBool(false);
    d.summaryCount = o["summaryCount"].toBool(true);
    return d;
}

void registerReport(ReportDefinition definition) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto same = [&](const ReportDefinition& d) { return db::equalsNoCase(d.code, definition.code); };
    r.reports.erase(std::remove_if(r.reports.begin(), r.reports.end(), same), r.reports.end());
    r.reports.push_back(std::move(definition));
}

std::optional<ReportDefinition> builtInReport(std::string_view code) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    for (const auto& d : r.reports)
        if (db::equalsNoCase(d.code, code))
            return d;
    return std::nullopt;
}

std::string reportDirectory() {
    if (!directoryOverride().empty())
        return directoryOverride();
    if (const char* env = std::getenv("VQ_REPORT_DIR"); env && *env)
        return env;
    return (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/reports"))
        .toStdString();
}

void setReportDirectory(std::string directory) {
    directoryOverride() = std::move(directory);
}

std::optional<ReportDefinition> findReport(std::string_view code, const std::string& directory) {
    QFile file(fileFor(code, directory));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        ReportDefinition d =
            fromJson(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (d.code.empty())
            d.code = std::string(code);
        return d;
    }
    return builtInReport(code);
}

void saveReport(const ReportDefinition& definition, const std::string& directory) {
    if (!QDir().mkpath(qs(directory)))
        throw Error("Não foi possível criar o diretório de relatórios " + directory + ".");
    QSaveFile file(fileFor(definition.code, directory));
    const std::string json = toJson(definition);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(json.data(), static_cast<qint64>(json.size())) != static_cast<qint64>(json.size()) ||
        !file.commit())
        throw Error("Não foi possível gravar o relatório " + definition.code + " em " + directory + ".");
}

std::vector<std::pair<std::string, std::string>> savedTitles(const std::string& directory) {
    std::vector<std::pair<std::string, std::string>> titles;
    const QDir dir(qs(directory));
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
        titles.emplace_back(str(o["title"]), QFileInfo(name).completeBaseName().toStdString());
    }
    return titles;
}

} // namespace vq::reports
