#include "table/screen_reader_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void ScreenReaderNotice::say(QWidget *window, const QString &words) {
    QAccessibleAnnouncementEvent announcement(window, words);
    QAccessible::updateAccessibility(&announcement);
}

#else

namespace {

// Draws nothing, takes neither the focus nor the mouse: only assistive technology sees it.
class NoticeWidget : public QWidget {
public:
    NoticeWidget(QWidget *window, const QString &words) : QWidget(window), words(words) {
        setObjectName(QStringLiteral("ScreenReaderNotice"));
        setGeometry(0, 0, 1, 1);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

    const QString words;
};

class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(NoticeWidget *notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<const NoticeWidget *>(widget())->words : QString();
    }
};

// A notice has no meta-object of its own: Qt asks for it under its base's name.
QAccessibleInterface *noticeAccessibleFactory(const QString &className, QObject *object) {
    if (className != QLatin1String("QWidget"))
        return nullptr;
    auto *notice = dynamic_cast<NoticeWidget *>(object);
    return notice ? new NoticeAccessible(notice) : nullptr;
}

// Enough for a screen reader to have read the ones before the newest.
constexpr std::size_t noticesKept = 3;

} // namespace

void ScreenReaderNotice::say(QWidget *window, const QString &words) {
    static const bool factoryInstalled = (QAccessible::installFactory(noticeAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    // Made hidden with its words, then shown: the screen reader speaks a notification as it appears.
    auto *notice = new NoticeWidget(window, words);
    notice->show();
    shown.emplace_back(notice);
    while (shown.size() > noticesKept) {
        delete shown.front().data();
        shown.pop_front();
    }
}

#endif
