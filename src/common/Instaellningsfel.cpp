#include "common/Instaellningsfel.h"

#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"

#include <QDir>

namespace Instaellningsfel {
namespace {

QString fil()
{
    return QDir::toNativeSeparators(SettingsStore::filnamn());
}

}  // namespace

const QString GaellerTillsAvslut = QStringLiteral("Ändringen gäller bara tills programmet avslutas.");

void visa(const QString& rubrik, const QString& foeljd)
{
    MsgBox(QStringLiteral("Inställningarna kunde inte sparas i ") + fil() + QStringLiteral(".\r\n") + foeljd,
           MsgKnappar::Ok, MsgIkon::Utropstecken, rubrik);
}

void medKontroll(const QString& rubrik, const std::function<void()>& handling)
{
    const int foere = SettingsStore::antalSkrivfel();
    handling();
    if (SettingsStore::antalSkrivfel() > foere)
        visa(rubrik, GaellerTillsAvslut);
}

void visaIMinnet(const QString& rubrik)
{
    MsgBox(QDir::toNativeSeparators(SettingsStore::oanvaendbarFil())
               + QStringLiteral(" är ingen vanlig fil och lämnas orörd.\r\n")
               + QStringLiteral("Inställningarna sparas inte utan gäller bara tills programmet avslutas."),
           MsgKnappar::Ok, MsgIkon::Utropstecken, rubrik);
}

}  // namespace Instaellningsfel
