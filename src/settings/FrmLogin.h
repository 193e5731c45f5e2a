#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The lock dialog: with a name and the right code a teacher locks the
// settings against change, or unlocks them again. The state, the name and
// the time are stored at once. The dialog is hidden between uses, so its
// count of wrong codes lasts as long as it does.
class FrmLogin : public QDialog {
    Q_OBJECT
public:
    explicit FrmLogin(QWidget* aegare);

    // True after a lock or unlock, false after "Avbryt".
    bool LaasOK = false;
    // Wrong codes entered, never reset.
    int FelKoder = 0;

    // After the fourth wrong code the dialog is done with for the program
    // run: its owner takes the lock item away.
    bool Spaerrad() const { return FelKoder > 3; }

    void VisaLaasRubrik();

    std::array<QLabel*, 2> lblLabels{};
    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QLabel* imaBkg;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
    static void markeraAllt(QLineEdit* ruta);
};
