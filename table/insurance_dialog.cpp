#include "table/insurance_dialog.h"

#include "platform/wave_player.h"
#include "table/fitted_text.h"
#include "table/table_pictures.h"
#include "table/twips.h"
#include "table/window_placement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

BJInsurWindow::BJInsurWindow() : QDialog(nullptr) {
    setObjectName(QStringLiteral("BJInsur"));
    setWindowTitle(tr("Insurance"));
    setWindowIcon(corvaneIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(pixelsFromTwips(3720), pixelsFromTwips(1545));

    lblInsurance = new QLabel(this);
    lblInsurance->setObjectName(QStringLiteral("lblInsurance"));
    lblInsurance->setGeometry(rectFromTwips(120, 0, 3615, 735));
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(36);
    // Serif faces wider than the one the dialog was drawn for, and longer words than the English, would
    // cut the question mark off.
    lblInsurance->setFont(fontFittingWidth(serif, tr("Insurance?"), lblInsurance->width(), 12));
    lblInsurance->setText(tr("Insurance?"));
    QPalette labelPalette = lblInsurance->palette();
    labelPalette.setColor(QPalette::WindowText, QColor(255, 128, 255));
    lblInsurance->setPalette(labelPalette);

    CmdYes = new QPushButton(tr("&Yes"), this);
    CmdYes->setObjectName(QStringLiteral("CmdYes"));
    CmdYes->setGeometry(rectFromTwips(240, 840, 1335, 495));
    CmdNo = new QPushButton(tr("&No"), this);
    CmdNo->setObjectName(QStringLiteral("CmdNo"));
    CmdNo->setGeometry(rectFromTwips(2040, 840, 1335, 495));
    setTabOrder(CmdYes, CmdNo);
    CmdYes->setFocus();
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

BJInsur::BJInsur(WavePlayer &wave, QString callPath, QList<QAction *> tableKeys)
    : wave(wave), callPath(std::move(callPath)), tableKeys(std::move(tableKeys)) {}

BJInsur::~BJInsur() {
    delete loaded.data();
}

InsuranceAnswer BJInsur::ShowModal(const QString &spokenQuestion) {
    if (loaded)
        return InsuranceAnswer::Closed;
    static const bool factoryInstalled = (QAccessible::installFactory(insuranceWindowAccessible), true);
    Q_UNUSED(factoryInstalled);
    loaded = new BJInsurWindow;
    loaded->spokenQuestion = spokenQuestion;
    loaded->addActions(tableKeys);
    InsuranceAnswer answer = InsuranceAnswer::Closed;
    QEventLoop answered;
    waiting = &answered;
    const auto answerWith = [&answer, &answered](InsuranceAnswer given) {
        answer = given;
        answered.quit();
    };
    QObject::connect(loaded->CmdYes, &QPushButton::clicked, &answered,
                     [answerWith] { answerWith(InsuranceAnswer::Yes); });
    QObject::connect(loaded->CmdNo, &QPushButton::clicked, &answered,
                     [answerWith] { answerWith(InsuranceAnswer::No); });
    QObject::connect(loaded, &BJInsurWindow::closedWithoutAnswer, &answered,
                     [answerWith] { answerWith(InsuranceAnswer::Closed); });
    Form_Load();
    loaded->show();
    answered.exec();
    return answer;
}

void BJInsur::Unload() {
    if (waiting)
        waiting->quit();
    // Nothing of the window is on the stack here: its answer has already left its event handlers.
    delete loaded.data();
}

// The offer is always announced, whatever the sound setting; the call's result is of no interest.
void BJInsur::Form_Load() {
    wave.play(callPath);
}
