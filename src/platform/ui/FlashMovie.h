#pragma once

#include <QWidget>

// The place of an animated movie on the menu form. There is no movie player here, so it keeps the
// movie's name and its playing state and shows nothing.
class FlashMovie : public QWidget
{
    Q_OBJECT
public:
    explicit FlashMovie(QWidget* parent = nullptr);

    void setMovie(const QString& path) { m_movie = path; }
    QString movie() const { return m_movie; }
    void play() { m_playing = !m_movie.isEmpty(); }
    void stop() { m_playing = false; }
    bool isPlaying() const { return m_playing; }

private:
    QString m_movie;
    bool m_playing = false;
};
