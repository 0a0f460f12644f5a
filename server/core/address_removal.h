#pragma once
// ExcluirEndereco(code, letter): deletes one secondary address of a customer. The normal address ("P")
// goes only with its customer, so it is refused here.

#include "platform/data/variant.h"
#include "platform/db/connection.h"

namespace vq::server {

// ["S", ""] when the row went; ["N", "Endereço não encontrado."] when there was none; a text (and nothing
// deleted) for a letter other than "C", "E", "X" or "T".
Variant deleteSecondaryAddress(db::Connection& conn, const Variant& code, const Variant& letter);

} // namespace vq::server
