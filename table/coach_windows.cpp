#include "table/coach_windows.h"

#include "table/table_pictures.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *heading(const QString &text, QWidget *window) {
    auto *label = new QLabel(text, window);
    label->setObjectName(QStringLiteral("lblHeading"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
    return label;
}

QPushButton *closeButton(QWidget *window, QVBoxLayout *layout) {
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QPushButton *button = buttons->button(QDialogButtonBox::Close);
    button->setObjectName(QStringLiteral("cmdClose"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QWidget::close);
    layout->addWidget(buttons);
    return button;
}

} // namespace

// A window that takes no focus is one that no desktop activates: the keys stay with the table. Its Close
// button takes no focus either, so a click on it leaves the keys with the table too.
BJHint::BJHint(QWidget *table) : QWidget(table, Qt::Tool | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("BJHint"));
    setWindowTitle(tr("Hint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *layout = new QVBoxLayout(this);
    lblHeading = heading(tr("What each choice is worth"), this);
    layout->addWidget(lblHeading);
    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);
    layout->addWidget(lblHint, 1);
    cmdClose = closeButton(this, layout);
    cmdClose->setFocusPolicy(Qt::NoFocus);
    // Room for the longest answer, three choices, in a few lines where it can; in more where the screen
    // leaves less room beside the table.
    const int character = lblHint->fontMetrics().averageCharWidth();
    setMinimumWidth(character * 20);
    resize(character * 56, 0);
}

QSize BJHint::sizeHint() const {
    const int width = lblHint->fontMetrics().averageCharWidth() * 56;
    return {width, heightForWidth(width)};
}

// A new answer may take more lines or fewer: the window keeps its width and takes the height it needs.
void BJHint::showHint(const QString &words) {
    lblHint->setText(words);
    lblHint->setAccessibleName(words);
    resize(width(), heightForWidth(width()));
}

// Sized by its layout, the window stays whole and sharp at any scale of the desktop.
BJStats::BJStats() : QDialog(nullptr) {
    setObjectName(QStringLiteral("BJStats"));
    setWindowTitle(tr("Statistics"));
    setWindowIcon(corvaneIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading(tr("The session's record"), this));
    figures = new QGridLayout;
    figures->setColumnStretch(0, 1);
    besideFigures = new QHBoxLayout;
    besideFigures->addLayout(figures);
    layout->addLayout(besideFigures);
    layout->addStretch();
    cmdClose = closeButton(this, layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BJStats::showBesideFigures(QWidget *widget) {
    besideFigures->addWidget(widget, 1);
}

void BJStats::showRecord(const QList<RecordLine> &lines) {
    const bool firstFill = lblValues.isEmpty();
    while (lblValues.size() < lines.size()) {
        const int row = int(lblValues.size());
        auto *name = new QLabel(this);
        auto *value = new QLabel(this);
        value->setObjectName(QStringLiteral("lblValue%1").arg(row + 1));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFocusPolicy(Qt::TabFocus);
        name->setBuddy(value);
        figures->addWidget(name, row, 0);
        figures->addWidget(value, row, 1);
        lblNames << name;
        lblValues << value;
    }
    for (qsizetype row = 0; row < lines.size(); ++row) {
        lblNames[row]->setText(lines[row].name);
        lblValues[row]->setText(lines[row].value);
        lblValues[row]->setAccessibleName(lines[row].name);
    }
    if (firstFill && !lblValues.isEmpty())
        lblValues.first()->setFocus();
    // The window takes its new size now rather than when the layout next runs, so that it can be kept on
    // the screen at that size.
    layout()->activate();
}
