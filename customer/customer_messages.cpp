#include "customer/customer_messages.h"

namespace vq::customer {
namespace {

// clang-format off
constexpr MessageText kMsgPadrao[] = {
    // Coded fields shown as words: the texts equal their keys.
    {"Física", "Física"},
    {"Jurídica", "Jurídica"},
    {"Insc. Jurídica", "Insc. Jurídica"},
    {"Outros", "Outros"},
    {"Ativo", "Ativo"},
    {"Inativo", "Inativo"},
    // Tabs and record change.
    {"HINT_EXCLUIR_ENDE", "Excluir %s"},
    {"HINT_EXCLUIR_ENDE_PADR", "Excluir Endereço"},
    // Addresses and their geography.
    {"Pais_inf", "País deve ser informado."},
    {"Pais_cad", "País não cadastrado."},
    {"Estado_inf", "Estado deve ser informado."},
    {"Estado_cad", "Estado não cadastrado."},
    {"Municipio_Inf", "Munícipio deve ser informado."},
    {"Municipio_cad", "Município não cadastrado."},
    {"end_inf", "Endereço deve ser informado."},
    {"comp_inf", "Complemento deve ser informado."},
    {"cep_inf", "CEP deve ser informado."},
    {"ENDECLIE_VAZIO", "Não existe %s cadastrado para este cliente."},
    {"Excl_EndeClie", "Confirma exclusão do %s?"},
    {"EXCLUINDO_ENDECLIE", "Excluindo %s..."},
    // Record commands.
    {"inf_obs", "Observação deve ser informada."},
    {"Imp_prosp", "Deseja importar dados do cadastro de prospect ?"},
    {"Prosp", "Prospect"},
    {"Prosp_ne", "Não há prospect cadastrado."},
    // Prospect conversion.
    {"imp_PropClie", "Os dados do cliente serão substituídos pelos dados do prospect. Deseja continuar?"},
    {"Atual_Oper", "Atualizando dados..."},
    // Payment form, terms and collection fields.
    {"SomaPerc", "Soma do(s) percentual(is) do(s) prazo(s) de pagamento deve totalizar 100%."},
    {"Prazo_inf", "Prazo (dias) de pagamento deve ser informado."},
    {"Prazo_menor", "Prazo (dias) deve ser maior que zero."},
    {"Prazo_JCAD", "Prazo já cadastrado."},
    {"Perc_inf", "Percentual deve ser informado."},
    {"Perc_maior", "Percentual deve ser maior que zero."},
    {"Percent_inv", "Percentual deve estar entre 1 e 100%."},
    {"Prazo_vazio", "Pelo menos um prazo de pagamento deve ser informado."},
    {"FormPgto_inf", "Forma de pagamento deve ser informada."},
    {"FormPgto_cad", "Forma de pagamento não cadastrada."},
    {"VrMulta_Menor", "Percentual multa deve ser maior ou igual a zero."},
    {"VrMulta_Maior", "Percentual multa deve ser menor que 100%."},
    {"VrMora_Menor", "Percentual de mora diário deve ser maior ou igual a zero."},
    {"VrMora_Maior", "Percentual de mora diário deve ser menor que 100%."},
    {"TipContRec_cad", "Tipo de conta a receber não cadastrada."},
    {"TipBaixaRec_cad", "Tipo de baixa a receber não cadastrada."},
    {"ModPgto_Nc", "Modalidade de pagamento não cadastrada."},
    {"MesReaj_Inf", "Mês de reajuste deve ser informado."},
    {"NRDIAS_180", "Número de dias deve ser menor ou igual a 180"},
    {"DtVenc_inv", "Data de validade não pode superar 180 dias."},
    // Preferred banks.
    {"N_codigo", "Não há código cadastrado."},
    {"Red_deve", "Código reduzido deve ser informado."},
    {"Red_n_cad", "Código reduzido não cadastrado."},
    {"Red_ja_cad", "Código reduzido já cadastrado."},
    {"cd_deve", "Código do banco deve ser informado."},
    {"INST_N_CAD", "Instrução de cobrança não cadastrada."},
    {"CONTA", "Conta Corrente"},
    {"Agencia", "Agência"},
    {"Agencia_Empty", "Não há agência cadastrada."},
    {"CCorrente", "Conta Corrente"},
    {"CCorrente_Empty", "Não há conta corrente cadastrada."},
    {"Inst_Cobr", "Instrução de Cobrança"},
    {"INST_PESQ", "Não há instrução de cobrança cadastrada para o banco informado."},
    // Base price tables.
    {"TbPrec_Inf", "Código de Preço Base deve ser informado."},
    {"TbPrec_cad", "Preço base não cadastrado."},
    {"PrecBase_cad", "Preço base já cadastrado."},
    {"PrecoBase", "Preço Base"},
    {"N_PRECO_CAD", "Não há preço base cadastrado."},
    {"S", "Sim"},
    {"N", "Não"},
    // Financial situation and partners.
    {"1Vr_emp", "Valor capital deve ser maior ou igual a zero."},
    {"2Vr_emp", "Valor deve ser maior ou igual a zero."},
    {"3Vr_emp", "Valor deve ser maior ou igual a zero."},
    {"NmSoc_inf", "Razão Social deve ser informada."},
    {"CdSoc_inf", "Inscrição deve ser informada."},
    {"Nao_VerP", "Não verifica pendência financeira do cliente"},
    {"VerP_N_Liber", "Verifica pend. fin./não libera aprovação"},
    {"VerP_S_Liber", "Verifica pend. fin./senha para aprovação"},
    {"Nao_VerS", "Não verifica situação financeira do cliente"},
    {"VerS_N_Liber", "Verifica sit. fin./não libera aprovação"},
    {"VerS_S_Liber", "Verifica sit. fin./senha para aprovação"},
    // Identity and the checks before a customer is posted.
    {"Insc_inf", "Inscrição deve ser informada."},
    {"Insc_cad", "Cliente já cadastrado."},
    {"Raz_emp", "Razão social deve ser informada."},
    {"Fant_inf", "Nome fantasia deve ser informado."},
    {"INSC_CLI_CAD", "Inscrição já cadastrada."},
    {"Insc_Ja_Cad", "Inscrição já cadastrada. Confirma operação?"},
    {"TipoClie", "Tipo de Cliente deve ser informado."},
    {"CdExt_ja_cad", "Código Externo já Cadastrado para outro Cliente."},
    {"cdatendi_cad", "Código de atendimento já cadastrado."},
    {"DATA_INV", "não é uma data válida."},
    {"Dt_Menor", "Dt.Nascimento/fundação deve ser menor que a data cliente desde."},
    {"Dt_Maior", "Dt.Nascimento/fundação deve ser menor do que a data atual."},
    {"CLIDES_INF", "O campo cliente desde deve ser informado."},
    {"SegMer_inf", "Segmento de mercado deve ser informado."},
    {"PROSDES_INF", "O campo prospect desde deve ser informado."},
    {"RETENCAO_N", "Retenção não cadastrada."},
    // Commercial classification.
    {"Vend_Inf", "Vendedor deve ser informado."},
    {"Vend_NCad", "Vendedor não cadastrado."},
    {"SegMer_cad", "Segmento de mercado não cadastrado."},
    {"ATIV_CAD", "Ramo de atividade não cadastrado."},
    {"QUALIF_CAD", "Qualificação não cadastrada."},
    {"Grup_cad", "Grupo de Clientes não cadastrado."},
    {"Regiao_Nc", "Região não cadastrada."},
    {"Fili_Nc", "Filial não cadastrada."},
    {"TRAN_NULO", "Transportadora deve ser informada."},
    {"TRANSP_NAO_CAD", "Transportadora não cadastrada."},
    {"CDTIPTRANS_NULO", "Tipo de transporte deve ser informado."},
    {"TT_NAO_CAD", "Tipo de transporte não cadastrado."},
    {"Idioma_N_Cad", "Idioma não cadastrado."},
    {"Indice", "Moeda não cadastrada."},
    {"Indice_cad", "Índice financeiro não cadastrado."},
    {"prod_inv", "Produto não Cadastrado."},
    {"sigla_cad", "Sigla para arquivos específicos já cadastrada."},
    {"sigla_Maior", "Sigla deve conter 3 dígitos."},
    {"FRETE_CIF", "0 - Contratação do Frete por Conta do Remetente (CIF)"},
    {"FRETE_FOB", "1 - Contratação do Frete por Conta do Destinatário (FOB)"},
    {"FRETE_TERCEIROS", "2 - Contratação do Frete por Conta de Terceiros"},
    {"FRETE_REMETENTE", "3 - Transporte Próprio por Conta do Remetente"},
    {"FRETE_DESTINATARIO", "4 - Transporte Próprio por Conta do Destinatário"},
    {"SEM_FRETE", "9 - Sem Ocorrência de Transporte"},
    // Contacts, correspondence and observations.
    {"CodInter_inf", "Código deve ser informado."},
    {"CodInter_inv", "Interlocutor já cadastrado."},
    {"NmInterloc_inf", "Nome deve ser informado."},
    {"Nivel_Infor", "Nível deve ser informado."},
    {"CodInterloc_nao_inf", "Cargo não cadastrado."},
    {"Func_inf", "Funcionario deve ser informado."},
    {"Func_n_cad", "Funcionário não cadastrado."},
    {"Tipo_inf", "Tipo de correspondência deve ser informado."},
    {"Tipo_cad", "Tipo de correspondência não cadastrado."},
    {"Tipo_Exist", "Tipo de correspondência já cadastrado."},
    {"Tipo_NotExis", "Não há tipo de correspondência cadastrado."},
    {"Tipo", "Tipo de Correspondência"},
    {"Oper_Cad", "Operador não cadastrado."},
    {"OPERADOR", "Operador"},
    {"data_deve", "Data deve ser informada."},
    {"Corres_Inter_Ins", "Grave o interlocutor antes de informar a correspondência."},
    {"Proprietário", "Proprietário"},
    {"Presidente", "Presidente"},
    {"Diretor", "Diretor"},
    {"Superintendente", "Superintendente"},
    {"Gerente", "Gerente"},
    {"Coordenador", "Coordenador"},
    {"Supervisor", "Supervisor"},
    {"Funcionário", "Funcionário"},
    {"Colaborador Vorlane", "Colaborador Vorlane"},
    {"Comercial", "Comercial"},
    {"Residencial", "Residencial"},
};

constexpr MessageText kMsgPadrao02[] = {
    {"TP_PADRAO", "Padrão"},
    {"TP_LISTA", "Lista"},
    // Identity.
    {"CNAE_FISCAL_DEVE", "CNAE fiscal deve ser informado."},
    {"CNAE_FISCAL_N_CAD", "CNAE fiscal não cadastrado."},
    {"Empresa_cad", "Empresa não cadastrada."},
    {"InscEstad_cad", "Inscrição Estadual não cadastrada."},
    {"InscMuni_cad", "Inscrição Municipal não cadastrada."},
    {"VendAdicClie_Inf", "Grupo de vendedores adicionais deve ser informado."},
    // Commercial classification.
    {"CentCust_Nc", "Centro de custo não cadastrado"},
    {"Mesma_Raiz", "Empresa com a mesma raiz de CNPJ já cadastrada: %s."},
    {"Mesma_Raiz_Mais", "%s e mais %s"},
};
// clang-format on

} // namespace

std::span<const MessageText> msgPadraoTexts() {
    return kMsgPadrao;
}

std::span<const MessageText> msgPadrao02Texts() {
    return kMsgPadrao02;
}

} // namespace vq::customer
