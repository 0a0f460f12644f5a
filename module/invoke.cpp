#include "module/invoke.h"

#include "module/launchers.h"
#include "module/units.h"
#include "platform/gui/guard.h"

namespace vq::module {
namespace {

using Args = const VariantArray&;

// Signature letters: S string (or null), B boolean, V any Variant, optional (IniProc's parameter).
struct Routine {
    std::string_view name;
    std::string_view signature;
    void (*run)(Args a);
};

std::string s(const Variant& v) {
    return v.toString();
}

constexpr Routine kRoutines[] = {
    {"Initialize", "", [](Args) { initializeUnits(); }},
    {"Finalize", "", [](Args) { finalizeUnits(); }},
    {"IniProc", "V", [](Args a) { IniProc(a.empty() ? Variant() : a[0]); }},
    {"CriaCliente", "", [](Args) { CriaCliente(); }},
    {"CriaClienteModal", "SSSSSSBB",
     [](Args a) {
         CriaClienteModal(s(a[0]), s(a[1]), s(a[2]), s(a[3]), s(a[4]), s(a[5]), a[6].toBool(), a[7].toBool());
     }},
    {"CriaVisualizaCliente", "BS", [](Args a) { CriaVisualizaCliente(a[0].toBool(), s(a[1])); }},
    {"CriaFilCliente", "S", [](Args a) { CriaFilCliente(s(a[0])); }},
    {"CriaDadosCliente", "", [](Args) { CriaDadosCliente(); }},
    {"CriaInfEmailClie", "S", [](Args a) { CriaInfEmailClie(s(a[0])); }},
    {"CriaVendAdicClie", "S", [](Args a) { CriaVendAdicClie(s(a[0])); }},
    {"CriaListaTransp", "", [](Args) { CriaListaTransp(); }},
    {"CriaImpCliente", "", [](Args) { CriaImpCliente(); }},
};

bool fits(char letter, const Variant& v) {
    switch (letter) {
    case 'S':
        return v.is(VariantKind::String) || v.isNull();
    case 'B':
        return v.is(VariantKind::Bool);
    default:
        return true;
    }
}

std::string kindText(char letter) {
    return letter == 'S' ? "texto" : letter == 'B' ? "lógico (true/false)" : "qualquer valor";
}

} // namespace

bool invoke(std::string_view routine, const VariantArray& args, std::string& error) {
    const Routine* found = nullptr;
    for (const Routine& r : kRoutines)
        if (r.name == routine)
            found = &r;
    if (!found) {
        error = "Rotina desconhecida: " + std::string(routine) + ".";
        return false;
    }
    const std::string_view sig = found->signature;
    const bool optionalOne = sig == "V";
    if (optionalOne ? args.size() > 1 : args.size() != sig.size()) {
        error = "A rotina " + std::string(routine) + " espera " + std::to_string(sig.size()) +
                " argumento(s); " + "foram passados " + std::to_string(args.size()) + ".";
        return false;
    }
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!fits(sig[i], args[i])) {
            error = "Argumento " + std::to_string(i + 1) + " de " + std::string(routine) + ": esperado " +
                    kindText(sig[i]) + ", recebido " + std::string(variantKindName(args[i].kind())) + ".";
            return false;
        }
    gui::guarded(found->name, [&] { found->run(args); });
    return true;
}

} // namespace vq::module
