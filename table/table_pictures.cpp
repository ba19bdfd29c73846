#include "table/table_pictures.h"

#include <QCoreApplication>

const QPixmap &backgroundPicture() {
    static const QPixmap picture(QStringLiteral(":/pictures/background.jpg"));
    return picture;
}

const CardPicture &cardBackPicture() {
    static const CardPicture back{QPixmap(QStringLiteral(":/pictures/card_back.bmp")),
                                  QCoreApplication::translate("BJMain", "Face-down card")};
    return back;
}

const QIcon &corvaneIcon() {
    static const QIcon icon(QStringLiteral(":/pictures/corvane_icon.ico"));
    return icon;
}
