#pragma once

#include "viewers/TextVisare.h"

// The logbook viewer: the current logbook in its frame, or a logbook saved
// at an earlier exit; saved logbooks can also be deleted.
class FrmPluvoLoggbok : public TextVisare {
    Q_OBJECT
public:
    // `loggbok` is the current logbook (CRLF lines).
    FrmPluvoLoggbok(QWidget* parent, const QString& loggbok, TextSpeaker* tspRoest1);

    void VisaAktuellLoggbok();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void menOeppna_Click();
    void menTaBort_Click();
    void placeraMun();

    QString m_loggbok;
    QAction* menAktuellLoggbok;
    QAction* menOeppna;
    QAction* menTaBort;
    QLabel* imaMun = nullptr;
};
