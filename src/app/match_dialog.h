#pragma once
// The dialog behind "Use for the focused application…": the ids the profile
// is used for (ticked) and those of the applications that had the focus
// since the start, each with its window's title, so nobody has to know what
// an app id is. Ticking and unticking edits the profile's match list.

#include "settings/interface_texts.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <vector>

namespace pelmora {

struct MatchChoice {
    QString title;  // the dialog's
    QString prompt; // above the list
    QString note;   // under it (why switching will not happen here); may be empty
    QStringList rows;
    std::vector<bool> ticked;
};

// The ticks as left with OK; empty for Cancel.
std::optional<std::vector<bool>> askMatches(QWidget& parent, const MatchChoice& choice,
                                            Language language);

} // namespace pelmora
