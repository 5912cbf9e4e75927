#include "app/LockIndicators.h"

#include <QDir>
#include <QFile>

namespace {

// On when any keyboard shows the light; nothing when no keyboard has one.
std::optional<bool> ReadLight(const QString& suffix)
{
    const QDir leds(QStringLiteral("/sys/class/leds"));
    std::optional<bool> state;
    for (const QString& name : leds.entryList({QStringLiteral("*::") + suffix}, QDir::AllEntries | QDir::System)) {
        QFile brightness(leds.filePath(name) + QStringLiteral("/brightness"));
        if (!brightness.open(QIODevice::ReadOnly))
            continue;
        const bool lit = brightness.readAll().trimmed().toInt() > 0;
        state = state.value_or(false) || lit;
    }
    return state;
}

} // namespace

LockState ReadLockState()
{
    return {ReadLight(QStringLiteral("capslock")), ReadLight(QStringLiteral("numlock")),
            ReadLight(QStringLiteral("scrolllock"))};
}
