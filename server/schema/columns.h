#pragma once
// Internal: short constructors for the column tables of the subject files, and the subjects themselves.

#include "server/schema/schema.h"

namespace vq::schema::detail {

constexpr Column str(std::string_view name, int size, unsigned flags = 0) {
    return {name, ColumnType::String, size, flags};
}
constexpr Column integer(std::string_view name, unsigned flags = 0) {
    return {name, ColumnType::Integer, 0, flags};
}
constexpr Column smallint(std::string_view name, unsigned flags = 0) {
    return {name, ColumnType::SmallInt, 0, flags};
}
constexpr Column flt(std::string_view name, unsigned flags = 0) {
    return {name, ColumnType::Float, 0, flags};
}
constexpr Column dtm(std::string_view name, unsigned flags = 0) {
    return {name, ColumnType::DateTime, 0, flags};
}
constexpr Column blob(std::string_view name, unsigned flags = 0) {
    return {name, ColumnType::Blob, 0, flags};
}
constexpr Column boolean(std::string_view name, unsigned flags = 0) {
    return {name, ColumnType::Boolean, 0, flags};
}

// The tables and indexes of one subject.
struct Subject {
    std::span<const Table> tables;
    std::span<const Index> indexes;
};

Subject customerSubject();       // CLIENTE
Subject customerDetailSubject(); // addresses, contacts, observations, terms, banks, prices, partners...
Subject geographySubject();      // PAIS, ESTADO, MUNICIPIO, BAIRRO
Subject commercialSubject();     // salespeople, segments, activity branches, carriers, employees...
Subject financialSubject();      // banks, accounts, indexes, payment forms, price tables, messages
Subject fiscalSubject();         // companies, registrations, invoice series, fiscal parameters
Subject prospectSubject();       // prospects and what moves to the customer on conversion
Subject importSubject();         // import layouts
Subject auditSubject();          // HISTCLIENTE, the field-level history
Subject systemSubject();         // SCHEMA_VERSION

} // namespace vq::schema::detail
