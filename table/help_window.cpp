#include "table/help_window.h"

#include "table/table_pictures.h"
#include "table/twips.h"
#include "table/window_placement.h"

#include <QFile>
#include <QPlainTextEdit>

BJHelp::BJHelp() : QDialog(nullptr) {
    setObjectName(QStringLiteral("BJHelp"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowIcon(corvaneIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(pixelsFromTwips(7095), pixelsFromTwips(3960));

    txtHelp = new QPlainTextEdit(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setGeometry(rectFromTwips(0, 0, 7095, 3975));
    txtHelp->setReadOnly(true);
    txtHelp->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtHelp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtHelp->setPlainText(helpText());
    txtHelp->setAccessibleName(QStringLiteral("Rules of the game"));
    txtHelp->setFocus();
    centreOnScreen(this);
}

QString BJHelp::helpText() {
    ensureTableResources();
    QFile file(QStringLiteral(":/help/help_text.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}
