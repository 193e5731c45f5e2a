#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

std::function<MsgSvar(const MsgBoxAnrop&)>& hanterare()
{
    static std::function<MsgSvar(const MsgBoxAnrop&)> h;
    return h;
}

QMessageBox::Icon qtIkon(MsgIkon ikon)
{
    switch (ikon) {
    case MsgIkon::Information: return QMessageBox::Information;
    case MsgIkon::Utropstecken: return QMessageBox::Warning;
    case MsgIkon::Fraaga: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MsgSvar MsgBox(const QString& text, MsgKnappar knappar, MsgIkon ikon, const QString& rubrik,
               MsgSvar standard)
{
    const MsgBoxAnrop anrop{text, rubrik, knappar, ikon, standard};
    if (hanterare())
        return hanterare()(anrop);

    QMessageBox box(qtIkon(ikon), rubrik, text, QMessageBox::NoButton, QApplication::activeWindow());
    struct Knapp {
        MsgSvar svar;
        const char* text;
        QMessageBox::ButtonRole roll;
    };
    std::vector<Knapp> knapplista;
    switch (knappar) {
    case MsgKnappar::Ok:
        knapplista = {{MsgSvar::Ok, "OK", QMessageBox::AcceptRole}};
        break;
    case MsgKnappar::JaNej:
        knapplista = {{MsgSvar::Ja, "&Ja", QMessageBox::YesRole}, {MsgSvar::Nej, "&Nej", QMessageBox::NoRole}};
        break;
    case MsgKnappar::JaNejAvbryt:
        knapplista = {{MsgSvar::Ja, "&Ja", QMessageBox::YesRole},
                      {MsgSvar::Nej, "&Nej", QMessageBox::NoRole},
                      {MsgSvar::Avbryt, "Avbryt", QMessageBox::RejectRole}};
        break;
    }
    std::vector<std::pair<QAbstractButton*, MsgSvar>> svar;
    for (const Knapp& k : knapplista) {
        QPushButton* b = box.addButton(QString::fromUtf8(k.text), k.roll);
        svar.emplace_back(b, k.svar);
        if (k.svar == standard)
            box.setDefaultButton(b);
    }
    box.exec();
    for (const auto& [knapp, s] : svar) {
        if (box.clickedButton() == knapp)
            return s;
    }
    // Closed without a button: the answer that changes nothing.
    return knappar == MsgKnappar::JaNejAvbryt ? MsgSvar::Avbryt
           : knappar == MsgKnappar::JaNej     ? MsgSvar::Nej
                                              : MsgSvar::Ok;
}

bool VillErsaetta(const QString& soekvaeg, const QString& rubrik)
{
    return MsgBox(soekvaeg + QString::fromUtf8(" finns redan.\r\nVill du ersätta den?"), MsgKnappar::JaNej,
                  MsgIkon::Utropstecken, rubrik, MsgSvar::Nej)
           == MsgSvar::Ja;
}

void saettMsgBoxHanterare(std::function<MsgSvar(const MsgBoxAnrop&)> h)
{
    hanterare() = std::move(h);
}
