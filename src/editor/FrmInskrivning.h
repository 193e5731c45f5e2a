#pragma once

#include <QDialog>
#include <array>

class FrmSkrivIn;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The whole exercise of the editor as one text, a line per item, so that
// many items can be typed or pasted at once. "Uppdatera" and "OK" turn the
// text into exercise lines and rebuild the editor's list from it.
class FrmInskrivning : public QDialog {
    Q_OBJECT
public:
    explicit FrmInskrivning(FrmSkrivIn& redigerare);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Form_Load();
    void comSkrivIn_Click(int index);
    // False when the text was refused and left as it stands.
    bool Uppdatera();
    void VisaMunInskrivning();

    FrmSkrivIn& frmSkrivIn;
    QLabel* imaRekord;
    QLabel* imaMun;
    QPlainTextEdit* txtSkrivIn;
    std::array<QPushButton*, 3> comSkrivIn{};
};
