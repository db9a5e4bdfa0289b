#include "ui/keys/key_event_name.h"

#include "keys/physical_keys.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace pelmora {

namespace {
constexpr quint32 kEvdevOffset = 8;
}

int evdevCodeOf(const QKeyEvent& event) {
    const quint32 scanCode = event.nativeScanCode();
    return scanCode > kEvdevOffset ? static_cast<int>(scanCode - kEvdevOffset) : -1;
}

QString keyEventName(const QKeyEvent& event) {
    const std::string_view name = keyNameFromEvdevCode(evdevCodeOf(event));
    if (!name.empty()) {
        return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    const int key = event.key();
    if (key == 0 || key == Qt::Key_unknown) {
        return {};
    }
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

} // namespace pelmora
