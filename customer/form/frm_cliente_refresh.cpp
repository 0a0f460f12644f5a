// TfrmCliente: the refresh command: the filter's last selection read again, then the active tab's rows.

#include "customer/Vqm41200.h"
#include "customer/form/form_support.h"
#include "framework/forms/form_texts.h"
#include "framework/services/showavi.h"
#include "platform/gui/page_control.h"
#include "platform/gui/ui_locks.h"
#include "services/app_server.h"

namespace vq {

using customer::form::fieldText;
using enum customer::form::Tab;

namespace {

// boScroll while the refresh runs, cleared however it ends.
struct ScrollFlag {
    ScrollFlag() { Vqm41200::unit().boScroll = true; }
    ~ScrollFlag() { Vqm41200::unit().boScroll = false; }
    ScrollFlag(const ScrollFlag&) = delete;
    ScrollFlag& operator=(const ScrollFlag&) = delete;
};

Bookmark bookmarkOf(const ClientDataSet& ds) {
    return ds.Active() && !ds.IsEmpty() ? ds.GetBookmark() : 0;
}

void returnTo(ClientDataSet& ds, Bookmark mark) {
    if (mark != 0 && ds.Active() && !ds.editing() && ds.BookmarkValid(mark))
        ds.GotoBookmark(mark);
}

} // namespace

void TfrmCliente::sbtVerificarClick() {
    ClientDataSet& contacts = data_->cdsInterloc();
    ClientDataSet& observations = data_->cdsObserv();
    ClientDataSet& master = cdsCliente();
    const Bookmark contact = bookmarkOf(contacts);
    const Bookmark observation = bookmarkOf(observations);
    {
        ScrollFlag scrolling;
        const std::string code = currentCode();
        {
            Showavi::Scope busy(this, Showavi::kUpdating, forms::formText(*this, "Atual_Oper"));
            // A record being edited (a confirm stopped by a failed save) is never replaced.
            if (!master.editing()) {
                if (customer::satellites().reapplyFilter)
                    RefreshData();
                if (!code.empty() && master.Active() && !master.IsEmpty())
                    master.Locate("CDCLIENTE", Variant(code), LocateOptions{.CaseInsensitive = true});
            }
            gui::WindowUpdateLock lock(*this);
            reloadActiveTab(currentCode());
        }
        returnTo(contacts, contact);
        returnTo(observations, observation);
    }
    HabilitaCampos();
}

void TfrmCliente::reloadActiveTab(const std::string& code) {
    if (code.empty())
        return;
    // Rows being edited stay; so do payment terms that wait for the confirm.
    const auto reload = [this](ClientDataSet& ds, std::string_view method) {
        if (!ds.editing())
            load(ds, method);
    };
    switch (activeTab()) {
    case DadosPed: {
        ClientDataSet& prices = data_->cdsPrecoBaseCli();
        const std::string priceTable = fieldText(prices, "CDPRECOBASE");
        reload(prices, "GetPrecoBaseCli");
        if (!priceTable.empty() && !prices.editing() && !prices.IsEmpty())
            prices.Locate("CDPRECOBASE", Variant(priceTable));
        break;
    }
    case EndeClie:
    case EndeClieCobr:
    case EndeExt:
    case EndeExp:
    case EndEntrega: {
        ClientDataSet& address = data_->address(activeAddress()->kind);
        reload(address, data_->descriptor(address.Name()).loadMethod);
        break;
    }
    case Interloc: {
        ClientDataSet& contacts = data_->cdsInterloc();
        // The correspondence shown is the current contact's: back on it before reading its rows.
        const std::string contact = fieldText(contacts, "CDINTECLIE");
        reload(contacts, "GetInterloc");
        if (!contact.empty() && !contacts.editing() && !contacts.IsEmpty())
            contacts.Locate("CDINTECLIE", Variant(contact));
        ClientDataSet& correspondence = data_->cdsCorres();
        if (detail.pgcInterloc->ActivePage() == detail.tshCorres && !correspondence.editing())
            services::readInto(netClientes, "GetCorres",
                               VariantArray{Variant(code), Variant(fieldText(contacts, "CDINTECLIE"))},
                               correspondence);
        break;
    }
    case FormPgto:
        if (data_->cdsPrazoPgtoClie().ChangeCount() == 0)
            reload(data_->cdsPrazoPgtoClie(), "GetPrazoPgtoClie");
        break;
    case Observ:
        reload(data_->cdsObserv(), "GetObserv");
        break;
    case BancoPref:
        reload(data_->cdsBancoPref(), "GetBancoPref");
        break;
    default:
        break;
    }
}

} // namespace vq
