#include "platform/animation_player.h"

#include "platform/art_scale.h"
#include "platform/clip_limits.h"
#include "platform/media_file.h"
#include "platform/media_handle.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QImageReader>
#include <QMenu>
#include <QMovie>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

namespace {

// The clips carry a name their content does not match (GIFs called "*.swf"), so the format is taken
// from the bytes, and anything that does not decode to a first frame counts as no clip at all. So does a
// clip whose canvas or length would take more than the player should spend on it.
std::unique_ptr<QMovie> openClip(const QString &fileName) {
    MediaHandle handle = openMediaFile(fileName);
    if (!handle)
        return nullptr;
    auto file = std::make_unique<QFile>();
    if (!file->open(handle.fd(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return nullptr;
    handle.release();
    const QByteArray format = QImageReader::imageFormat(file.get());
    if (format.isEmpty() || !clipFitsLimits(*file, format))
        return nullptr;
    auto movie = std::make_unique<QMovie>(file.get(), format);
    file.release()->setParent(movie.get());
    // Frames are decoded as they are shown: a long clip would otherwise keep every frame it has shown.
    movie->setCacheMode(QMovie::CacheNone);
    // A GIF cut short after its header still "jumps" to a first frame, but an empty one.
    if (!movie->isValid() || !movie->jumpToFrame(0) || movie->currentPixmap().isNull())
        return nullptr;
    return movie;
}

// The whole frame inside the area, aspect kept, centred: what the old player called "ShowAll".
QRect showAllRect(const QSize &frame, const QRect &area) {
    const QSize fitted = frame.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.x() + (area.width() - fitted.width()) / 2,
                 area.y() + (area.height() - fitted.height()) / 2, fitted.width(), fitted.height());
}

// `builtPath` with `tag` put before its suffix. Either separator may end the folder part of a built path.
QString taggedName(const QString &builtPath, QLatin1String tag) {
    const qsizetype nameStart =
        std::max(builtPath.lastIndexOf(QLatin1Char('/')), builtPath.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype dot = builtPath.lastIndexOf(QLatin1Char('.'));
    const qsizetype suffixAt = dot > nameStart ? dot : builtPath.size();
    return QString(builtPath).insert(suffixAt, tag);
}

// "\win.swf" -> "\win@3x.swf": the clip drawn at `scale` times the size.
QString scaledName(const QString &builtPath, int scale) {
    return taggedName(builtPath, QLatin1String(QByteArray('@' + QByteArray::number(scale) + 'x')));
}

// For `scale` device pixels per pixel of the clip, the smallest twin with the pixels that needs when
// there is one that plays, else the largest smaller one; else the clip itself, enlarged.
std::unique_ptr<QMovie> openClipFor(const QString &builtPath, qreal scale) {
    for (int art = artScaleFor(scale); art > 1; --art) {
        if (auto sharp = openClip(locateMediaFile(scaledName(builtPath, art))))
            return sharp;
    }
    return openClip(locateMediaFile(builtPath));
}

// The clip with its words in `language` ("\win_de.swf") when there is one that plays, else the English.
std::unique_ptr<QMovie> openClipFor(const QString &builtPath, const QString &language, qreal scale) {
    // A language is letters and underscores ("pt_BR"); anything else would reach outside the clip's name.
    static const QRegularExpression languageCode(QStringLiteral("^[A-Za-z]+(_[A-Za-z]+)*$"));
    if (languageCode.match(language).hasMatch()) {
        const QByteArray tag = '_' + language.toLatin1();
        if (auto translated = openClipFor(taggedName(builtPath, QLatin1String(tag)), scale))
            return translated;
    }
    return openClipFor(builtPath, scale);
}

} // namespace

AnimationPlayer::AnimationPlayer(QWidget *parent) : QWidget(parent) {
    // Every paint covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

AnimationPlayer::~AnimationPlayer() = default;

void AnimationPlayer::setMovie(const QString &builtPath) {
    clipPath = builtPath;
    load(openClipFor(builtPath, wordsLanguage, devicePixelRatioF() * zoom));
    resumeWhenShown = false;
    if (clip)
        play();
    update();
}

void AnimationPlayer::load(std::unique_ptr<QMovie> movie) {
    clip = std::move(movie);
    if (!clip)
        return;
    clip->setParent(this);
    connect(clip.get(), &QMovie::frameChanged, this, &AnimationPlayer::onFrameChanged);
    connect(clip.get(), &QMovie::finished, this, &AnimationPlayer::onFinished);
}

void AnimationPlayer::setZoom(qreal playerZoom) {
    if (zoom == playerZoom)
        return;
    zoom = playerZoom;
    if (!clip)
        return;
    const int frame = clip->currentFrameNumber();
    const bool running = clip->state() == QMovie::Running;
    load(openClipFor(clipPath, wordsLanguage, devicePixelRatioF() * zoom));
    if (!clip)
        return;
    // A GIF is read frame after frame; the new twin takes up the pass where the old one was.
    for (int next = 1; next <= frame && clip->jumpToFrame(next); ++next) {
    }
    if (still)
        showStillFrame();
    else if (running)
        clip->start();
    update();
}

bool AnimationPlayer::isPlaying() const {
    // A clip waiting for the widget to be shown again still counts as playing; it only saves the work.
    return clip && (clip->state() == QMovie::Running || resumeWhenShown);
}

bool AnimationPlayer::hasClip() const {
    return clip != nullptr;
}

void AnimationPlayer::setStill(bool on) {
    if (still == on)
        return;
    still = on;
    if (!clip)
        return;
    if (still) {
        showStillFrame();
    } else {
        clip->jumpToFrame(0);
        play();
    }
}

void AnimationPlayer::showStillFrame() {
    resumeWhenShown = false;
    clip->setPaused(true);
    clip->jumpToFrame(std::max(0, clip->frameCount() / 2));
    update();
}

void AnimationPlayer::play() {
    if (!clip)
        return;
    if (still) {
        showStillFrame();
        return;
    }
    if (!isVisible()) {
        resumeWhenShown = true;
        return;
    }
    if (clip->state() == QMovie::NotRunning) {
        clip->start();
    } else if (clip->state() == QMovie::Paused) {
        // Resuming from the end of a pass starts the next one; a GIF that plays once would otherwise
        // finish straight away.
        if (isLastFrame(clip->currentFrameNumber()))
            clip->jumpToFrame(0);
        clip->setPaused(false);
    }
}

void AnimationPlayer::setLoop(bool on) {
    looping = on;
}

void AnimationPlayer::rewind() {
    if (!clip)
        return;
    resumeWhenShown = false;
    clip->setPaused(true);
    clip->jumpToFrame(0);
}

void AnimationPlayer::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), background);
    if (!clip)
        return;
    const QPixmap frame = clip->currentPixmap();
    if (frame.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(showAllRect(frame.size(), rect()), frame);
}

// The menu pops up and the handler returns: the table's round goes on while it is open.
void AnimationPlayer::contextMenuEvent(QContextMenuEvent *event) {
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Play"), this, &AnimationPlayer::play);
    QAction *loop = menu->addAction(tr("Loop"), this, &AnimationPlayer::setLoop);
    loop->setCheckable(true);
    loop->setChecked(looping);
    menu->addAction(tr("Rewind"), this, &AnimationPlayer::rewind);
    menu->popup(event->globalPos());
}

// Nobody watches a hidden clip; it is paused to spare the processor and picks up where it was.
void AnimationPlayer::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (resumeWhenShown) {
        resumeWhenShown = false;
        play();
    }
}

void AnimationPlayer::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    if (clip && clip->state() == QMovie::Running) {
        clip->setPaused(true);
        resumeWhenShown = true;
    }
}

void AnimationPlayer::onFrameChanged(int frameNumber) {
    update();
    // A GIF that loops forever never finishes by itself, so one pass ends here when looping is off.
    if (!looping && isLastFrame(frameNumber))
        clip->setPaused(true);
}

// A GIF that plays a set number of times finishes after them; looping means endlessly. A single
// picture is left standing: restarting it would only spin.
void AnimationPlayer::onFinished() {
    if (looping && clip->frameCount() > 1)
        play();
}

bool AnimationPlayer::isLastFrame(int frameNumber) const {
    return clip->frameCount() > 0 && frameNumber == clip->frameCount() - 1;
}
