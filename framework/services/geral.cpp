#include "framework/services/geral.h"

#include "framework/services/framework_settings.h"

#include <QDateTime>

namespace vq::Geral {
namespace {

CivilDate today() {
    if (const auto& fixed = frameworkSettings().workDate)
        return *fixed;
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

} // namespace

int ModuloAtiv() {
    return frameworkSettings().activeModule;
}

DateTime Date() {
    return makeDateTime(today());
}

DateTime Now() {
    const QTime t = QTime::currentTime();
    return makeDateTime(today(), {t.hour(), t.minute(), t.second(), t.msec()});
}

} // namespace vq::Geral
