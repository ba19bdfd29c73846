#pragma once

#include <QDialog>
#include <QPointer>

class BJMain;
class QLabel;
class QPushButton;

// The insurance offer's window, loaded for one showing and unloaded when it is answered.
class BJInsurWindow : public QDialog {
    Q_OBJECT

public:
    BJInsurWindow();

    QLabel *lblInsurance = nullptr;
    QPushButton *CmdYes = nullptr;
    QPushButton *CmdNo = nullptr;

    // Closing the window without an answer (its close button, Escape) counts as No.
    void reject() override;

signals:
    void closedWithoutAnswer();
};

// The insurance dialog. The object, and with it InsYes, lives as long as the table window; its window
// exists only while the offer is on screen.
class BJInsur {
public:
    explicit BJInsur(BJMain &table);
    ~BJInsur();

    // 1 when insurance was bought for the hand, else 0.
    int InsYes = 0;

    // Loads the window (its cue plays) and shows it modally, with no owner; returns once it has closed.
    void ShowModal();
    // Closes the window if it is loaded.
    void Unload();
    BJInsurWindow *window() const { return loaded.data(); }

    void CmdYes_Click();
    void CmdNo_Click();

private:
    void Form_Load();
    // Both answers hand the turn back to the player before the window closes.
    void returnTurnToPlayer();

    BJMain &table;
    QPointer<BJInsurWindow> loaded;
};
