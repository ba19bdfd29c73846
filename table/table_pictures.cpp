#include "table/table_pictures.h"

#include <QCoreApplication>

// The resources are compiled into the game's static library, whose registration the linker would drop
// unless something refers to it. Q_INIT_RESOURCE must be used outside any namespace.
static bool registerTableResources() {
    Q_INIT_RESOURCE(table_resources);
    return true;
}

void ensureTableResources() {
    static const bool registered = registerTableResources();
    Q_UNUSED(registered);
}

const QPixmap &backgroundPicture() {
    ensureTableResources();
    static const QPixmap picture(QStringLiteral(":/pictures/background.jpg"));
    return picture;
}

const CardPicture &cardBackPicture() {
    ensureTableResources();
    static const CardPicture back{QPixmap(QStringLiteral(":/pictures/card_back.bmp")),
                                  QCoreApplication::translate("BJMain", "Face-down card")};
    return back;
}

const QIcon &corvaneIcon() {
    ensureTableResources();
    static const QIcon icon(QStringLiteral(":/pictures/corvane_icon.ico"));
    return icon;
}
