#pragma once
// The one status line of the page frame, left of OK, Apply and Cancel.
// Every part writes its line under its source; the line shows the most
// important one: a transfer's, then a recording's, then the missing mouse's.
// Drawn in the frame's text font and the skin's text colour.

#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QString>

#include <array>
#include <cstddef>

class QWidget;

namespace pelmora {

class StatusLine {
public:
    // In order: a source hides the ones after it.
    enum class Source : std::size_t { Transfer, Recording, NoMouse, Count };

    StatusLine(QWidget& window, const QFont& font) : window_(window), font_(font) {}

    // Empty text: the source has nothing to say.
    void set(Source source, const QString& text);
    // What the line shows now (empty: it is hidden).
    QString shown() const;
    // Redraws in the current font and colour (after a skin or language change).
    void restyle() { update(); }

private:
    void update();

    QWidget& window_;
    const QFont& font_;
    std::array<QString, static_cast<std::size_t>(Source::Count)> texts_;
    QPointer<QLabel> label_;
};

} // namespace pelmora
