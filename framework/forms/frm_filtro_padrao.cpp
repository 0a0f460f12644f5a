#include "framework/forms/frm_filtro_padrao.h"

#include "framework/forms/form_texts.h"
#include "framework/services/host_catalogue.h"
#include "platform/data/error.h"
#include "platform/gui/buttons.h"
#include "platform/gui/containers.h"
#include "platform/gui/qt_text.h"
#include "platform/gui/seams.h"

namespace vq {
namespace {

using enum gui::Kind;
using gui::bind;
using Self = TfrmFiltroPadrao;

// clang-format off
constexpr gui::ControlSpec kLayout[] = {
    {ToolButton, "sbtConfirma", "pnlFerramentas", "Confirmar", "", "", {0, 0}, {.hint = "Confirmar (F10)", .shortcut = "F10"}, bind<&Self::sbtConfirma>()},
    {ToolButton, "sbtCancel", "pnlFerramentas", "Cancelar", "", "", {0, 1}, {.hint = "Cancelar (Esc)", .shortcut = "Esc"}, bind<&Self::sbtCancel>()},
    {ToolButton, "sbtSalvarOpcoes", "pnlFerramentas", "Salvar Opções", "", "", {0, 2}, {.hint = "Salvar as opções"}, bind<&Self::sbtSalvarOpcoes>()},
    {ToolButton, "sbtCarregarOpcoes", "pnlFerramentas", "Carregar Opções", "", "", {0, 3}, {.hint = "Carregar as opções salvas"}, bind<&Self::sbtCarregarOpcoes>()},
    {Panel, "pnlFiltro", "", "", "", "", {1, 0}, {}, bind<&Self::pnlFiltro>()},
};
// clang-format on

std::pair<std::string_view, std::string_view> splitItem(std::string_view item) {
    const auto eq = item.find('=');
    if (eq == std::string_view::npos)
        return {item, {}};
    return {item.substr(0, eq), item.substr(eq + 1)};
}

} // namespace

std::string OptionList::Values(std::string_view name) const {
    const std::string key = messageKeyFold(name);
    for (const auto& item : items_) {
        const auto [n, v] = splitItem(item);
        if (messageKeyFold(n) == key)
            return std::string(v);
    }
    return {};
}

void OptionList::SetValues(std::string_view name, std::string_view value) {
    const std::string key = messageKeyFold(name);
    std::string item = std::string(name) + "=" + std::string(value);
    for (auto& existing : items_)
        if (messageKeyFold(splitItem(existing).first) == key) {
            existing = std::move(item);
            return;
        }
    items_.push_back(std::move(item));
}

std::unique_ptr<QSettings> TfrmFiltroPadrao::optionsStore() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QString::fromLatin1(kSettingsOrganization),
                                       QString::fromLatin1(kSettingsApplication));
}

TfrmFiltroPadrao::TfrmFiltroPadrao(std::string className, QWidget* parent)
    : ToolbarForm(std::move(className), parent) {
    buildToolbar(kLayout);
    sbtConfirma->OnClick = [this] { sbtConfirmaClick(); };
    sbtCancel->OnClick = [this] { sbtCancelClick(); };
    sbtSalvarOpcoes->OnClick = [this] { sbtSalvarOpcoesClick(); };
    sbtCarregarOpcoes->OnClick = [this] { sbtCarregarOpcoesClick(); };
}

void TfrmFiltroPadrao::sbtConfirmaClick() {
    SetModalResult(gui::mr::Ok);
}
void TfrmFiltroPadrao::sbtCancelClick() {
    SetModalResult(gui::mr::Cancel);
}

void TfrmFiltroPadrao::sbtSalvarOpcoesClick() {
    saveOptions();
    gui::showMessage(gui::MessageKind::Info, forms::formText(*this, "Opc_Salvas"));
}

void TfrmFiltroPadrao::sbtCarregarOpcoesClick() {
    if (!loadOptions())
        gui::showMessage(gui::MessageKind::Info, forms::formText(*this, "Opc_NaoHa", {Caption()}));
}

void TfrmFiltroPadrao::saveOptions() {
    auto store = optionsStore();
    const QString group = gui::qs(Name());
    store->remove(group);
    store->beginGroup(group);
    for (const auto& item : Opcoes.Items()) {
        const auto [name, value] = splitItem(item);
        if (!name.empty())
            store->setValue(gui::qs(name), gui::qs(value));
    }
    store->endGroup();
    store->sync();
    if (store->status() != QSettings::NoError)
        throw Error("Não foi possível gravar as opções de " + Name() + " em " +
                    store->fileName().toStdString() + ".");
}

bool TfrmFiltroPadrao::loadOptions() {
    auto store = optionsStore();
    store->beginGroup(gui::qs(Name()));
    const QStringList keys = store->childKeys();
    if (keys.isEmpty())
        return false;
    for (const QString& key : keys)
        Opcoes.SetValues(gui::ss(key), gui::ss(store->value(key).toString()));
    return true;
}

} // namespace vq
