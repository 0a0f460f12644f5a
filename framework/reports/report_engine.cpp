#include "framework/reports/report_engine.h"

#include "framework/reports/report_renderer.h"
#include "framework/reports/report_seams.h"
#include "platform/data/client_data_set.h"
#include "platform/data/error.h"
#include "platform/db/connection.h"
#include "platform/db/dialect.h"
#include "platform/db/sql_text.h"

#include <QPdfWriter>
#include <memory>

namespace vq::reports {
namespace {

QueryRunner& defaultRunner() {
    static QueryRunner runner;
    return runner;
}

} // namespace

void setDefaultQueryRunner(QueryRunner runner) {
    defaultRunner() = std::move(runner);
}

QueryRunner connectionRunner(db::Connection& connection) {
    return [&connection](const ReportDefinition& definition, const db::Params& params) {
        const std::string_view key = db::dialectKeyName(db::dialectKeyOf(connection.dialect()));
        std::string_view sql = definition.sql;
        for (const auto& [name, text] : definition.sqlVariants)
            if (db::equalsNoCase(name, key))
                sql = text;
        return connection.queryReadOnly(sql, params).toPacket();
    };
}

int writePdf(const ReportDocument& doc, const std::string& path) {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setTitle(QString::fromStdString(doc.definition.title));
    writer.setCreator(QStringLiteral("VQ"));
    writer.setResolution(300);
    const ReportRenderer renderer(doc);
    renderer.setUpDevice(writer);
    try {
        return renderer.render(writer);
    } catch (const Error&) {
        throw Error("Não foi possível gravar o arquivo " + path + ".");
    }
}

const ReportDefinition& ReportEngine::Definition() const {
    if (!definition_)
        throw Error("Nenhum relatório definido.");
    return *definition_;
}

ReportDefinition& ReportEngine::Definition() {
    if (!definition_)
        throw Error("Nenhum relatório definido.");
    return *definition_;
}

ReportDocument ReportEngine::Prepare() {
    const ReportDefinition& definition = Definition();
    ReportParams params(declaredParams(definition));
    if (OnBeforeGetQueryParams)
        OnBeforeGetQueryParams(params);
    if (data_)
        return takeSnapshot(definition, *data_, nowText());
    if (definition.sql.empty())
        throw Error("O relatório " + definition.code + " não tem consulta nem dados.");
    const QueryRunner& runner = runner_ ? runner_ : defaultRunner();
    if (!runner)
        throw Error("Não há conexão com o banco de dados para o relatório " + definition.code + ".");
    ClientDataSet rows("qryRelatorio");
    rows.loadPacket(runner(definition, params.values()));
    return takeSnapshot(definition, rows, nowText());
}

bool ReportEngine::Print() {
    return seams::print()(Prepare());
}

void ReportEngine::Preview() {
    seams::preview()(Prepare());
}

bool ReportEngine::SaveAs() {
    const auto path = seams::saveFileName()(Definition().code + ".pdf");
    if (!path || path->empty())
        return false;
    SaveAsPdf(*path);
    return true;
}

int ReportEngine::SaveAsPdf(const std::string& path) {
    return writePdf(Prepare(), path);
}

} // namespace vq::reports
