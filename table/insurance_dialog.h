#pragma once

#include "play/round_listener.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>

class QAction;
class QLabel;
class QPushButton;
class WavePlayer;

// The insurance offer's window, loaded for one showing and unloaded once its answer has been applied.
class BJInsurWindow : public QDialog {
    Q_OBJECT

public:
    explicit BJInsurWindow(QWidget *table);

    QLabel *lblInsurance = nullptr;
    QPushButton *CmdYes = nullptr;
    QPushButton *CmdNo = nullptr;
    // The deal and the question, which a screen reader reads as the window's description as it opens;
    // from Qt 6.8 on they go as an announcement instead, and the description stays empty.
    QString spokenQuestion;

    // Closing the window without an answer (its close button, Escape) is reported, not obeyed: the
    // window stays until the answer has been applied.
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;

signals:
    void closedWithoutAnswer();
};

// The insurance dialog. The object lives as long as the table window; its window exists only while
// the round's offer is up. The answer goes to the round model, which keeps InsYes.
class BJInsur final : public RoundListener {
public:
    // `callPath` is the insurance call, played at every showing whatever the sound setting; `answered`
    // takes the player's answer, Closed when the window was closed without one. The window also answers
    // `tableKeys`, the table's keys that work at any moment.
    BJInsur(WavePlayer &wave, QString callPath, std::function<void(InsuranceAnswer)> answered,
            QList<QAction *> tableKeys = {});
    ~BJInsur() override;

    // The round's offer, shown modal to `table` with the words `question` gives for its cost.
    void showOffersOver(QWidget *table, std::function<QString(double cost)> question);
    void insuranceOffered(const report::InsuranceOffered &offer) override;
    void insuranceOfferClosed(const report::InsuranceOfferClosed &) override { Unload(); }

    // Loads the window (its call plays) and opens it modal to `table`, returning at once. A screen reader
    // speaks `spokenQuestion` as the window opens, in place of the one-word question it shows.
    void Show(QWidget *table, const QString &spokenQuestion = {});
    // Closes the window if it is loaded.
    void Unload();
    BJInsurWindow *window() const { return loaded.data(); }

private:
    void Form_Load();

    WavePlayer &wave;
    QString callPath;
    std::function<void(InsuranceAnswer)> answered;
    QList<QAction *> tableKeys;
    QWidget *table = nullptr;
    std::function<QString(double cost)> question;
    QPointer<BJInsurWindow> loaded;
};
