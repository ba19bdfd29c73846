#include "table/insurance_dialog.h"

#include "platform/wave_player.h"
#include "table/desktop_look.h"
#include "table/fitted_text.h"
#include "table/table_pictures.h"
#include "table/table_zoom.h"
#include "table/twips.h"
#include "table/window_placement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

BJInsurWindow::BJInsurWindow(QWidget *table) : QDialog(table) {
    setObjectName(QStringLiteral("BJInsur"));
    setWindowTitle(tr("Insurance"));
    setWindowIcon(corvaneIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(pixelsFromTwips(3720), pixelsFromTwips(1545));

    lblInsurance = new QLabel(this);
    lblInsurance->setObjectName(QStringLiteral("lblInsurance"));
    lblInsurance->setGeometry(rectFromTwips(120, 0, 3615, 735));
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(36);
    // Serif faces wider than the one the dialog was drawn for, and longer words than the English, would
    // cut the question mark off.
    const FittedCaption question = fitCaption(tr("Insurance?"), serif, lblInsurance->width(), 12);
    lblInsurance->setFont(question.font);
    lblInsurance->setText(question.text);
    keepInsuranceQuestionLegible(lblInsurance);

    CmdYes = new QPushButton(this);
    CmdYes->setObjectName(QStringLiteral("CmdYes"));
    CmdYes->setGeometry(rectFromTwips(240, 840, 1335, 495));
    setFittedText(CmdYes, tr("&Yes"));
    CmdNo = new QPushButton(this);
    CmdNo->setObjectName(QStringLiteral("CmdNo"));
    CmdNo->setGeometry(rectFromTwips(2040, 840, 1335, 495));
    setFittedText(CmdNo, tr("&No"));
    setTabOrder(CmdYes, CmdNo);
    CmdYes->setFocus();
    // Shown only while the table takes no input, so the table's zoom cannot change under it.
    if (TableZoom *zoom = TableZoom::of(table))
        zoomWidgets(this, zoom->factor());
    centreOnScreen(this);
}

void BJInsurWindow::paintEvent(QPaintEvent *) {
    // The pale yellow is painted rather than set in the palette: a palette of its own would give every
    // showing's buttons a new identity in the style's picture cache, which would fill with dead copies of
    // them offer after offer.
    QPainter(this).fillRect(rect(), QColor(255, 255, 192));
}

void BJInsurWindow::reject() {
    emit closedWithoutAnswer();
}

namespace {

// A screen reader speaks a dialog's description with its title as the dialog opens. The description
// comes from the window's question rather than from setAccessibleDescription(), whose change event Orca
// would present on its own as well, so that the question would be heard twice.
class InsuranceWindowAccessible : public QAccessibleWidget {
public:
    explicit InsuranceWindowAccessible(BJInsurWindow *window)
        : QAccessibleWidget(window, QAccessible::Dialog) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description)
            return static_cast<const BJInsurWindow *>(widget())->spokenQuestion;
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *insuranceWindowAccessible(const QString &className, QObject *object) {
    if (className != QLatin1String("BJInsurWindow"))
        return nullptr;
    return new InsuranceWindowAccessible(static_cast<BJInsurWindow *>(object));
}

} // namespace

BJInsur::BJInsur(WavePlayer &wave, QString callPath, std::function<void(InsuranceAnswer)> answered,
                 QList<QAction *> tableKeys)
    : wave(wave), callPath(std::move(callPath)), answered(std::move(answered)),
      tableKeys(std::move(tableKeys)) {}

BJInsur::~BJInsur() {
    delete loaded.data();
}

void BJInsur::showOffersOver(QWidget *offerTable, std::function<QString(double cost)> offerQuestion) {
    table = offerTable;
    question = std::move(offerQuestion);
}

void BJInsur::insuranceOffered(const report::InsuranceOffered &offer) {
    if (table)
        Show(table, question ? question(offer.cost) : QString());
}

void BJInsur::Show(QWidget *table, const QString &spokenQuestion) {
    if (loaded)
        return;
    static const bool factoryInstalled = (QAccessible::installFactory(insuranceWindowAccessible), true);
    Q_UNUSED(factoryInstalled);
    loaded = new BJInsurWindow(table);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    loaded->spokenQuestion = spokenQuestion;
#endif
    loaded->addActions(tableKeys);
    const auto answerWith = [this](InsuranceAnswer answer) { return [this, answer] { answered(answer); }; };
    QObject::connect(loaded->CmdYes, &QPushButton::clicked, loaded, answerWith(InsuranceAnswer::Yes));
    QObject::connect(loaded->CmdNo, &QPushButton::clicked, loaded, answerWith(InsuranceAnswer::No));
    QObject::connect(loaded, &BJInsurWindow::closedWithoutAnswer, loaded,
                     answerWith(InsuranceAnswer::Closed));
    Form_Load();
    // Modal to the table alone: the table takes no input while the offer is up.
    loaded->open();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Orca 48 speaks a dialog's description twice as it opens; the question goes as an announcement
    // instead, which it speaks once, after the dialog and its Yes button.
    QAccessibleAnnouncementEvent question(loaded, spokenQuestion);
    QAccessible::updateAccessibility(&question);
#endif
}

// The window goes later, from the event loop: its answer may still be on the stack in its own button.
void BJInsur::Unload() {
    BJInsurWindow *window = loaded.data();
    if (!window)
        return;
    loaded.clear();
    QObject::disconnect(window->CmdYes, nullptr, window, nullptr);
    QObject::disconnect(window->CmdNo, nullptr, window, nullptr);
    QObject::disconnect(window, &BJInsurWindow::closedWithoutAnswer, window, nullptr);
    window->hide();
    window->deleteLater();
}

// The offer is always announced, whatever the sound setting; the call's result is of no interest.
void BJInsur::Form_Load() {
    wave.play(callPath);
}
