#include "server/seed/fixed_tables.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace vq::seed {

namespace {

using S = std::string_view;

constexpr S kVendedor[] = {
    "0001", "Carlos Eduardo Mendes", "0002", "Fernanda Oliveira Costa", "0003", "Ricardo Almeida Santos",
    "0004", "Juliana Ferreira Lima", "0005", "Marcos Vinícius Rocha",   "0006", "Patrícia Gomes Ribeiro",
    "0007", "André Luiz Carvalho",   "0008", "Luciana Martins Souza",   "0009", "Paulo Henrique Barbosa",
    "0010", "Aline Cristina Dias",   "0011", "Roberto Nunes Pereira",   "0012", "Tatiane Moreira Alves",
};
constexpr S kSegMercado[] = {
    "00001",    "Indústria", "00002",       "Atacado",  "00003",         "Varejo",     "00004",
    "Serviços", "00005",     "Agronegócio", "00006",    "Setor Público", "00007",      "Construção Civil",
    "00008",    "Saúde",     "00009",       "Educação", "00010",         "Tecnologia",
};
// CDATIVCLI, CDARVATIVCLI (tree code), CDNVATIVCLI (level), DSATIVCLI
constexpr S kAtivCliente[] = {
    "0000000001", "01",        "1", "Comércio",
    "0000000002", "01.01",     "2", "Comércio de Alimentos",
    "0000000003", "01.02",     "2", "Comércio de Vestuário",
    "0000000004", "01.03",     "2", "Comércio de Materiais de Construção",
    "0000000005", "01.04",     "2", "Comércio de Medicamentos",
    "0000000006", "02",        "1", "Indústria",
    "0000000007", "02.01",     "2", "Indústria Metalúrgica",
    "0000000008", "02.02",     "2", "Indústria Alimentícia",
    "0000000009", "02.03",     "2", "Indústria Têxtil",
    "0000000010", "02.04",     "2", "Indústria Química",
    "0000000011", "03",        "1", "Serviços",
    "0000000012", "03.01",     "2", "Transporte e Logística",
    "0000000013", "03.02",     "2", "Serviços de Saúde",
    "0000000014", "03.03",     "2", "Tecnologia da Informação",
    "0000000015", "03.04",     "2", "Hotelaria e Alimentação",
    "0000000016", "04",        "1", "Agropecuária",
    "0000000017", "04.01",     "2", "Cultivo de Grãos",
    "0000000018", "04.02",     "2", "Pecuária",
    "0000000019", "01.01.001", "3", "Supermercados",
    "0000000020", "01.01.002", "3", "Padarias e Confeitarias",
    "0000000021", "01.03.001", "3", "Depósitos de Materiais de Construção",
    "0000000022", "03.01.001", "3", "Transporte Rodoviário de Cargas",
};
constexpr S kQualificacao[] = {"01", "Cliente Ouro", "02", "Cliente Prata",   "03", "Cliente Bronze",
                               "04", "Cliente Novo", "05", "Cliente Inativo", "06", "Cliente Especial"};
constexpr S kModoDivulg[] = {"00001", "Indicação de Cliente",
                             "00002", "Internet",
                             "00003", "Feira Comercial",
                             "00004", "Anúncio em Revista",
                             "00005", "Redes Sociais",
                             "00006", "Visita do Vendedor",
                             "00007", "Televisão"};
constexpr S kGrupClie[] = {"0000000001", "Rede de Supermercados", "0000000002", "Grandes Contas",
                           "0000000003", "Distribuidores",        "0000000004", "Revendas",
                           "0000000005", "Órgãos Públicos",       "0000000006", "Pessoas Físicas"};
constexpr S kRegiaoPed[] = {"001",          "Norte", "002",     "Nordeste", "003",
                            "Centro-Oeste", "004",   "Sudeste", "005",      "Sul"};
constexpr S kFilial[] = {"0001", "Matriz São Paulo", "01", "0002", "Filial Curitiba",   "01",
                         "0003", "Filial Recife",    "01", "0004", "Fábrica Joinville", "02"};
constexpr S kTipoTransp[] = {"0001", "Rodoviário",  "0002", "Aéreo",
                             "0003", "Ferroviário", "0004", "Aquaviário"};
// IDTPIJURTRAN, NRINSJURTRAN, NMFANTTRAN, CDTIPTRANS
constexpr S kTransport[] = {
    "J", "cnpj:102030400001", "Transportadora Rápido Sul", "0001",
    "J", "cnpj:203040500001", "Expresso Bandeirantes",     "0001",
    "J", "cnpj:304050600001", "Logística Litoral Norte",   "0001",
    "J", "cnpj:405060700001", "Aerocargas Brasil",         "0002",
    "J", "cnpj:506070800001", "Ferrovias Centro-Oeste",    "0003",
    "J", "cnpj:607080900001", "Navegação Rio Doce",        "0004",
};
constexpr S kIdioma[] = {"POR", "Português", "ENG", "Inglês", "SPA", "Espanhol", "FRA", "Francês"};
constexpr S kCentCust[] = {"1.01",      "Administração", "1.02",     "Vendas", "1.03",
                           "Logística", "2.01",          "Produção", "2.02",   "Manutenção"};
// CDPRODUTO, NMPRODUTO, CDARVPROD
constexpr S kProduto[] = {
    "0000000001",
    "Cimento CP II 50 kg",
    "1.01.001",
    "0000000002",
    "Vergalhão CA-50 10 mm",
    "1.01.002",
    "0000000003",
    "Tinta Acrílica Branca 18 L",
    "1.02.001",
    "0000000004",
    "Tubo PVC 100 mm",
    "1.02.002",
    "0000000005",
    "Chapa de Aço 2 mm",
    "2.01.001",
    "0000000006",
    "Parafuso Sextavado M10",
    "2.01.002",
};
constexpr S kCargoInter[] = {"00001", "Gerente de Compras",
                             "00002", "Diretor Financeiro",
                             "00003", "Comprador",
                             "00004", "Contador",
                             "00005", "Proprietário",
                             "00006", "Assistente Administrativo",
                             "00007", "Supervisor de Logística"};
constexpr S kFuncionario[] = {"0000000001", "01", "Beatriz Andrade",   "0000000002", "01", "Gustavo Pacheco",
                              "0000000003", "01", "Helena Figueiredo", "0000000004", "02", "Otávio Brandão",
                              "0000000005", "02", "Sônia Magalhães"};
constexpr S kTipoCorr[] = {"001", "Mala Direta",           "002", "Boletos",
                           "003", "Notas Fiscais",         "004", "Informativos",
                           "005", "Convites para Eventos", "006", "Tabela de Preços"};
constexpr S kOperador[] = {"OPER01", "Maria Silva", "OPER02", "João Pereira",
                           "OPER03", "Ana Souza",   "ADMIN",  "Administrador do Sistema"};
// Accounts of the demo company at the big banks (CDREDUCONT, CDBANCO, CDAGENCIA, CDCONTCORR, DSCONTCORR,
// CDEMPRESA)
constexpr S kContCorr[] = {
    "001",
    "001",
    "12340",
    "123456",
    "Banco do Brasil - Movimento",
    "01",
    "002",
    "237",
    "23451",
    "987654",
    "Bradesco - Cobrança",
    "01",
    "003",
    "341",
    "34562",
    "456789",
    "Itaú - Cobrança",
    "01",
    "004",
    "104",
    "45673",
    "112233",
    "Caixa - Movimento",
    "01",
    "005",
    "033",
    "56784",
    "445566",
    "Santander - Cobrança",
    "02",
};
// CDBANCO, CDAGENCIA, NMAGENCIA
constexpr S kAgencia[] = {
    "001", "12340", "Agência Centro",     "001", "12359", "Agência Paulista",
    "237", "23451", "Agência Sé",         "237", "23460", "Agência Batel",
    "341", "34562", "Agência Boa Viagem", "341", "34571", "Agência Savassi",
    "104", "45673", "Agência Praça XV",   "033", "56784", "Agência Moinhos",
};
constexpr S kInstCobr[] = {
    "001", "01", "Protestar após 5 dias úteis do vencimento",
    "001", "02", "Não protestar",
    "237", "01", "Protestar após 5 dias úteis do vencimento",
    "237", "03", "Cobrar juros de mora de 1% ao mês",
    "341", "02", "Não protestar",
    "341", "04", "Conceder desconto até o vencimento",
    "104", "01", "Protestar após 5 dias úteis do vencimento",
    "033", "03", "Cobrar juros de mora de 1% ao mês",
};
// CDINDICE, SGINDICE, NMINDICE, CDTPINDICE, IDPERVALOR
constexpr S kIndice[] = {"0001", "R$",   "Real", "1", "2", "0002", "US$",  "Dólar Comercial", "1", "2",
                         "0003", "EUR",  "Euro", "1", "2", "0004", "IGPM", "IGP-M",           "2", "1",
                         "0005", "IPCA", "IPCA", "2", "1"};
// CDCONTCTBL, NMCONTCTBL, CDNVCONTCTBL, IDTIPOCONT
constexpr S kContCtbl[] = {"1",
                           "Ativo",
                           "1",
                           "S",
                           "1.1",
                           "Ativo Circulante",
                           "2",
                           "S",
                           "1.1.2",
                           "Créditos",
                           "3",
                           "S",
                           "1.1.2.01",
                           "Clientes",
                           "4",
                           "S",
                           "1.1.2.01.001",
                           "Clientes Nacionais",
                           "5",
                           "A",
                           "1.1.2.01.002",
                           "Clientes do Exterior",
                           "5",
                           "A",
                           "1.1.2.01.003",
                           "Clientes Órgãos Públicos",
                           "5",
                           "A"};
constexpr S kFormPgto[] = {"01", "Boleto Bancário",
                           "02", "Cartão de Crédito",
                           "03", "Depósito em Conta",
                           "04", "Cheque",
                           "05", "PIX",
                           "06", "Dinheiro"};
constexpr S kModPgto[] = {"00001",      "À vista", "00002",         "30 dias", "00003",
                          "30/60 dias", "00004",   "30/60/90 dias", "00005",   "Antecipado"};
constexpr S kTpCtReceb[] = {"000001", "Duplicata Mercantil", "000002", "Duplicata de Serviço",
                            "000003", "Cheque Pré-datado",   "000004", "Cartão de Crédito"};
constexpr S kTpBaixaRec[] = {"01", "Pagamento Integral", "02", "Pagamento Parcial",
                             "03", "Cancelamento",       "04", "Devolução de Mercadoria"};
constexpr S kTpAjuCtRec[] = {"0001", "Juros", "0002", "Desconto Concedido",
                             "0003", "Multa", "0004", "Abatimento"};
constexpr S kPrecoBase[] = {"01", "Tabela Padrão", "02", "Atacado",   "03", "Varejo",
                            "04", "Distribuidor",  "05", "Exportação"};
constexpr S kMensagem[] = {
    "001",
    "Documento emitido por ME ou EPP optante pelo Simples Nacional.",
    "A",
    "002",
    "Não gera direito a crédito fiscal de IPI.",
    "A",
    "003",
    "Mercadoria destinada a uso e consumo do destinatário.",
    "A",
    "004",
    "Pedido do cliente informado no campo xPed.",
    "A",
    "005",
    "Mensagem desativada.",
    "I",
};
// NRSEQUENCIAL, CDRETECF, DSRETECF, IDORGPUB, IDIRPJ, IDCSLL
constexpr S kRetEcf[] = {
    "1", "1708", "Remuneração de serviços profissionais prestados por pessoa jurídica",
    "N", "S",    "N",
    "2", "5952", "Retenção de CSLL, Cofins e PIS/Pasep sobre serviços prestados",
    "N", "N",    "S",
    "3", "6147", "Órgãos públicos: fornecimento de alimentos, energia e mercadorias",
    "S", "S",    "S",
    "4", "6190", "Órgãos públicos: prestação de serviços em geral",
    "S", "S",    "S",
    "5", "8739", "Órgãos públicos: combustíveis derivados de petróleo",
    "S", "S",    "S",
};
constexpr S kEmpresa[] = {"01", "Comercial Exemplo Ltda", "cnpj:114447770001",
                          "02", "Indústria Exemplo S.A.", "cnpj:457231740001"};
// CDEMPRESA, CDINSCESTA, NRINSJURIEST, NMREPRINSEST, SGESTADO, IDTPIJURIEST
constexpr S kInscrEstad[] = {"01", "SP01", "110042490114", "Matriz São Paulo",  "SP", "J",
                             "01", "PR01", "1234567850",   "Filial Curitiba",   "PR", "J",
                             "02", "SC01", "251040852",    "Fábrica Joinville", "SC", "J"};
constexpr S kInscrMunicip[] = {"01",   "SAOPAULO01", "SP01", "12345678",    "01",   "CURITIBA01",
                               "PR01", "87654321",   "02",   "JOINVILLE01", "SC01", "11223344"};
constexpr S kSerieNf[] = {"01", "SP01", "SAOPAULO01",  "00001", "Série 1 São Paulo",
                          "01", "SP01", "SAOPAULO01",  "00002", "Série 2 São Paulo",
                          "01", "PR01", "CURITIBA01",  "00001", "Série 1 Curitiba",
                          "02", "SC01", "JOINVILLE01", "00001", "Série 1 Joinville"};
constexpr S kParamFiscal[] = {"01", "S", "02", "S"};

constexpr FixedTable kTables[] = {
    {"VENDEDOR", "CDVENDEDOR,NMRAZSOCVEN", kVendedor},
    {"SEGMERCADO", "CDSEGMER,DSSEGMER", kSegMercado},
    {"ATIVCLIENTE", "CDATIVCLI,CDARVATIVCLI,CDNVATIVCLI,DSATIVCLI", kAtivCliente},
    {"QUALIFICACAO", "CDQUALIF,DSQUALIF", kQualificacao},
    {"MODODIVULG", "CDMODODIVULG,NMMODODIVULG", kModoDivulg},
    {"GRUPCLIE", "CDGRUPCLIE,NMGRUPCLIE", kGrupClie},
    {"REGIAOPED", "CDREGIAOPED,NMREGIAOPED", kRegiaoPed},
    {"FILIAL", "CDFILIAL,NMFILIAL,CDEMPRESA", kFilial},
    {"TIPOTRANSP", "CDTIPTRANS,NMTIPTRANS", kTipoTransp},
    {"TRANSPORT", "IDTPIJURTRAN,NRINSJURTRAN,NMFANTTRAN,CDTIPTRANS", kTransport},
    {"IDIOMA", "IDIDIOMA,DSIDIOMA", kIdioma},
    {"CENTCUST", "CDCENTCUST,NMCENTCUST", kCentCust},
    {"PRODUTO", "CDPRODUTO,NMPRODUTO,CDARVPROD", kProduto},
    {"CARGOINTER", "CDCARGOINTERLOC,NMCARGOINTERLOC", kCargoInter},
    {"FUNCIONARIO", "CDFUNC,CDEMPRESA,NMFUNC", kFuncionario},
    {"TIPOCORR", "CDTIPOCORR,NMTIPOCORR", kTipoCorr},
    {"OPERADOR", "CDOPERADOR,NMOPERADOR", kOperador},
    {"CONTCORR", "CDREDUCONT,CDBANCO,CDAGENCIA,CDCONTCORR,DSCONTCORR,CDEMPRESA", kContCorr},
    {"AGENCIA", "CDBANCO,CDAGENCIA,NMAGENCIA", kAgencia},
    {"INSTCOBR", "CDBANCO,CDINSTCOBR,NMINSTCOBR", kInstCobr},
    {"INDICE", "CDINDICE,SGINDICE,NMINDICE,CDTPINDICE,IDPERVALOR", kIndice},
    {"CONTCTBL", "CDCONTCTBL,NMCONTCTBL,CDNVCONTCTBL,IDTIPOCONT", kContCtbl},
    {"FORMPGTO", "CDFORMPGTO,NMFORMPGTO", kFormPgto},
    {"MODPGTO", "CDMODPGTO,DSMODPGTO", kModPgto},
    {"TPCTRECEB", "CDTPCTRECEB,DSTPCTRECEB", kTpCtReceb},
    {"TPBAIXAREC", "CDTPBAIXAREC,NMTPBAIXAREC", kTpBaixaRec},
    {"TPAJUCTREC", "CDAJUCTREC,DSAJUCTREC", kTpAjuCtRec},
    {"PRECOBASE", "CDPRECOBASE,DSPRECOBASE", kPrecoBase},
    {"MENSAGEM", "CDMENSAGEM,DSMENSAGEM,IDSITUACAOMENS", kMensagem},
    {"RETECF", "NRSEQUENCIAL,CDRETECF,DSRETECF,IDORGPUB,IDIRPJ,IDCSLL", kRetEcf},
    {"EMPRESA", "CDEMPRESA,NMEMPRESA,NRINSJUREMP", kEmpresa},
    {"INSCRESTAD", "CDEMPRESA,CDINSCESTA,NRINSJURIEST,NMREPRINSEST,SGESTADO,IDTPIJURIEST", kInscrEstad},
    {"INSCRMUNICIP", "CDEMPRESA,CDINSCMUNI,CDINSCESTA,NRINSCMUNIEMP", kInscrMunicip},
    {"SERIENF", "CDEMPRESA,CDINSCESTA,CDINSCMUNI,CDSERIE,DSSERIE", kSerieNf},
    {"PARAMFISCAL", "CDEMPRESA,IDUTENDMODFISC", kParamFiscal},
};

std::size_t columnCount(std::string_view columns) {
    std::size_t n = 1;
    for (char c : columns)
        n += c == ',' ? 1 : 0;
    return n;
}

} // namespace

std::span<const FixedTable> fixedTables() {
    return kTables;
}

std::vector<std::string_view> fixedColumn(std::string_view table, std::string_view column) {
    for (const auto& t : kTables) {
        if (t.table != table)
            continue;
        const std::size_t width = columnCount(t.columns);
        std::size_t index = 0, start = 0;
        for (;;) {
            const auto comma = t.columns.find(',', start);
            if (t.columns.substr(start, comma - start) == column)
                break;
            if (comma == std::string_view::npos)
                throw std::logic_error("no column " + std::string(column) + " in seed table " +
                                       std::string(table));
            start = comma + 1;
            ++index;
        }
        std::vector<std::string_view> out;
        for (std::size_t r = 0; r + width <= t.cells.size(); r += width)
            out.push_back(t.cells[r + index]);
        return out;
    }
    throw std::logic_error("no seed table " + std::string(table));
}

} // namespace vq::seed
