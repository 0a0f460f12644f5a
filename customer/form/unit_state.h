#pragma once
// Unit-level state of Vqm41200, shared by the customer form, its satellites and the module's launchers.
// The member initialisers are the values the unit's initialisation sets.

#include <QPointer>
#include <string>

namespace vq {
class TfrmCliente;
}

namespace vq::Vqm41200 {

struct UnitState {
    QPointer<TfrmCliente> frmCliente; // the single customer form
    bool boStCriado = false;          // the customer form exists
    bool boIdCriado = false;          // created mark of the carrier list (Vqm41209)
    bool boHabAlt = true;             // changes allowed; false opens the form for viewing only
    bool boShowModal = false;
    bool boCadAut = false; // automatic registration pending for the next activation
    std::string stNrInsJur;
    std::string stNrInsJurClie;
    std::string stCdPais;
    std::string stSgEstado;
    std::string stCdMinicipio;
    bool boCriaFiltro = false; // open the filter on the next activation, with stFiltroCdCliente
    std::string stFiltroCdCliente;
    std::string stCliente = "J"; // person kind of the NRINSJURINFO mask
    std::string stCodEx;
    std::string stCodAtend;
    bool boScroll = false;
    bool boEndeClie = false;
    bool boCtrlDel = false;
    bool boEnter = false;
    bool boImporta = false;
    bool boImpProsp = false;
    bool boImpInterloc = false;
    bool bohabilita = false;
    bool boSitPenChk = false;
    bool boCellClick = false;
    bool boPesqAtiv = true;
    bool boPesqIndice = true;
    std::string stInscSocio;
    int stIndex = 0;
    std::string stProgram;
    std::string stProgr;
    std::string stVendedor = "J";
    bool bovalida = false;
    bool boPrimVez = false;
    bool boTestaTota = false;
};

UnitState& unit();

} // namespace vq::Vqm41200
