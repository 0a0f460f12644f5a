#include "framework/reports/report_engine.h"

#include "framework/reports/report_output.h"
#include "framework/reports/report_seams.h"
#include "framework/services/showavi.h"
#include "platform/data/client_data_set.h"
#include "platform/data/error.h"
#include "platform/db/connection.h"
#include "platform/db/dialect.h"
#include "platform/db/sql_text.h"

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
    return writePdf(doc, path, PageProgress{}).value_or(0);
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
    // Parameters, query and snapshot of a long listing take a while: the search indicator shows meanwhile.
    const Showavi::Scope busy(nullptr, Showavi::kSearching);
    ReportParams params(declaredParams(definition));
    if (OnBeforeGetQueryParams)
        OnBeforeGetQueryParams(params);
    lastParams_ = params;
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

ReportRun& lastRun() {
    static ReportRun run;
    return run;
}

void ReportEngine::record(std::string action, const ReportDocument& doc, int pages, std::string file) const {
    ReportRun& run = lastRun();
    run.action = std::move(action);
    run.code = doc.definition.code;
    run.title = doc.definition.title;
    run.rows = doc.rows.size();
    run.pages = pages;
    run.file = std::move(file);
    run.declared = declaredParams(doc.definition);
    run.params = lastParams_.values();
}

bool ReportEngine::Print() {
    const ReportDocument doc = Prepare();
    record("print", doc);
    return seams::print()(doc);
}

void ReportEngine::Preview() {
    const ReportDocument doc = Prepare();
    record("preview", doc);
    seams::preview()(doc);
}

bool ReportEngine::SaveAs() {
    const auto path = seams::saveFileName()(Definition().code + ".pdf");
    if (!path || path->empty())
        return false;
    return SaveAsPdf(*path) > 0;
}

int ReportEngine::SaveAsPdf(const std::string& path) {
    const ReportDocument doc = Prepare();
    const auto pages = writePdf(doc, path, seams::pageProgress()(doc.definition.title));
    if (pages)
        record("pdf", doc, *pages, path);
    return pages.value_or(0);
}

} // namespace vq::reports
