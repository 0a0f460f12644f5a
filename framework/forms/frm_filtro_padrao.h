#pragma once
// TfrmFiltroPadrao, the base of filter dialogs: confirm `sbtConfirma` (F10), cancel `sbtCancel` (Esc),
// and the saved options: `sbtSalvarOpcoes` / `sbtCarregarOpcoes` run saveOptions() / loadOptions(),
// which keep the option list `Opcoes` (name=value pairs) in the user's settings, under the form's name.
// The filter's own controls go in the panel `pnlFiltro`.
//
// A derived filter fills `Opcoes` before calling the base saveOptions(), and reads it after the base
// loadOptions(). The base confirm and cancel close the dialog (modal results Ok and Cancel) and nothing
// else: a derived confirm runs its checks first and calls the base confirm last, so a failing check
// keeps the dialog open; a derived cancel may call the base first (the dialog closes when the handler
// returns).

#include "framework/forms/toolbar_form.h"

#include <QSettings>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// Items "name=value"; a name is found without regard to case.
class OptionList {
public:
    const std::vector<std::string>& Items() const { return items_; }
    std::string Values(std::string_view name) const; // "" when absent
    void SetValues(std::string_view name, std::string_view value);
    void Clear() { items_.clear(); }
    bool Empty() const { return items_.empty(); }

private:
    std::vector<std::string> items_;
};

class TfrmFiltroPadrao : public ToolbarForm {
public:
    explicit TfrmFiltroPadrao(std::string className = "TfrmFiltroPadrao", QWidget* parent = nullptr);

    gui::ToolButton *sbtConfirma = nullptr, *sbtCancel = nullptr, *sbtSalvarOpcoes = nullptr,
                    *sbtCarregarOpcoes = nullptr;
    gui::Panel* pnlFiltro = nullptr;
    OptionList Opcoes;

    virtual void sbtConfirmaClick();       // modal result Ok
    virtual void sbtCancelClick();         // modal result Cancel
    virtual void sbtSalvarOpcoesClick();   // saveOptions(), then "Opções salvas."
    virtual void sbtCarregarOpcoesClick(); // loadOptions(); says so when nothing was saved
    virtual void saveOptions();            // Opcoes -> settings (replacing what was saved)
    virtual bool loadOptions();            // settings -> Opcoes; false when nothing was saved

    // Where the options live: QSettings (INI format, user scope) of this organisation and application.
    // Tests point QSettings::setPath at a temporary folder.
    static constexpr const char* kSettingsOrganization = "VQ";
    static constexpr const char* kSettingsApplication = "FiltrosERP";
    static std::unique_ptr<QSettings> optionsStore();
};

} // namespace vq
