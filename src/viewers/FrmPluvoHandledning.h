#pragma once

#include "viewers/TextVisare.h"

// The guide viewer: the program's own guide text.
class FrmPluvoHandledning : public TextVisare {
    Q_OBJECT
public:
    FrmPluvoHandledning(QWidget* parent, TextSpeaker* tspRoest1);
};
