#include "framework/services/tabvalid.h"

#include "framework/services/consiste_messages.h"
#include "framework/services/host_catalogue.h"
#include "framework/services/vorlane.h"
#include "framework/validation/consiste.h"

namespace vq::Tabvalid {

bool ValidEx(std::string_view code, int kind, bool raise) {
    if (Consiste::EmptyString(code)) {
        if (raise)
            Consiste::MensErro(HostMsg("Codigo_Deve"));
        return false;
    }
    const CodedPicture picture = Vorlane::DBPictObj(kind);
    if (picture.empty() || picture.levelOf(code))
        return true;
    if (raise)
        Consiste::MensErro(formatMsg(HostMsg("Codigo_Inv"), {Consiste::AllTrim(code), picture.pattern()}));
    return false;
}

} // namespace vq::Tabvalid
