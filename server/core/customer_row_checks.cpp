#include "server/core/customer_row_checks.h"

#include <string>

namespace vq::server {

namespace {

struct DuplicateText {
    std::string_view table, text;
};

constexpr DuplicateText kDuplicates[] = {
    {"BANCOPREF", "O cliente já tem conta preferencial neste banco ou nesta conta; nada foi gravado."},
    {"PRECOBASECLI", "O cliente já tem este preço base; nada foi gravado."},
    {"SOCIOCLIE", "O cliente já tem um sócio com esta inscrição ou sequência; nada foi gravado."},
};

bool noRow(db::Connection& conn, std::string_view sql, std::string_view customer, std::string_view key) {
    return conn
        .query(sql, db::Params{{"P_CDCLIENTE", Variant(std::string(customer))},
                               {"P_CHAVE", Variant(std::string(key))}})
        .empty();
}

} // namespace

bool priceTableFree(db::Connection& conn, std::string_view customer, std::string_view table) {
    return noRow(conn, "SELECT 1 FROM PRECOBASECLI WHERE CDCLIENTE = :P_CDCLIENTE AND CDPRECOBASE = :P_CHAVE",
                 customer, table);
}

bool partnerFree(db::Connection& conn, std::string_view customer, std::string_view number) {
    return noRow(conn, "SELECT 1 FROM SOCIOCLIE WHERE CDCLIENTE = :P_CDCLIENTE AND NRINSSOCCLIE = :P_CHAVE",
                 customer, number);
}

std::string_view duplicateRowMessage(std::string_view table) {
    for (const DuplicateText& d : kDuplicates)
        if (d.table == table)
            return d.text;
    return {};
}

} // namespace vq::server
