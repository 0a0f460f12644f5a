// TfrmImportCliente: choosing the layout (code, search, check) and reading its file list.

#include "framework/services/consiste_messages.h"
#include "framework/services/messages.h"
#include "framework/services/pesquisa.h"
#include "framework/validation/consiste.h"
#include "import/Vqm41204.h"
#include "platform/gui/buttons.h"
#include "platform/gui/edit.h"
#include "services/app_server.h"

namespace vq {

void TfrmImportCliente::edtCdLayoutChange() {
    edtNmLayout->SetText("");
}

void TfrmImportCliente::Vd_Layout(bool report) {
    auto fail = [this](std::string_view key) {
        if (!edtCdLayout->Focused() && edtCdLayout->CanFocus())
            edtCdLayout->SetFocus();
        Consiste::MensErro(Msg(*this, key));
    };
    if (Consiste::EmptyString(edtCdLayout->Text())) {
        if (report)
            fail("LayoutDeve");
        return;
    }
    const std::string code = Consiste::Ajusta(edtCdLayout->Text(), 10);
    if (code != edtCdLayout->Text())
        edtCdLayout->SetText(code);
    services::readInto(netImportCliente, "GetLayout", VariantArray{Variant(code), Variant("")}, cdsLayout);
    if (cdsLayout.IsEmpty())
        fail("LayoutNCad");
    edtNmLayout->SetText(cdsLayout.FieldByName("NMLAYOUTIMP").AsString());
}

void TfrmImportCliente::btpLayoutClick() {
    services::readInto(netImportCliente, "GetLayout", VariantArray{Variant(""), Variant("T")}, cdsLayout);
    if (!Pesquisa::Pesquisar(cdsLayout, "Não há layout cadastrado.|Layout"))
        return;
    edtCdLayout->SetText(cdsLayout.FieldByName("CDLAYOUTIMP").AsString());
    edtNmLayout->SetText(cdsLayout.FieldByName("NMLAYOUTIMP").AsString());
}

void TfrmImportCliente::Panel5Exit() {
    if (cdsLayout.Active() && !cdsLayout.IsEmpty())
        loadFileList();
}

void TfrmImportCliente::loadFileList() {
    services::readInto(netImportCliente, "GetArquivo",
                       VariantArray{Variant(cdsLayout.FieldByName("CDLAYOUTIMP").AsString())}, cdsArquivo);
}

} // namespace vq
