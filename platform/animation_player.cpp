#include "platform/animation_player.h"

#include "platform/media_file.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QImageReader>
#include <QMenu>
#include <QMovie>
#include <QPainter>

namespace {

// The clips carry a name their content does not match (GIFs called "*.swf"), so the format is taken
// from the bytes, and anything that does not decode to a first frame counts as no clip at all.
std::unique_ptr<QMovie> openClip(const QString &fileName) {
    if (fileName.isEmpty())
        return nullptr;
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray format = QImageReader::imageFormat(file.get());
    if (format.isEmpty())
        return nullptr;
    auto movie = std::make_unique<QMovie>(file.get(), format);
    file.release()->setParent(movie.get());
    movie->setCacheMode(QMovie::CacheAll);
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

} // namespace

AnimationPlayer::AnimationPlayer(QWidget *parent) : QWidget(parent) {
    // Every paint covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

AnimationPlayer::~AnimationPlayer() = default;

void AnimationPlayer::setMovie(const QString &builtPath) {
    clipPath = builtPath;
    clip = openClip(locateMediaFile(builtPath));
    resumeWhenShown = false;
    if (clip) {
        clip->setParent(this);
        connect(clip.get(), &QMovie::frameChanged, this, &AnimationPlayer::onFrameChanged);
        connect(clip.get(), &QMovie::finished, this, &AnimationPlayer::onFinished);
        play();
    }
    update();
}

bool AnimationPlayer::isPlaying() const {
    // A clip waiting for the widget to be shown again still counts as playing; it only saves the work.
    return clip && (clip->state() == QMovie::Running || resumeWhenShown);
}

bool AnimationPlayer::hasClip() const {
    return clip != nullptr;
}

void AnimationPlayer::play() {
    if (!clip)
        return;
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

void AnimationPlayer::contextMenuEvent(QContextMenuEvent *event) {
    QMenu menu(this);
    menu.addAction(tr("Play"), this, &AnimationPlayer::play);
    QAction *loop = menu.addAction(tr("Loop"), this, &AnimationPlayer::setLoop);
    loop->setCheckable(true);
    loop->setChecked(looping);
    menu.addAction(tr("Rewind"), this, &AnimationPlayer::rewind);
    menu.exec(event->globalPos());
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
