#include "filter_report/filter_alignment.h"

#include "customer/Vqm41200.h"
#include "platform/gui/menus.h"
#include "platform/gui/page_control.h"

#include <initializer_list>

namespace vq::filter {
namespace {

struct DetailTab {
    const char* menuItem;
    const char* tab;
};

constexpr DetailTab kDetailTabs[] = {
    {"mnuEndeClie", "tshEndeClie"},    {"mnuEndeClieCobr", "tshEndeClieCobr"},
    {"mnuEndeExt", "tshEndeExt"},      {"mnuEndeExp", "tshEndeExp"},
    {"mnuEndEntreg", "tshEndEntrega"}, {"mnuSitFinac", "tshSitFinanc"},
    {"mnuDadAdic", "tshDadosAdic"},    {"mnuDadosFiscais", "tshDadosFiscais"},
    {"mnuFormPgto", "tshFormPgto"},    {"mnuInterloc", "tshInterloc"},
    {"mnuObserv", "tshObserv"},        {"mnuBancoPref", "tshBancoPref"},
};

// Tabs that only follow their menu item (their items are not switched here); the cancel visits them.
constexpr DetailTab kFollowingTabs[] = {
    {"mnuDadoProsp", "tshDadoProsp"},
    {"mnuDadosPed", "tshDadosPed"},
    {"mnuPersonalizao", "tshPersonalizacao"},
};

constexpr DetailTab kContactTabs[] = {
    {"mnuDadosInter", "tshDadosInterloc"},
    {"mnuFormInter", "tshFormInter"},
    {"mnuEndeInter", "tshEndeInter"},
    {"mnuCorres", "tshCorres"},
};

// Inner page controls whose change handler reloads their visible page for the current customer.
constexpr const char* kInnerPages[] = {"pgcInterloc", "pgcGeral", "pgcSituFinanc"};

using Command = TfrmPadrao::Command;

bool shows(const gui::PageControl* pages, std::string_view tab) {
    const gui::TabSheet* page = pages ? pages->ActivePage() : nullptr;
    return page && page->Name() == tab;
}

void tabFollowsItem(TfrmCliente& form, const DetailTab& d) {
    auto* item = form.findComponent<gui::MenuItem>(d.menuItem);
    if (auto* tab = form.findComponent<gui::TabSheet>(d.tab); tab && item)
        tab->SetEnabled(item->Enabled());
}

void setDetailItems(TfrmCliente& form, bool on) {
    for (const DetailTab& d : kDetailTabs) {
        if (auto* item = form.findComponent<gui::MenuItem>(d.menuItem))
            item->SetEnabled(on);
        tabFollowsItem(form, d);
    }
}

void setContactTabs(TfrmCliente& form, bool on) {
    for (const DetailTab& d : kContactTabs) {
        if (auto* item = form.findComponent<gui::MenuItem>(d.menuItem))
            item->SetEnabled(on);
        if (auto* tab = form.findComponent<gui::TabSheet>(d.tab))
            tab->SetEnabled(on);
    }
}

// Nothing to act on: only insert, when changes are allowed.
void setEmptyListCommands(TfrmCliente& form) {
    for (Command c : {Command::Alterar, Command::Excluir, Command::Confirmar, Command::Cancelar,
                      Command::Verificar, Command::Procurar, Command::Imprimir})
        form.setCommandEnabled(c, false);
    form.setCommandEnabled(Command::Incluir, form.changesAllowed());
}

void alignContacts(TfrmCliente& form) {
    auto* pgcInterloc = form.findComponent<gui::PageControl>("pgcInterloc");
    if (form.data().cdsInterloc().IsEmpty()) {
        if (pgcInterloc)
            pgcInterloc->SetActivePage(form.findComponent<gui::TabSheet>("tshDadosInterloc"));
        setContactTabs(form, false);
        setEmptyListCommands(form);
        if (pgcInterloc)
            pgcInterloc->SetEnabled(false);
    }
    if (form.data().cdsCorres().IsEmpty() && shows(pgcInterloc, "tshCorres")) {
        setContactTabs(form, true);
        pgcInterloc->SetEnabled(true);
        setEmptyListCommands(form);
    } else {
        form.ControlaBotoes(true);
    }
}

} // namespace

void alignAfterApply(TfrmCliente& form) {
    gui::PageControl& pgcPadrao = *form.pgcPadrao;
    const bool onContacts = shows(&pgcPadrao, "tshInterloc");
    const bool onBanks = shows(&pgcPadrao, "tshBancoPref");
    if (onContacts)
        alignContacts(form);
    if (onBanks) {
        if (form.data().cdsBancoPref().IsEmpty())
            setEmptyListCommands(form);
        else
            form.ControlaBotoes(true);
    }
    if (form.cdsCliente().IsEmpty()) {
        if (onContacts || onBanks)
            return;
        pgcPadrao.SetActivePageIndex(0);
        form.pgcPadraoChange();
        pgcPadrao.SetEnabled(false);
        setEmptyListCommands(form);
        setDetailItems(form, false);
        return;
    }
    if (!onContacts && !onBanks && !shows(&pgcPadrao, "tshObserv")) {
        form.ControlaBotoes(true);
        pgcPadrao.SetEnabled(true);
        setDetailItems(form, true);
    }
    form.pgcPadraoChange();
    for (const char* name : kInnerPages)
        if (auto* pages = form.findComponent<gui::PageControl>(name); pages && pages->OnChange)
            pages->OnChange();
}

void alignAfterCancel(TfrmCliente& form) {
    gui::PageControl& pgcPadrao = *form.pgcPadrao;
    if (!form.cdsCliente().IsEmpty() || shows(&pgcPadrao, "tshInterloc") || shows(&pgcPadrao, "tshBancoPref"))
        return;
    pgcPadrao.SetEnabled(false);
    setEmptyListCommands(form);
    setDetailItems(form, false);
    for (const DetailTab& d : kFollowingTabs)
        tabFollowsItem(form, d);
}

} // namespace vq::filter
