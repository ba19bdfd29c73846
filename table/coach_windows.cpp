#include "table/coach_windows.h"

#include "table/table_pictures.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

// A window that takes no focus is one that no desktop activates: the keys stay with the table.
BJHint::BJHint(QWidget *table) : QWidget(table, Qt::Tool | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("BJHint"));
    setWindowTitle(tr("Hint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblHint);
    // Room for the longest answer, three choices, in a few lines where it can; in more where the screen
    // leaves less room beside the table.
    const int character = lblHint->fontMetrics().averageCharWidth();
    setMinimumWidth(character * 20);
    resize(character * 56, 0);
}

QSize BJHint::sizeHint() const {
    return {lblHint->fontMetrics().averageCharWidth() * 56,
            heightForWidth(lblHint->fontMetrics().averageCharWidth() * 56)};
}

void BJHint::showHint(const QString &words) {
    lblHint->setText(words);
    lblHint->setAccessibleName(words);
}

// Sized by its layout, the window stays whole and sharp at any scale of the desktop.
BJStats::BJStats() : QDialog(nullptr) {
    setObjectName(QStringLiteral("BJStats"));
    setWindowTitle(tr("Statistics"));
    setWindowIcon(corvaneIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    lstRecord = new QListWidget(this);
    lstRecord->setObjectName(QStringLiteral("lstRecord"));
    lstRecord->setAccessibleName(tr("The session's record"));
    lstRecord->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    lstRecord->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstRecord->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstRecord);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    lstRecord->setFocus();
}

void BJStats::showRecord(const QStringList &lines) {
    const int current = std::max(lstRecord->currentRow(), 0);
    lstRecord->clear();
    lstRecord->addItems(lines);
    lstRecord->setCurrentRow(current);
    // Every line whole, the longest with room to spare in any language.
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, lstRecord->fontMetrics().horizontalAdvance(line));
    const int frame = 2 * lstRecord->frameWidth();
    lstRecord->setFixedSize(widest + frame + lstRecord->fontMetrics().averageCharWidth() * 4,
                            lstRecord->sizeHintForRow(0) * lstRecord->count() + frame);
}
