#pragma once
// The KWin script that tells the program which window KWin activated (Plasma
// on Wayland gives ordinary programs no other way): loaded through KWin's
// scripting interface at start and unloaded when the program ends. Nothing
// waits for KWin; a failure is logged and switching stays manual.

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace pelmora {

class KWinFocusScript final : public QObject {
    Q_OBJECT
public:
    explicit KWinFocusScript(QDBusConnection bus, QObject* parent = nullptr);
    ~KWinFocusScript() override;

    // Loads `file` (a copy left by a program that did not end cleanly goes first).
    void load(const QString& file);

private:
    QDBusConnection bus_;
    bool loaded_ = false;
};

} // namespace pelmora
