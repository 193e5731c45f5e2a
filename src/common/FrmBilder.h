#pragma once

#include <QCursor>
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

// The picture store: a window that is never shown and only holds the
// pictures other windows copy when they load. Every accessor gives the
// picture at the requested size in device-independent pixels, or at its
// own size when no size is given. Pictures are drawn once per size and kept.
class FrmBilder : public QWidget {
    Q_OBJECT
public:
    FrmBilder();

    // Background of the secondary windows.
    QPixmap imaBkg(QSize storlek = {});
    // Background for "Glosor med ljud".
    QPixmap imaLjud(QSize storlek = {});
    // Frame bars of the on-screen menu: 0 top, 1 right, 2 bottom, 3 left.
    QPixmap imaMeny(int index, QSize storlek = {});
    // Line ends: 0 and 2 the left ends, 1 and 3 the right ends.
    QPixmap imaRam(int index, QSize storlek = {});
    // The mouth that marks a sound exercise.
    QPixmap imaMun(QSize storlek = {});
    // The file selector's arrows.
    QPixmap picUpp(QSize storlek = {});
    QPixmap picNer(QSize storlek = {});
    // The message window's OK picture: 0 normal, 1 pressed.
    QPixmap imaOK(int index, QSize storlek = {});
    // The logo of the splash window.
    QPixmap imgLogo(QSize storlek = {});
    // The mark at a letter: 0 a wrong letter, 1 "try another word".
    QPixmap imaAlt(int index, QSize storlek = {});
    // The tooltip that goes with imaAlt(index).
    static QString imaAltTips(int index);
    // The letter board's next (Enter) and back (Backspace) pictures.
    QPixmap picNaesta(QSize storlek = {});
    QPixmap picBakaat(QSize storlek = {});

    // The pointer of clickable areas: a pointing hand, hot spot at the
    // fingertip.
    QCursor egenPekare();

    // Every picture by its file name (without ".svg"), for the accessors
    // above and for tests.
    static QStringList bildnamn();
    QPixmap bild(const QString& namn, QSize storlek = {});
    static QSize egenStorlek(const QString& namn);

private:
    QHash<QString, QPixmap> m_bilder;
};

// The one picture store, created on first use.
FrmBilder& frmBilder();
// Unloads the picture store (at program end); a later use creates it again.
void laddaUrFrmBilder();
