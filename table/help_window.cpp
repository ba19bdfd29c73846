#include "table/help_window.h"

#include "corvane_version.h"
#include "table/table_pictures.h"
#include "table/translations_setup.h"
#include "table/twips.h"
#include "table/window_placement.h"

#include <QFile>
#include <QPlainTextEdit>

BJHelp::BJHelp() : QDialog(nullptr) {
    setObjectName(QStringLiteral("BJHelp"));
    setWindowTitle(tr("Help"));
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
    txtHelp->setAccessibleName(tr("Rules of the game"));
    txtHelp->setFocus();
    centreOnScreen(this);
}

QString BJHelp::helpText() {
    ensureTableResources();
    // The rules are too long for one message to translate; each language has its own text beside its
    // translation, named by the language the translation says it is.
    const QString language = gameLanguage();
    QFile file(QStringLiteral(":/help/help_text_%1.txt").arg(language));
    if (language == QLatin1String("en") || !file.exists())
        file.setFileName(QStringLiteral(":/help/help_text.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // The version closes the rules, so a player reporting a problem can say which release they have.
    return QString::fromUtf8(file.readAll()).trimmed() + QStringLiteral("\n\nCorvane ") +
           QString::fromLatin1(corvaneVersion);
}
