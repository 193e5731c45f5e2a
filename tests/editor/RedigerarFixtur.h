#pragma once

#include "editor/FrmSkrivIn.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

// The exercise editor shown on its own, with every dialog it opens answered
// by the test: message boxes from a queue of answers, the open and save
// dialogs and the item window from what the test put in.
class RedigerarTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the editor as the training window would with this Tag.
    FrmSkrivIn& starta(const QString& tag = "rtt", const QStringList& lstFel = {});

    // Chooses a menu entry by its captions with real clicks, e.g.
    // {"&Arkiv", "&Ny", "&Glosor..."}.
    void vaelj(const QStringList& vaeg);
    // The entry as it stands once its menu has opened.
    QAction* visad(const QStringList& vaeg);
    bool aerPaa(const QStringList& vaeg)
    {
        QAction* a = visad(vaeg);
        return a && a->isEnabled();
    }

    void klicka(const QString& knapp);
    void markera(int rad);
    QStringList lista() const;
    QString raeknare() const;
    bool knappPaa(int index) const;

    // Opens `soekvaeg` through Arkiv > Öppna.
    void oeppna(const QString& soekvaeg);

    QString fil(const QString& namn) const { return mapp.filePath(namn); }

    QTemporaryDir mapp;
    std::unique_ptr<FrmSkrivIn> f;
    std::deque<MsgSvar> svar;            // answers in turn; then OK / Cancel
    std::vector<MsgBoxAnrop> meddelanden;
    std::optional<QString> oeppnaSvar;
    std::vector<OeppnaDialogAnrop> oeppnaAnrop;
    std::optional<SparaDialogSvar> sparaSvar;
    std::vector<SparaDialogAnrop> sparaAnrop;
    std::deque<QString> uppgifter;       // lines the item window hands back; then ""
    std::vector<QString> uppgiftAnrop;

private:
    QAction* hitta(const QStringList& vaeg) const;
};
