#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <memory>

class QMovie;

// The animation player placed on the table window. Setting the clip path loads the clip and starts it,
// looping; the clip is drawn whole inside the widget, aspect kept and centred ("ShowAll"), on the
// background colour. Clips are animated images (GIF) recognised by their content, whatever the
// file's name ends in. A missing, empty or corrupt clip shows the background alone and reports nothing.
class AnimationPlayer : public QWidget {
    Q_OBJECT

public:
    explicit AnimationPlayer(QWidget *parent = nullptr);
    ~AnimationPlayer() override;

    // The clip path exactly as built; a backslash in it is taken as a directory separator.
    void setMovie(const QString &builtPath);
    // The language of the words drawn into the clips, as the clips' names carry it: with "de", "\win.swf"
    // is looked for as "\win_de.swf" first, and a clip missing in that language is shown in English, as
    // named. Empty (the default) is English. Takes effect with the next clip.
    void setWordsLanguage(const QString &language) { wordsLanguage = language; }
    QString movie() const { return clipPath; }

    // The player is drawn at `zoom` times the clips' size: a clip is shown from its twin with the pixels
    // that needs on this screen, "\win@3x.swf" at 300% on an ordinary screen, and a clip on view is
    // shown from the twin of the new zoom at once, at the frame it had reached.
    void setZoom(qreal zoom);

    // A still player shows each clip as one frame from the middle of its pass, where the clips' words
    // stand at rest, and never animates: for players whom motion troubles. Takes effect at once.
    void setStill(bool on);
    bool isStill() const { return still; }

    bool isPlaying() const;
    bool loops() const { return looping; }
    bool hasClip() const;
    QColor backgroundColor() const { return background; }

    // The context menu's commands.
    void play();
    void setLoop(bool on);
    void rewind();

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void onFrameChanged(int frameNumber);
    void onFinished();
    bool isLastFrame(int frameNumber) const;
    void showStillFrame();
    void load(std::unique_ptr<QMovie> movie);

    QString clipPath;
    QString wordsLanguage;
    std::unique_ptr<QMovie> clip;
    QColor background{0x00, 0x9A, 0x34};
    qreal zoom = 1.0;
    bool looping = true;
    bool resumeWhenShown = false;
    bool still = false;
};
