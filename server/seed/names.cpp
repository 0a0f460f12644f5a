#include "server/seed/names.h"

namespace vq::seed::names {

namespace {

constexpr std::string_view kGiven[] = {
    "Ana",       "Maria",     "Juliana", "Fernanda", "Patrícia",  "Aline",    "Camila",   "Bruna",
    "Letícia",   "Beatriz",   "Larissa", "Gabriela", "Mariana",   "Luciana",  "Vanessa",  "Cláudia",
    "Renata",    "Simone",    "Débora",  "Adriana",  "Helena",    "Isabela",  "Lúcia",    "Tereza",
    "Sônia",     "Rosângela", "Raquel",  "Tatiane",  "Priscila",  "Eliane",   "José",     "João",
    "Antônio",   "Francisco", "Carlos",  "Paulo",    "Pedro",     "Lucas",    "Luiz",     "Marcos",
    "Gabriel",   "Rafael",    "Daniel",  "Marcelo",  "Bruno",     "Eduardo",  "Felipe",   "Rodrigo",
    "Fernando",  "Gustavo",   "Ricardo", "André",    "Thiago",    "Leonardo", "Sérgio",   "Márcio",
    "Vinícius",  "Roberto",   "Fábio",   "Otávio",   "Caio",      "Henrique", "Matheus",  "Diego",
    "Alexandre", "Júlio",     "Wagner",  "Renato",   "Cristiano", "Joaquim",  "Benedito", "Raimundo",
};

constexpr std::string_view kSurnames[] = {
    "Silva",     "Santos",    "Oliveira", "Souza",      "Rodrigues",  "Ferreira", "Alves",      "Pereira",
    "Lima",      "Gomes",     "Costa",    "Ribeiro",    "Martins",    "Carvalho", "Almeida",    "Lopes",
    "Soares",    "Fernandes", "Vieira",   "Barbosa",    "Rocha",      "Dias",     "Nascimento", "Andrade",
    "Moreira",   "Nunes",     "Marques",  "Machado",    "Mendes",     "Freitas",  "Cardoso",    "Ramos",
    "Gonçalves", "Santana",   "Teixeira", "Araújo",     "Cavalcanti", "Monteiro", "Correia",    "Pinto",
    "Moura",     "Campos",    "Batista",  "Castro",     "Rezende",    "Brandão",  "Siqueira",   "Azevedo",
    "Guimarães", "Magalhães", "Peixoto",  "Figueiredo", "Queiroz",    "Barros",   "Pacheco",    "Fonseca",
};

constexpr std::string_view kRoots[] = {
    "Horizonte",   "Aliança",     "Progresso", "Estrela",      "Atlântico",   "Pioneira",  "Serra Azul",
    "Vale Verde",  "Bandeirante", "Planalto",  "Cruzeiro",     "Ipê",         "Jequitibá", "Aurora",
    "Primavera",   "Litoral",     "Imperial",  "Paulista",     "Gaúcha",      "Mineira",   "Nordeste",
    "Amazônia",    "Pantanal",    "Central",   "Sol Nascente", "Boa Vista",   "Nova Era",  "Real",
    "Continental", "Moderna",     "União",     "Líder",        "Santa Clara", "São Jorge", "Tropical",
    "Três Rios",   "Alvorada",    "Rio Doce",  "Mar Azul",     "Ouro Verde",
};

constexpr std::string_view kTrades[] = {
    "Comércio de Alimentos",
    "Distribuidora",
    "Materiais de Construção",
    "Transportes",
    "Indústria Metalúrgica",
    "Supermercados",
    "Autopeças",
    "Farmácia",
    "Confecções",
    "Informática",
    "Engenharia",
    "Agropecuária",
    "Móveis",
    "Papelaria",
    "Laticínios",
    "Comércio de Tecidos",
    "Serviços Médicos",
    "Representações",
    "Embalagens",
    "Ferragens",
    "Calçados",
    "Tintas",
    "Plásticos",
    "Panificadora",
    "Hotelaria",
    "Construtora",
    "Eletrônicos",
    "Química",
};

constexpr std::string_view kSuffixes[] = {"Ltda", "Ltda", "Ltda", "S.A.", "ME", "EIRELI", "EPP"};

constexpr std::string_view kStreetKinds[] = {"Rua",      "Rua",     "Rua",   "Avenida", "Avenida",
                                             "Travessa", "Alameda", "Praça", "Rodovia", "Estrada"};

constexpr std::string_view kStreets[] = {
    "XV de Novembro",   "Sete de Setembro",
    "Tiradentes",       "Dom Pedro II",
    "Marechal Deodoro", "Barão do Rio Branco",
    "Getúlio Vargas",   "Santos Dumont",
    "das Flores",       "das Palmeiras",
    "dos Andradas",     "Rui Barbosa",
    "José Bonifácio",   "Floriano Peixoto",
    "Duque de Caxias",  "Castro Alves",
    "Princesa Isabel",  "Benjamin Constant",
    "Independência",    "da Liberdade",
    "Bela Vista",       "São João",
    "Boa Esperança",    "Monteiro Lobato",
    "Carlos Gomes",     "Presidente Vargas",
    "Osvaldo Cruz",     "Machado de Assis",
    "Anita Garibaldi",  "Paraná",
    "Amazonas",         "Bahia",
    "Coronel Fonseca",  "Padre Anchieta",
    "Visconde de Mauá", "Olavo Bilac",
};

constexpr std::string_view kDistricts[] = {
    "Centro",
    "Jardim América",
    "Vila Nova",
    "Boa Vista",
    "São José",
    "Santa Cruz",
    "Vila Mariana",
    "Jardim Europa",
    "Industrial",
    "Parque das Árvores",
    "Bela Vista",
    "Cidade Alta",
    "Distrito Industrial",
    "Vila Operária",
    "Jardim Primavera",
    "Alto da Boa Vista",
    "Cohab",
    "Centro Histórico",
};

constexpr std::string_view kJobTitles[] = {
    "Gerente de Compras",
    "Diretor Financeiro",
    "Comprador",
    "Assistente Administrativo",
    "Proprietário",
    "Contador",
    "Supervisor de Logística",
    "Analista Fiscal",
    "Coordenador de Vendas",
    "Secretária",
    "Gerente Geral",
    "Tesoureiro",
};

// Reserved top-level domain: demo addresses never reach a real mailbox.
constexpr std::string_view kDomains[] = {"empresa.example", "correio.example", "comercial.example"};

} // namespace

std::span<const std::string_view> givenNames() {
    return kGiven;
}
std::span<const std::string_view> surnames() {
    return kSurnames;
}
std::span<const std::string_view> companyRoots() {
    return kRoots;
}
std::span<const std::string_view> companyTrades() {
    return kTrades;
}
std::span<const std::string_view> companySuffixes() {
    return kSuffixes;
}
std::span<const std::string_view> streetKinds() {
    return kStreetKinds;
}
std::span<const std::string_view> streetNames() {
    return kStreets;
}
std::span<const std::string_view> districts() {
    return kDistricts;
}
std::span<const std::string_view> jobTitles() {
    return kJobTitles;
}
std::span<const std::string_view> mailDomains() {
    return kDomains;
}

} // namespace vq::seed::names
